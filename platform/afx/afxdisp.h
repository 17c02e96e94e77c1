#pragma once
// Automation and control containment.
#include "afxwin.h"

class COccManager;

// Allows dialogs and windows to contain OLE controls. The framework subset hosts no OLE
// controls, so nothing needs switching on; applications call it at start-up as they
// always have, and a manager passed in is not used.
AFX_CORE_CLASS void AFXAPI AfxEnableControlContainer(COccManager* pOccManager = nullptr);

#include "afxdisp.h"

void AFXAPI AfxEnableControlContainer(COccManager*)
{
}

#include "dialogs/TaskBarFrame.h"

IMPLEMENT_DYNCREATE(CTaskBarFrame, CPlainFrame)

CTaskBarFrame::CTaskBarFrame() = default;
CTaskBarFrame::~CTaskBarFrame() = default;

#include "ObviousDragIndicator.h"

namespace tnwwndut {

CObviousDragIndicator::CObviousDragIndicator(HWND window) : CDragIndicator(window, kThickness, true) {}

CObviousDragIndicator::~CObviousDragIndicator() = default;

} // namespace tnwwndut

#pragma once
#include "DragIndicator.h"

namespace tnwwndut {

// A rubber band that stands out over any picture: a frame three pixels wide whose pixels
// are inverted, as the screen-area selection shows it over a frozen screenshot.
class TNWWND_CLASS CObviousDragIndicator : public CDragIndicator {
public:
    enum { kThickness = 3 };

    explicit CObviousDragIndicator(HWND window);
    ~CObviousDragIndicator() override;
};

} // namespace tnwwndut

#include "DrawObjectListControl.h"

BEGIN_MESSAGE_MAP(CDrawObjectListControl, CObjectListControl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

void CDrawObjectListControl::DrawObject(CDC&, CRect&, CObjectDisplay*) {}

void CDrawObjectListControl::DrawItem(LPDRAWITEMSTRUCT item)
{
    // The device context is the list-view's: it is lent for the drawing, never released.
    CDC dc;
    dc.Attach(item->hDC);
    CRect rect(item->rcItem);
    DrawObject(dc, rect, reinterpret_cast<CObjectDisplay*>(item->itemData));
    dc.Detach();
}

void CDrawObjectListControl::AutoResize()
{
    CRect client;
    GetClientRect(&client);
    SetColumnWidth(0, client.Width() - 4);
}

void CDrawObjectListControl::OnSize(UINT type, int cx, int cy)
{
    CObjectListControl::OnSize(type, cx, cy);
    AutoResize();
}

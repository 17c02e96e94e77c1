#include "DrawObjectListControl.h"

BEGIN_MESSAGE_MAP(CDrawObjectListControl, CObjectListControl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

void CDrawObjectListControl::DrawObject(CDC&, CRect&, CObjectDisplay*) {}

void CDrawObjectListControl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // The device context is the list-view's: it is lent for the drawing, never released.
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    DrawObject(dc, rect, reinterpret_cast<CObjectDisplay*>(lpDrawItemStruct->itemData));
    dc.Detach();
}

void CDrawObjectListControl::AutoResize()
{
    CRect client;
    GetClientRect(&client);
    SetColumnWidth(0, client.Width() - 4);
}

void CDrawObjectListControl::OnSize(UINT nType, int cx, int cy)
{
    CObjectListControl::OnSize(nType, cx, cy);
    AutoResize();
}

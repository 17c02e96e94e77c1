#include "MemoryCanvas.h"
#include "MessagePump.h"
#include "resource.h"

#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

bool IsLiveHandle(HGDIOBJ handle)
{
    return ::GetObjectType(handle) != 0;
}

class CPaintedWnd : public CWnd {
public:
    int paints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        dc.FillSolidRect(&dc.m_ps.rcPaint, kRed);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintedWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(Gdi, HandlesBelongToPermanentObjectsPaintContextsValidateAndPointFontsFitTheContext)
{
    HPEN pen = ::CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = ::CreateSolidBrush(kRed);
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HBITMAP bitmap = ::CreateBitmap(2, 2, 1, 32, nullptr);

    EXPECT_TRUE(CGdiObject::FromHandle(pen)->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(CGdiObject::FromHandle(brush)->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_TRUE(CGdiObject::FromHandle(font)->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_TRUE(CGdiObject::FromHandle(bitmap)->IsKindOf(RUNTIME_CLASS(CBitmap)));
    EXPECT_EQ(CBrush::FromHandle(brush), CGdiObject::FromHandle(brush)) << "one temporary per handle";
    EXPECT_EQ(CBrush::FromHandle(nullptr), nullptr);

    CGdiObject::DeleteTempMap();
    EXPECT_TRUE(IsLiveHandle(pen) && IsLiveHandle(brush) && IsLiveHandle(bitmap))
        << "freeing temporaries leaves the handles to their owners";
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    ::DeleteObject(bitmap);

    HDC memory = ::CreateCompatibleDC(nullptr);
    CDC* dc = CDC::FromHandle(memory);
    EXPECT_EQ(dc->m_hDC, memory);
    EXPECT_EQ(CDC::FromHandle(memory), dc);
    CDC::DeleteTempMap();
    EXPECT_TRUE(::DeleteDC(memory)) << "the temporary did not delete the device context";

    // Permanent objects own their handles until detached.
    HGDIOBJ deleted;
    {
        CBrush brush(kRed);
        deleted = brush.m_hObject;
        ASSERT_TRUE(IsLiveHandle(deleted));
        EXPECT_FALSE(brush.CreateSolidBrush(kBlue)) << "an object holds one handle";
        LOGBRUSH logBrush = {};
        brush.GetObject(sizeof logBrush, &logBrush);
        EXPECT_EQ(logBrush.lbColor, kRed) << "the first brush stays";
    }
    EXPECT_FALSE(IsLiveHandle(deleted));

    HGDIOBJ kept;
    {
        CPen pen(PS_SOLID, 1, kBlue);
        kept = pen.Detach();
    }
    EXPECT_TRUE(IsLiveHandle(kept));
    ::DeleteObject(kept);

    // A paint device context validates what it painted.
    CPaintedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "paint", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE)) << "EndPaint ran when the CPaintDC went away";
    wnd.DestroyWindow();

    // Point fonts are made in tenths of a point for the device context.
    CFont pointFont;
    ASSERT_TRUE(pointFont.CreatePointFont(90, "Arial"));
    LOGFONTA made = {};
    pointFont.GetLogFont(&made);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(made.lfHeight, -::MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72)) << "a character height of 9 points";
    ::ReleaseDC(nullptr, screen);
    EXPECT_STREQ(made.lfFaceName, "Arial");

    // In a device context that counts in tenths of a millimetre, 9 points are about 32
    // units, whatever way its y axis runs.
    CMemoryCanvas canvas(4, 4, kWhite);
    ::SetMapMode(canvas.DC().m_hDC, MM_LOMETRIC);
    LOGFONTA request = made;
    request.lfHeight = 90;
    CFont scaled;
    ASSERT_TRUE(scaled.CreatePointFontIndirect(&request, &canvas.DC()));
    scaled.GetLogFont(&made);
    EXPECT_NEAR(made.lfHeight, -32, 1);
}

TEST(Gdi, DrawsWithSelectedObjectsAndLoadedBitmapsAndGivesBackThePreviousOnes)
{
    CMemoryCanvas canvas(40, 40, kWhite);
    CDC& dc = canvas.DC();

    CPen pen(PS_SOLID, 1, kBlue);
    CBrush brush(kRed);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(oldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH)) << "a new device context starts with the white brush";

    const RECT square = { 10, 10, 20, 20 };
    dc.Rectangle(&square);
    EXPECT_EQ(canvas.Pixel(10, 10), kBlue) << "outline with the pen";
    EXPECT_EQ(canvas.Pixel(15, 15), kRed) << "inside with the brush";
    dc.MoveTo(0, 30);
    dc.LineTo(40, 30);
    EXPECT_EQ(dc.MoveTo(5, 5), CPoint(40, 30)) << "MoveTo reports where drawing stood";

    dc.SelectObject(oldPen);
    EXPECT_EQ(dc.SelectObject(oldBrush)->m_hObject, brush.m_hObject);

    dc.FillSolidRect(0, 0, 5, 5, kBlue);
    EXPECT_EQ(canvas.Pixel(4, 4), kBlue);
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite);
    EXPECT_EQ(dc.GetBkColor(), kBlue) << "a solid fill leaves its colour as background colour";

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_RED));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 8);
    EXPECT_FALSE(CBitmap().LoadBitmap(IDB_TEST_MISSING));

    CMemoryCanvas target(20, 20, kWhite);
    CDC source;
    ASSERT_TRUE(source.CreateCompatibleDC(&target.DC()));
    CBitmap* previous = source.SelectObject(&bitmap);
    target.DC().StretchBlt(12, 0, 8, 4, &source, 0, 0, 8, 8, SRCCOPY);
    source.SelectObject(previous);
    EXPECT_EQ(target.Pixel(19, 3), kRed);
    EXPECT_EQ(target.Pixel(19, 4), kWhite);
}


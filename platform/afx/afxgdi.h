#pragma once
// Drawing: device contexts and the drawing objects (pens, brushes, fonts, bitmaps) that are
// selected into them.
//
// An object made with new or on the stack owns its handle and deletes it when destroyed,
// unless the handle was detached first. FromHandle wraps a handle in a temporary object that
// lives until the thread next idles and never deletes the handle.
//
// Unlike windows, drawing objects and device contexts have no permanent map: FromHandle of a
// handle that some object owns also gives a temporary wrapper. Nothing is routed through a
// drawing object, so its identity never matters, and keeping owners out of a per-thread map
// lets class-wide drawing objects of a library be destroyed when the library unloads, after
// the thread's maps are gone.
#include "afx.h"

class CDC;
class CWnd;

class AFX_CORE_CLASS CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject();
    ~CGdiObject() override;

    HGDIOBJ m_hObject;
    HGDIOBJ GetSafeHandle() const { return this ? m_hObject : nullptr; }
    operator HGDIOBJ() const { return GetSafeHandle(); }

    // A temporary object of the handle's kind (a CPen for a pen, a CBrush for a brush ...),
    // so that the typed FromHandle of each kind may cast it.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    // Takes ownership of the handle; FALSE when the object already holds one.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;

protected:
    // Attach for a handle just made for this object: when the object already holds one,
    // the new handle is deleted and the result is FALSE.
    BOOL AttachCreated(HGDIOBJ hObject);
};

class AFX_CORE_CLASS CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen();
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* PASCAL FromHandle(HPEN hPen);
    operator HPEN() const { return static_cast<HPEN>(GetSafeHandle()); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};

class AFX_CORE_CLASS CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush();
    explicit CBrush(COLORREF crColor);

    static CBrush* PASCAL FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }
    BOOL CreateSolidBrush(COLORREF crColor);
};

class AFX_CORE_CLASS CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    CFont();

    static CFont* PASCAL FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCSTR lpszFacename);
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    // Heights in tenths of a point (90 is 9 points), converted to the logical units of pDC,
    // or of the screen when pDC is null.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONTA* pLogFont) const;
};

class AFX_CORE_CLASS CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap();

    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(GetSafeHandle()); }
    // Loads a bitmap resource found through the framework's resource chain.
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // A device-dependent bitmap of the given layout; lpBits (may be null) holds its rows
    // top-down, each padded to an even number of bytes.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
    int GetBitmap(BITMAP* pBitMap) const;
};

class AFX_CORE_CLASS CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn();

    static CRgn* PASCAL FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(GetSafeHandle()); }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    // This region becomes pRgn1 combined with pRgn2 (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF,
    // RGN_COPY); the region must exist already. Returns the kind of the result, or ERROR.
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    int CopyRgn(CRgn* pRgnSrc);
    BOOL PtInRegion(int x, int y) const;
    int GetRgnBox(LPRECT lpRect) const;
};

class AFX_CORE_CLASS CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC();
    // Deletes a device context it created or was given with Attach; the kinds that borrow
    // theirs from a window give it back instead.
    ~CDC() override;

    HDC m_hDC;
    HDC GetSafeHdc() const { return this ? m_hDC : nullptr; }
    operator HDC() const { return GetSafeHdc(); }

    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();

    // A memory device context compatible with pDC, or with the screen when pDC is null.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    // Each returns the object that was selected before, as a temporary object, or null.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectStockObject(int nIndex);
    // Clips to a copy of the region (device coordinates); null removes the clipping.
    int SelectClipRgn(CRgn* pRgn);
    int GetClipBox(LPRECT lpRect) const;

    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    int SetStretchBltMode(int nStretchMode);

    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    // Fills with a colour without a brush; leaves that colour as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // The dotted focus frame, drawn in XOR: drawing it twice leaves the picture as it was.
    void DrawFocusRect(LPCRECT lpRect);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Rectangle(LPCRECT lpRect);
    // A one-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // The icon at the system's icon size.
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF crColor);

    BOOL TextOut(int x, int y, const CString& str);
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
};

// The device context of a window's WM_PAINT, from BeginPaint to EndPaint.
class AFX_CORE_CLASS CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// A window's client area, borrowed with GetDC and given back when destroyed.
class AFX_CORE_CLASS CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    // A null window gives the screen.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// A whole window, frame included, borrowed with GetWindowDC and given back when destroyed.
class AFX_CORE_CLASS CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

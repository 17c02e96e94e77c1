#pragma once
#include "controls/TooltipButton.h"

// A push button drawn from the library's shared bitmap of five button faces (resource
// 10088: focused, default, normal, pressed, disabled, side by side). A face is stretched
// to any button size with its 4 x 4 corners kept sharp; the corners' pixels of the colour
// key (the bitmap's top-left pixel) are cut out of the button's window region, so that
// the rounded corners show what lies behind the button. On the face goes the button's
// icon, centred at its own size (greyed while the button is disabled), or else its text.
//
// The bitmap and a memory device context holding it are shared by all buttons: the first
// button loads them and the last one frees them. The user-interface thread owns them.
//
// Decisions of this library:
// - Created with Create, the button gets the owner-draw style (BS_OWNERDRAW), which it
//   needs; a button subclassed from a dialog template needs it there.
// - SetIcon also discards the greyed copy of the previous icon, so that a disabled button
//   shows its present icon.
// - The window keeps a region of its own: the button's region is copied for it, and the
//   button clips its drawing to the original.
// - A pixel that two corners claim (a button narrower or lower than 8 pixels) stays cut
//   out, and parts of the face that would be stretched to no width are not drawn.
// - The text is drawn in the button's font.
class AFX_EXT_CLASS CXpButton : public CTooltipButton {
public:
    enum EFace { kFaceFocused = 0, kFaceDefault = 1, kFaceNormal = 2, kFacePressed = 3, kFaceDisabled = 4 };
    enum { kFaceCount = 5, kCorner = 4 };
    static constexpr COLORREF kTextColor = 0x101010;
    static constexpr COLORREF kDisabledTextColor = 0x808080;

    CXpButton();
    ~CXpButton() override;

    void SetIcon(HICON icon);

    // Bytes per pixel of a colour depth: 8 gives 1, 15 or 16 give 2, 24 gives 3, 32 gives
    // 4, anything else 0.
    static int GetPixelSize(int bitsPerPixel);
    static int GetDrawIndex(bool pressed, bool focused, bool disabled, bool isDefault);
    // The shared faces' size; 0 x 0 while no button holds them or they cannot be loaded.
    static int GetFaceWidth() { return sFaceWidth; }
    static int GetFaceHeight() { return sFaceHeight; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Draws face `index` over the client area; false without a device context or faces.
    bool DrawButton(CDC* dc, int index);
    // Draws the icon or the text over the face.
    void DrawInfo(CDC* dc, bool pressed, bool disabled);
    // Makes the greyed copy of the icon, once.
    void BuildDisabledIcon();

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Builds the window region for the present size, once per size; false when there are
    // no faces or no size to shape.
    bool LoadRegion();
    void ReleaseRegion();
    void MeasureIcon(HICON icon);
    void DiscardDisabledIcon();
    void Unload();

    int mIconWidth = 0;
    int mIconHeight = 0;
    CRgn mRegion;
    CSize mRegionSize;
    HICON mDisabledIcon = nullptr;

    static int sUseCount;
    static HBITMAP sFaces;
    static HDC sFaceDC;
    static HGDIOBJ sFaceDCBitmap; // what sFaceDC held before the faces
    static int sFaceWidth;
    static int sFaceHeight;
};

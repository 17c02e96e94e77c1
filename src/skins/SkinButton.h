#pragma once
#include "afxwin.h"
#include "skins/SkinObject.h"

// A push button drawn from a strip of four frames of a skin picture (CSkinObject): normal,
// pressed, held (the button has the mouse captured) and disabled, side by side, and shaped
// by the picture's colour key: the window takes the shape of the first frame as its
// region, so that what lies behind the cut-out pixels shows through.
//
// The picture is chosen with SetBitmapId, before or after the window is created; the
// window is shaped as soon as both exist.
//
// Decisions of this library:
// - The button is always owner-drawn: creation replaces whatever button type was asked
//   for with BS_OWNERDRAW (a button subclassed from a dialog template needs the style
//   there).
// - The window gets a copy of the shape; the picture keeps its own for drawing.
// - A frame is drawn through the shape too, so the cut-out pixels never show, even where
//   the system does not clip an owner-drawn button's drawing to its window region.
class AFX_EXT_CLASS CSkinButton : public CButton {
public:
    enum EFrame { kFrameNormal = 0, kFrameSelected = 1, kFrameCaptured = 2, kFrameDisabled = 3 };
    enum { kFrameCount = 4 };

    CSkinButton();
    ~CSkinButton() override;

    // Chooses the picture (a bitmap resource of the application or a loaded library) and
    // shapes the window when it exists; 0 means none.
    void SetBitmapId(UINT id);
    CSkinObject& GetSkin() { return mSkin; }

    // The frame for a state: selected gives kFrameSelected; else holding the mouse capture
    // gives kFrameCaptured; else disabled gives kFrameDisabled; else kFrameNormal. The
    // focus does not change the frame.
    int GetDrawIndex(bool selected, bool focused, bool disabled) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    // The picture shapes the button each time it is loaded.
    class CButtonSkin : public CSkinObject {
    public:
        explicit CButtonSkin(CSkinButton& button) : mButton(button) {}
        void LoadImageA(CBitmap& bitmap) override;

    private:
        CSkinButton& mButton;
    };

    CButtonSkin mSkin;
};

#pragma once
#include "afxwin.h"

// The panels sit above the utilities in the library's layers: known here by name only.
class CPanel;

enum EAlignWindow {
    kAlignLeft = 1,
    kAlignRight = 2,
    kAlignTop = 3,
    kAlignBottom = 4,
};

// Window operations that accept a null window (or one without a handle) and then do
// nothing, or return false, 0 or an empty text.
//
// Placing one window over another, or at a stored position, works in screen coordinates
// and then moves the window within its own parent: a window placed over a control of
// another parent, or a child window placed at a stored screen position, lands where it
// was meant to.
//
// The window position record ("window.ini" in the user's application-data folder,
// section "Window", numbers "Left", "Top", "Width" and "Height") holds one window's outer
// rectangle in screen coordinates; it serves the application's main window. Only a window
// in its normal state is stored or placed, so a minimised or maximised window keeps its
// last normal position. A stored left and top of 0 both count as nothing stored.
class AFX_EXT_CLASS UWindowsUtils {
public:
    // The window's rectangle in its parent's client coordinates, or in screen coordinates
    // for a window that is not a child.
    static bool GetInParentRect(CWnd* window, CRect* rect);
    // Moves the window so that the chosen edge lines up with the same edge of the
    // reference, keeping its size; false (and no move) for any other alignment.
    static bool AlignWindow(CWnd* reference, CWnd* window, EAlignWindow align);
    // Places the window over the other one: on its rectangle, or centred on it, keeping
    // the window's own width or height where it is smaller than the other's.
    static void Overlap(CWnd* window, CWnd* other, bool centered);
    // Overlap, then show the window and hide the other.
    static void ReplaceWindow(CWnd* window, CWnd* other);
    static void ReplaceWindowCentered(CWnd* window, CWnd* other);
    // Moves the window dy pixels down (up when negative), keeping its size.
    static void MoveVertical(CWnd* window, int dy);
    // Invalidates the whole window and erases its background.
    static void Refresh(CWnd* window);

    static void ShowWindow(CWnd* window, bool show);
    static void EnableWindow(CWnd* window, bool enable);
    static void SetCheck(CButton* button, bool check);
    static bool GetCheck(CButton* button);

    static CString GetWindowTextA(CWnd* window);
    // The window text as a decimal number: leading digits only, 0 without any, and the
    // nearest int for numbers out of its range.
    static int GetWindowNumber(CWnd* window);
    // Sets the text only when it differs from the current one, so that an unchanged
    // control does not repaint. A null text is the empty text.
    static void SetWindowTextA(CWnd* window, const char* text);
    static void SetWindowTextA(CWnd* window, int number);

    static void StoreLocation(CWnd* window);
    // Moves the window to the stored position, with the stored size or keeping its own.
    // A window that is not in its normal state, or with nothing stored, stays where it is,
    // so a caller places it first the way it would without a record.
    static void PlaceWindow(CWnd* window, bool withSize);

    // CPanel::SetEnable; defined with the panels (panels/Panel.cpp), which this layer
    // cannot include.
    static void EnablePanel(CPanel* panel, bool enable);

private:
    static void Replace(CWnd* window, CWnd* other, bool centered);
    static bool HasNormalPlacement(CWnd* window);
    // Moves the window to a rectangle given in screen coordinates.
    static void MoveToScreenRect(CWnd* window, const CRect& screenRect);
};

#include "ControlsTour.h"

#include "tnwmfcut.h"

#include <atomic>
#include <memory>

namespace {

enum {
    kLogId = 300,
    kFontsId,
    kSizesId,
    kNameId,
    kNormalId,
    kFocusedId,
    kPressedId,
    kDisabledId,
    kRepeatId,
    kPickerId,
};

// A window with one of each control: a log pane kept anchored to the window's edges, a
// font picker and a size picker, an entry field, bitmap-framed buttons and a window picker.
class CControlsWindow : public CFrameWnd, public CListener {
public:
    CStyledEdit log;
    CFontCombo fonts;
    CFontSizeCombo sizes;
    CEntryField name;
    CXpButton buttons[4];
    CXpHoverButton repeat;
    CWindowPicker picker;
    CWindowLocator logLocator;
    HWND picked = nullptr;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWindowPicker::kWindowPicked)
            return CListener::ListenToMessage(code, sender, extra);
        picked = static_cast<const CWindowPicker*>(sender)->GetPickedWindow();
        return true;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        const DWORD child = WS_CHILD | WS_VISIBLE;
        if (!fonts.Create(child | CBS_DROPDOWNLIST, CRect(10, 10, 230, 270), this, kFontsId)
            || !sizes.Create(child | CBS_DROPDOWN, CRect(240, 10, 300, 210), this, kSizesId)
            || !picker.Create(nullptr, nullptr, child, CRect(310, 10, 370, 64), this, kPickerId)
            || !name.Create(child | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 42, 300, 64), this, kNameId)
            || !repeat.Create("Hold to repeat", child, CRect(10, 110, 190, 136), this, kRepeatId)
            || !log.Create(child | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, CRect(10, 146, 370, 330), this,
                           kLogId))
            return -1;
        const char* const labels[] = { "Normal", "Focused", "Pressed", "Disabled" };
        for (int i = 0; i < 4; ++i) {
            if (!buttons[i].Create(labels[i], child, CRect(10 + i * 90, 76, 92 + i * 90, 102), this, kNormalId + i))
                return -1;
        }
        CFont* font = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), FALSE);
        // The log pane keeps its top-left corner and grows with the window.
        logLocator.SetLocation(0, 0, 256, 256);
        logLocator.SetWindow(&log);
        picker.AddListener(this);
        return 0;
    }

    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CFrameWnd::OnSize(nType, cx, cy);
        logLocator.Move(this);
    }

    afx_msg void OnDestroy()
    {
        picker.RemoveListener(this);
        CFrameWnd::OnDestroy();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsWindow, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlsWindow* sWindow = nullptr;

// A line of the log in rich text, in its own colour.
void LogLine(CStyledEdit& log, const char* text, int red, int green, int blue, bool bold)
{
    CString rtf;
    rtf.Format("{\\rtf1{\\colortbl;\\red%d\\green%d\\blue%d;}\\cf1%s %s\\par}", red, green, blue, bold ? "\\b" : "", text);
    CHandle data;
    data.Append(static_cast<LPCSTR>(rtf), static_cast<unsigned long>(rtf.GetLength()));
    log.AppendData(data, true);
}

// A frozen-screen selection that tells the tour's helper thread its window.
class CAnnouncedDesktopDialog : public CDesktopDialog {
public:
    std::atomic<HWND> window{ nullptr };

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CDesktopDialog::OnInitDialog();
        window = m_hWnd;
        return result;
    }
};

// The pointer goes there too, so that the system's own mouse messages tell the same story.
void PostMouse(HWND window, UINT message, int x, int y)
{
    ::SetCursorPos(x, y);
    ::PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

} // namespace

namespace ControlsTour {

void ShowControls(CTour& tour)
{
    static StRichEdit richEdit;
    auto* window = new CControlsWindow;
    if (!window->Create(nullptr, "Controls", WS_OVERLAPPEDWINDOW, CRect(420, 60, 820, 440))) {
        tour.Say("the controls window could not be created");
        return;
    }
    sWindow = window;
    window->ShowWindow(SW_SHOW);

    CStyledEdit& log = window->log;
    log.SetFont("Arial", false);
    LogLine(log, "Converting holiday.avi to MPEG-4", 0, 0, 128, true);
    LogLine(log, "  frame 1200 of 3600, 33%", 64, 64, 64, false);
    LogLine(log, "  audio track re-encoded at 128 kbit/s", 0, 128, 0, false);
    LogLine(log, "  warning: the clip's sound is out of step by 40 ms", 200, 120, 0, false);
    LogLine(log, "  error: the Xvid codec is missing", 200, 0, 0, true);
    CHandle rich;
    log.GetData(rich, true);
    CString said;
    said.Format("the styled log pane holds 5 lines of coloured text, %lu bytes of rich text", rich.GetSize());
    tour.Say(said);

    // Arial where the machine has it, else its look-alike, else the first font listed.
    CFontCombo& picker = window->fonts;
    if (picker.SelectFont("Arial", ANSI_CHARSET) < 0 && picker.SelectFont("Liberation Sans", ANSI_CHARSET) < 0)
        picker.SetCurSel(0);
    CString fonts;
    fonts.Format("the font picker lists %d faces and scripts; chosen: ", picker.GetCount());
    if (CFontEntry* entry = picker.GetEntry(picker.GetCurSel()))
        fonts += entry->GetFontName();
    tour.Say(fonts);
    window->sizes.SetSize(14);
    window->name.SetPrompt("Name of the converted clip");

    // Normal, focused, pressed and disabled faces side by side.
    window->buttons[1].SetFocus();
    window->buttons[2].SetState(TRUE);
    window->buttons[3].EnableWindow(FALSE);
    window->repeat.SetTooltipText("Hold to repeat the step");
    tour.Pump(300);
    tour.Screenshot("controls");
    tour.Say("bitmap-framed buttons: normal, focused, pressed, disabled, and a repeat button");
}

void ShowFontPicker(CTour& tour)
{
    if (!sWindow)
        return;
    sWindow->fonts.ShowDropDown(TRUE);
    tour.Pump(300);
    tour.Screenshot("font-picker");
    sWindow->fonts.ShowDropDown(FALSE);
    tour.Say("the font picker's list shows each face in itself");
}

void AnchorLogPane(CTour& tour)
{
    if (!sWindow)
        return;
    sWindow->MoveWindow(420, 60, 560, 520);
    CRect pane;
    sWindow->log.GetWindowRect(&pane);
    sWindow->ScreenToClient(&pane);
    CString said;
    said.Format("the window grew by 160 x 140 pixels; the anchored log pane is now %d x %d", pane.Width(), pane.Height());
    tour.Say(said);
    tour.Pump(200);
    tour.Screenshot("anchored-log");
}

void PickWindow(CTour& tour)
{
    if (!sWindow)
        return;
    CWindowPicker& picker = sWindow->picker;
    CRect log;
    sWindow->log.GetWindowRect(&log);
    CPoint over(log.left + 40, log.top + 40);
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SetCursorPos(over.x, over.y);
    picker.ScreenToClient(&over);
    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    tour.Pump(100);
    tour.Screenshot("window-picker");
    picker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
    char className[64] = "";
    ::GetClassNameA(sWindow->picked, className, sizeof className);
    tour.Say(CString("the window picker picked a window of class ") + className
             + (sWindow->picked == sWindow->log.m_hWnd ? ": the log pane" : ""));
}

void SelectScreenArea(CTour& tour)
{
    CAnnouncedDesktopDialog dialog;
    INT_PTR result = IDCANCEL;
    tour.WhileModal([&] { result = dialog.DoModal(); }, [&dialog](CTour& helper) {
        const ULONGLONG deadline = ::GetTickCount64() + 10000;
        while (!dialog.window && ::GetTickCount64() < deadline)
            ::Sleep(50);
        HWND window = dialog.window;
        if (!window)
            return;
        PostMouse(window, WM_LBUTTONDOWN, 380, 40);
        for (int step = 1; step <= 4; ++step)
            PostMouse(window, WM_MOUSEMOVE, 380 + step * 130, 40 + step * 95);
        ::Sleep(300);
        helper.Screenshot("screen-area");
        PostMouse(window, WM_LBUTTONUP, 900, 420);
    });
    CString said;
    said.Format("the frozen screen gave the area %d,%d of %d x %d pixels (%s)", dialog.GetX(), dialog.GetY(),
                dialog.GetWidth(), dialog.GetHeight(), result == IDOK ? "chosen" : "cancelled");
    tour.Say(said);
}

void CloseControls(CTour& tour)
{
    if (!sWindow)
        return;
    sWindow->DestroyWindow();
    sWindow = nullptr;
    tour.Say("the controls window closed");
}

} // namespace ControlsTour

#include "afxwin.h"
#include "afxlistctl.h"

// ToolTip.cpp: shows the tool tips of windows that enabled them.
void AfxFilterToolTipMessage(MSG* pMsg);

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_hThread(nullptr), m_nThreadID(::GetCurrentThreadId()), m_msgCur()
{
}

CWinThread::~CWinThread() = default;

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peek;
    for (;;) {
        while (idle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Frequent messages that change nothing a command's state depends on do not restart
    // idle processing.
    return pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_NCMOUSEMOVE
           && pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* system caret blink */;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    AfxFilterToolTipMessage(pMsg);
    // Every permanent window from the target up to its top-level window gets a chance,
    // innermost first.
    HWND topLevel = nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd)) {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        topLevel = hWnd;
        if (!(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    // Then the main window, for accelerators that work while a modeless window is active.
    CWnd* main = GetMainWnd();
    if (main && main->m_hWnd && main->m_hWnd != topLevel && pMsg->hwnd)
        return main->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* main = GetMainWnd();
        if (main && main->m_hWnd && main->IsWindowVisible()) {
            main->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            main->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else if (lCount == 1) {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        CImageList::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    }
    return lCount < 1;
}

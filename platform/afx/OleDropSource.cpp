#include "afxole.h"
#include "afxunknown_.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

// The IDropSource of a drop source, answering through its owner while that lives.
class COleDropSource::XDropSource : public CUnknownImpl<IDropSource> {
public:
    explicit XDropSource(COleDropSource* owner) : CUnknownImpl<IDropSource>(IID_IDropSource), mOwner(owner) {}

    void Forget() { mOwner = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return mOwner ? mOwner->QueryContinueDrag(fEscapePressed, grfKeyState) : DRAGDROP_S_CANCEL;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD dwEffect) override
    {
        return mOwner ? mOwner->GiveFeedback(dwEffect) : DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    COleDropSource* mOwner;
};

COleDropSource::COleDropSource()
    : m_rectStartDrag(0, 0, 0, 0), m_bDragStarted(FALSE), m_dwButtonCancel(MK_RBUTTON),
      m_dwButtonDrop(MK_LBUTTON), m_xDropSource(new XDropSource(this))
{
}

COleDropSource::~COleDropSource()
{
    m_xDropSource->Forget();
    m_xDropSource->Release();
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

namespace {

bool IsDown(int virtualKey)
{
    return ::GetKeyState(virtualKey) < 0;
}

} // namespace

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    m_bDragStarted = FALSE;
    // The button that is down drops; the other one cancels.
    if (IsDown(VK_LBUTTON)) {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    } else if (IsDown(VK_RBUTTON)) {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    } else {
        return FALSE;
    }
    if (m_rectStartDrag.IsRectEmpty() || !pWnd || !pWnd->m_hWnd)
        return m_bDragStarted = TRUE;

    // Wait for the mouse to leave the start rectangle, with the mouse taken meanwhile.
    const HWND window = pWnd->m_hWnd;
    ::SetCapture(window);
    const DWORD delay = ::GetProfileIntA("windows", "DragDelay", DD_DEFDRAGDELAY);
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (::GetCapture() != window)
            break;
        if (::GetTickCount() - start >= delay) {
            m_bDragStarted = TRUE;
            break;
        }
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, delay, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE) {
            CPoint point(msg.pt);
            if (!m_rectStartDrag.PtInRect(point)) {
                m_bDragStarted = TRUE;
                break;
            }
        } else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP
                   || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == window)
        ::ReleaseCapture();
    return m_bDragStarted;
}

LPUNKNOWN COleDropSource::GetInterface(const void* piid)
{
    const IID* iid = static_cast<const IID*>(piid);
    if (iid && (IsEqualIID(*iid, IID_IDropSource) || IsEqualIID(*iid, IID_IUnknown)))
        return m_xDropSource;
    return nullptr;
}

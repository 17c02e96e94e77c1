#include "afxole.h"
#include "afxunknown_.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

// The IDropTarget registered for a window: turns OLE's calls into the owner's handlers,
// with the data wrapped and the point in the window's client coordinates.
class COleDropTarget::XDropTarget : public CUnknownImpl<IDropTarget> {
public:
    explicit XDropTarget(COleDropTarget* owner) : CUnknownImpl<IDropTarget>(IID_IDropTarget), mOwner(owner) {}

    void Forget()
    {
        mOwner = nullptr;
        mData.Release();
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (!pdwEffect)
            return E_INVALIDARG;
        mData.Release();
        if (pDataObj) {
            pDataObj->AddRef();
            mData.Attach(pDataObj, TRUE);
        }
        CWnd* window = Window();
        mEffect = window ? mOwner->OnDragEnter(window, &mData, grfKeyState, ClientPoint(pt)) & *pdwEffect
                         : DROPEFFECT_NONE;
        *pdwEffect = mEffect;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (!pdwEffect)
            return E_INVALIDARG;
        CWnd* window = Window();
        mEffect = window ? mOwner->OnDragOver(window, &mData, grfKeyState, ClientPoint(pt)) & *pdwEffect
                         : DROPEFFECT_NONE;
        *pdwEffect = mEffect;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        if (CWnd* window = Window())
            mOwner->OnDragLeave(window);
        mData.Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD, POINTL pt, DWORD* pdwEffect) override
    {
        if (!pdwEffect)
            return E_INVALIDARG;
        if (pDataObj) {
            pDataObj->AddRef();
            mData.Attach(pDataObj, TRUE);
        }
        const DWORD allowed = *pdwEffect;
        DROPEFFECT effect = DROPEFFECT_NONE;
        if (CWnd* window = Window()) {
            const CPoint point = ClientPoint(pt);
            const DROPEFFECT chosen = mEffect & allowed;
            effect = mOwner->OnDropEx(window, &mData, chosen, allowed, point);
            if (effect == static_cast<DROPEFFECT>(-1))
                effect = chosen != DROPEFFECT_NONE && mOwner->OnDrop(window, &mData, chosen, point) ? chosen
                                                                                                     : DROPEFFECT_NONE;
        }
        *pdwEffect = effect & allowed;
        mData.Release();
        return S_OK;
    }

private:
    ~XDropTarget() override { mData.Release(); }

    CWnd* Window() const
    {
        return mOwner && mOwner->m_hWnd && ::IsWindow(mOwner->m_hWnd) ? CWnd::FromHandle(mOwner->m_hWnd) : nullptr;
    }
    CPoint ClientPoint(POINTL pt) const
    {
        POINT point = { pt.x, pt.y };
        ::ScreenToClient(mOwner->m_hWnd, &point);
        return point;
    }

    COleDropTarget* mOwner;
    COleDataObject mData;
    DROPEFFECT mEffect = DROPEFFECT_NONE;
};

COleDropTarget::COleDropTarget() : m_hWnd(nullptr), m_xDropTarget(new XDropTarget(this)) {}

COleDropTarget::~COleDropTarget()
{
    // Not the virtual one: a deriving class is already gone.
    COleDropTarget::Revoke();
    m_xDropTarget->Forget();
    m_xDropTarget->Release();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (m_hWnd || !pWnd || !::IsWindow(pWnd->m_hWnd))
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, m_xDropTarget)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_hWnd)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd*) {}

LPUNKNOWN COleDropTarget::GetInterface(const void* piid)
{
    const IID* iid = static_cast<const IID*>(piid);
    if (iid && (IsEqualIID(*iid, IID_IDropTarget) || IsEqualIID(*iid, IID_IUnknown)))
        return m_xDropTarget;
    return nullptr;
}

#include "prompts/VolumeSliderDialog.h"

#include "res/resource.h"

CRect CVolumeSliderDialog::sAnchorRect(0, 0, 0, 0);

namespace {

const int kLoudest = 100;

} // namespace

BEGIN_MESSAGE_MAP(CVolumeSliderDialog, CDialog)
    ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_TNW_VOLUME, OnReleasedCaptureVolume)
END_MESSAGE_MAP()

CVolumeSliderDialog::CVolumeSliderDialog(CWnd* pParent)
    : CDialog(IDD_TNW_VOLUME_SLIDER, pParent), mVolume(50), mDragging(false)
{
}

bool CVolumeSliderDialog::Prompt(CWnd* anchor, unsigned char& volume)
{
    if (!anchor || !anchor->GetSafeHwnd())
        return false;
    CRect area;
    anchor->GetClientRect(&area);
    anchor->ClientToScreen(&area);
    sAnchorRect = area;
    return Prompt(volume);
}

bool CVolumeSliderDialog::Prompt(unsigned char& volume)
{
    CVolumeSliderDialog dialog;
    dialog.mVolume = volume;
    if (dialog.DoModal() != IDOK)
        return false;
    volume = dialog.mVolume;
    return true;
}

BOOL CVolumeSliderDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Volume");
    mSlider.SetRange(0, kLoudest);
    mSlider.SetPos(mVolume > kLoudest ? 0 : kLoudest - mVolume);
    SetWindowPos(nullptr, sAnchorRect.right, sAnchorRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetCapture(mSlider.m_hWnd);
    return TRUE;
}

void CVolumeSliderDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_VOLUME, mSlider);
}

void CVolumeSliderDialog::OnOK()
{
    mVolume = static_cast<unsigned char>(kLoudest - mSlider.GetPos());
    EndDialog(IDOK);
}

void CVolumeSliderDialog::OnReleasedCaptureVolume(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    OnOK();
}

bool CVolumeSliderDialog::IsOutside(const MSG& msg) const
{
    POINT point = { static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)) };
    ::MapWindowPoints(msg.hwnd, m_hWnd, &point, 1);
    CRect client;
    GetClientRect(&client);
    return !client.PtInRect(point);
}

BOOL CVolumeSliderDialog::PreTranslateMessage(MSG* pMsg)
{
    // With the capture held, presses and releases anywhere on the screen arrive here,
    // addressed to the slider.
    if (pMsg->message == WM_LBUTTONDOWN) {
        if (IsOutside(*pMsg))
            return TRUE;
        mDragging = true;
    } else if (pMsg->message == WM_LBUTTONUP && !mDragging && IsOutside(*pMsg)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

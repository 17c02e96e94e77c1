#pragma once
#include "afxcmn.h"
#include "afxwin.h"

// A vertical volume slider that pops up beside the button that opened it (template
// IDD_TNW_VOLUME_SLIDER, titled "Volume"). Its top-left corner goes to the top-right
// corner of the last anchor's client area, which all prompts share; before any anchored
// prompt that is the screen origin. The slider holds the mouse capture, so the user can
// drag the thumb at once: releasing it takes the volume (top is loud) and ends the prompt
// with IDOK. A left-button release outside the pop-up ends it with IDCANCEL.
//
// Decisions of this library:
// - A press outside the pop-up never reaches the slider (it would page the thumb); only
//   a drag that started on the slider may end outside and still sets the volume.
// - Enter takes the slider's position as well, so the keyboard (arrow keys, Enter)
//   works as the mouse does; Escape cancels.
// - A volume above 100 starts the slider at its top (loudest); a cancelled prompt hands
//   it back unchanged.
class AFX_EXT_CLASS CVolumeSliderDialog : public CDialog {
public:
    explicit CVolumeSliderDialog(CWnd* pParent = nullptr);

    // False without an anchor; otherwise remembers the anchor's client area on the screen
    // and prompts there.
    static bool Prompt(CWnd* anchor, unsigned char& volume);
    // True with the new volume (0 to 100) on IDOK; false and volume unchanged otherwise.
    static bool Prompt(unsigned char& volume);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnReleasedCaptureVolume(NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool IsOutside(const MSG& msg) const;

    unsigned char mVolume;
    CSliderCtrl mSlider;
    bool mDragging;

    static CRect sAnchorRect;
};

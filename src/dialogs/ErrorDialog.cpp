#include "dialogs/ErrorDialog.h"

#include "res/resource.h"
#include "util/DrawingUtils.h"

BEGIN_MESSAGE_MAP(CErrorDialog, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CErrorDialog::CErrorDialog(const char* message, CWnd* parent) : CDialog(IDD_ERROR, parent), mMessage(message) {}

CErrorDialog::~CErrorDialog() = default;

bool CErrorDialog::Prompt(const char* message, const char* buttonText)
{
    CErrorDialog dialog(message);
    dialog.SetButtonText(buttonText);
    return dialog.DoModal() == IDOK;
}

void CErrorDialog::SetButtonText(const char* text)
{
    mButtonText = text;
}

void CErrorDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ERROR_FRAME, mFrame);
    DDX_Control(pDX, IDOK, mOk);
    DDX_Control(pDX, IDC_ERROR_MESSAGE, mMessageText);
}

BOOL CErrorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    mMessageText.SetWindowText(mMessage);
    if (mButtonText.IsEmpty()) {
        mOk.ShowWindow(SW_HIDE);
    } else {
        mOk.SetWindowText(mButtonText);
        mOk.ShowWindow(SW_SHOW);
    }
    // The frame static only marks where the red frame goes.
    mFrame.ShowWindow(SW_HIDE);
    return TRUE;
}

void CErrorDialog::OnOK()
{
    if (!mButtonText.IsEmpty())
        CDialog::OnOK();
}

void CErrorDialog::OnPaint()
{
    CPaintDC dc(this);
    CRect frame;
    mFrame.GetWindowRect(&frame);
    ScreenToClient(&frame);
    dc.FrameRect(&frame, UDrawingUtils::GetRedBrush());
}

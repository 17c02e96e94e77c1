#pragma once
#include "afxcmn.h"

// A window of the given framework class (CButton, CWnd ...) with a tooltip over its
// client area. The tooltip buttons and windows are this, over their bases.
//
// The tooltip control is made on first need, once the window exists: by InitToolTip, by
// the first text, or by the first message the application's loop hands to
// PreTranslateMessage, which relays every message to the tooltip so that it sees the
// mouse. It is made inactive, with tips at most 400 pixels wide. The first text registers
// the window's client area as tool 1 and activates the tooltip; each later text replaces
// the tip.
//
// Decision of this library: each text also renews the tool's rectangle, so that the tip
// covers the client area as it is when the text was last set.
template <class TBase>
class CTooltipHost : public TBase {
public:
    enum { kToolId = 1, kMaxTipWidth = 400 };

    void InitToolTip()
    {
        if (mToolTip.m_hWnd || !this->m_hWnd || !mToolTip.Create(this))
            return;
        mToolTip.Activate(FALSE);
        mToolTip.SetMaxTipWidth(kMaxTipWidth);
    }

    // A null text changes nothing.
    void SetTooltipText(const char* text)
    {
        if (!text)
            return;
        InitToolTip();
        if (!mToolTip.m_hWnd)
            return;
        CRect client;
        this->GetClientRect(&client);
        if (mToolTip.GetToolCount() == 0)
            mToolTip.AddTool(this, text, &client, kToolId);
        mToolTip.SetToolRect(this, kToolId, &client);
        mToolTip.UpdateTipText(text, this, kToolId);
        mToolTip.Activate(TRUE);
    }
    void MakeTooltip(const char* text) { SetTooltipText(text); }

    // Switches the tooltip on or off once a tool is registered.
    void ActivateTooltip(bool activate)
    {
        if (mToolTip.m_hWnd && mToolTip.GetToolCount() > 0)
            mToolTip.Activate(activate);
    }

    CToolTipCtrl& GetToolTip() { return mToolTip; }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        InitToolTip();
        if (mToolTip.m_hWnd)
            mToolTip.RelayEvent(pMsg);
        return TBase::PreTranslateMessage(pMsg);
    }

private:
    CToolTipCtrl mToolTip;
};

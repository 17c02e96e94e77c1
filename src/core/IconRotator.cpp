#include "core/IconRotator.h"

CRunIcon::CRunIcon() : mId(0), mIcon(nullptr) {}

CRunIcon::~CRunIcon() = default;

void CRunIcon::Load(unsigned long id)
{
    mId = id;
    mIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id));
}

CIconRotator::CIconRotator() : mCurrent(0), mRotating(false)
{
    mTimer.AddListener(this);
}

CIconRotator::~CIconRotator()
{
    mTimer.RemoveListener(this);
    Reset();
}

void CIconRotator::AddIcon(unsigned long id)
{
    auto* icon = new CRunIcon;
    icon->Load(id);
    mIcons.Add(icon);
}

void CIconRotator::Reset()
{
    for (int i = 0; i < mIcons.GetItemCount(); ++i)
        delete static_cast<CRunIcon*>(mIcons.GetAt(i));
    mIcons.RemoveAll();
}

void CIconRotator::SetRotate(bool on)
{
    if (on == mRotating)
        return;
    if (on) {
        const int count = mIcons.GetItemCount();
        if (count == 0)
            return;
        mRotating = true;
        Advance();
        mTimer.Activate(1000 / static_cast<unsigned long>(count));
    } else {
        mRotating = false;
        mTimer.Deactivate();
        Advance();
    }
}

void CIconRotator::Advance()
{
    int next = 0;
    if (mRotating) {
        next = mCurrent + 1;
        if (next >= mIcons.GetItemCount() || next < 0)
            next = 0;
    }
    SetCurrent(next);
}

void CIconRotator::SetCurrent(int index)
{
    if (index == mCurrent)
        return;
    mCurrent = index;
    if (index >= 0 && index < mIcons.GetItemCount())
        Broadcast(kIconChanged, this, nullptr);
}

CRunIcon* CIconRotator::GetCurrentIcon() const
{
    return static_cast<CRunIcon*>(mIcons.GetAt(mCurrent));
}

unsigned long CIconRotator::GetId() const
{
    const CRunIcon* icon = GetCurrentIcon();
    return icon ? icon->GetId() : 0;
}

HICON CIconRotator::GetIcon() const
{
    const CRunIcon* icon = GetCurrentIcon();
    return icon ? icon->GetIcon() : nullptr;
}

bool CIconRotator::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CTimer::kTimerTick && sender == &mTimer)
        Advance();
    return CListener::ListenToMessage(code, sender, extra);
}

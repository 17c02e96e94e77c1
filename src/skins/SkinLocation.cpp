#include "skins/SkinLocation.h"

#include "skins/SkinFolder.h"

const char* const CSkinLocation::kLeftValue = "Left";
const char* const CSkinLocation::kTopValue = "Top";
const char* const CSkinLocation::kWidthValue = "Width";
const char* const CSkinLocation::kHeightValue = "Height";

namespace {

const char* SectionName(const char* name)
{
    return name ? name : "";
}

} // namespace

CSkinLocation::CSkinLocation(const char* name)
    : mLeftValue(SectionName(name), kLeftValue, nullptr), mTopValue(SectionName(name), kTopValue, nullptr),
      mWidthValue(SectionName(name), kWidthValue, nullptr), mHeightValue(SectionName(name), kHeightValue, nullptr),
      mFollowsFolder(CSkinFolder::GetCurrent() != nullptr)
{
    if (mFollowsFolder)
        CSkinFolder::Follow(this);
}

CSkinLocation::~CSkinLocation()
{
    if (mFollowsFolder)
        CSkinFolder::Unfollow(this);
}

bool CSkinLocation::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CSkinFolder::kLoadAll) {
        Load();
        return true;
    }
    if (code == CSkinFolder::kSaveAll) {
        Save();
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

bool CSkinLocation::BindValues()
{
    const CSkinFolder* folder = CSkinFolder::GetCurrent();
    if (!folder || !folder->GetProfile().HasIniFile())
        return false;
    if (mFollowsFolder) {
        // Bound anew each time: the folder that holds the role now may not be the one
        // that held it when the location was made.
        const char* file = folder->GetProfile().GetIniFile().c_str();
        mLeftValue.SetIniFile(file);
        mTopValue.SetIniFile(file);
        mWidthValue.SetIniFile(file);
        mHeightValue.SetIniFile(file);
    }
    return true;
}

bool CSkinLocation::Load()
{
    if (!BindValues())
        return false;
    mLeft = mLeftValue.GetValue(mLeft);
    mTop = mTopValue.GetValue(mTop);
    mWidth = mWidthValue.GetValue(mWidth);
    mHeight = mHeightValue.GetValue(mHeight);
    return true;
}

bool CSkinLocation::Save()
{
    if (!BindValues())
        return false;
    // All four are written even when one fails, so that as much as possible is kept.
    bool stored = mLeftValue.SetValue(mLeft);
    stored = mTopValue.SetValue(mTop) && stored;
    stored = mWidthValue.SetValue(mWidth) && stored;
    stored = mHeightValue.SetValue(mHeight) && stored;
    return stored;
}

#include "skins/SkinFolder.h"

#include <algorithm>
#include <cstring>

constexpr long CSkinFolder::kLoadAll;
constexpr long CSkinFolder::kSaveAll;
const char* const CSkinFolder::kIniFileName = "skin.ini";

CSkinFolder* CSkinFolder::sCurrent = nullptr;
std::vector<CListener*> CSkinFolder::sFollowers;

CSkinFolder::CSkinFolder(const char* folder) : mFolder(folder ? folder : "")
{
    BindProfile();
    if (sCurrent)
        return;
    sCurrent = this;
    for (CListener* location : sFollowers)
        AddListener(location);
}

CSkinFolder::~CSkinFolder()
{
    if (sCurrent == this)
        sCurrent = nullptr;
}

void CSkinFolder::SetFolder(const char* folder)
{
    const char* text = folder ? folder : "";
    if (std::strcmp(text, mFolder) == 0)
        return;
    mFolder = text;
    BindProfile();
    Broadcast(kLoadAll, this, nullptr);
}

void CSkinFolder::BindProfile()
{
    mProfile.SetIniFile(mFolder.IsEmpty() ? nullptr : static_cast<const char*>(mFolder + kIniFileName));
}

void CSkinFolder::LoadAll()
{
    if (sCurrent)
        sCurrent->Broadcast(kLoadAll, sCurrent, nullptr);
}

void CSkinFolder::SaveAll()
{
    if (sCurrent)
        sCurrent->Broadcast(kSaveAll, sCurrent, nullptr);
}

void CSkinFolder::Follow(CListener* location)
{
    if (!location || std::find(sFollowers.begin(), sFollowers.end(), location) != sFollowers.end())
        return;
    sFollowers.push_back(location);
    if (sCurrent)
        sCurrent->AddListener(location);
}

void CSkinFolder::Unfollow(CListener* location)
{
    sFollowers.erase(std::remove(sFollowers.begin(), sFollowers.end(), location), sFollowers.end());
    if (sCurrent)
        sCurrent->RemoveListener(location);
}

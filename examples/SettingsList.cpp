// Settings with a list: a persistent settings object holding a list of clips, saved to
// "Example Settings.xml" in the user's application-data folder and loaded back into a
// fresh object, as an application does at its next start.
#include "tnwmfcut.h"

#include <cstdio>

// One clip of the list: a named object (the title) with a length. Creatable by its type
// code, so that a list can load it.
class CClip : public CNamedObject {
public:
    DECLARE_PERSIST_CLASS()
    static constexpr long kClipType = 'Clip';       // a capital keeps clear of the library's codes
    static constexpr long kSecondsChanged = 'Csec'; // what listeners hear when Seconds changes

    CClip() = default;
    CClip(const CClip& other) : CNamedObject(other), mSeconds(other.mSeconds) {}

    unsigned long ValidateSeconds(unsigned long seconds) { return seconds > 86400 ? 86400 : seconds; }
    void SetSeconds(unsigned long seconds)
    {
        seconds = ValidateSeconds(seconds);
        if (seconds == mSeconds)
            return;
        mSeconds = seconds;
        Notify(kSecondsChanged, 0, 0); // for listeners that watch this property
        SideEffectSecondsChanged();
    }
    unsigned long GetSeconds() const { return mSeconds; }
    void SideEffectSecondsChanged() { Notify(kObjectChanged, 0, 0); } // list rows follow
    void SideEffectNameChanged() override { Notify(kObjectChanged, 0, 0); }

    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CNamedObject::SaveSelf(name, storage); // the base's properties first: the name
        storage.Save("Seconds", mSeconds);
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        CNamedObject::LoadSelf(name, storage);
        storage.Load("Seconds", mSeconds); // a value the file lacks keeps what it held
    }

private:
    unsigned long mSeconds = 0;
};
IMPLEMENT_PERSIST_CLASS(CClip, CPersistObject, CClip::kClipType)

// The settings: an output folder and the clips, which the owning list deletes.
class CExampleSettings : public CPersistObject {
public:
    CString mOutputFolder = "C:\\Clips\\";
    CPersistList mClips{ true };

    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        storage.Save("Output Folder", static_cast<const char*>(mOutputFolder));
        mClips.Save("Clips", storage);
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        UPersistUtils::Load(storage, "Output Folder", mOutputFolder);
        mClips.Load("Clips", storage);
    }
};

// A console program needs the application object too. Its files go to the folder named
// after the executable: %APPDATA%\Tarnwell\settings-list\.
CWinApp theApp("settings-list");

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE))
        return 2;
    const char* const fileName = "Example Settings.xml";

    CExampleSettings settings;
    settings.mOutputFolder = "D:\\Converted\\";
    for (unsigned long i = 1; i <= 3; ++i) {
        CClip* clip = new CClip; // the list owns it from Add on
        CString title;
        title.Format("Holiday part %lu", i);
        clip->SetName(title);
        clip->SetSeconds(60 * i);
        settings.mClips.Add(clip);
    }
    bool written = false;
    UPersistStorage::DefaultSave(settings, "Example", fileName, written);
    if (!written)
        return 3;

    CExampleSettings loaded;
    if (!UPersistStorage::DefaultLoad(loaded, "Example", fileName))
        return 4;
    std::printf("output folder %s, %d clips\n", static_cast<const char*>(loaded.mOutputFolder),
                loaded.mClips.GetItemCount());
    unsigned long total = 0;
    for (int i = 0; i < loaded.mClips.GetItemCount(); ++i) {
        CClip* clip = static_cast<CClip*>(loaded.mClips.GetAt(i));
        std::printf("  %s, %lu s\n", static_cast<const char*>(clip->GetName()), clip->GetSeconds());
        total += clip->GetSeconds();
    }
    return loaded.mOutputFolder == "D:\\Converted\\" && loaded.mClips.GetItemCount() == 3 && total == 360 ? 0 : 1;
}

#include "DemoSettings.h"

const char* const CDemoSettings::kFileName = "Data.xml";

CDemoSettings::CDemoSettings()
    : mRuns(0)
    , mOutputFolder("C:\\Converted Clips\\")
    , mKeepOriginals(true)
{
    mPreset.SetName("Standard");
    mPreset.SetValue("640 x 360, 1 Mbit/s");
}

void CDemoSettings::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save("Runs", mRuns);
    storage.Save("Last Run", static_cast<const char*>(mLastRun));
    storage.Save("Output Folder", static_cast<const char*>(mOutputFolder));
    storage.Save("Keep Originals", mKeepOriginals);
    mPreset.Save("Quality Preset", storage);
}

void CDemoSettings::LoadSelf(const char*, CPersistStorage& storage)
{
    storage.Load("Runs", mRuns);
    UPersistUtils::Load(storage, "Last Run", mLastRun);
    UPersistUtils::Load(storage, "Output Folder", mOutputFolder);
    storage.Load("Keep Originals", mKeepOriginals);
    mPreset.Load("Quality Preset", storage);
}

std::vector<CString> CDemoSettings::Describe()
{
    CString tours;
    tours.Format("  runs that saved settings: %lu", mRuns);
    return {tours,
            "  last of them: " + (mLastRun.IsEmpty() ? CString("(none)") : mLastRun),
            "  output folder: " + mOutputFolder,
            CString("  keep originals: ") + (mKeepOriginals ? "yes" : "no"),
            "  quality preset: " + mPreset.GetName() + " (" + mPreset.GetValue() + ")"};
}

#include "SyncTour.h"
#include "MainFrame.h"
#include "PlayerDrive.h"

#include "ComApartment.h"
#include "tnwmfcut.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

struct SOutcome {
    CString target;
    bool synced;
    CString received;
};

CString TempFolder(LPCSTR name)
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const CString folder = CString(temp) + name + "\\";
    UDirectoryUtils::EstablishPath(folder);
    return folder;
}

CString Describe(const CString& path)
{
    if (!UFileUtils::FileExist(path))
        return "nothing";
    CString text;
    text.Format("%s (%I64d bytes)", static_cast<LPCSTR>(path), UFileUtils::GetFileSize(path));
    return text;
}

// The entries of a stand-in library file that name the clip, and the playlists.
CString LibraryLines(const CString& file)
{
    std::ifstream in(static_cast<LPCSTR>(file));
    std::string line;
    CString lines;
    while (std::getline(in, line)) {
        for (char& c : line)
            c = c == '\t' ? ' ' : c;
        lines += (lines.IsEmpty() ? "" : "; ") + CString(line.c_str());
    }
    return lines.IsEmpty() ? CString("nothing") : lines;
}

// iTunes is not installed here: its stand-in serves the class for this process.
class StStandInITunes {
public:
    explicit StStandInITunes(const CString& library)
        : mModule(::LoadLibraryA((UDirectoryUtils::GetAppDirectory() + "tnwitunes.dll").c_str()))
    {
        auto registerClass = reinterpret_cast<HRESULT (*)(const char*, DWORD*)>(
            mModule ? ::GetProcAddress(mModule, "TnwITunesRegister") : nullptr);
        if (registerClass && FAILED(registerClass(library, &mCookie)))
            mCookie = 0;
    }
    ~StStandInITunes()
    {
        auto revoke = reinterpret_cast<HRESULT (*)(DWORD)>(mModule ? ::GetProcAddress(mModule, "TnwITunesRevoke") : nullptr);
        if (revoke && mCookie)
            revoke(mCookie);
        if (mModule)
            ::FreeLibrary(mModule);
    }

private:
    HMODULE mModule;
    DWORD mCookie = 0;
};

void ShowOutcomes(CTour& tour, CMainFrame* frame, const std::vector<SOutcome>& outcomes)
{
    CReportCtrl report;
    if (!report.Create(frame, 2)) {
        tour.Say("the sync report could not be created");
        return;
    }
    report.SetGridLines();
    report.SetColumnHeader("Target,170;Synced,60;What it received,560");
    for (size_t i = 0; i < outcomes.size(); ++i) {
        const int row = report.InsertItem(static_cast<int>(i), outcomes[i].target);
        report.SetItemText(row, 1, outcomes[i].synced ? "yes" : "no");
        report.SetItemText(row, 2, outcomes[i].received);
    }
    frame->SetStatus("clip01.wmv synced to five targets");
    tour.Pump(300);
    tour.Screenshot("sync");
}

} // namespace

void SyncTour::SyncClip(CTour& tour, CMainFrame* frame)
{
    StComApartment com;
    const CString work = TempFolder("tnwdemo-sync");
    const CString clip = work + "clip01.wmv";
    {
        std::ofstream out(static_cast<LPCSTR>(clip), std::ios::binary | std::ios::trunc);
        out << std::string(200000, 'v');
    }
    tour.Say("converted clip ready to sync: " + Describe(clip));
    std::vector<SOutcome> outcomes;

    // A folder: a copy job, as the converter's output folder takes it.
    const CString folder = TempFolder("tnwdemo-sync\\Output");
    CFileCopyJob copy;
    copy.SetFromFilePath(clip);
    copy.SetToFilePath(folder + "clip01.wmv");
    copy.Copy(nullptr);
    outcomes.push_back({ "folder", !copy.HadError(), Describe(folder + "clip01.wmv") });

    // A portable player, plugged in now: its drive letter appears.
    const CString storage = TempFolder("tnwdemo-sync\\Player");
    UDirectoryUtils::EstablishPath(storage + "Media\\Video\\");
    UDirectoryUtils::EstablishPath(storage + "Media\\Music\\");
    CCopyFileSyncer player;
    player.SetRootDir("Media");
    player.SetVideoFolder("Video");
    player.SetAudioFolder("Music");
    player.SetSubFolder("Converted");
    player.SetFromFile(clip);
    player.SetMediaType(kMediaTypeVideo);
    tour.Say(CString("before the player is plugged in: ") + (player.Sync() ? "synced?" : "no player found, nothing copied"));
    {
        CStandInPlayerDrive drive('P', static_cast<LPCSTR>(storage));
        tour.Say(drive.IsPluggedIn() ? "a portable player appears as drive P:" : "the player's drive could not appear");
        const bool synced = player.Sync();
        outcomes.push_back({ "portable player", synced,
                             Describe(player.GetDestination() + "clip01.wmv") + " in " +
                                 storage + "Media\\Video\\Converted" });
    }

    // A Windows Mobile phone over the Remote API stand-in; its storage is a folder.
    const CString phone = TempFolder("tnwdemo-sync\\Phone");
    ::SetEnvironmentVariableA("TNW_RAPI_DEVICE", phone);
    ::SetDllDirectoryA((UDirectoryUtils::GetAppDirectory() + "rapi").c_str());
    CWindowsMobileSyncer mobile;
    mobile.SetVideoFolder("My Documents\\My Videos");
    mobile.SetAddToStorageCard(true);
    mobile.SetFromFile(clip);
    mobile.SetMediaType(kMediaTypeVideo);
    const bool mobileSynced = mobile.Sync();
    ::SetDllDirectoryA(nullptr);
    outcomes.push_back({ "Windows Mobile", mobileSynced,
                         Describe(phone + "Storage Card\\My Documents\\My Videos\\clip01.wmv") });

    // iTunes, into a playlist made for it.
    const CString itunesLibrary = work + "itunes-library.txt";
    ::DeleteFileA(itunesLibrary);
    {
        StStandInITunes itunes(itunesLibrary);
        CiTunesSyncer syncer;
        syncer.SetFromFile(clip);
        syncer.SetDestination("Converted");
        outcomes.push_back({ "iTunes", syncer.Sync(), LibraryLines(itunesLibrary) });
    }

    // The media player, into the playlist its synchronisation carries to a device.
    const CString playerLibrary = work + "wmp-library.txt";
    ::DeleteFileA(playerLibrary);
    ::SetEnvironmentVariableA("TNW_WMP_LIBRARY", playerLibrary);
    {
        CWmpSyncer syncer;
        syncer.SetFromFile(clip);
        syncer.SetDestination("To Device");
        const bool synced = syncer.Sync();
        outcomes.push_back({ "Windows Media Player", synced, LibraryLines(playerLibrary) });
    }

    for (const SOutcome& outcome : outcomes)
        tour.Say(outcome.target + (outcome.synced ? ": synced; received " : ": not synced; received ") + outcome.received);
    ShowOutcomes(tour, frame, outcomes);
}

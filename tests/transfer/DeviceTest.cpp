#include "MessagePump.h"
#include "PlayerDrive.h"
#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

// A player's storage with the given folders.
void MakeFolders(const ScratchFolder& player, const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders)
        UDirectoryUtils::EstablishPath((player.Path() + folder + "\\").c_str());
}

// A device-interface record with a name, as the system sends it.
std::vector<char> InterfaceRecord(const char* name)
{
    const size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + std::strlen(name) + 1;
    std::vector<char> bytes(size);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(bytes.data());
    record->dbcc_size = static_cast<DWORD>(size);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::strcpy(record->dbcc_name, name);
    return bytes;
}

struct SHeard {
    long code;
    WPARAM event;
    std::string name;
    ULONGLONG tick;
};

// Records what the controller passes on; may stop it at the first event.
class CDeviceRecorder : public CListener {
public:
    std::vector<SHeard> heard;
    CDeviceController* stopAtFirst = nullptr;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        const auto* record = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(extra);
        heard.push_back({ code, reinterpret_cast<WPARAM>(sender), record->dbcc_name, ::GetTickCount64() });
        if (stopAtFirst)
            stopAtFirst->Stop();
        return true;
    }
};

} // namespace

TEST(DeviceFinder, TheFinderAndTheCopySyncerTakeOnlyAMountedPlayerWithEveryFolder)
{
    ScratchFolder player;
    MakeFolders(player, { "Media\\Video", "Media\\Music" });
    CDeviceFinder finder;
    finder.SetRootDir("Media");
    finder.AddPath("Video");
    finder.AddPath("Music");
    finder.AddPath("");
    EXPECT_EQ(finder.FindDrive('E'), 0);
    {
        CStandInPlayerDrive drive('P', player.Path());
        ASSERT_TRUE(drive.IsPluggedIn());
        EXPECT_EQ(finder.FindDrive('E'), 'P');
        EXPECT_EQ(CDeviceFinder(finder).FindDrive(0), 'P');
        finder.AddPath("Photos");
        EXPECT_EQ(finder.FindDrive('E'), 0);
    }
    // Without folders to look for, any drive that is there qualifies, and only such a one.
    CDeviceFinder anyDrive;
    EXPECT_FALSE(anyDrive.CheckDrive('P'));
    const char found = anyDrive.FindDrive('E');
    EXPECT_TRUE(found && CStandInPlayerDrive::IsMounted(found)) << found;

    // The copy syncer copies into the media folder of a player that is there.
    ScratchFolder local;
    const std::string clip = local.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(clip, "a finished clip"));
    CStandInPlayerDrive drive('P', player.Path());
    ASSERT_TRUE(drive.IsPluggedIn());

    CCopyFileSyncer syncer;
    syncer.SetRootDir("Media");
    syncer.SetVideoFolder("Video");
    syncer.SetAudioFolder("Music");
    syncer.SetSubFolder("Show");
    syncer.SetFromFile(clip.c_str());
    syncer.SetFromFile(nullptr);
    syncer.SetMediaType(kMediaTypeVideo);
    EXPECT_TRUE(syncer.Sync());
    EXPECT_EQ(std::string(syncer.GetDestination()), "P:\\Media\\Video\\Show\\");
    EXPECT_EQ(ReadWholeFile(player.File("Media\\Video\\Show\\clip.avi")), "a finished clip");

    // A type without a folder, a missing file and an unplugged player send nothing anywhere.
    syncer.SetMediaType(kMediaTypePhoto);
    EXPECT_FALSE(syncer.Sync());
    EXPECT_TRUE(syncer.GetDestination().IsEmpty());
    syncer.SetMediaType(kMediaTypeAudio);
    syncer.SetFromFile(local.File("missing.avi").c_str());
    EXPECT_FALSE(syncer.Sync());
    drive.Unplug();
    syncer.SetFromFile(clip.c_str());
    EXPECT_FALSE(syncer.Sync());
    EXPECT_TRUE(syncer.GetDestination().IsEmpty());
}

TEST(DeviceController, PassesDeviceInterfaceEventsOnOneByOneInOrder)
{
    CDeviceController controller;
    EXPECT_EQ(CDeviceController::sController, &controller);
    CDeviceDispatcher* dispatcher = controller.GetDispatcher();
    ASSERT_NE(dispatcher, nullptr);
    const HWND window = dispatcher->GetSafeHwnd();
    char title[32] = {};
    ::GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Devices");
    CDeviceRecorder recorder;
    controller.AddListener(&recorder);

    DEV_BROADCAST_VOLUME volume = { sizeof volume, DBT_DEVTYP_VOLUME, 0, 1 << 15, 0 };
    DEV_BROADCAST_HDR shortRecord = { 4, DBT_DEVTYP_DEVICEINTERFACE, 0 };
    const char* names[] = { "camera 1", "capture card", "camera 2" };
    const WPARAM events[] = { DBT_DEVICEARRIVAL, DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE };
    for (int i = 0; i < 3; ++i) {
        // Copied on arrival: the record is gone before it is passed on.
        std::vector<char> record = InterfaceRecord(names[i]);
        ::SendMessageA(window, WM_DEVICECHANGE, events[i], reinterpret_cast<LPARAM>(record.data()));
        std::fill(record.begin(), record.end(), 0);
        ::SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
        ::SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
        ::SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&shortRecord));
        ::SendMessageA(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    }
    EXPECT_TRUE(PumpMessagesUntil([&] { return recorder.heard.size() >= 3 && dispatcher->GetQueuedCount() == 0; },
                                  10000));
    PumpMessagesFor(600);
    ASSERT_EQ(recorder.heard.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::make_tuple(recorder.heard[i].code, recorder.heard[i].event, recorder.heard[i].name),
                  std::make_tuple(CDeviceController::kDeviceChanged, events[i], std::string(names[i])));
        EXPECT_TRUE(i == 0 || recorder.heard[i].tick - recorder.heard[i - 1].tick >= 490u) << i;
    }

    controller.Stop();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(controller.GetDispatcher(), nullptr);
}

TEST(DeviceController, CanBeStoppedByAListenerWhileEventsWait)
{
    CDeviceController controller;
    CDeviceRecorder recorder;
    recorder.stopAtFirst = &controller;
    controller.AddListener(&recorder);
    const HWND window = controller.GetDispatcher()->GetSafeHwnd();
    std::vector<char> record = InterfaceRecord("camera");
    for (int i = 0; i < 3; ++i)
        ::SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record.data()));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !::IsWindow(window); }, 5000));
    PumpMessagesFor(1200);
    EXPECT_EQ(recorder.heard.size(), 1u);
}

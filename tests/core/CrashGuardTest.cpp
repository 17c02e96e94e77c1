#include "ScratchSettings.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

unsigned long RunningMark()
{
    return CRegistry("Crash Guard", "Running", nullptr).GetValue(99);
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Starts the child program with a guard of the same settings store, waits until its
// guard lives, and kills it there.
bool RunAndKillAGuardedChild(const std::string& application)
{
    const std::string eventName = "tnwtest-crash-guard-" + std::to_string(::GetCurrentProcessId());
    HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    std::string commandLine = "\"" + ProgramFolder() + "tnw_crash_guard_child.exe\" \"" + application +
                              "\" " + eventName;
    STARTUPINFOA startup = { sizeof startup };
    PROCESS_INFORMATION child = {};
    bool killed = false;
    if (::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &child)) {
        HANDLE waits[] = { ready, child.hProcess };
        if (::WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0) {
            killed = ::TerminateProcess(child.hProcess, 9) != FALSE;
        } else {
            ::TerminateProcess(child.hProcess, 9);
        }
        ::WaitForSingleObject(child.hProcess, 20000);
        ::CloseHandle(child.hThread);
        ::CloseHandle(child.hProcess);
    }
    ::CloseHandle(ready);
    return killed;
}

} // namespace

TEST(CrashGuard, FirstRunAndCleanRunsReportNoCrash)
{
    ScratchSettings settings;
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "no guard alive";
    {
        StCrashGuard guard;
        EXPECT_FALSE(guard.Crashed());
        EXPECT_FALSE(StCrashGuard::CrashedLastTime());
        EXPECT_EQ(RunningMark(), 1u);
    }
    EXPECT_EQ(RunningMark(), 0u);
    StCrashGuard next;
    EXPECT_FALSE(next.Crashed());
}

TEST(CrashGuard, AKilledRunIsReportedByTheNextRunOnly)
{
    ScratchSettings settings;
    ASSERT_TRUE(RunAndKillAGuardedChild(settings.Application()));
    EXPECT_EQ(RunningMark(), 1u) << "the killed run left its mark";
    {
        StCrashGuard guard;
        EXPECT_TRUE(guard.Crashed());
        EXPECT_TRUE(StCrashGuard::CrashedLastTime());
    }
    StCrashGuard after;
    EXPECT_FALSE(after.Crashed()) << "the run after the crash ended normally";
}

TEST(CrashGuard, TheFirstGuardAnswersAndCopiesLeaveTheMarkAlone)
{
    ScratchSettings settings;
    auto* first = new StCrashGuard;
    // The second guard finds the first one's mark of this very run.
    auto* second = new StCrashGuard;
    EXPECT_FALSE(first->Crashed());
    EXPECT_TRUE(second->Crashed());
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "answered by the first guard";

    {
        StCrashGuard copy(*second);
        EXPECT_TRUE(copy.Crashed());
        StCrashGuard assigned(*first);
        assigned = *second;
        EXPECT_TRUE(assigned.Crashed());
    }
    EXPECT_EQ(RunningMark(), 1u) << "copies do not clear the mark";
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "copies never serve";

    delete first;
    EXPECT_EQ(RunningMark(), 0u) << "the first guard destroyed already clears the mark";
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "the second guard never serves";
    delete second;
}

TEST(CrashGuard, ADamagedMarkIsNoCrash)
{
    ScratchSettings settings;
    CRegistry("Crash Guard", "Running", nullptr).SetTextValue("not a number");
    StCrashGuard guard;
    EXPECT_FALSE(guard.Crashed());
    EXPECT_EQ(RunningMark(), 1u) << "the mark is repaired for this run";
}

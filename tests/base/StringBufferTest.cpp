#include "StringBuffer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

// That a text stays valid until the ring comes round is the buffers fuzz target's to check.
TEST(StringBuffer, ReservedRoomIsZeroedAndCodePagesConvert)
{
    EXPECT_STREQ(UStringBuffer::Text(nullptr), "");

    // Reserved room is zeroed, the terminator's too, whatever the ring held before.
    UStringBuffer::Text("dirty the ring with some text that is long enough");
    for (int round = 0; round < UStringBuffer::kRingSize; ++round) {
        char* buffer = UStringBuffer::Reserve(40);
        for (int i = 0; i <= 40; ++i)
            ASSERT_EQ(buffer[i], 0);
    }
    std::string large(200000, 'x');
    char* big = UStringBuffer::Text(large.c_str());
    EXPECT_EQ(std::strlen(big), large.size());

    EXPECT_STREQ(UStringBuffer::ToWide(nullptr), L"");
    EXPECT_STREQ(UStringBuffer::ToMultiByte(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_STREQ(UStringBuffer::ToWide("\xC3\xA9t\xC3\xA9", CP_UTF8), L"\u00E9t\u00E9");
    EXPECT_STREQ(UStringBuffer::ToMultiByte(L"\u00E9t\u00E9", CP_UTF8), "\xC3\xA9t\xC3\xA9");

    // A text that is not UTF-8 (ANSI bytes) comes back as it was.
    EXPECT_STREQ(UStringBuffer::ToMultiByte("caf\xE9"), "caf\xE9");
    // UTF-8 comes back in the ANSI code page, as the wide round trip gives it.
    std::string expected = UStringBuffer::ToMultiByte(L"\u00E9");
    EXPECT_EQ(std::string(UStringBuffer::ToMultiByte("\xC3\xA9")), expected);
}

TEST(StringBuffer, ThreadsUsingBuffersAtOnceNeverSeeEachOthersTextsOnThreadsOfEitherKind)
{
    const int kThreads = 8;
    const int kRounds = 400;
    std::atomic<int> failures{0};
    std::atomic<int> ready{0};
    auto work = [&](int id) {
        ++ready;
        while (ready < kThreads) // start together so that the threads really overlap
            std::this_thread::yield();
        for (int round = 0; round < kRounds; ++round) {
            std::vector<std::string> expected;
            std::vector<const char*> texts;
            // Half the ring in narrow texts, half in wide ones, all held at once.
            for (int i = 0; i < UStringBuffer::kRingSize / 2; ++i) {
                expected.push_back("thread " + std::to_string(id) + " round " +
                                   std::to_string(round) + " text " + std::to_string(i));
                texts.push_back(UStringBuffer::Text(expected.back().c_str()));
            }
            std::vector<const wchar_t*> wides;
            for (int i = 0; i < UStringBuffer::kRingSize / 2; ++i)
                wides.push_back(UStringBuffer::ToWide(expected[i].c_str()));
            for (size_t i = 0; i < texts.size(); ++i) {
                if (expected[i] != texts[i])
                    ++failures;
                std::wstring wide(expected[i].begin(), expected[i].end());
                if (wide != wides[i])
                    ++failures;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int id = 0; id < kThreads; ++id)
        threads.emplace_back(work, id);
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures, 0);

    // Threads started by the system have their buffers too.
    struct Result {
        bool ok = false;
    } result;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* parameter) -> DWORD {
            const char* text = UStringBuffer::Text("from a system thread");
            static_cast<Result*>(parameter)->ok =
                std::strcmp(UStringBuffer::ToMultiByte(UStringBuffer::ToWide(text)), text) == 0;
            return 0;
        },
        &result, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_TRUE(result.ok);
}


#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs PairsOf(const CCommandLineParams& params)
{
    Pairs pairs;
    for (int i = 0; i < params.GetParams().GetLookupCount(); ++i) {
        const CTextPair* pair = params.GetParams().GetLookup(i);
        pairs.emplace_back(pair->GetName(), pair->GetValue());
    }
    return pairs;
}

CCommandLineParams RawLine(const char* text)
{
    CCommandLineParams params;
    params.Parse(text, false);
    return params;
}

TEST(CommandLineParamsTest, WorkedExamplesOfTheRawLine)
{
    CCommandLineParams quoted = RawLine("/in:\"a b\" /out:c");
    EXPECT_EQ(PairsOf(quoted), (Pairs{{"in", "a b"}, {"out", "c"}}));
    EXPECT_EQ(quoted.GetFile(), "");

    CCommandLineParams path = RawLine("\"C:\\My Movies\\clip.avi\" /x:1");
    EXPECT_EQ(path.GetFile(), "C:\\My Movies\\clip.avi");
    EXPECT_EQ(PairsOf(path), (Pairs{{"x", "1"}}));
    EXPECT_TRUE(path.HasParams());

    CCommandLineParams runOn = RawLine("/x:1 movie.avi -y:2");
    EXPECT_EQ(PairsOf(runOn), (Pairs{{"x", "1"}}));
    EXPECT_EQ(runOn.GetFile(), "movie.avi -y:2") << "an unquoted file runs on to the end";
}

TEST(CommandLineParamsTest, EmptyQuotesTakeTheRestOfTheLine)
{
    CCommandLineParams params = RawLine("/a:\"\" /b:c");
    EXPECT_EQ(PairsOf(params), (Pairs{{"a", "\" /b:c"}}));
    EXPECT_EQ(params.GetFile(), "");
}

TEST(CommandLineParamsTest, HasParamsNeedsBothAFileAndASwitch)
{
    CCommandLineParams empty = RawLine("");
    EXPECT_EQ(empty.GetFile(), "");
    EXPECT_EQ(empty.GetParams().GetLookupCount(), 0);
    EXPECT_FALSE(empty.HasParams());
    empty.Parse(nullptr, false);
    EXPECT_EQ(empty.GetParams().GetLookupCount(), 0);

    EXPECT_FALSE(RawLine("/x:1 /y:2").HasParams());
    EXPECT_FALSE(RawLine("movie.avi").HasParams());
    EXPECT_TRUE(RawLine("/x:1 movie.avi").HasParams());
}

TEST(CommandLineParamsTest, SwitchesWithoutValueAddNoPair)
{
    EXPECT_TRUE(PairsOf(RawLine("/x:")).empty());
    EXPECT_TRUE(PairsOf(RawLine("/x: ")).empty());
    EXPECT_TRUE(PairsOf(RawLine("/verbose")).empty());
    EXPECT_TRUE(PairsOf(RawLine("-")).empty());
    EXPECT_EQ(PairsOf(RawLine("/x:\"open")), (Pairs{{"x", "open"}})) << "an open quote ends with the text";
    EXPECT_EQ(PairsOf(RawLine("-a:1 -b:\"2 3\"")), (Pairs{{"a", "1"}, {"b", "2 3"}}));

    CCommandLineParams forgotten;
    forgotten.Parse("/x:", false);
    forgotten.Parse("movie.avi", false);
    EXPECT_TRUE(PairsOf(forgotten).empty()) << "a pending switch ends with its text";
    EXPECT_EQ(forgotten.GetFile(), "movie.avi");
}

TEST(CommandLineParamsTest, QuotesInsideAValueAndFileQuotesThatClose)
{
    EXPECT_EQ(PairsOf(RawLine("/t:say\"hi\" /u:v")), (Pairs{{"t", "say\"hi\""}, {"u", "v"}}));
    CCommandLineParams closed = RawLine("\"a b\" c");
    EXPECT_EQ(closed.GetFile(), "c") << "a quoted file is closed; the next value replaces it";
}

TEST(CommandLineParamsTest, ResultsAccumulateOverCalls)
{
    CCommandLineParams params;
    params.Parse("/x:1 first.avi", false);
    params.Parse("/y:2 second.avi", false);
    EXPECT_EQ(PairsOf(params), (Pairs{{"x", "1"}, {"y", "2"}}));
    EXPECT_EQ(params.GetFile(), "second.avi");

    CCommandLineParams copy(params);
    EXPECT_EQ(PairsOf(copy), PairsOf(params));
    CCommandLineParams assigned;
    assigned.Parse("/z:3", false);
    assigned = params;
    EXPECT_EQ(PairsOf(assigned), PairsOf(params));
    EXPECT_EQ(assigned.GetFile(), "second.avi");
}

TEST(CommandLineParamsTest, ArgumentVectorsAreReadWhole)
{
    char program[] = "C:\\Program Files\\Tarnwell\\converter.exe";
    char file[] = "C:\\My Movies\\holiday clip.avi";
    char format[] = "/format:mpeg 4 part 2";
    char* arguments[] = {program, file, format};

    CCommandLineParams params;
    params.Parse(arguments, 3);
    EXPECT_EQ(params.GetFile(), "C:\\My Movies\\holiday clip.avi");
    EXPECT_EQ(PairsOf(params), (Pairs{{"format", "mpeg 4 part 2"}}));

    CCommandLineParams onlyProgram;
    onlyProgram.Parse(arguments, 1);
    onlyProgram.Parse(arguments, 0);
    EXPECT_EQ(onlyProgram.GetFile(), "") << "the program path is never the file";
    EXPECT_EQ(onlyProgram.GetParams().GetLookupCount(), 0);

    CCommandLineParams raw = RawLine("/format:mpeg 4 part 2");
    EXPECT_EQ(PairsOf(raw), (Pairs{{"format", "mpeg"}})) << "the raw line splits at spaces";
    EXPECT_EQ(raw.GetFile(), "4 part 2");
}

// Random texts of the characters that steer the tokenizer, each ending on the last byte
// before an inaccessible page: reading one byte past the terminator faults the test.
TEST(CommandLineParamsTest, RandomLinesNeverReadPastTheText)
{
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    const DWORD page = system.dwPageSize;
    char* block = static_cast<char*>(::VirtualAlloc(nullptr, page * 2, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(block, nullptr);
    DWORD previous = 0;
    ASSERT_TRUE(::VirtualProtect(block + page, page, PAGE_NOACCESS, &previous));

    const char alphabet[] = " \"-/:ab\\.";
    std::mt19937 random(20240611);
    for (int round = 0; round < 4000; ++round) {
        const size_t length = random() % 40;
        std::string text;
        for (size_t i = 0; i < length; ++i)
            text += alphabet[random() % (sizeof alphabet - 1)];
        char* copy = block + page - (length + 1);
        std::memcpy(copy, text.c_str(), length + 1);

        for (bool whole : {false, true}) {
            CCommandLineParams params;
            params.Parse(copy, whole);
            char* arguments[] = {copy, copy};
            params.Parse(arguments, 2);
            // Everything taken is a piece of the text itself.
            EXPECT_NE(text.find(static_cast<const char*>(params.GetFile())), std::string::npos) << text;
            for (const auto& [name, value] : PairsOf(params)) {
                EXPECT_NE(text.find(name), std::string::npos) << text;
                EXPECT_NE(text.find(value), std::string::npos) << text;
            }
        }
    }
    ::VirtualFree(block, 0, MEM_RELEASE);
}

} // namespace

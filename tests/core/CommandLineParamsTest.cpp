#include "tnwmfcut.h"

#include <gtest/gtest.h>

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

TEST(CommandLineParamsTest, RawLinesAndResultsThatAccumulateAndArgumentsThatAreWhole)
{
    const struct {
        const char* line;
        const char* file;
        Pairs pairs;
    } cases[] = {
        {"/in:\"a b\" /out:c", "", {{"in", "a b"}, {"out", "c"}}},
        {"\"C:\\My Movies\\clip.avi\" /x:1", "C:\\My Movies\\clip.avi", {{"x", "1"}}},
        // An unquoted file runs on to the end; a space ends a switch's value.
        {"/x:1 movie.avi -y:2", "movie.avi -y:2", {{"x", "1"}}},
        {"/format:mpeg 4 part 2", "4 part 2", {{"format", "mpeg"}}},
        // The character after an opening quote is taken unexamined.
        {"/a:\"\" /b:c", "", {{"a", "\" /b:c"}}},
        {"/x:\"open", "", {{"x", "open"}}},
        {"/t:say\"hi\" /u:v", "", {{"t", "say\"hi\""}, {"u", "v"}}},
        // A quoted file is closed; the next value replaces it.
        {"\"a b\" c", "c", {}},
        {"/x:", "", {}},
        {"/x: ", "", {}},
        {"/verbose", "", {}},
        {"-", "", {}},
        {"", "", {}},
    };
    for (const auto& c : cases) {
        CCommandLineParams params;
        params.Parse(c.line, false);
        EXPECT_EQ(params.GetFile(), c.file) << c.line;
        EXPECT_EQ(PairsOf(params), c.pairs) << c.line;
    }

    // Results accumulate; HasParams needs a file and a switch.
    CCommandLineParams params;
    params.Parse(nullptr, false);
    params.Parse("/x:1 /y:", false);
    EXPECT_FALSE(params.HasParams()) << "no file";
    params.Parse("first.avi", false);
    EXPECT_EQ(PairsOf(params), (Pairs{{"x", "1"}})) << "a pending switch ends with its text";
    EXPECT_TRUE(params.HasParams());
    params.Parse("/z:3 second.avi", false);
    EXPECT_EQ(params.GetFile(), "second.avi");

    CCommandLineParams assigned;
    assigned.Parse("/w:0", false);
    assigned = CCommandLineParams(params);
    EXPECT_EQ(PairsOf(assigned), (Pairs{{"x", "1"}, {"z", "3"}}));
    EXPECT_EQ(assigned.GetFile(), "second.avi");

    // Arguments the system split off are read whole, the program path never.
    char program[] = "C:\\Program Files\\Tarnwell\\converter.exe";
    char file[] = "C:\\My Movies\\holiday clip.avi";
    char format[] = "/format:mpeg 4 part 2";
    char* arguments[] = {program, file, format};
    CCommandLineParams whole;
    whole.Parse(arguments, 1);
    EXPECT_EQ(whole.GetFile(), "");
    whole.Parse(arguments, 3);
    EXPECT_EQ(whole.GetFile(), "C:\\My Movies\\holiday clip.avi");
    EXPECT_EQ(PairsOf(whole), (Pairs{{"format", "mpeg 4 part 2"}}));
}

} // namespace

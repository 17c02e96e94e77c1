#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Sorted(const std::vector<const char*>& texts, bool ascending, const char* separator = nullptr)
{
    const std::vector<CString> cells(texts.begin(), texts.end());
    std::vector<std::string> sorted;
    for (int index : UTypedSort::Order(cells, ascending, separator))
        sorted.push_back(texts[index]);
    return sorted;
}

} // namespace

TEST(TypedSort, ComparesHexThenDecimalThenDatesThenText)
{
    struct Case {
        const char* first;  // the smaller
        const char* second;
        const char* why;
    };
    const Case cases[] = {
        { "9", "0A", "hexadecimal numbers" },
        { "9.5", "10", "decimal numbers" },
        { "7%", "50%", "percentages" },
        { "March 1, 2023", "December 1, 2023", "dates" },
        { "10", "abc", "different kinds fall back to text" },
        { "Zed", "apple", "text compares bytes" },
        { "", "0", "an empty text is no number" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UTypedSort::Compare(c.first, c.second), -1) << c.why;
        EXPECT_EQ(UTypedSort::Compare(c.second, c.first), 1) << c.why;
    }
    EXPECT_EQ(UTypedSort::Compare("1.50", "1.5"), 0);
    EXPECT_EQ(Sorted({ "10", "9.75", "100", "2.5%" }, false), (std::vector<std::string>{ "100", "10", "9.75", "2.5%" }));
}

TEST(TypedSort, SeparatorsStayAndTheRowsBetweenSortAlone)
{
    const std::vector<const char*> rows = { "A", "C", "B", "-----", "F", "D", "-----" };
    EXPECT_EQ(Sorted(rows, true, "-----"), (std::vector<std::string>{ "A", "B", "C", "-----", "D", "F", "-----" }));
    EXPECT_EQ(Sorted(rows, false, "-----"), (std::vector<std::string>{ "C", "B", "A", "-----", "F", "D", "-----" }));
    EXPECT_EQ(Sorted(rows, true), (std::vector<std::string>{ "-----", "-----", "A", "B", "C", "D", "F" }));
    EXPECT_TRUE(UTypedSort::Order({}, true, "-----").empty());
}

TEST(TypedSort, MixedKindsKeepTheOrderOfTheQuicksort)
{
    // No total order: where the kinds mix, the order is the quicksort's own, the same in
    // every run and every release.
    EXPECT_EQ(Sorted({ "b", "10", "0A", "7%", "a", "9", "1.5", "ff" }, true),
              (std::vector<std::string>{ "0A", "1.5", "7%", "9", "a", "b", "10", "ff" }));
}

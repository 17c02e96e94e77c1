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
    // Each pair in ascending order: hexadecimal numbers, decimal numbers, percentages,
    // dates, kinds that differ (text), bytes, and an empty text, which is no number.
    const std::vector<std::pair<const char*, const char*>> pairs = {
        { "9", "0A" }, { "9.5", "10" }, { "7%", "50%" }, { "March 1, 2023", "December 1, 2023" },
        { "10", "abc" }, { "Zed", "apple" }, { "", "0" },
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(UTypedSort::Compare(pair.first, pair.second), -1) << pair.first << " < " << pair.second;
        EXPECT_EQ(UTypedSort::Compare(pair.second, pair.first), 1) << pair.second << " > " << pair.first;
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

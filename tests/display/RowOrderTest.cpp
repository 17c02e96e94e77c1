#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

TEST(TypedSort, ComparesHexThenDecimalThenDatesThenTextBetweenSeparators)
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

    // Separators stay, and the rows between them sort alone.
    const std::vector<const char*> rows = { "A", "C", "B", "-----", "F", "D", "-----" };
    EXPECT_EQ(Sorted(rows, true, "-----"), (std::vector<std::string>{ "A", "B", "C", "-----", "D", "F", "-----" }));
    EXPECT_EQ(Sorted(rows, false, "-----"), (std::vector<std::string>{ "C", "B", "A", "-----", "F", "D", "-----" }));
    EXPECT_EQ(Sorted(rows, true), (std::vector<std::string>{ "-----", "-----", "A", "B", "C", "D", "F" }));
    EXPECT_TRUE(UTypedSort::Order({}, true, "-----").empty());

    // No total order: where the kinds mix, the order is the quicksort's own, the same in
    // every run and every release.
    EXPECT_EQ(Sorted({ "b", "10", "0A", "7%", "a", "9", "1.5", "ff" }, true),
              (std::vector<std::string>{ "0A", "1.5", "7%", "9", "a", "b", "10", "ff" }));
}

// The index against a plain vector of rows, through every change it hears of and some it
// does not.
TEST(RowIndex, FollowsInsertionsRemovalsAndMovesAndNoticesWhatItWasNotTold)
{
    std::vector<int> keys(3000);
    std::vector<const void*> rows;
    CRowIndex index;
    int reads = 0, probes = 0;
    auto keyOf = [&](int row) {
        ++reads;
        return rows[row];
    };
    auto find = [&](const void* key) { return index.Find(key, static_cast<int>(rows.size()), keyOf); };
    std::mt19937 random(7);
    for (int step = 0; step < 20000; ++step) {
        const int count = static_cast<int>(rows.size());
        const int row = count ? static_cast<int>(random() % count) : 0;
        const int other = static_cast<int>(random() % (count + 1));
        const void* key = &keys[step % keys.size()];
        const unsigned change = random() % 4;
        if (change < 2 && std::find(rows.begin(), rows.end(), key) == rows.end()) {
            rows.insert(rows.begin() + other, key);
            index.Inserted(other, key);
        } else if (change == 2 && count) {
            rows.erase(rows.begin() + row);
            index.Removed(row);
        } else if (change == 3 && other < count) {
            std::swap(rows[row], rows[other]);
            index.Moved(row, rows[row]);
            index.Moved(other, rows[other]);
        }
        if (!rows.empty() && step % 7 == 0) {
            const int probe = static_cast<int>(random() % rows.size());
            ++probes;
            ASSERT_EQ(find(rows[probe]), probe) << "step " << step;
        }
    }
    EXPECT_EQ(reads, probes) << "one row read per answer, no search";
    EXPECT_EQ(index.GetRowCount(), static_cast<int>(rows.size()));
    EXPECT_EQ(find(&keys[0] - 1), -1);
    EXPECT_EQ(find(nullptr), -1);

    // Rows sorted behind the index's back, then one taken away.
    std::reverse(rows.begin(), rows.end());
    for (int row = 0; row < static_cast<int>(rows.size()); row += 97)
        EXPECT_EQ(find(rows[row]), row);
    rows.erase(rows.begin());
    for (int row = 0; row < static_cast<int>(rows.size()); row += 97)
        EXPECT_EQ(find(rows[row]), row);
}

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

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

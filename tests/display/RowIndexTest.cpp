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
    auto keyOf = [&rows](int row) { return rows[row]; };
    std::mt19937 random(7);
    int reads = 0, probes = 0;
    auto counted = [&](int row) {
        ++reads;
        return rows[row];
    };

    for (int step = 0; step < 20000; ++step) {
        const int count = static_cast<int>(rows.size());
        const int row = count ? static_cast<int>(random() % count) : 0;
        switch (random() % 4) {
        case 0:
        case 1: {
            const void* key = &keys[step % keys.size()];
            if (std::find(rows.begin(), rows.end(), key) != rows.end())
                break;
            const int at = static_cast<int>(random() % (count + 1));
            rows.insert(rows.begin() + at, key);
            index.Inserted(at, key);
            break;
        }
        case 2:
            if (!count)
                break;
            rows.erase(rows.begin() + row);
            index.Removed(row);
            break;
        default:
            if (count < 2)
                break;
            const int other = static_cast<int>(random() % count);
            std::swap(rows[row], rows[other]);
            index.Moved(row, rows[row]);
            index.Moved(other, rows[other]);
            break;
        }
        if (!rows.empty() && step % 7 == 0) {
            const int probe = static_cast<int>(random() % rows.size());
            ++probes;
            ASSERT_EQ(index.Find(rows[probe], static_cast<int>(rows.size()), counted), probe) << "step " << step;
        }
    }
    EXPECT_EQ(reads, probes) << "one row read per answer, no search";
    EXPECT_EQ(index.GetRowCount(), static_cast<int>(rows.size()));
    EXPECT_EQ(index.Find(&keys[0] - 1, static_cast<int>(rows.size()), keyOf), -1);
    EXPECT_EQ(index.Find(nullptr, static_cast<int>(rows.size()), keyOf), -1);

    // Rows sorted behind the index's back, then one taken away.
    std::reverse(rows.begin(), rows.end());
    for (int row = 0; row < static_cast<int>(rows.size()); row += 97)
        EXPECT_EQ(index.Find(rows[row], static_cast<int>(rows.size()), keyOf), row);
    rows.erase(rows.begin());
    for (int row = 0; row < static_cast<int>(rows.size()); row += 97)
        EXPECT_EQ(index.Find(rows[row], static_cast<int>(rows.size()), keyOf), row);
}

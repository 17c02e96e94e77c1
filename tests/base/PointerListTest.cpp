#include "PointerList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Entry {
    int key;
    const char* tag;
};

int CompareEntries(const void* item1, const void* item2)
{
    return static_cast<const Entry*>(item1)->key - static_cast<const Entry*>(item2)->key;
}

int SearchTag(const void* item, const void* key)
{
    return std::strcmp(static_cast<const Entry*>(item)->tag, static_cast<const char*>(key));
}

std::string Tags(const CPointerList& list)
{
    std::string tags;
    for (int i = 0; i < list.GetItemCount(); ++i)
        tags += static_cast<const Entry*>(list.GetAt(i))->tag;
    return tags;
}

} // namespace

TEST(PointerList, NullItemsAndBadIndexesAreSafeFindTakesTheFirstMatchAndSortingIsStable)
{
    CPointerList list;
    Entry a{1, "a"};
    list.Add(&a);
    EXPECT_EQ(list.Add(nullptr), 1);
    EXPECT_EQ(list.GetAt(2), nullptr);
    EXPECT_EQ(list.RemoveAt(-1), nullptr);
    EXPECT_TRUE(list.Remove(nullptr)) << "a null item is an item like any other";
    EXPECT_FALSE(list.Remove(nullptr));
    EXPECT_EQ(list.InsertAt(99, &a), 1);
    EXPECT_EQ(list.InsertAt(-5, &a), 0);
    EXPECT_EQ(list.GetItemCount(), 3);

    // Find returns the first match in list order.
    CPointerList found;
    Entry e[] = {{2, "x"}, {1, "y"}, {3, "x"}};
    for (Entry& entry : e)
        found.Add(&entry);
    EXPECT_EQ(found.Find(&e[1]), &e[1]) << "without a search function items are their own keys";
    EXPECT_EQ(found.Find("y"), nullptr);
    found.SetSearchFunc(SearchTag);
    EXPECT_EQ(found.Find("x"), &e[0]);
    found.SetCompareFunc(CompareEntries);
    EXPECT_EQ(found.Find("x"), &e[0]);
    EXPECT_EQ(found.Find("z"), nullptr);

    // A sorted list puts equal items after each other in adding order.
    CPointerList sorted;
    sorted.SetCompareFunc(CompareEntries);
    Entry s[] = {{5, "a"}, {1, "b"}, {5, "c"}, {3, "d"}, {5, "e"}, {0, "f"}, {9, "g"}, {3, "h"}};
    int indexes[8];
    for (int i = 0; i < 8; ++i)
        indexes[i] = sorted.Add(&s[i]);
    EXPECT_EQ(Tags(sorted), "fbdhaceg");
    EXPECT_EQ(indexes[4], 4) << "the third 5 goes after the two earlier ones (before 9)";
    EXPECT_EQ(indexes[7], 3) << "the second 3 goes after f, b and the first 3";
    EXPECT_EQ(indexes[5], 0);

    // Setting a compare function sorts what is there, stably.
    CPointerList later;
    Entry f[] = {{2, "a"}, {1, "b"}, {2, "c"}, {1, "d"}};
    for (Entry& entry : f)
        later.Add(&entry);
    later.SetCompareFunc(CompareEntries);
    EXPECT_EQ(Tags(later), "bdac");
}


#include "afx.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

CString Joined(const CStringList& list)
{
    CString text;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        text += list.GetNext(pos) + ",";
    return text;
}

CString Joined(const CStringArray& array)
{
    CString text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += array[i] + ",";
    return text;
}

} // namespace

TEST(Collections, ArraysInsertRemoveAndGrowSafelyAndListPositionsSurviveChangesAroundThem)
{
    CStringArray array;
    EXPECT_TRUE(array.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_EQ(array.Add("b"), 0);
    EXPECT_EQ(array.Add(CString("d")), 1);
    array.InsertAt(0, "a");
    array.InsertAt(2, "c", 2);
    EXPECT_STREQ(Joined(array), "a,b,c,c,d,");
    array.InsertAt(7, "z");
    EXPECT_STREQ(Joined(array), "a,b,c,c,d,,,z,") << "inserting past the end grows first";
    array.RemoveAt(4, 3);
    EXPECT_STREQ(Joined(array), "a,b,c,c,z,");

    array.SetAtGrow(9, array[0]); // a reference into the array while it grows
    EXPECT_EQ(array.GetSize(), 10);
    EXPECT_STREQ(array[9], "a");
    array.SetSize(5);
    array.Append(array);
    EXPECT_STREQ(Joined(array), "a,b,c,c,z,a,b,c,c,z,");
    array.InsertAt(1, &array); // a copy of itself

    // Removing while walking backwards visits every element once.
    for (INT_PTR i = array.GetUpperBound(); i >= 0; --i) {
        if (array[i] == "c" || array[i] == "z")
            array.RemoveAt(i);
    }
    EXPECT_STREQ(Joined(array), "a,a,b,a,b,b,a,b,");

    EXPECT_THROW(array.GetAt(8), std::out_of_range);
    EXPECT_THROW(array.SetAt(-1, "x"), std::out_of_range);
    EXPECT_THROW(array.RemoveAt(6, 3), std::out_of_range);
    EXPECT_THROW(array.InsertAt(-1, "x"), std::out_of_range);
    EXPECT_EQ(array.GetSize(), 8) << "a refused change changes nothing";
    array.RemoveAll();
    EXPECT_EQ(array.GetData(), nullptr);

    CDWordArray numbers;
    numbers.SetSize(3);
    EXPECT_EQ(numbers[2], 0u) << "new elements start at zero";
    numbers.ElementAt(1) = 7;
    CDWordArray copy;
    copy.Copy(numbers);
    EXPECT_EQ(copy.GetData()[1], 7u);
    CUIntArray units;
    units.InsertAt(0, 5u, 3);
    EXPECT_EQ(units.GetCount(), 3);

    // List positions survive changes around them.
    CStringList list;
    for (const char* item : { "1", "2", "3", "4", "5", "6" })
        list.AddTail(item);

    // The usual pattern: remember the position, step past it, then remove it.
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION current = pos;
        const CString item = list.GetNext(pos);
        if (atoi(item) % 2 == 0)
            list.RemoveAt(current);
        else
            list.InsertAfter(current, item + "x");
    }
    EXPECT_STREQ(Joined(list), "1,1x,3,3x,5,5x,");
    EXPECT_EQ(list.GetCount(), 6);

    const POSITION three = list.Find("3");
    ASSERT_NE(three, nullptr);
    list.RemoveHead();
    list.InsertBefore(three, "before3");
    list.AddHead("head");
    EXPECT_STREQ(list.GetAt(three), "3") << "other changes leave a position valid";
    EXPECT_EQ(list.Find("3", three), nullptr) << "the search starts after the position";
    EXPECT_EQ(list.Find("1"), nullptr);
    EXPECT_EQ(list.FindIndex(2), list.Find("before3"));
    EXPECT_EQ(list.FindIndex(99), nullptr);

    list.SetAt(three, "three");
    EXPECT_STREQ(list.RemoveTail(), "5x");
    EXPECT_STREQ(Joined(list), "head,1x,before3,three,3x,5,");

    POSITION back = list.GetTailPosition();
    CString reversed;
    while (back)
        reversed += list.GetPrev(back);
    EXPECT_STREQ(reversed, "53xthreebefore31xhead");

    CStringList twice;
    twice.AddTail("a");
    twice.AddTail("b");
    twice.AddTail(&twice);
    EXPECT_STREQ(Joined(twice), "a,b,a,b,") << "a list added to itself is added once";
    twice.AddHead(&twice);
    EXPECT_EQ(twice.GetCount(), 8);
    EXPECT_STREQ(twice.GetHead(), "a");
    twice.AddTail(twice.GetHead()); // an element of the list itself
    EXPECT_STREQ(twice.GetTail(), "a");
    twice.RemoveAll();
    EXPECT_TRUE(twice.IsEmpty());
    EXPECT_EQ(twice.GetHeadPosition(), nullptr);
    EXPECT_EQ(twice.GetTailPosition(), nullptr);
}

TEST(Collections, MapsLookUpRemoveWhileWalkingAndRehashAndTemplatesGrowFromTheirOwnElements)
{
    CMapStringToString map;
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    for (int i = 0; i < 2000; ++i) {
        CString key, value;
        key.Format("key%d", i);
        value.Format("%d", i);
        map.SetAt(key, value);
    }
    map["key7"] = "seven";
    map.SetAt("Key7", "other case");
    EXPECT_EQ(map.GetCount(), 2001);
    CString value;
    ASSERT_TRUE(map.Lookup("key7", value));
    EXPECT_STREQ(value, "seven");
    EXPECT_FALSE(map.Lookup("missing", value));
    EXPECT_STREQ(value, "seven") << "a failed lookup leaves the value alone";
    EXPECT_TRUE(map["fresh"].IsEmpty());
    EXPECT_TRUE(map.RemoveKey("fresh"));
    EXPECT_FALSE(map.RemoveKey("fresh"));

    // Removing or changing the entry just returned keeps the walk whole.
    std::map<std::string, int> visits;
    CString key;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        ++visits[std::string(key)];
        if (key.Right(1) == "1")
            map.RemoveKey(key);
        else
            map[key] = value + "!";
    }
    EXPECT_EQ(visits.size(), 2001u);
    for (const auto& visit : visits)
        EXPECT_EQ(visit.second, 1) << visit.first;
    EXPECT_EQ(map.GetCount(), 2001 - 200);
    EXPECT_FALSE(map.Lookup("key11", value));

    map.InitHashTable(1009);
    EXPECT_EQ(map.GetHashTableSize(), 1009u);
    ASSERT_TRUE(map.Lookup("key1998", value)) << "entries survive a rehash";
    EXPECT_STREQ(value, "1998!");
    INT_PTR walked = 0;
    for (POSITION pos = map.GetStartPosition(); pos; ++walked)
        map.GetNextAssoc(pos, key, value);
    EXPECT_EQ(walked, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());

    CMap<int, int, CString, const CString&> byNumber;
    for (int i = -50; i < 50; ++i)
        byNumber[i].Format("%d", i * i);
    CString square;
    ASSERT_TRUE(byNumber.Lookup(-7, square));
    EXPECT_STREQ(square, "49");

    CArray<CPoint, const CPoint&> points;
    points.Add(CPoint(1, 2));
    points.InsertAt(0, points[0], 3); // a reference into the array while it grows
    EXPECT_EQ(points.GetSize(), 4);
    EXPECT_EQ(points[3], CPoint(1, 2));
}


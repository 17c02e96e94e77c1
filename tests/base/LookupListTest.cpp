#include "ApplicationId.h"
#include "LookupList.h"

#include <gtest/gtest.h>

#include <memory>

TEST(LookupListAndApplicationId, PairsKeepTheirOrderAndTheNewestIdentityAliveIsTheRunningOne)
{
    CLookupList list;
    list.AddLookup("in", "a b");
    list.AddLookup("out", nullptr);
    list.AddLookup("IN", "second");
    ASSERT_EQ(list.GetLookupCount(), 3);
    EXPECT_STREQ(list.GetLookup(1)->GetName(), "out");
    EXPECT_STREQ(list.GetLookup(1)->GetValue(), "");
    EXPECT_EQ(list.GetLookup(3), nullptr);
    EXPECT_EQ(list.GetLookup(-1), nullptr);
    EXPECT_STREQ(list.FindLookup("In")->GetValue(), "a b");
    EXPECT_STREQ(list.GetLookupValue("missing", "default"), "default");
    EXPECT_EQ(list.GetLookupValue("missing", nullptr), nullptr);

    std::unique_ptr<CTextPair> first(list.RemoveLookup(0));
    EXPECT_STREQ(first->GetValue(), "a b");
    EXPECT_STREQ(list.GetLookupValue("in", nullptr), "second");
    EXPECT_EQ(list.RemoveLookup(5), nullptr);

    // Copies own their pairs.
    CLookupList copy(list);
    CLookupList assigned;
    assigned.AddLookup("old", "0");
    assigned = list;
    list.GetLookup(0)->SetValue("changed");
    list.RemoveAllLookups();
    ASSERT_EQ(copy.GetLookupCount(), 2);
    EXPECT_STREQ(copy.GetLookup(0)->GetValue(), "");
    ASSERT_EQ(assigned.GetLookupCount(), 2);
    EXPECT_STREQ(assigned.GetLookup(1)->GetName(), "IN");

    // The newest application identity alive is the running one.
    EXPECT_EQ(StApplicationId::sId, nullptr);
    EXPECT_EQ(StApplicationId::Id(), 0);
    {
        StApplicationId application;
        EXPECT_EQ(StApplicationId::sId, &application);
        EXPECT_EQ(StApplicationId::Id(), 0);
        application.SetId(17);
        EXPECT_EQ(StApplicationId::Id(), 17);

        auto* inner = new StApplicationId(5);
        auto* newest = new StApplicationId(6);
        EXPECT_EQ(StApplicationId::Id(), 6);
        delete inner; // out of order
        EXPECT_EQ(StApplicationId::Id(), 6);
        delete newest;
        EXPECT_EQ(StApplicationId::Id(), 17);
    }
    EXPECT_EQ(StApplicationId::sId, nullptr);
}


// The registry of generic frames: ordered, insert-only, one entry a handle.
#include <gtest/gtest.h>

#include "filters/gen_registry.h"

TEST(GenWindowRegistry, StartsEmptyAndFindsNothing)
{
    GenWindowRegistry r;
    EXPECT_EQ(0u, r.Size());
    EXPECT_FALSE(r.Contains(0x1234));
    EXPECT_EQ(0u, r.Find(0x1234));
}

TEST(GenWindowRegistry, KeepsHandlesInOrderAndRefusesASecondEntry)
{
    GenWindowRegistry r;
    const uintptr_t handles[] = {0x50, 0x10, 0x90, 0x30, 0x70};
    for (uintptr_t h : handles) EXPECT_TRUE(r.Insert(h, h + 1));
    EXPECT_FALSE(r.Insert(0x30, 0xDEAD));  // the first entry stays
    EXPECT_EQ(0x31u, r.Find(0x30));
    ASSERT_EQ(5u, r.Size());
    for (size_t i = 1; i < r.Size(); ++i) EXPECT_LT(r.HandleAt(i - 1), r.HandleAt(i));
    for (uintptr_t h : handles) EXPECT_EQ(h + 1, r.Find(h));
    EXPECT_FALSE(r.Contains(0x20));
    EXPECT_FALSE(r.Contains(0xA0));
    EXPECT_FALSE(r.Contains(0x00));
}

TEST(GenWindowRegistry, GrowsPastItsFirstBlock)
{
    GenWindowRegistry r;
    for (uintptr_t h = 1000; h > 0; --h) ASSERT_TRUE(r.Insert(h * 8, h));
    ASSERT_EQ(1000u, r.Size());
    for (uintptr_t h = 1; h <= 1000; ++h) ASSERT_EQ(h, r.Find(h * 8));
    EXPECT_EQ(0u, r.Find(4));
}

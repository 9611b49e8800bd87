// The registry of generic frames: ordered, insert-only, one entry a handle.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "filters/gen_registry.h"

namespace {

GenFrameProcedure Procedure(uintptr_t procedure, bool unicode = false)
{
    GenFrameProcedure p = {procedure, unicode};
    return p;
}

// The stored procedure for a handle, 0 when it has none.
uintptr_t Stored(const GenWindowRegistry& r, uintptr_t handle)
{
    GenFrameProcedure found = {0xBAD, true};
    return r.Find(handle, &found) ? found.procedure : 0;
}

}  // namespace

TEST(GenWindowRegistry, StartsEmptyAndFindsNothing)
{
    GenWindowRegistry r;
    EXPECT_EQ(0u, r.Size());
    EXPECT_FALSE(r.Contains(0x1234));
    GenFrameProcedure found = {0xBAD, true};
    EXPECT_FALSE(r.Find(0x1234, &found));
    EXPECT_EQ(0xBADu, found.procedure);  // left alone
}

// Each frame keeps the character set its filter went in with.
TEST(GenWindowRegistry, KeepsEachFramesCharacterSet)
{
    GenWindowRegistry r;
    ASSERT_TRUE(r.Insert(0x20, Procedure(0x21, true)));
    ASSERT_TRUE(r.Insert(0x10, Procedure(0x11, false)));
    ASSERT_TRUE(r.Insert(0x30, Procedure(0x31, true)));
    GenFrameProcedure found;
    ASSERT_TRUE(r.Find(0x10, &found));
    EXPECT_FALSE(found.unicode);
    ASSERT_TRUE(r.Find(0x20, &found));
    EXPECT_TRUE(found.unicode);
    EXPECT_EQ(0x21u, found.procedure);
    EXPECT_TRUE(r.ProcedureAt(2).unicode);
    EXPECT_FALSE(r.ProcedureAt(0).unicode);
}

TEST(GenWindowRegistry, KeepsHandlesInOrderAndRefusesASecondEntry)
{
    GenWindowRegistry r;
    const uintptr_t handles[] = {0x50, 0x10, 0x90, 0x30, 0x70};
    for (uintptr_t h : handles) EXPECT_TRUE(r.Insert(h, Procedure(h + 1)));
    EXPECT_FALSE(r.Insert(0x30, Procedure(0xDEAD, true)));  // the first entry stays
    EXPECT_EQ(0x31u, Stored(r, 0x30));
    ASSERT_EQ(5u, r.Size());
    for (size_t i = 1; i < r.Size(); ++i) EXPECT_LT(r.HandleAt(i - 1), r.HandleAt(i));
    for (uintptr_t h : handles) EXPECT_EQ(h + 1, Stored(r, h));
    EXPECT_FALSE(r.Contains(0x20));
    EXPECT_FALSE(r.Contains(0xA0));
    EXPECT_FALSE(r.Contains(0x00));
}

TEST(GenWindowRegistry, GrowsPastItsFirstBlock)
{
    GenWindowRegistry r;
    for (uintptr_t h = 1000; h > 0; --h) ASSERT_TRUE(r.Insert(h * 8, Procedure(h)));
    ASSERT_EQ(1000u, r.Size());
    for (uintptr_t h = 1; h <= 1000; ++h) ASSERT_EQ(h, Stored(r, h * 8));
    EXPECT_EQ(0u, Stored(r, 4));
}

TEST(GenWindowRegistry, HandleZeroIsNoWindow)
{
    GenWindowRegistry r;
    EXPECT_FALSE(r.Insert(0, Procedure(1)));
    EXPECT_EQ(0u, r.Size());
    EXPECT_FALSE(r.Contains(0));
}

// Frames look their entry up on their own threads while the scan inserts new
// ones: every handle inserted before a lookup starts is found with its
// procedure, through every growth of the hash.
TEST(GenWindowRegistry, LookupsWhileAnotherThreadInserts)
{
    GenWindowRegistry r;
    const uintptr_t kFrames = 20000;
    std::atomic<uintptr_t> published(0);
    std::atomic<bool> wrong(false);
    std::thread reader([&] {
        uintptr_t seen;
        do {
            seen = published.load(std::memory_order_acquire);
            for (uintptr_t h = seen; h > 0 && h + 64 > seen; --h) {
                GenFrameProcedure found = {0, false};
                if (!r.Find(h * 4, &found) || found.procedure != h + 7 || found.unicode != (h % 2 == 0)) {
                    wrong = true;
                }
            }
        } while (seen < kFrames);
    });
    bool inserted = true;
    for (uintptr_t h = 1; h <= kFrames && inserted; ++h) {
        inserted = r.Insert(h * 4, Procedure(h + 7, h % 2 == 0));
        published.store(inserted ? h : kFrames, std::memory_order_release);
    }
    reader.join();
    EXPECT_TRUE(inserted);
    EXPECT_FALSE(wrong);
    EXPECT_EQ(kFrames, r.Size());
}

// The shared pieces of every decision: press point, scale, shade, anchors.
#include <gtest/gtest.h>

#include "filters/pass_zone.h"
#include "press_cases.h"

TEST(PressPoint, HalvesAreUnsignedAndNeverSignExtended)
{
    struct {
        uintptr_t lParam;
        uint32_t x, y;
    } const cases[] = {
        {0x00000000u, 0, 0},         {0x7FFF7FFFu, 32767, 32767}, {0x80008000u, 32768, 32768},
        {0xFFFFFFFFu, 65535, 65535}, {0x0005000Au, 10, 5},        {0xFFFF0000u, 0, 65535},
    };
    for (const auto& c : cases) {
        PressPoint p = PressPointFromLParam(c.lParam, 0);
        EXPECT_EQ(c.x, p.x) << std::hex << c.lParam;
        EXPECT_EQ(c.y, p.y) << std::hex << c.lParam;
    }
}

TEST(PressPoint, OnlyTheLowFiveBitsOfTheScaleAnswerCount)
{
    struct {
        intptr_t answer;
        unsigned shift;
    } const cases[] = {{0, 0}, {1, 1}, {31, 31}, {32, 0}, {33, 1}, {-1, 31}, {0x101, 1}};
    for (const auto& c : cases) EXPECT_EQ(c.shift, ScaleShiftFromAnswer(c.answer)) << c.answer;

    PressPoint p = PressPointFromLParam(LParamOf(13, 7), ScaleShiftFromAnswer(33));
    EXPECT_EQ(6u, p.x);
    EXPECT_EQ(3u, p.y);
}

TEST(ShadeRule, OnlyAnswerOneAndOnlyHeightFourteen)
{
    EXPECT_TRUE(IsShadedAnswer(1));
    for (intptr_t other : {0, 2, -1, 257, 0x10001}) EXPECT_FALSE(IsShadedAnswer(other)) << other;
    EXPECT_TRUE(IsShadedHeight(14));
    for (int32_t other : {13, 15, 28, 0, -14}) EXPECT_FALSE(IsShadedHeight(other)) << other;
}

TEST(WindowSize, FromRectangleIncludingInsideOutAndHugeOnes)
{
    WindowSize s = WindowSizeFromRect(100, 200, 375, 316);
    EXPECT_EQ(275, s.width);
    EXPECT_EQ(116, s.height);
    s = WindowSizeFromRect(10, 10, 0, 5);
    EXPECT_EQ(-10, s.width);
    EXPECT_EQ(-5, s.height);
    s = WindowSizeFromRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(INT32_MAX, s.width);
    EXPECT_EQ(INT32_MAX, s.height);
}

// Each anchor against one zone 10..20 x 30..40 on a table of reference 100 x 50.
TEST(ZoneAnchors, EachAnchorMeasuresFromItsOwnEdge)
{
    using namespace zone;
    struct {
        ZoneAnchor xa, ya;
        int32_t w, h;
        uint32_t x, y;
        bool inside;
    } const cases[] = {
        {Left, Top, 100, 50, 10, 30, true},      {Left, Top, 100, 50, 20, 40, true},
        {Left, Top, 100, 50, 9, 30, false},      {Left, Top, 100, 50, 21, 40, false},
        {Left, Top, 500, 500, 15, 35, true},     // size plays no part
        {Right, Top, 150, 50, 60, 35, true},     // tx = 60 - 150 + 100 = 10
        {Right, Top, 150, 50, 59, 35, false},
        {Right, Top, 150, 50, 70, 35, true},     {Right, Top, 150, 50, 71, 35, false},
        {Left, Bottom, 100, 80, 15, 60, true},   // ty = 60 - 80 + 50 = 30
        {Left, Bottom, 100, 80, 15, 59, false},  {Left, Bottom, 100, 80, 15, 70, true},
        {Left, Bottom, 100, 80, 15, 71, false},
        {Stretch, Top, 200, 50, 10, 35, true},   // x0 against x
        {Stretch, Top, 200, 50, 9, 35, false},   {Stretch, Top, 200, 50, 120, 35, true},  // 120 - 100 = 20
        {Stretch, Top, 200, 50, 121, 35, false}, {Left, Stretch, 100, 90, 15, 30, true},
        {Left, Stretch, 100, 90, 15, 80, true},  {Left, Stretch, 100, 90, 15, 81, false},
        {Right, Top, 50, 50, 0, 35, false},      // shrunk: tx = 50 lies beyond the zone
    };
    for (const auto& c : cases) {
        const PassZone zoneUnderTest = {10, 20, c.xa, 30, 40, c.ya, Always};
        const ZoneTable table = {&zoneUnderTest, 1, 100, 50};
        EXPECT_EQ(c.inside, ZoneContains(zoneUnderTest, table, At(c.x, c.y), WindowSize{c.w, c.h}))
            << "anchors " << int(c.xa) << "/" << int(c.ya) << " size " << c.w << "x" << c.h << " at " << c.x
            << "," << c.y;
    }
}

TEST(ZoneConditions, EachConditionGatesItsZone)
{
    using namespace zone;
    const PassZone zones[] = {
        {0, 9, Left, 0, 9, Top, Always},
        {10, 19, Left, 0, 9, Top, WhilePlaying},
        {20, 29, Left, 0, 9, Top, WhileSizeUnlocked},
    };
    const ZoneTable table = TAVRIN_ZONE_TABLE(zones, 0, 0);
    const WindowSize size = {30, 10};
    for (int playing = 0; playing < 2; ++playing) {
        for (int unlocked = 0; unlocked < 2; ++unlocked) {
            ZoneConditions when = {playing != 0, unlocked != 0};
            EXPECT_TRUE(TableHasPassZone(table, At(5, 5), size, when));
            EXPECT_EQ(playing != 0, TableHasPassZone(table, At(15, 5), size, when));
            EXPECT_EQ(unlocked != 0, TableHasPassZone(table, At(25, 5), size, when));
            EXPECT_FALSE(TableHasPassZone(table, At(30, 5), size, when));
        }
    }
}

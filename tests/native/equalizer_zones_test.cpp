// The equalizer's decision.
#include <gtest/gtest.h>

#include "filters/equalizer_zones.h"
#include "press_cases.h"

namespace {

const PressCase kNormalCases[] = {
    {100, 5, kSwallow}, {258, 7, kPass},   {250, 7, kSwallow}, {93, 50, kSwallow},  {95, 50, kSwallow},
    {96, 50, kPass},    {254, 50, kPass},  {255, 50, kSwallow}, {80, 37, kSwallow}, {80, 102, kSwallow},
    {80, 38, kPass},    {80, 101, kPass},  {36, 50, kSwallow}, {42, 65, kPass},     {42, 76, kSwallow},
    {73, 30, kPass},    {74, 30, kSwallow}, {216, 20, kSwallow}, {217, 20, kPass},  {10, 5, kSwallow},
    {14, 18, kPass},    {13, 18, kSwallow}, {261, 30, kPass},   {262, 30, kSwallow}, {21, 101, kPass},
    {65535, 50, kSwallow}, {50, 65535, kSwallow},
};

const PressCase kShadedCases[] = {
    {60, 6, kSwallow}, {159, 6, kSwallow}, {163, 6, kSwallow}, {208, 6, kSwallow}, {61, 6, kPass},
    {158, 6, kPass},   {164, 6, kPass},    {207, 6, kPass},    {100, 3, kSwallow}, {100, 12, kSwallow},
    {258, 12, kPass},  {250, 7, kSwallow}, {273, 3, kPass},    {274, 3, kSwallow}, {10, 5, kSwallow},
};

TEST(EqualizerZones, NormalMode)
{
    for (const PressCase& c : kNormalCases) EXPECT_EQ(c.passes, EqualizerPressPasses(At(c.x, c.y), false)) << Where(c);
}

TEST(EqualizerZones, ShadedMode)
{
    for (const PressCase& c : kShadedCases) EXPECT_EQ(c.passes, EqualizerPressPasses(At(c.x, c.y), true)) << Where(c);
}

// The ten columns: 15 wide at an 18-pixel pitch from x 78, rows 38..101.
TEST(EqualizerZones, TenColumnsAtTheirPitch)
{
    for (uint32_t x = 75; x < 260; ++x) {
        bool inColumn = false;
        for (int k = 0; k < 10; ++k) inColumn = inColumn || (x >= 78u + 18 * k && x <= 92u + 18 * k);
        // y 80 is clear of every other zone right of x 73.
        EXPECT_EQ(inColumn, EqualizerPressPasses(At(x, 80), false)) << x;
    }
}

TEST(EqualizerZones, NothingPassesBeyondTheSkin)
{
    for (uint32_t y = 0; y < 300; ++y) {
        for (uint32_t x = 0; x < 400; ++x) {
            if (x >= 274 || y >= 102) {
                ASSERT_FALSE(EqualizerPressPasses(At(x, y), false)) << x << "," << y;
            }
            if (y >= 13) {
                ASSERT_FALSE(EqualizerPressPasses(At(x, y), true)) << x << "," << y;
            }
        }
    }
}

TEST(EqualizerZones, DoubleSizeDecidesAsTheSkinPixel)
{
    for (uint32_t Y = 0; Y < 240; ++Y) {
        for (uint32_t X = 0; X < 560; ++X) {
            for (int shaded = 0; shaded < 2; ++shaded) {
                ASSERT_EQ(EqualizerPressPasses(At(X / 2, Y / 2), shaded),
                          EqualizerPressPasses(PressPointFromLParam(LParamOf(X, Y), 1), shaded))
                    << X << "," << Y;
            }
        }
    }
}

}  // namespace

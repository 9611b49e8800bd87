// The equalizer's decision.
#include <gtest/gtest.h>

#include "filters/equalizer_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

// The edges of the player's controls; the former columns' two right-hand
// pixels and the rows above and below the sliders now drag on the player.
const PressCase kNormalCases[] = {
    {100, 5, kSwallow},  {258, 7, kPass},     {253, 3, kPass},     {252, 7, kSwallow},  {273, 12, kPass},
    {274, 7, kSwallow},  {263, 13, kSwallow},
    {78, 39, kPass},     {90, 98, kPass},     {91, 50, kSwallow},  {92, 50, kSwallow},  {95, 50, kSwallow},
    {96, 50, kPass},     {252, 50, kPass},    {253, 50, kSwallow}, {80, 38, kSwallow},  {80, 99, kSwallow},
    {21, 39, kPass},     {33, 98, kPass},     {34, 50, kSwallow},  {20, 50, kSwallow},  {21, 101, kSwallow},
    {42, 33, kPass},     {67, 42, kPass},     {42, 43, kSwallow},  {68, 40, kSwallow},  {42, 65, kPass},
    {67, 74, kPass},     {42, 75, kSwallow},  {50, 92, kPass},     {50, 101, kPass},    {50, 102, kSwallow},
    {14, 18, kPass},     {13, 18, kSwallow},  {72, 30, kPass},     {73, 30, kSwallow},  {40, 31, kSwallow},
    {217, 18, kPass},    {261, 30, kPass},    {216, 20, kSwallow}, {262, 25, kSwallow},
    {65535, 50, kSwallow}, {50, 65535, kSwallow},
};

const PressCase kShadedCases[] = {
    {60, 6, kSwallow},   {61, 3, kPass},      {162, 11, kPass},    {163, 6, kPass},     {206, 6, kPass},
    {207, 6, kSwallow},  {100, 2, kSwallow},  {100, 12, kSwallow}, {253, 12, kPass},    {252, 7, kSwallow},
    {273, 3, kPass},     {274, 3, kSwallow},  {10, 5, kSwallow},   {258, 13, kSwallow},
};

TEST(EqualizerZones, NormalMode)
{
    for (const PressCase& c : kNormalCases) EXPECT_EQ(c.passes, EqualizerPressPasses(At(c.x, c.y), false)) << Where(c);
}

TEST(EqualizerZones, ShadedMode)
{
    for (const PressCase& c : kShadedCases) EXPECT_EQ(c.passes, EqualizerPressPasses(At(c.x, c.y), true)) << Where(c);
}

// Every pixel of the skin and beyond, both modes.
TEST(EqualizerZones, PassesExactlyWhereThePlayerClaims)
{
    for (int shaded = 0; shaded < 2; ++shaded) {
        for (uint32_t y = 0; y < 130; ++y) {
            for (uint32_t x = 0; x < 300; ++x) {
                ASSERT_EQ(player::EqualizerClaims(x, y, shaded), EqualizerPressPasses(At(x, y), shaded))
                    << x << "," << y << (shaded ? " shaded" : "");
            }
        }
    }
}

// The player doubles the equalizer only with its own double-size setting on
// as well: the width says which.
TEST(EqualizerZones, ScaleComesFromTheWidth)
{
    EXPECT_EQ(0u, EqualizerScaleShift(275));
    EXPECT_EQ(0u, EqualizerScaleShift(549));
    EXPECT_EQ(1u, EqualizerScaleShift(550));
    EXPECT_EQ(0u, EqualizerScaleShift(-550));
    // Band 2 at (96, 90): at 275 wide it is pressed there, at 550 at (192, 180);
    // halved, (96, 90) would be (48, 45), below the +12 dB button.
    EXPECT_TRUE(EqualizerPressPasses(PressPointFromLParam(LParamOf(96, 90), EqualizerScaleShift(275)), false));
    EXPECT_TRUE(EqualizerPressPasses(PressPointFromLParam(LParamOf(192, 180), EqualizerScaleShift(550)), false));
    EXPECT_FALSE(EqualizerPressPasses(PressPointFromLParam(LParamOf(96, 90), EqualizerScaleShift(550)), false));
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

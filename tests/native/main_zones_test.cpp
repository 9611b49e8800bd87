// The main window's decision (normal and shaded tables, playing, scale).
#include <gtest/gtest.h>

#include "filters/main_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

struct MainCase {
    uint32_t x, y;
    bool shaded, playing, passes;
};

const bool N = false, S = true;  // normal, shaded
const bool Idle = false, Playing = true;

// The edges of the player's controls, and former holes that drag on the player.
const MainCase kMainCases[] = {
    {10, 5, N, Idle, kPass},         {100, 5, N, Idle, kSwallow},     // menu icon vs title strip
    {5, 3, N, Idle, kPass},          {4, 5, N, Idle, kSwallow},       {17, 13, N, Idle, kPass},
    {18, 13, N, Idle, kSwallow},     {17, 14, N, Idle, kSwallow},
    {243, 7, N, Idle, kSwallow},     {244, 7, N, Idle, kPass},        {262, 7, N, Idle, kPass},
    {263, 7, N, Idle, kSwallow},     {264, 7, N, Idle, kPass},        {272, 12, N, Idle, kPass},
    {273, 7, N, Idle, kSwallow},     {268, 13, N, Idle, kSwallow},
    {18, 77, N, Playing, kPass},     {17, 77, N, Playing, kSwallow},  {263, 81, N, Playing, kPass},
    {264, 77, N, Playing, kSwallow}, {20, 77, N, Idle, kSwallow},     {20, 82, N, Playing, kSwallow},
    {27, 50, N, Playing, kPass},     {26, 50, N, Playing, kSwallow},  {50, 50, N, Idle, kSwallow},
    {99, 61, N, Playing, kPass},     {100, 50, N, Playing, kSwallow},
    {36, 26, N, Idle, kPass},        {96, 39, N, Idle, kPass},        {97, 30, N, Idle, kSwallow},
    {35, 30, N, Idle, kSwallow},     {46, 30, N, Idle, kPass},        {70, 30, N, Idle, kPass},
    {9, 20, N, Idle, kPass},         {8, 30, N, Idle, kSwallow},      {19, 65, N, Idle, kPass},
    {19, 66, N, Idle, kSwallow},     {14, 19, N, Idle, kSwallow},
    {107, 58, N, Idle, kPass},       {176, 60, N, Idle, kSwallow},    {215, 66, N, Idle, kPass},
    {216, 60, N, Idle, kSwallow},    {150, 67, N, Idle, kSwallow},
    {219, 58, N, Idle, kPass},       {265, 70, N, Idle, kPass},       {266, 60, N, Idle, kSwallow},
    {218, 60, N, Idle, kSwallow},    {240, 71, N, Idle, kSwallow},
    {117, 24, N, Idle, kPass},       {116, 30, N, Idle, kSwallow},    {266, 35, N, Idle, kPass},
    {267, 30, N, Idle, kSwallow},    {200, 36, N, Idle, kSwallow},
    {15, 87, N, Idle, kPass},        {14, 95, N, Idle, kSwallow},     {130, 106, N, Idle, kPass},
    {131, 95, N, Idle, kSwallow},    {50, 107, N, Idle, kSwallow},    {136, 89, N, Idle, kPass},
    {136, 88, N, Idle, kSwallow},    {159, 95, N, Idle, kSwallow},
    {165, 90, N, Idle, kPass},       {164, 95, N, Idle, kSwallow},    {239, 102, N, Idle, kPass},
    {239, 103, N, Idle, kSwallow},   {253, 91, N, Idle, kPass},       {265, 105, N, Idle, kPass},
    {266, 100, N, Idle, kSwallow},   {253, 90, N, Idle, kSwallow},
    {115, 45, N, Idle, kSwallow},    {158, 45, N, Idle, kSwallow},    {240, 45, N, Idle, kSwallow},  // displays
    {10, 5, S, Idle, kPass},         {120, 5, S, Idle, kSwallow},     {78, 4, S, Idle, kPass},
    {78, 3, S, Idle, kSwallow},      {116, 11, S, Idle, kPass},       {117, 8, S, Idle, kSwallow},
    {129, 3, S, Idle, kPass},        {157, 9, S, Idle, kPass},        {158, 5, S, Idle, kSwallow},
    {129, 10, S, Idle, kSwallow},    {168, 2, S, Idle, kPass},        {224, 11, S, Idle, kPass},
    {225, 5, S, Idle, kSwallow},     {168, 1, S, Idle, kSwallow},     {228, 6, S, Playing, kPass},
    {228, 6, S, Idle, kSwallow},     {242, 12, S, Playing, kPass},    {243, 6, S, Playing, kSwallow},
    {272, 3, S, Idle, kPass},        {273, 3, S, Idle, kSwallow},     {17, 13, S, Idle, kPass},
    {65535, 5, N, Idle, kSwallow},   {5, 65535, N, Idle, kSwallow},   {65535, 65535, S, Playing, kSwallow},
};

TEST(MainZones, TabledCases)
{
    for (const MainCase& c : kMainCases) {
        EXPECT_EQ(c.passes, MainPressPasses(At(c.x, c.y), c.shaded, c.playing))
            << "(" << c.x << ", " << c.y << ") shaded " << c.shaded << " playing " << c.playing;
    }
}

// Every pixel of the skin and beyond, in both modes, playing and stopped:
// a press passes exactly where the player claims it.
TEST(MainZones, PassesExactlyWhereThePlayerClaims)
{
    for (int mode = 0; mode < 4; ++mode) {
        bool shaded = mode & 1, playing = mode & 2;
        for (uint32_t y = 0; y < 130; ++y) {
            for (uint32_t x = 0; x < 300; ++x) {
                ASSERT_EQ(player::MainClaims(x, y, shaded, playing), MainPressPasses(At(x, y), shaded, playing))
                    << x << "," << y << (shaded ? " shaded" : "") << (playing ? " playing" : "");
            }
        }
    }
}

TEST(MainZones, NothingPassesBeyondTheSkin)
{
    for (uint32_t y = 0; y < 300; ++y) {
        for (uint32_t x = 0; x < 400; ++x) {
            if (x >= 273 || y >= 107) {
                ASSERT_FALSE(MainPressPasses(At(x, y), false, true)) << x << "," << y;
            }
            if (y >= 14) {
                ASSERT_FALSE(MainPressPasses(At(x, y), true, true)) << x << "," << y;
            }
        }
    }
}

// At scale shift 1 every screen pixel (2x..2x+1, 2y..2y+1) decides as (x, y).
TEST(MainZones, DoubleSizeDecidesAsTheSkinPixel)
{
    for (intptr_t answer : {1, 33}) {
        unsigned shift = ScaleShiftFromAnswer(answer);
        for (uint32_t Y = 0; Y < 2 * 116 + 2; ++Y) {
            for (uint32_t X = 0; X < 2 * 275 + 2; ++X) {
                for (int mode = 0; mode < 4; ++mode) {
                    bool shaded = mode & 1, playing = mode & 2;
                    ASSERT_EQ(MainPressPasses(At(X / 2, Y / 2), shaded, playing),
                              MainPressPasses(PressPointFromLParam(LParamOf(X, Y), shift), shaded, playing))
                        << X << "," << Y << " mode " << mode;
                }
            }
        }
    }
    EXPECT_TRUE(MainPressPasses(PressPointFromLParam(LParamOf(12, 6), 1), false, false));
    EXPECT_TRUE(MainPressPasses(PressPointFromLParam(LParamOf(13, 7), 1), false, false));
    EXPECT_TRUE(MainPressPasses(PressPointFromLParam(LParamOf(12, 7), 1), false, false));
    EXPECT_FALSE(MainPressPasses(PressPointFromLParam(LParamOf(9, 5), 1), false, false));  // (4, 2)
    // Answer 32 acts as 0: (12, 6) is then the skin pixel (12, 6), on the top-left button.
    EXPECT_TRUE(MainPressPasses(PressPointFromLParam(LParamOf(12, 6), ScaleShiftFromAnswer(32)), false, false));
    EXPECT_FALSE(MainPressPasses(PressPointFromLParam(LParamOf(20, 6), ScaleShiftFromAnswer(32)), false, false));
}

// The player's own double-click actions on the main window, first match
// first, written out as plain conditions: true where it acts itself, false
// where it takes the double-click as a press.
bool PlayerActsOnDoubleClick(uint32_t x, uint32_t y, bool shaded)
{
    if (6 <= x && x <= 16 && 4 <= y && y <= 12) return true;                 // menu icon
    if (shaded && 129 <= x && x <= 158 && 5 <= y && y <= 10) return false;  // time: a press
    if (shaded && 168 <= x && x <= 213 && 2 <= y && y <= 11) return false;  // transport: a press
    if (118 <= x && x <= 265 && 25 <= y && y <= 34) return true;             // song title
    if (!shaded && 24 <= x && x <= 99 && 43 <= y && y <= 58) return true;    // visualisation
    if (shaded && 79 <= x && x <= 116 && 5 <= y && y <= 9) return true;
    return x <= 243 && y <= 14;                                              // windowshade
}

// A double-click passes where the player acts on it, and is decided as a
// press everywhere else, in every mode.
TEST(MainZones, DoubleClicksPassOnThePlayersTargetsAndAreOtherwisePresses)
{
    for (int mode = 0; mode < 4; ++mode) {
        bool shaded = mode & 1, playing = mode & 2;
        for (uint32_t y = 0; y < 130; ++y) {
            for (uint32_t x = 0; x < 300; ++x) {
                bool expected = PlayerActsOnDoubleClick(x, y, shaded) || MainPressPasses(At(x, y), shaded, playing);
                ASSERT_EQ(expected, MainDoubleClickPasses(At(x, y), shaded, playing))
                    << x << "," << y << " mode " << mode;
            }
        }
    }
    EXPECT_TRUE(MainDoubleClickPasses(At(100, 5), false, false));    // title strip
    EXPECT_FALSE(MainDoubleClickPasses(At(150, 50), false, false));  // display: a press, swallowed
    EXPECT_FALSE(MainDoubleClickPasses(At(250, 14), false, false));  // right of the toggle: a press
    EXPECT_FALSE(MainDoubleClickPasses(At(65535, 5), false, false));
}

}  // namespace

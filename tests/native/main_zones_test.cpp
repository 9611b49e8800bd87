// The main window's decision (normal and shaded tables, playing, scale).
#include <gtest/gtest.h>

#include "filters/main_zones.h"
#include "press_cases.h"

namespace {

struct MainCase {
    uint32_t x, y;
    bool shaded, playing, passes;
};

const bool N = false, S = true;  // normal, shaded
const bool Idle = false, Playing = true;

const MainCase kMainCases[] = {
    {10, 5, N, Idle, kPass},         {100, 5, N, Idle, kSwallow},     // button vs title
    {20, 77, N, Playing, kPass},     {20, 77, N, Idle, kSwallow},     // full-width bar
    {230, 6, S, Playing, kPass},     {230, 6, S, Idle, kSwallow},     // strip field 5
    {150, 66, N, Idle, kPass},       {200, 66, N, Idle, kPass},       {150, 67, N, Idle, kSwallow},
    {14, 65, N, Idle, kPass},        {14, 66, N, Idle, kSwallow},
    {46, 30, N, Idle, kSwallow},     {47, 30, N, Idle, kSwallow},     {70, 30, N, Idle, kSwallow},
    {77, 30, N, Idle, kSwallow},     {45, 30, N, Idle, kPass},        {48, 30, N, Idle, kPass},
    {240, 40, N, Idle, kSwallow},    {240, 41, N, Idle, kPass},
    {6, 3, N, Idle, kPass},          {5, 3, N, Idle, kSwallow},       {15, 12, N, Idle, kPass},
    {16, 12, N, Idle, kSwallow},     {273, 12, N, Idle, kPass},       {274, 12, N, Idle, kSwallow},
    {266, 106, N, Idle, kPass},      {266, 107, N, Idle, kSwallow},   {130, 106, N, Idle, kPass},
    {220, 70, N, Idle, kPass},       {220, 71, N, Idle, kSwallow},    {176, 60, N, Idle, kSwallow},
    {120, 5, S, Playing, kSwallow}, {100, 5, S, Idle, kPass},  {10, 5, S, Idle, kPass},         {79, 5, S, Idle, kPass},
    {79, 4, S, Idle, kSwallow},      {168, 2, S, Idle, kPass},        {168, 1, S, Idle, kSwallow},
    {125, 6, S, Idle, kSwallow},     {145, 6, S, Idle, kSwallow},     {273, 3, S, Idle, kPass},
    {65535, 5, N, Idle, kSwallow},   {5, 65535, N, Idle, kSwallow},   {65535, 65535, S, Playing, kSwallow},
};

TEST(MainZones, TabledCases)
{
    for (const MainCase& c : kMainCases) {
        EXPECT_EQ(c.passes, MainPressPasses(At(c.x, c.y), c.shaded, c.playing))
            << "(" << c.x << ", " << c.y << ") shaded " << c.shaded << " playing " << c.playing;
    }
}

TEST(MainZones, NothingPassesBeyondTheSkin)
{
    for (uint32_t y = 0; y < 300; ++y) {
        for (uint32_t x = 0; x < 400; ++x) {
            if (x >= 274 || y >= 107) {
                ASSERT_FALSE(MainPressPasses(At(x, y), false, true)) << x << "," << y;
            }
            if (y >= 13) {
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
    EXPECT_FALSE(MainPressPasses(PressPointFromLParam(LParamOf(11, 5), 1), false, false));
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

// The playlist's decision: edge-anchored and stretching zones over 275 x 116.
#include <gtest/gtest.h>

#include "filters/playlist_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

struct PlaylistCase {
    int32_t w, h;
    bool shaded, sizeLocked;
    uint32_t x, y;
    bool passes;
};

const bool N = false, S = true;
const bool SizeFree = false, SizeLocked = true;

const PlaylistCase kCases[] = {
    // 275 x 116, only the move lock: grips live.
    {275, 116, N, SizeFree, 5, 5, kSwallow},     {275, 116, N, SizeFree, 100, 50, kPass},
    {275, 116, N, SizeFree, 12, 20, kPass},      {275, 116, N, SizeFree, 11, 50, kSwallow},   // the list
    {275, 116, N, SizeFree, 255, 78, kPass},     {275, 116, N, SizeFree, 256, 50, kSwallow},
    {275, 116, N, SizeFree, 100, 79, kSwallow},  {275, 116, N, SizeFree, 100, 19, kSwallow},
    {275, 116, N, SizeFree, 274, 115, kPass},    {275, 116, N, SizeFree, 255, 115, kSwallow},  // grip
    {275, 116, N, SizeFree, 264, 97, kPass},     {275, 116, N, SizeFree, 263, 97, kSwallow},
    {275, 116, N, SizeFree, 275, 116, kPass},    {275, 116, N, SizeFree, 276, 116, kSwallow},
    {275, 116, N, SizeFree, 275, 117, kSwallow},
    {275, 116, N, SizeFree, 260, 50, kPass},     {275, 116, N, SizeFree, 268, 78, kPass},     // scroll bar
    {275, 116, N, SizeFree, 269, 50, kSwallow},  {275, 116, N, SizeFree, 259, 50, kSwallow},
    {275, 116, N, SizeFree, 260, 80, kPass},     {275, 116, N, SizeFree, 268, 89, kPass},     // arrows
    {275, 116, N, SizeFree, 260, 90, kSwallow},  {275, 116, N, SizeFree, 260, 79, kSwallow},
    {275, 116, N, SizeFree, 14, 86, kPass},      {275, 116, N, SizeFree, 35, 104, kPass},     // ADD
    {275, 116, N, SizeFree, 13, 90, kSwallow},   {275, 116, N, SizeFree, 14, 85, kSwallow},
    {275, 116, N, SizeFree, 14, 105, kSwallow},  {275, 116, N, SizeFree, 43, 90, kPass},      // REM
    {275, 116, N, SizeFree, 36, 90, kSwallow},   {275, 116, N, SizeFree, 42, 90, kSwallow},
    {275, 116, N, SizeFree, 72, 90, kPass},      {275, 116, N, SizeFree, 93, 90, kPass},      // SEL
    {275, 116, N, SizeFree, 94, 90, kSwallow},   {275, 116, N, SizeFree, 101, 90, kPass},     // MISC
    {275, 116, N, SizeFree, 122, 90, kPass},     {275, 116, N, SizeFree, 123, 90, kSwallow},
    {275, 116, N, SizeFree, 231, 86, kPass},     {275, 116, N, SizeFree, 253, 104, kPass},    // LIST OPTS
    {275, 116, N, SizeFree, 230, 90, kSwallow},  {275, 116, N, SizeFree, 254, 90, kSwallow},
    {275, 116, N, SizeFree, 131, 101, kPass},    {275, 116, N, SizeFree, 184, 108, kPass},    // transport
    {275, 116, N, SizeFree, 130, 104, kSwallow}, {275, 116, N, SizeFree, 185, 104, kSwallow},
    {275, 116, N, SizeFree, 150, 100, kSwallow}, {275, 116, N, SizeFree, 150, 109, kSwallow},
    {275, 116, N, SizeFree, 188, 98, kPass},     {275, 116, N, SizeFree, 222, 107, kPass},    // time
    {275, 116, N, SizeFree, 187, 100, kSwallow}, {275, 116, N, SizeFree, 223, 100, kSwallow},
    {275, 116, N, SizeFree, 200, 97, kSwallow},  {275, 116, N, SizeFree, 200, 108, kSwallow},
    {275, 116, N, SizeFree, 255, 3, kPass},      {275, 116, N, SizeFree, 274, 12, kPass},     // shade, close
    {275, 116, N, SizeFree, 254, 7, kSwallow},   {275, 116, N, SizeFree, 260, 13, kSwallow},
    {275, 116, N, SizeFree, 260, 2, kSwallow},
    // The size lock closes the grip, with or without the move lock.
    {275, 116, N, SizeLocked, 274, 115, kSwallow}, {275, 116, N, SizeLocked, 264, 97, kSwallow},
    {275, 116, N, SizeLocked, 100, 50, kPass},     {275, 116, N, SizeLocked, 5, 5, kSwallow},
    {275, 116, N, SizeLocked, 260, 7, kPass},
    // 400 x 232: list x 12..380, y 20..194; title buttons x 380..399; grip from (381, 221).
    {400, 232, N, SizeFree, 12, 20, kPass},      {400, 232, N, SizeFree, 380, 194, kPass},
    {400, 232, N, SizeFree, 381, 100, kSwallow}, {400, 232, N, SizeFree, 200, 195, kSwallow},
    {400, 232, N, SizeFree, 380, 3, kPass},      {400, 232, N, SizeFree, 399, 12, kPass},
    {400, 232, N, SizeFree, 379, 3, kSwallow},
    {400, 232, N, SizeFree, 381, 232, kPass},    {400, 232, N, SizeFree, 400, 221, kPass},
    {400, 232, N, SizeFree, 380, 232, kSwallow}, {400, 232, N, SizeFree, 381, 220, kSwallow},
    {400, 232, N, SizeLocked, 381, 232, kSwallow},
    {400, 232, N, SizeFree, 14, 202, kPass},     {400, 232, N, SizeFree, 14, 220, kPass},     // ADD
    {400, 232, N, SizeFree, 14, 221, kSwallow},  {400, 232, N, SizeFree, 356, 210, kPass},    // LIST OPTS
    {400, 232, N, SizeFree, 378, 210, kPass},    {400, 232, N, SizeFree, 379, 210, kSwallow},
    // Shaded, width 275: title buttons under every flag, the width grip only while size-unlocked.
    {275, 14, S, SizeFree, 260, 7, kPass},       {275, 14, S, SizeLocked, 260, 7, kPass},
    {275, 14, S, SizeFree, 255, 3, kPass},       {275, 14, S, SizeFree, 274, 12, kPass},
    {275, 14, S, SizeFree, 275, 7, kSwallow},    {275, 14, S, SizeFree, 254, 7, kPass},
    {275, 14, S, SizeLocked, 254, 7, kSwallow},  {275, 14, S, SizeFree, 247, 0, kPass},
    {275, 14, S, SizeFree, 246, 7, kSwallow},    {275, 14, S, SizeFree, 250, 13, kPass},
    {275, 14, S, SizeFree, 250, 14, kSwallow},   {275, 14, S, SizeFree, 100, 7, kSwallow},
    // Shaded, width 400: grip x 372..379, title buttons x 380..399; the height plays no part.
    {400, 14, S, SizeFree, 375, 7, kPass},       {400, 14, S, SizeLocked, 375, 7, kSwallow},
    {400, 14, S, SizeLocked, 385, 7, kPass},     {400, 14, S, SizeFree, 100, 7, kSwallow},
    {400, 300, S, SizeFree, 372, 0, kPass},      {400, 300, S, SizeFree, 371, 0, kSwallow},
    // Normal table on a 14-pixel window (newer host answering 0): ty = y + 102.
    {275, 14, N, SizeFree, 20, 0, kPass},        // ADD at ty 102
    {275, 14, N, SizeFree, 20, 3, kSwallow},     // ty 105 is below it
    {275, 14, N, SizeFree, 274, 13, kPass},      // grip at ty 115
    {275, 14, N, SizeLocked, 274, 13, kSwallow},
    // Beyond the halves.
    {275, 116, N, SizeFree, 65535, 50, kSwallow}, {275, 116, N, SizeFree, 100, 65535, kSwallow},
};

TEST(PlaylistZones, TabledCases)
{
    for (const PlaylistCase& c : kCases) {
        for (bool playing : {false, true}) {
            EXPECT_EQ(c.passes, PlaylistPressPasses(At(c.x, c.y), WindowSize{c.w, c.h}, c.shaded, c.sizeLocked, playing))
                << c.w << "x" << c.h << (c.shaded ? " shaded" : "") << (c.sizeLocked ? " size-locked" : "")
                << " at (" << c.x << ", " << c.y << ")" << (playing ? " playing" : "");
        }
    }
}

// The mini visualisation: only while playing, only at 350 wide or more, and
// only there does the decision need the playing state.
TEST(PlaylistZones, MiniVisualisationWhilePlayingOnAWideWindow)
{
    const struct {
        int32_t w, h;
        uint32_t x, y;
        PressDecision expected;
    } cases[] = {
        {400, 232, 175, 206, PressDecision::PassWhilePlaying}, {400, 232, 250, 224, PressDecision::PassWhilePlaying},
        {400, 232, 174, 210, PressDecision::Swallow},          {400, 232, 200, 205, PressDecision::Swallow},
        {400, 232, 200, 225, PressDecision::Swallow},          {350, 116, 150, 100, PressDecision::PassWhilePlaying},
        {349, 116, 150, 100, PressDecision::Swallow},          {275, 116, 60, 106, PressDecision::Swallow},
        {400, 232, 100, 100, PressDecision::Pass},             // the list needs no answer
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, PlaylistPressDecision(At(c.x, c.y), WindowSize{c.w, c.h}, false, true))
            << c.w << "x" << c.h << " at (" << c.x << ", " << c.y << ")";
    }
}

// The corner grip said another way: 256 <= tx <= 275, 97 <= ty <= 116, tx + ty >= 361.
bool InPlaylistGrip(uint32_t x, uint32_t y, int32_t w, int32_t h)
{
    int64_t tx = (int64_t)x - w + 275, ty = (int64_t)y - h + 116;
    return tx >= 256 && tx <= 275 && ty >= 97 && ty <= 116 && tx + ty >= 361;
}

TEST(PlaylistZones, GripIsTheCutSquareOverTheWholeWindow)
{
    const WindowSize sizes[] = {{275, 116}, {400, 232}, {300, 500}};
    for (WindowSize s : sizes) {
        for (uint32_t y = 0; y <= (uint32_t)s.height + 2; ++y) {
            for (uint32_t x = 0; x <= (uint32_t)s.width + 2; ++x) {
                bool locked = PlaylistPressPasses(At(x, y), s, false, true, false);
                bool free = PlaylistPressPasses(At(x, y), s, false, false, false);
                ASSERT_EQ(locked || InPlaylistGrip(x, y, s.width, s.height), free)
                    << s.width << "x" << s.height << " at " << x << "," << y;
                // The size lock only ever takes presses away.
                ASSERT_TRUE(!locked || free);
            }
        }
    }
}

// Every pixel at several sizes, both modes, playing and stopped, with and
// without the size lock: a press passes exactly where the player claims it.
TEST(PlaylistZones, PassesExactlyWhereThePlayerClaims)
{
    const WindowSize sizes[] = {{275, 116}, {400, 232}, {349, 116}, {350, 116}, {300, 500}, {275, 14}, {400, 14}};
    for (WindowSize s : sizes) {
        for (int mode = 0; mode < 8; ++mode) {
            bool shaded = mode & 1, playing = mode & 2, sizeLocked = mode & 4;
            for (uint32_t y = 0; y <= (uint32_t)s.height + 2; ++y) {
                for (uint32_t x = 0; x <= (uint32_t)s.width + 2; ++x) {
                    ASSERT_EQ(player::PlaylistClaims(x, y, s.width, s.height, shaded, playing, sizeLocked),
                              PlaylistPressPasses(At(x, y), s, shaded, sizeLocked, playing))
                        << s.width << "x" << s.height << " at " << x << "," << y << " mode " << mode;
                }
            }
        }
    }
}

// The five buttons that open a column, and nothing else.
TEST(PlaylistZones, ColumnButtons)
{
    for (WindowSize s : {WindowSize{275, 116}, WindowSize{400, 232}}) {
        int64_t w = s.width, h = s.height;
        for (uint32_t y = 0; y <= (uint32_t)h; ++y) {
            for (uint32_t x = 0; x <= (uint32_t)w; ++x) {
                bool button = player::In(y, h - 30, h - 12) &&
                              (player::In(x, 14, 35) || player::In(x, 43, 64) || player::In(x, 72, 93) ||
                               player::In(x, 101, 122) || player::In(x, w - 44, w - 22));
                ASSERT_EQ(button, OpensPlaylistColumn(At(x, y), s)) << w << "x" << h << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace

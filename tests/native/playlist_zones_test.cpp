// The playlist's decision: edge-anchored and stretching zones over 275 x 116.
#include <gtest/gtest.h>

#include "filters/playlist_zones.h"
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
    {275, 116, N, SizeFree, 274, 115, kPass},    {275, 116, N, SizeFree, 255, 115, kSwallow},
    {275, 116, N, SizeFree, 264, 97, kPass},     {275, 116, N, SizeFree, 263, 97, kSwallow},
    {275, 116, N, SizeFree, 275, 116, kPass},    {275, 116, N, SizeFree, 276, 116, kSwallow},
    {275, 116, N, SizeFree, 275, 117, kSwallow},
    // The size lock closes the grip, with or without the move lock.
    {275, 116, N, SizeLocked, 274, 115, kSwallow}, {275, 116, N, SizeLocked, 264, 97, kSwallow},
    {275, 116, N, SizeLocked, 100, 50, kPass},     {275, 116, N, SizeLocked, 5, 5, kSwallow},
    {275, 116, N, SizeLocked, 260, 7, kPass},      {275, 116, N, SizeLocked, 254, 7, kSwallow},
    // 400 x 232: central area x 25..375, y 20..194; button row x 380..398; grip from (381, 221).
    {400, 232, N, SizeFree, 25, 20, kPass},      {400, 232, N, SizeFree, 24, 100, kSwallow},
    {400, 232, N, SizeFree, 375, 100, kPass},    {400, 232, N, SizeFree, 376, 19, kSwallow},
    {400, 232, N, SizeFree, 200, 194, kPass},    {400, 232, N, SizeFree, 200, 195, kSwallow},
    {400, 232, N, SizeFree, 380, 3, kPass},      {400, 232, N, SizeFree, 398, 12, kPass},
    {400, 232, N, SizeFree, 379, 3, kSwallow},   {400, 232, N, SizeFree, 399, 3, kSwallow},
    {400, 232, N, SizeFree, 381, 232, kPass},    {400, 232, N, SizeFree, 400, 221, kPass},
    {400, 232, N, SizeFree, 380, 232, kSwallow}, {400, 232, N, SizeFree, 381, 220, kSwallow},
    {400, 232, N, SizeLocked, 381, 232, kSwallow},
    {400, 232, N, SizeFree, 11, 194, kPass},     {400, 232, N, SizeFree, 10, 194, kSwallow},  // left block 1
    {400, 232, N, SizeFree, 11, 220, kPass},     {400, 232, N, SizeFree, 11, 221, kSwallow},
    // Shaded, width 275: button row under every flag, shaded grip only while size-unlocked.
    {275, 14, S, SizeFree, 250, 7, kPass},       {275, 14, S, SizeLocked, 250, 7, kSwallow},
    {275, 14, S, SizeFree, 260, 7, kPass},       {275, 14, S, SizeLocked, 260, 7, kPass},
    {275, 14, S, SizeFree, 100, 7, kSwallow},    {275, 14, S, SizeFree, 250, 14, kPass},
    {275, 14, S, SizeFree, 250, 15, kSwallow},   {275, 14, S, SizeFree, 246, 7, kSwallow},
    {275, 14, S, SizeFree, 255, 0, kPass},       {275, 14, S, SizeLocked, 255, 3, kPass},
    // Shaded, width 400: grip x 372..380, button row x 380..398; the height plays no part.
    {400, 14, S, SizeFree, 375, 7, kPass},       {400, 14, S, SizeLocked, 375, 7, kSwallow},
    {400, 14, S, SizeLocked, 385, 7, kPass},     {400, 14, S, SizeFree, 100, 7, kSwallow},
    {400, 300, S, SizeFree, 372, 0, kPass},      {400, 300, S, SizeFree, 371, 0, kSwallow},
    {400, 300, S, SizeLocked, 398, 12, kPass},   {400, 300, S, SizeLocked, 399, 12, kSwallow},
    // Normal table on a 14-pixel window (newer host answering 0): ty = y + 102.
    {275, 14, N, SizeFree, 20, 0, kPass},        // bottom-left block 1 at ty 102
    {275, 14, N, SizeFree, 20, 3, kSwallow},     // ty 105 is below the blocks
    {275, 14, N, SizeFree, 274, 13, kPass},      // grip at ty 115
    {275, 14, N, SizeLocked, 274, 13, kSwallow},
    // Beyond the halves.
    {275, 116, N, SizeFree, 65535, 50, kSwallow}, {275, 116, N, SizeFree, 100, 65535, kSwallow},
};

TEST(PlaylistZones, TabledCases)
{
    for (const PlaylistCase& c : kCases) {
        EXPECT_EQ(c.passes, PlaylistPressPasses(At(c.x, c.y), WindowSize{c.w, c.h}, c.shaded, c.sizeLocked))
            << c.w << "x" << c.h << (c.shaded ? " shaded" : "") << (c.sizeLocked ? " size-locked" : "") << " at ("
            << c.x << ", " << c.y << ")";
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
                bool locked = PlaylistPressPasses(At(x, y), s, false, true);
                bool free = PlaylistPressPasses(At(x, y), s, false, false);
                ASSERT_EQ(locked || InPlaylistGrip(x, y, s.width, s.height), free)
                    << s.width << "x" << s.height << " at " << x << "," << y;
                // The size lock only ever takes presses away.
                ASSERT_TRUE(!locked || free);
            }
        }
    }
}

}  // namespace

// The video window's decision: reference 0 x 116, one table, no shade.
#include <gtest/gtest.h>

#include "filters/video_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

const bool SizeFree = false, SizeLocked = true;

const SizedCase kCases[] = {
    {275, 232, SizeFree, 5, 5, kSwallow},     {275, 232, SizeFree, 137, 5, kSwallow},
    {275, 232, SizeFree, 9, 203, kPass},      {275, 232, SizeFree, 89, 221, kPass},   // buttons and their end
    {275, 232, SizeFree, 8, 203, kSwallow},   {275, 232, SizeFree, 90, 221, kSwallow},
    {275, 232, SizeFree, 9, 202, kSwallow},   {275, 232, SizeFree, 9, 222, kSwallow},
    {275, 232, SizeFree, 265, 3, kPass},      {275, 232, SizeFree, 274, 12, kPass},   // close
    {275, 232, SizeFree, 264, 3, kSwallow},   {275, 232, SizeFree, 275, 12, kSwallow},
    {275, 232, SizeFree, 274, 2, kSwallow},   {275, 232, SizeFree, 274, 13, kSwallow},
    {275, 232, SizeFree, 274, 231, kPass},    {275, 232, SizeFree, 256, 231, kPass},
    {275, 232, SizeFree, 256, 221, kPass},    {275, 232, SizeFree, 264, 213, kPass},
    {275, 232, SizeFree, 255, 231, kSwallow}, {275, 232, SizeFree, 256, 220, kSwallow},
    {275, 232, SizeFree, 263, 213, kSwallow}, {275, 232, SizeFree, 264, 212, kSwallow},
    {275, 232, SizeFree, 275, 232, kPass},    {275, 232, SizeFree, 276, 232, kSwallow},
    {275, 232, SizeFree, 275, 233, kSwallow},
    {275, 232, SizeLocked, 274, 231, kSwallow}, {275, 232, SizeLocked, 264, 213, kSwallow},
    {275, 232, SizeLocked, 9, 203, kPass},      {275, 232, SizeLocked, 270, 7, kPass},
    {400, 300, SizeFree, 9, 271, kPass},      {400, 300, SizeFree, 89, 289, kPass},
    {400, 300, SizeFree, 9, 270, kSwallow},   {400, 300, SizeFree, 89, 290, kSwallow},
    {400, 300, SizeFree, 390, 3, kPass},      {400, 300, SizeFree, 399, 12, kPass},
    {400, 300, SizeFree, 389, 3, kSwallow},   {400, 300, SizeFree, 400, 12, kSwallow},
    {400, 300, SizeFree, 381, 289, kPass},    {400, 300, SizeFree, 400, 300, kPass},
    {400, 300, SizeFree, 380, 300, kSwallow}, {400, 300, SizeFree, 389, 281, kPass},
    {400, 300, SizeFree, 388, 281, kSwallow}, {400, 300, SizeFree, 389, 280, kSwallow},
    {275, 14, SizeFree, 265, 5, kPass},       // any height, no shaded table
    {100, 50, SizeLocked, 81, 39, kPass},     {100, 50, SizeFree, 84, 36, kPass},  // buttons and grip overlap
    {275, 232, SizeFree, 65535, 100, kSwallow}, {275, 232, SizeFree, 100, 65535, kSwallow},
};

TEST(VideoZones, TabledCases)
{
    for (const SizedCase& c : kCases) {
        EXPECT_EQ(c.passes, VideoPressPasses(At(c.x, c.y), WindowSize{c.w, c.h}, c.sizeLocked)) << Describe(c);
    }
}

// The grip in window coordinates: x W-19..W, y H-19..H, less the cells with
// (x - W) + (y - H) < -30.
bool InVideoGrip(uint32_t x, uint32_t y, int32_t w, int32_t h)
{
    int64_t dx = (int64_t)x - w, dy = (int64_t)y - h;
    return dx >= -19 && dx <= 0 && dy >= -19 && dy <= 0 && dx + dy >= -30;
}

TEST(VideoZones, GripMatchesItsWindowCoordinateDescription)
{
    const WindowSize sizes[] = {{275, 232}, {400, 300}, {100, 50}, {30, 30}};
    for (WindowSize s : sizes) {
        for (uint32_t y = 0; y <= (uint32_t)s.height + 2; ++y) {
            for (uint32_t x = 0; x <= (uint32_t)s.width + 2; ++x) {
                bool locked = VideoPressPasses(At(x, y), s, true);
                bool free = VideoPressPasses(At(x, y), s, false);
                ASSERT_EQ(locked || InVideoGrip(x, y, s.width, s.height), free)
                    << s.width << "x" << s.height << " at " << x << "," << y;
            }
        }
    }
}

// Every pixel at several sizes, with and without the size lock.
TEST(VideoZones, PassesExactlyWhereThePlayerClaims)
{
    const WindowSize sizes[] = {{275, 232}, {400, 300}, {100, 50}};
    for (WindowSize s : sizes) {
        for (bool sizeLocked : {false, true}) {
            for (uint32_t y = 0; y <= (uint32_t)s.height + 2; ++y) {
                for (uint32_t x = 0; x <= (uint32_t)s.width + 2; ++x) {
                    ASSERT_EQ(player::VideoClaims(x, y, s.width, s.height, sizeLocked),
                              VideoPressPasses(At(x, y), s, sizeLocked))
                        << s.width << "x" << s.height << " at " << x << "," << y << (sizeLocked ? " size-locked" : "");
                }
            }
        }
    }
}

}  // namespace

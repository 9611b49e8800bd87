// The generic frames' decision.
#include <gtest/gtest.h>

#include "filters/gen_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

const bool SizeFree = false, SizeLocked = true;

const SizedCase kCases[] = {
    {275, 116, SizeLocked, 265, 3, kPass},     {275, 116, SizeLocked, 264, 3, kSwallow},  // close
    {275, 116, SizeLocked, 265, 13, kSwallow}, {275, 116, SizeLocked, 274, 12, kPass},
    {275, 116, SizeLocked, 275, 12, kSwallow}, {275, 116, SizeLocked, 100, 5, kSwallow},
    {275, 116, SizeLocked, 256, 108, kSwallow},
    {275, 116, SizeFree, 256, 105, kPass},     {275, 116, SizeFree, 264, 97, kPass},      // grip steps
    {275, 116, SizeFree, 263, 97, kSwallow},   {275, 116, SizeFree, 256, 104, kSwallow},
    {275, 116, SizeFree, 255, 110, kSwallow},  {275, 116, SizeFree, 274, 115, kPass},
    {275, 116, SizeFree, 100, 5, kSwallow},    {275, 116, SizeFree, 275, 116, kPass},
    {275, 116, SizeFree, 276, 116, kSwallow},  {275, 116, SizeFree, 267, 96, kSwallow},
    {400, 300, SizeLocked, 390, 3, kPass},     {400, 300, SizeLocked, 399, 12, kPass},
    {400, 300, SizeLocked, 389, 3, kSwallow},  {400, 300, SizeLocked, 400, 3, kSwallow},
    {400, 300, SizeFree, 381, 289, kPass},     {400, 300, SizeFree, 400, 300, kPass},
    {400, 300, SizeFree, 380, 290, kSwallow},  {400, 300, SizeFree, 381, 288, kSwallow},
    {400, 300, SizeFree, 389, 281, kPass},     {400, 300, SizeFree, 388, 281, kSwallow},
    {400, 300, SizeLocked, 389, 281, kSwallow},
    {400, 300, SizeFree, 65535, 290, kSwallow},
};

TEST(GenZones, TabledCases)
{
    for (const SizedCase& c : kCases) {
        EXPECT_EQ(c.passes, GenPressPasses(At(c.x, c.y), WindowSize{c.w, c.h}, c.sizeLocked)) << Describe(c);
    }
}

// Every pixel at several sizes, with and without the size lock.
TEST(GenZones, PassesExactlyWhereThePlayerClaims)
{
    const WindowSize sizes[] = {{275, 116}, {400, 300}, {60, 40}};
    for (WindowSize s : sizes) {
        for (bool sizeLocked : {false, true}) {
            for (uint32_t y = 0; y <= (uint32_t)s.height + 2; ++y) {
                for (uint32_t x = 0; x <= (uint32_t)s.width + 2; ++x) {
                    ASSERT_EQ(player::GenClaims(x, y, s.width, s.height, sizeLocked),
                              GenPressPasses(At(x, y), s, sizeLocked))
                        << s.width << "x" << s.height << " at " << x << "," << y << (sizeLocked ? " size-locked" : "");
                }
            }
        }
    }
}

}  // namespace

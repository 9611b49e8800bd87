// The generic frames' decision.
#include <gtest/gtest.h>

#include "filters/gen_zones.h"
#include "press_cases.h"

namespace {

const bool SizeFree = false, SizeLocked = true;

const SizedCase kCases[] = {
    {275, 116, SizeLocked, 264, 3, kPass},     {275, 116, SizeLocked, 263, 3, kSwallow},
    {275, 116, SizeLocked, 264, 13, kSwallow}, {275, 116, SizeLocked, 273, 12, kPass},
    {275, 116, SizeLocked, 256, 102, kSwallow}, {275, 116, SizeLocked, 100, 5, kSwallow},
    {275, 116, SizeFree, 256, 102, kPass},     {275, 116, SizeFree, 267, 96, kPass},
    {275, 116, SizeFree, 266, 96, kSwallow},   {275, 116, SizeFree, 255, 102, kSwallow},
    {275, 116, SizeFree, 100, 5, kSwallow},    {275, 116, SizeFree, 275, 116, kPass},
    {275, 116, SizeFree, 276, 116, kSwallow},  {275, 116, SizeFree, 267, 95, kSwallow},
    {275, 116, SizeFree, 256, 101, kSwallow},
    {400, 300, SizeLocked, 389, 3, kPass},     {400, 300, SizeLocked, 398, 12, kPass},
    {400, 300, SizeLocked, 388, 3, kSwallow},  {400, 300, SizeLocked, 399, 3, kSwallow},
    {400, 300, SizeFree, 381, 286, kPass},     {400, 300, SizeFree, 400, 300, kPass},
    {400, 300, SizeFree, 380, 286, kSwallow},  {400, 300, SizeFree, 381, 285, kSwallow},
    {400, 300, SizeFree, 392, 280, kPass},     {400, 300, SizeFree, 391, 280, kSwallow},
    {400, 300, SizeFree, 392, 279, kSwallow},  {400, 300, SizeLocked, 392, 280, kSwallow},
    {400, 300, SizeFree, 65535, 290, kSwallow},
};

TEST(GenZones, TabledCases)
{
    for (const SizedCase& c : kCases) {
        EXPECT_EQ(c.passes, GenPressPasses(At(c.x, c.y), WindowSize{c.w, c.h}, c.sizeLocked)) << Describe(c);
    }
}

}  // namespace

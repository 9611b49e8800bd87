// Centring the dialog on the foreground window.
#include <gtest/gtest.h>

#include "dialog/dialog_placement.h"

TEST(DialogPlacement, CentresWithTruncatingDivision)
{
    struct {
        int32_t l, t, r, b, w, h, x, y;
    } const cases[] = {
        {100, 200, 901, 701, 300, 251, 350, 325},
        {0, 0, 100, 100, 301, 251, -100, -75},  // -201 / 2 is -100, not -101
        {0, 0, 100, 100, 100, 100, 0, 0},
        {-500, -400, -100, -100, 101, 51, -351, -276},
        {0, 0, 0, 0, 3, 3, -1, -1},
    };
    for (const auto& c : cases) {
        DialogOrigin o = CentredOrigin(c.l, c.t, c.r, c.b, c.w, c.h);
        EXPECT_EQ(c.x, o.x) << c.l << "," << c.t << "-" << c.r << "," << c.b << " " << c.w << "x" << c.h;
        EXPECT_EQ(c.y, o.y);
    }
}

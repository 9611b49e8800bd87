// Random presses, sizes and host answers against deliberately simple
// statements of each resizable window's zones in window coordinates.
#include <gtest/gtest.h>

#include <random>

#include "filters/equalizer_zones.h"
#include "filters/gen_zones.h"
#include "filters/main_zones.h"
#include "filters/playlist_zones.h"
#include "filters/video_zones.h"
#include "press_cases.h"

namespace {

bool Between(int64_t lo, int64_t v, int64_t hi)
{
    return lo <= v && v <= hi;
}

bool InRect(int64_t x, int64_t y, int64_t x0, int64_t x1, int64_t y0, int64_t y1)
{
    return Between(x0, x, x1) && Between(y0, y, y1);
}

// The playlist as distances from its edges.
bool PlaylistModel(int64_t x, int64_t y, int64_t W, int64_t H, bool shaded, bool sizeLocked)
{
    if (shaded) {
        return InRect(x, y, W - 20, W - 2, 3, 12) || (!sizeLocked && InRect(x, y, W - 28, W - 20, 0, 14));
    }
    bool hit = InRect(x, y, W - 20, W - 2, 3, 12)          // button row
               || InRect(x, y, 25, W - 25, 20, H - 38)      // central area
               || InRect(x, y, W - 15, W - 7, 20, H - 38)   // right-edge strip
               || InRect(x, y, W - 15, W - 7, H - 36, H - 26)
               || InRect(x, y, W - 223, W - 151, H - 26, H - 10)
               || InRect(x, y, W - 143, W - 53, H - 28, H - 22)
               || InRect(x, y, W - 144, W - 90, H - 15, H - 7)
               || InRect(x, y, W - 86, W - 67, H - 15, H - 9)
               || InRect(x, y, W - 64, W - 54, H - 15, H - 9)
               || InRect(x, y, W - 47, W - 22, H - 38, H - 12);
    for (int k = 0; k < 4; ++k) hit = hit || InRect(x, y, 11 + 29 * k, 36 + 29 * k, H - 38, H - 12);
    bool grip = Between(-19, x - W, 0) && Between(-19, y - H, 0) && (x - W) + (y - H) >= -30;
    return hit || (!sizeLocked && grip);
}

bool VideoModel(int64_t x, int64_t y, int64_t W, int64_t H, bool sizeLocked)
{
    bool grip = Between(-19, x - W, 0) && Between(-19, y - H, 0) && (x - W) + (y - H) >= -30;
    return InRect(x, y, 9, 84, H - 29, H - 11) || InRect(x, y, W - 11, W - 2, 3, 12) || (!sizeLocked && grip);
}

bool GenModel(int64_t x, int64_t y, int64_t W, int64_t H, bool sizeLocked)
{
    bool grip = InRect(x, y, W - 19, W, H - 14, H) || InRect(x, y, W - 8, W, H - 20, H - 15);
    return InRect(x, y, W - 11, W - 2, 3, 12) || (!sizeLocked && grip);
}

struct RandomPresses {
    std::mt19937 rng{20261210};

    uint32_t Coordinate(int32_t extent)
    {
        static const uint32_t kSpecial[] = {0, 1, 32767, 32768, 65535};
        switch (rng() % 8) {
        case 0: return kSpecial[rng() % 5];
        case 1: return (uint32_t)rng() & 0xFFFF;
        default: {
            int64_t hi = extent > 0 ? (extent + 2 < 65535 ? extent + 2 : 65535) : 63;
            return (uint32_t)(rng() % (uint32_t)(hi + 1));
        }
        }
    }

    int32_t Extent()
    {
        static const int32_t kSpecial[] = {0, -1, -50, 14, 116, 275, 32767, 65536, INT32_MAX, INT32_MIN};
        if (rng() % 6 == 0) return kSpecial[rng() % 10];
        return (int32_t)(rng() % 1200);
    }
};

const int kRounds = 400000;

TEST(ZoneProperties, PlaylistEqualsItsEdgeDistanceStatement)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool shaded = r.rng() & 1, locked = r.rng() & 2;
        ASSERT_EQ(PlaylistModel(x, y, s.width, s.height, shaded, locked), PlaylistPressPasses(At(x, y), s, shaded, locked))
            << s.width << "x" << s.height << " at " << x << "," << y << " shaded " << shaded << " locked " << locked;
    }
}

TEST(ZoneProperties, VideoEqualsItsWindowCoordinateStatement)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool locked = r.rng() & 1;
        ASSERT_EQ(VideoModel(x, y, s.width, s.height, locked), VideoPressPasses(At(x, y), s, locked))
            << s.width << "x" << s.height << " at " << x << "," << y;
    }
}

TEST(ZoneProperties, GenEqualsItsWindowCoordinateStatement)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool locked = r.rng() & 1;
        ASSERT_EQ(GenModel(x, y, s.width, s.height, locked), GenPressPasses(At(x, y), s, locked))
            << s.width << "x" << s.height << " at " << x << "," << y;
    }
}

// Every scale answer 0..63 acts through its low five bits, and a point at
// 32768 or beyond on either axis never passes the fixed windows.
TEST(ZoneProperties, FixedWindowsUnderEveryScaleAnswer)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        intptr_t answer = (intptr_t)(r.rng() % 64);
        uint32_t X = r.rng() % 4 ? r.rng() % 1200 : r.Coordinate(0);
        uint32_t Y = r.rng() % 4 ? r.rng() % 600 : r.Coordinate(0);
        bool shaded = r.rng() & 1, playing = r.rng() & 2;
        PressPoint p = PressPointFromLParam(LParamOf(X, Y), ScaleShiftFromAnswer(answer));
        unsigned s = (unsigned)answer & 31;
        ASSERT_EQ(MainPressPasses(At(X >> s, Y >> s), shaded, playing), MainPressPasses(p, shaded, playing));
        ASSERT_EQ(EqualizerPressPasses(At(X >> s, Y >> s), shaded), EqualizerPressPasses(p, shaded));
        if (p.x >= 32768 || p.y >= 32768) {
            ASSERT_FALSE(MainPressPasses(p, shaded, playing));
            ASSERT_FALSE(EqualizerPressPasses(p, shaded));
        }
    }
}

}  // namespace

// Random presses, sizes and host answers, absurd ones included, against the
// plain statement of the player's controls in window coordinates.
#include <gtest/gtest.h>

#include <random>

#include "filters/equalizer_zones.h"
#include "filters/gen_zones.h"
#include "filters/main_zones.h"
#include "filters/playlist_zones.h"
#include "filters/video_zones.h"
#include "player_controls.h"
#include "press_cases.h"

namespace {

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

TEST(ZoneProperties, PlaylistEqualsThePlayersControls)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool shaded = r.rng() & 1, locked = r.rng() & 2, playing = r.rng() & 4;
        ASSERT_EQ(player::PlaylistClaims(x, y, s.width, s.height, shaded, playing, locked),
                  PlaylistPressPasses(At(x, y), s, shaded, locked, playing))
            << s.width << "x" << s.height << " at " << x << "," << y << " shaded " << shaded << " locked " << locked
            << " playing " << playing;
    }
}

TEST(ZoneProperties, VideoEqualsThePlayersControls)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool locked = r.rng() & 1;
        ASSERT_EQ(player::VideoClaims(x, y, s.width, s.height, locked), VideoPressPasses(At(x, y), s, locked))
            << s.width << "x" << s.height << " at " << x << "," << y;
    }
}

TEST(ZoneProperties, GenEqualsThePlayersControls)
{
    RandomPresses r;
    for (int i = 0; i < kRounds; ++i) {
        WindowSize s = {r.Extent(), r.Extent()};
        uint32_t x = r.Coordinate(s.width), y = r.Coordinate(s.height);
        bool locked = r.rng() & 1;
        ASSERT_EQ(player::GenClaims(x, y, s.width, s.height, locked), GenPressPasses(At(x, y), s, locked))
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

// libFuzzer target over the decisions: any lParam, window size, scale answer
// and flags must decide without a fault, and the size lock may only ever take
// presses away, never add them.
#include <stdint.h>
#include <string.h>

#include "filters/equalizer_zones.h"
#include "filters/gen_zones.h"
#include "filters/main_zones.h"
#include "filters/playlist_zones.h"
#include "filters/video_zones.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    struct {
        uint32_t lParam;
        int32_t left, top, right, bottom;
        int32_t scaleAnswer;
        uint8_t flags;
    } in;
    if (size < sizeof(in)) return 0;
    memcpy(&in, data, sizeof(in));
    bool shaded = in.flags & 1, playing = in.flags & 2;
    PressPoint p = PressPointFromLParam(in.lParam, ScaleShiftFromAnswer(in.scaleAnswer));
    WindowSize s = WindowSizeFromRect(in.left, in.top, in.right, in.bottom);

    MainPressPasses(p, shaded, playing);
    EqualizerPressPasses(p, shaded);
    if (p.x >= 32768 || p.y >= 32768) {
        if (MainPressPasses(p, shaded, playing) || EqualizerPressPasses(p, shaded)) __builtin_trap();
    }
    PressPoint raw = PressPointFromLParam(in.lParam, 0);
    if (PlaylistPressPasses(raw, s, shaded, true, playing) && !PlaylistPressPasses(raw, s, shaded, false, playing)) __builtin_trap();
    if (VideoPressPasses(raw, s, true) && !VideoPressPasses(raw, s, false)) __builtin_trap();
    if (GenPressPasses(raw, s, true) && !GenPressPasses(raw, s, false)) __builtin_trap();
    return 0;
}

#include "filters/equalizer_zones.h"

using namespace zone;

// The rectangles in which the player's equalizer claims a press (classic
// skin, skin pixels); an unclaimed press drags it.
static const PassZone kNormal[] = {
    {253, 273, Left, 3, 12, Top, Always},     // windowshade, close
    {14, 72, Left, 18, 30, Top, Always},      // ON, AUTO
    {217, 261, Left, 18, 30, Top, Always},    // presets
    {42, 67, Left, 33, 42, Top, Always},      // +12 dB
    {42, 67, Left, 65, 74, Top, Always},      // 0 dB
    {42, 67, Left, 92, 101, Top, Always},     // -12 dB
    {21, 33, Left, 39, 98, Top, Always},      // preamp
    // Ten band sliders, 13 wide at an 18-pixel pitch.
    {78, 90, Left, 39, 98, Top, Always},
    {96, 108, Left, 39, 98, Top, Always},
    {114, 126, Left, 39, 98, Top, Always},
    {132, 144, Left, 39, 98, Top, Always},
    {150, 162, Left, 39, 98, Top, Always},
    {168, 180, Left, 39, 98, Top, Always},
    {186, 198, Left, 39, 98, Top, Always},
    {204, 216, Left, 39, 98, Top, Always},
    {222, 234, Left, 39, 98, Top, Always},
    {240, 252, Left, 39, 98, Top, Always},
};

static const PassZone kShaded[] = {
    {61, 206, Left, 3, 11, Top, Always},      // volume, balance
    {253, 273, Left, 3, 12, Top, Always},     // windowshade, close
};

const ZoneTable kEqualizerNormalZones = TAVRIN_ZONE_TABLE(kNormal, 0, 0);
const ZoneTable kEqualizerShadedZones = TAVRIN_ZONE_TABLE(kShaded, 0, 0);

unsigned EqualizerScaleShift(int32_t width)
{
    return width >= kDoubleEqualizerWidth ? 1 : 0;
}

bool EqualizerPressPasses(PressPoint p, bool shaded)
{
    const WindowSize fixed = {0, 0};  // Left and Top zones only
    const ZoneConditions when = {false, false};
    return TableHasPassZone(shaded ? kEqualizerShadedZones : kEqualizerNormalZones, p, fixed, when);
}

#include "filters/equalizer_zones.h"

using namespace zone;

static const PassZone kNormal[] = {
    {254, 263, Left, 3, 12, Top, Always},     // top-right button 1
    {264, 273, Left, 3, 12, Top, Always},     // top-right button 2
    {14, 73, Left, 18, 30, Top, Always},      // upper-left block
    {217, 261, Left, 18, 30, Top, Always},    // upper-right block
    {21, 35, Left, 38, 101, Top, Always},     // left column
    {42, 68, Left, 65, 75, Top, Always},      // small block
    // Ten columns, 15 wide at an 18-pixel pitch.
    {78, 92, Left, 38, 101, Top, Always},
    {96, 110, Left, 38, 101, Top, Always},
    {114, 128, Left, 38, 101, Top, Always},
    {132, 146, Left, 38, 101, Top, Always},
    {150, 164, Left, 38, 101, Top, Always},
    {168, 182, Left, 38, 101, Top, Always},
    {186, 200, Left, 38, 101, Top, Always},
    {204, 218, Left, 38, 101, Top, Always},
    {222, 236, Left, 38, 101, Top, Always},
    {240, 254, Left, 38, 101, Top, Always},
};

static const PassZone kShaded[] = {
    {61, 158, Left, 4, 11, Top, Always},      // strip field 1
    {164, 207, Left, 4, 11, Top, Always},     // strip field 2
    {254, 263, Left, 3, 12, Top, Always},     // top-right button 1
    {264, 273, Left, 3, 12, Top, Always},     // top-right button 2
};

const ZoneTable kEqualizerNormalZones = TAVRIN_ZONE_TABLE(kNormal, 0, 0);
const ZoneTable kEqualizerShadedZones = TAVRIN_ZONE_TABLE(kShaded, 0, 0);

bool EqualizerPressPasses(PressPoint p, bool shaded)
{
    const WindowSize fixed = {0, 0};  // Left and Top zones only
    const ZoneConditions when = {false, false};
    return TableHasPassZone(shaded ? kEqualizerShadedZones : kEqualizerNormalZones, p, fixed, when);
}

#include "filters/main_zones.h"

using namespace zone;

static const PassZone kNormal[] = {
    {6, 15, Left, 3, 12, Top, Always},        // top-left button
    {244, 253, Left, 3, 12, Top, Always},     // top-right button 1
    {254, 263, Left, 3, 12, Top, Always},     // top-right button 2
    {264, 273, Left, 3, 12, Top, Always},     // top-right button 3
    {10, 18, Left, 22, 65, Top, Always},      // left edge column
    {111, 265, Left, 24, 36, Top, Always},    // upper strip
    {36, 45, Left, 26, 39, Top, Always},      // cell 1
    {48, 57, Left, 26, 39, Top, Always},      // cell 2
    {60, 69, Left, 26, 39, Top, Always},      // cell 3
    {78, 87, Left, 26, 39, Top, Always},      // cell 4
    {90, 99, Left, 26, 39, Top, Always},      // cell 5
    {24, 35, Left, 28, 37, Top, Always},      // small square
    {212, 268, Left, 41, 53, Top, Always},    // right field
    {24, 100, Left, 43, 59, Top, Always},     // left display field
    {111, 126, Left, 43, 49, Top, Always},    // small field, left
    {156, 166, Left, 43, 49, Top, Always},    // small field, right
    {107, 175, Left, 58, 66, Top, Always},    // left bar
    {177, 215, Left, 58, 66, Top, Always},    // right bar
    {219, 265, Left, 58, 70, Top, Always},    // right block
    {16, 264, Left, 72, 82, Top, WhilePlaying},  // full-width bar
    {16, 130, Left, 88, 106, Top, Always},    // bottom button row
    {136, 158, Left, 89, 105, Top, Always},   // bottom single button
    {164, 238, Left, 89, 104, Top, Always},   // bottom pair block
    {253, 266, Left, 91, 106, Top, Always},   // bottom-right corner
};

static const PassZone kShaded[] = {
    {6, 15, Left, 3, 12, Top, Always},        // top-left button
    {79, 117, Left, 5, 10, Top, Always},      // strip field 1
    {126, 144, Left, 4, 10, Top, Always},     // strip field 2
    {147, 157, Left, 4, 10, Top, Always},     // strip field 3
    {168, 225, Left, 2, 12, Top, Always},     // strip field 4
    {226, 243, Left, 4, 11, Top, WhilePlaying},  // strip field 5
    {244, 253, Left, 3, 12, Top, Always},     // top-right button 1
    {254, 263, Left, 3, 12, Top, Always},     // top-right button 2
    {264, 273, Left, 3, 12, Top, Always},     // top-right button 3
};

const ZoneTable kMainNormalZones = TAVRIN_ZONE_TABLE(kNormal, 0, 0);
const ZoneTable kMainShadedZones = TAVRIN_ZONE_TABLE(kShaded, 0, 0);

bool MainPressPasses(PressPoint p, bool shaded, bool playing)
{
    const WindowSize fixed = {0, 0};  // Left and Top zones only: the size plays no part
    const ZoneConditions when = {playing, false};
    return TableHasPassZone(shaded ? kMainShadedZones : kMainNormalZones, p, fixed, when);
}

// Where the player answers a double-click with an action of its own.
static const PassZone kDoubleClickNormal[] = {
    {6, 16, Left, 4, 12, Top, Always},      // menu icon: closes the player
    {118, 265, Left, 25, 34, Top, Always},  // song title: file info
    {24, 99, Left, 43, 58, Top, Always},    // visualisation: starts or stops the vis plug-in
    {0, 243, Left, 0, 14, Top, Always},     // title strip: windowshade
};

static const PassZone kDoubleClickShaded[] = {
    {6, 16, Left, 4, 12, Top, Always},      // menu icon
    {118, 265, Left, 25, 34, Top, Always},  // song title (below a shaded window)
    {79, 116, Left, 5, 9, Top, Always},     // visualisation
    {0, 243, Left, 0, 14, Top, Always},     // title strip: windowshade
};

// Shaded, the time and the transport buttons take a double-click as a press,
// before the title strip's windowshade.
static const PassZone kDoubleClickAsPressShaded[] = {
    {129, 158, Left, 5, 10, Top, Always},   // time
    {168, 213, Left, 2, 11, Top, Always},   // transport
};

const ZoneTable kMainDoubleClickNormal = TAVRIN_ZONE_TABLE(kDoubleClickNormal, 0, 0);
const ZoneTable kMainDoubleClickShaded = TAVRIN_ZONE_TABLE(kDoubleClickShaded, 0, 0);
const ZoneTable kMainDoubleClickAsPressShaded = TAVRIN_ZONE_TABLE(kDoubleClickAsPressShaded, 0, 0);

bool MainDoubleClickPasses(PressPoint p, bool shaded, bool playing)
{
    const WindowSize fixed = {0, 0};
    const ZoneConditions when = {playing, false};
    if (shaded && TableHasPassZone(kMainDoubleClickAsPressShaded, p, fixed, when)) {
        return MainPressPasses(p, shaded, playing);
    }
    if (TableHasPassZone(shaded ? kMainDoubleClickShaded : kMainDoubleClickNormal, p, fixed, when)) return true;
    return MainPressPasses(p, shaded, playing);
}

#include "filters/main_zones.h"

using namespace zone;

// The rectangles in which the player's main window claims a press (5.x,
// classic skin, skin pixels). Everywhere else an unclaimed press drags the
// window: always on the title strip, anywhere with easy move.
static const PassZone kNormal[] = {
    {5, 17, Left, 3, 13, Top, Always},          // menu icon
    {244, 262, Left, 3, 12, Top, Always},       // minimize, windowshade
    {264, 272, Left, 3, 12, Top, Always},       // close
    {9, 19, Left, 20, 65, Top, Always},         // clutterbar
    {117, 266, Left, 24, 35, Top, Always},      // song title
    {36, 96, Left, 26, 39, Top, Always},        // time display
    {27, 99, Left, 40, 61, Top, WhilePlaying},  // visualisation
    {107, 175, Left, 58, 66, Top, Always},      // volume
    {177, 215, Left, 58, 66, Top, Always},      // balance
    {219, 265, Left, 58, 70, Top, Always},      // equalizer and playlist toggles
    {18, 263, Left, 73, 81, Top, WhilePlaying}, // position bar
    {15, 130, Left, 87, 106, Top, Always},      // previous, play, pause, stop, next
    {136, 158, Left, 89, 105, Top, Always},     // eject
    {165, 239, Left, 90, 102, Top, Always},     // shuffle, repeat
    {253, 265, Left, 91, 105, Top, Always},     // about
};

static const PassZone kShaded[] = {
    {5, 17, Left, 3, 13, Top, Always},          // menu icon
    {78, 116, Left, 4, 11, Top, Always},        // visualisation
    {129, 157, Left, 3, 9, Top, Always},        // time
    {168, 224, Left, 2, 11, Top, Always},       // previous, play, pause, stop, next, eject
    {228, 242, Left, 3, 12, Top, WhilePlaying}, // seek bar
    {244, 262, Left, 3, 12, Top, Always},       // minimize, windowshade
    {264, 272, Left, 3, 12, Top, Always},       // close
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

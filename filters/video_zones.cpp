#include "filters/video_zones.h"

using namespace zone;

// The rectangles in which the player's video frame claims a press (classic
// skin). The picture in between is a window of its own: presses there never
// reach the frame.
static const PassZone kZones[] = {
    {9, 89, Left, 87, 105, Bottom, Always},   // full screen, 1x, 2x, TV, menu, and the claimed end of the row
    {-10, -1, Right, 3, 12, Top, Always},     // close
    TAVRIN_CORNER_GRIP_FROM_EDGE,
};

const ZoneTable kVideoZones = TAVRIN_ZONE_TABLE(kZones, 0, 116);

bool VideoPressPasses(PressPoint p, WindowSize size, bool sizeLocked)
{
    const ZoneConditions when = {false, !sizeLocked};
    return TableHasPassZone(kVideoZones, p, size, when);
}

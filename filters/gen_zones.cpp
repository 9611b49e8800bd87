#include "filters/gen_zones.h"

using namespace zone;

// The rectangles in which a generic frame claims a press; the window it
// hosts covers the rest of its inside, so presses there never reach it.
static const PassZone kZones[] = {
    {-10, -1, Right, 3, 12, Top, Always},     // close
    TAVRIN_CORNER_GRIP_FROM_EDGE,
};

const ZoneTable kGenZones = TAVRIN_ZONE_TABLE(kZones, 0, 116);

bool GenPressPasses(PressPoint p, WindowSize size, bool sizeLocked)
{
    const ZoneConditions when = {false, !sizeLocked};
    return TableHasPassZone(kGenZones, p, size, when);
}

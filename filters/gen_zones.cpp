#include "filters/gen_zones.h"

using namespace zone;

static const PassZone kZones[] = {
    {-11, -2, Right, 3, 12, Top, Always},                     // top-right button
    {-19, 0, Right, 102, 116, Bottom, WhileSizeUnlocked},     // corner grip, wide part
    {-8, 0, Right, 96, 116, Bottom, WhileSizeUnlocked},       // corner grip, tall part
};

const ZoneTable kGenZones = TAVRIN_ZONE_TABLE(kZones, 0, 116);

bool GenPressPasses(PressPoint p, WindowSize size, bool sizeLocked)
{
    const ZoneConditions when = {false, !sizeLocked};
    return TableHasPassZone(kGenZones, p, size, when);
}

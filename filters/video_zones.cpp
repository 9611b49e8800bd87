#include "filters/video_zones.h"

using namespace zone;

static const PassZone kZones[] = {
    {9, 84, Left, 87, 105, Bottom, Always},   // bottom-left button block
    {-11, -2, Right, 3, 12, Top, Always},     // top-right button
    // Corner grip: one pixel per row from (W - 11, H - 19) to (W - 19, H - 11).
    {-19, 0, Right, 105, 116, Bottom, WhileSizeUnlocked},
    {-18, 0, Right, 104, 116, Bottom, WhileSizeUnlocked},
    {-17, 0, Right, 103, 116, Bottom, WhileSizeUnlocked},
    {-16, 0, Right, 102, 116, Bottom, WhileSizeUnlocked},
    {-15, 0, Right, 101, 116, Bottom, WhileSizeUnlocked},
    {-14, 0, Right, 100, 116, Bottom, WhileSizeUnlocked},
    {-13, 0, Right, 99, 116, Bottom, WhileSizeUnlocked},
    {-12, 0, Right, 98, 116, Bottom, WhileSizeUnlocked},
    {-11, 0, Right, 97, 116, Bottom, WhileSizeUnlocked},
};

const ZoneTable kVideoZones = TAVRIN_ZONE_TABLE(kZones, 0, 116);

bool VideoPressPasses(PressPoint p, WindowSize size, bool sizeLocked)
{
    const ZoneConditions when = {false, !sizeLocked};
    return TableHasPassZone(kVideoZones, p, size, when);
}

#include "filters/playlist_zones.h"

using namespace zone;

static const PassZone kNormal[] = {
    {255, 273, Right, 3, 12, Top, Always},        // top-right button row
    {25, 250, Stretch, 20, 78, Stretch, Always},  // central area
    {260, 268, Right, 20, 78, Stretch, Always},   // right-edge strip
    {260, 268, Right, 80, 90, Bottom, Always},    // right-edge strip foot
    {11, 36, Left, 78, 104, Bottom, Always},      // bottom-left block 1
    {40, 65, Left, 78, 104, Bottom, Always},      // bottom-left block 2
    {69, 94, Left, 78, 104, Bottom, Always},      // bottom-left block 3
    {98, 123, Left, 78, 104, Bottom, Always},     // bottom-left block 4
    {52, 124, Right, 90, 106, Bottom, Always},    // bottom band
    {132, 222, Right, 88, 94, Bottom, Always},    // bottom-right strip 1
    {131, 185, Right, 101, 109, Bottom, Always},  // bottom-right strip 2
    {189, 208, Right, 101, 107, Bottom, Always},  // bottom-right strip 3
    {211, 221, Right, 101, 107, Bottom, Always},  // bottom-right strip 4
    {228, 253, Right, 78, 104, Bottom, Always},   // bottom-right block
    // Corner grip: 256 <= tx <= 275, 97 <= ty <= 116, tx + ty >= 361.
    {256, 275, Right, 105, 116, Bottom, WhileSizeUnlocked},
    {257, 275, Right, 104, 116, Bottom, WhileSizeUnlocked},
    {258, 275, Right, 103, 116, Bottom, WhileSizeUnlocked},
    {259, 275, Right, 102, 116, Bottom, WhileSizeUnlocked},
    {260, 275, Right, 101, 116, Bottom, WhileSizeUnlocked},
    {261, 275, Right, 100, 116, Bottom, WhileSizeUnlocked},
    {262, 275, Right, 99, 116, Bottom, WhileSizeUnlocked},
    {263, 275, Right, 98, 116, Bottom, WhileSizeUnlocked},
    {264, 275, Right, 97, 116, Bottom, WhileSizeUnlocked},
};

static const PassZone kShaded[] = {
    {255, 273, Right, 3, 12, Top, Always},            // top-right button row
    {247, 255, Right, 0, 14, Top, WhileSizeUnlocked}, // shaded grip
};

const ZoneTable kPlaylistNormalZones = TAVRIN_ZONE_TABLE(kNormal, 275, 116);
const ZoneTable kPlaylistShadedZones = TAVRIN_ZONE_TABLE(kShaded, 275, 116);

bool PlaylistPressPasses(PressPoint p, WindowSize size, bool shaded, bool sizeLocked)
{
    const ZoneConditions when = {false, !sizeLocked};
    return TableHasPassZone(shaded ? kPlaylistShadedZones : kPlaylistNormalZones, p, size, when);
}

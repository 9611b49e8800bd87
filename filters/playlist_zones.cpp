#include "filters/playlist_zones.h"

using namespace zone;

// The rectangles in which the player's playlist claims a press (classic skin),
// measured on a 275 x 116 playlist: right-anchored bounds keep their distance
// from the right edge (W - 20 is 255), bottom-anchored ones from the bottom
// edge (H - 38 is 78), stretched ones grow with the window.
static const PassZone kNormal[] = {
    {255, 274, Right, 3, 12, Top, Always},           // windowshade, close
    {12, 255, Stretch, 20, 78, Stretch, Always},     // the list
    {260, 268, Right, 20, 78, Stretch, Always},      // scroll bar
    {260, 268, Right, 80, 89, Bottom, Always},       // scroll up, down
    {14, 35, Left, 86, 104, Bottom, Always},         // ADD
    {43, 64, Left, 86, 104, Bottom, Always},         // REM
    {72, 93, Left, 86, 104, Bottom, Always},         // SEL
    {101, 122, Left, 86, 104, Bottom, Always},       // MISC
    {231, 253, Right, 86, 104, Bottom, Always},      // LIST OPTS
    {131, 184, Right, 101, 108, Bottom, Always},     // previous, play, pause, stop, next, eject
    {188, 222, Right, 98, 107, Bottom, Always},      // time
    {50, 125, Right, 90, 108, Bottom, WhilePlayingWide},  // mini visualisation
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
    {255, 274, Right, 3, 12, Top, Always},             // windowshade, close
    {247, 254, Right, 0, 13, Top, WhileSizeUnlocked},  // width grip
};

// The five buttons that open a column of menu rows.
static const PassZone kColumnButtons[] = {
    {14, 35, Left, 86, 104, Bottom, Always},         // ADD
    {43, 64, Left, 86, 104, Bottom, Always},         // REM
    {72, 93, Left, 86, 104, Bottom, Always},         // SEL
    {101, 122, Left, 86, 104, Bottom, Always},       // MISC
    {231, 253, Right, 86, 104, Bottom, Always},      // LIST OPTS
};

const ZoneTable kPlaylistNormalZones = TAVRIN_ZONE_TABLE(kNormal, 275, 116);
const ZoneTable kPlaylistShadedZones = TAVRIN_ZONE_TABLE(kShaded, 275, 116);
const ZoneTable kPlaylistColumnButtons = TAVRIN_ZONE_TABLE(kColumnButtons, 275, 116);

PressDecision PlaylistPressDecision(PressPoint p, WindowSize size, bool shaded, bool sizeLocked)
{
    return DecideWithoutPlaying(shaded ? kPlaylistShadedZones : kPlaylistNormalZones, p, size, !sizeLocked);
}

bool PlaylistPressPasses(PressPoint p, WindowSize size, bool shaded, bool sizeLocked, bool playing)
{
    return Passes(PlaylistPressDecision(p, size, shaded, sizeLocked), playing);
}

bool OpensPlaylistColumn(PressPoint p, WindowSize size)
{
    const ZoneConditions when = {false, false};
    return TableHasPassZone(kPlaylistColumnButtons, p, size, when);
}

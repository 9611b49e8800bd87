// The playlist's pass zones, measured on a 275 x 116 reference window.
#ifndef TAVRIN_FILTERS_PLAYLIST_ZONES_H
#define TAVRIN_FILTERS_PLAYLIST_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kPlaylistNormalZones;
extern const ZoneTable kPlaylistShadedZones;
extern const ZoneTable kPlaylistColumnButtons;

// The mini visualisation passes only while the player plays: the decision
// says so, and the filter asks the player only then.
PressDecision PlaylistPressDecision(PressPoint p, WindowSize size, bool shaded, bool sizeLocked);
bool PlaylistPressPasses(PressPoint p, WindowSize size, bool shaded, bool sizeLocked, bool playing);

// A press on one of the buttons (ADD, REM, SEL, MISC, LIST OPTS) that open a
// column: the player then gives the next press anywhere in the playlist to
// that column, and never drags from it.
bool OpensPlaylistColumn(PressPoint p, WindowSize size);

#endif

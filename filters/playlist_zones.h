// The playlist's pass zones, measured on a 275 x 116 reference window.
#ifndef TAVRIN_FILTERS_PLAYLIST_ZONES_H
#define TAVRIN_FILTERS_PLAYLIST_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kPlaylistNormalZones;
extern const ZoneTable kPlaylistShadedZones;

bool PlaylistPressPasses(PressPoint p, WindowSize size, bool shaded, bool sizeLocked);

#endif

// The video window's pass zones, reference size 0 x 116: right-anchored zones
// are measured from the right edge itself.
#ifndef TAVRIN_FILTERS_VIDEO_ZONES_H
#define TAVRIN_FILTERS_VIDEO_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kVideoZones;

bool VideoPressPasses(PressPoint p, WindowSize size, bool sizeLocked);

#endif

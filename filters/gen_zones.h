// The generic frames' pass zones, reference size 0 x 116.
#ifndef TAVRIN_FILTERS_GEN_ZONES_H
#define TAVRIN_FILTERS_GEN_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kGenZones;

bool GenPressPasses(PressPoint p, WindowSize size, bool sizeLocked);

#endif

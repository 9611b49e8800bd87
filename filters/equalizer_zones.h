// The equalizer's pass zones: fixed size 275 x 116, 14 high when shaded.
#ifndef TAVRIN_FILTERS_EQUALIZER_ZONES_H
#define TAVRIN_FILTERS_EQUALIZER_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kEqualizerNormalZones;
extern const ZoneTable kEqualizerShadedZones;

// p is already shifted by the scale.
bool EqualizerPressPasses(PressPoint p, bool shaded);

#endif

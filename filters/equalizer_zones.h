// The equalizer's pass zones: fixed size 275 x 116, 14 high when shaded.
#ifndef TAVRIN_FILTERS_EQUALIZER_ZONES_H
#define TAVRIN_FILTERS_EQUALIZER_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kEqualizerNormalZones;
extern const ZoneTable kEqualizerShadedZones;

// The player doubles its equalizer only when double size and the equalizer's
// own double-size setting are both on, and no request tells the second: the
// width tells both. 550 pixels or more: every press is halved.
const int32_t kDoubleEqualizerWidth = 550;
unsigned EqualizerScaleShift(int32_t width);

// p is already shifted by the scale.
bool EqualizerPressPasses(PressPoint p, bool shaded);

#endif

// The main window's pass zones: fixed size 275 x 116, 14 high when shaded.
#ifndef TAVRIN_FILTERS_MAIN_ZONES_H
#define TAVRIN_FILTERS_MAIN_ZONES_H

#include "filters/pass_zone.h"

extern const ZoneTable kMainNormalZones;
extern const ZoneTable kMainShadedZones;

// p is already shifted by the scale.
bool MainPressPasses(PressPoint p, bool shaded, bool playing);

// The second press of a double-click: it passes where the player has a
// double-click action of its own (windowshade on the title strip, the menu
// icon, the song title, the visualisation) and is otherwise decided as a press.
bool MainDoubleClickPasses(PressPoint p, bool shaded, bool playing);

#endif

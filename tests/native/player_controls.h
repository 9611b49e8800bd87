// Where the player's own mouse handling (5.x, classic skin) claims a press,
// control by control, as plain conditions: the statement the zone tables are
// checked against pixel by pixel. Written from the player's control list, not
// from the tables. x and y are skin pixels; W and H the window's size.
#ifndef TAVRIN_TESTS_NATIVE_PLAYER_CONTROLS_H
#define TAVRIN_TESTS_NATIVE_PLAYER_CONTROLS_H

#include <stdint.h>

namespace player {

inline bool In(int64_t v, int64_t lo, int64_t hi)
{
    return lo <= v && v <= hi;
}

// Title buttons of the main window, in both modes.
inline bool MainTitleButton(int64_t x, int64_t y)
{
    return (In(x, 5, 17) && In(y, 3, 13))                          // menu icon
           || (In(y, 3, 12) && (In(x, 244, 253) || In(x, 254, 262)  // minimize, windowshade
                                || In(x, 264, 272)));               // close
}

inline bool MainClaims(int64_t x, int64_t y, bool shaded, bool playing)
{
    if (MainTitleButton(x, y)) return true;
    if (shaded) {
        return (playing && In(x, 228, 242) && In(y, 3, 12))  // seek
               || (In(x, 129, 157) && In(y, 3, 9))           // time
               || (In(x, 78, 116) && In(y, 4, 11))           // vis
               || (In(y, 2, 11) && (In(x, 168, 175) || In(x, 176, 185) || In(x, 186, 194) || In(x, 195, 203) ||
                                    In(x, 204, 214) || In(x, 215, 224)));  // transport and eject
    }
    bool transport = In(y, 87, 106) && (In(x, 15, 37) || In(x, 38, 59) || In(x, 60, 83) || In(x, 84, 106) ||
                                        In(x, 107, 130));
    return (playing && In(x, 18, 263) && In(y, 73, 81))                       // position bar
           || (In(y, 58, 66) && (In(x, 107, 175) || In(x, 177, 215)))         // volume, balance
           || (In(x, 117, 266) && In(y, 24, 35))                              // title scroll
           || transport || (In(x, 136, 158) && In(y, 89, 105))                // eject
           || (In(y, 90, 102) && (In(x, 165, 209) || In(x, 210, 239)))        // shuffle, repeat
           || (In(y, 58, 70) && (In(x, 219, 242) || In(x, 243, 265)))         // EQ, PL toggles
           || (In(x, 253, 265) && In(y, 91, 105))                             // about
           || (In(x, 9, 19) && In(y, 20, 65))                                 // clutterbar
           || (In(x, 36, 96) && In(y, 26, 39))                                // time
           || (playing && In(x, 27, 99) && In(y, 40, 61));                    // vis
}

inline bool EqualizerClaims(int64_t x, int64_t y, bool shaded)
{
    bool titleButtons = In(y, 3, 12) && (In(x, 253, 263) || In(x, 264, 273));
    if (shaded) return titleButtons || (In(y, 3, 11) && (In(x, 61, 162) || In(x, 163, 206)));
    bool band = false;
    for (int k = 0; k < 10; ++k) band = band || In(x, 78 + 18 * k, 90 + 18 * k);
    return (In(y, 39, 98) && (In(x, 21, 33) || band))                                    // preamp, bands
           || titleButtons                                                               // shade, close
           || (In(x, 42, 67) && (In(y, 33, 42) || In(y, 65, 74) || In(y, 92, 101)))      // dB buttons
           || (In(y, 18, 30) && (In(x, 14, 38) || In(x, 39, 72) || In(x, 217, 261)));   // ON, AUTO, presets
}

// The lower-right grip: x >= W - 19, y >= H - 19 and (W - x) + (H - y) <= 30,
// up to one pixel beyond the last column and row.
inline bool Grip(int64_t x, int64_t y, int64_t w, int64_t h)
{
    return In(x, w - 19, w) && In(y, h - 19, h) && (w - x) + (h - y) <= 30;
}

inline bool PlaylistClaims(int64_t x, int64_t y, int64_t w, int64_t h, bool shaded, bool playing, bool sizeLocked)
{
    bool titleButtons = In(y, 3, 12) && (In(x, w - 20, w - 11) || In(x, w - 10, w - 1));
    if (shaded) return titleButtons || (!sizeLocked && In(x, w - 28, w - 21) && In(y, 0, 13));
    bool transport = In(y, h - 15, h - 8) && (In(x, w - 144, w - 138) || In(x, w - 137, w - 128) ||
                                              In(x, w - 127, w - 118) || In(x, w - 117, w - 109) ||
                                              In(x, w - 108, w - 100) || In(x, w - 99, w - 91));
    bool buttons = In(y, h - 30, h - 12) && (In(x, w - 44, w - 22) || In(x, 101, 122) || In(x, 72, 93) ||
                                             In(x, 14, 35) || In(x, 43, 64));
    return (playing && w >= 350 && In(x, w - 225, w - 150) && In(y, h - 26, h - 8))  // mini vis
           || transport || (In(x, w - 87, w - 53) && In(y, h - 18, h - 9))          // time
           || buttons                                                                // the five columns
           || (In(x, w - 15, w - 7) && (In(y, h - 36, h - 32) || In(y, h - 31, h - 27)))  // scroll arrows
           || (In(x, 12, w - 20) && In(y, 20, h - 38))                               // list
           || (In(x, w - 15, w - 7) && In(y, 20, h - 38))                            // scroll bar
           || titleButtons || (!sizeLocked && Grip(x, y, w, h));
}

inline bool VideoClaims(int64_t x, int64_t y, int64_t w, int64_t h, bool sizeLocked)
{
    bool buttons = In(y, h - 29, h - 11) && (In(x, 9, 23) || In(x, 24, 38) || In(x, 39, 53) || In(x, 54, 68) ||
                                             In(x, 69, 83) || In(x, 84, 89));
    return buttons || (In(x, w - 10, w - 1) && In(y, 3, 12)) || (!sizeLocked && Grip(x, y, w, h));
}

inline bool GenClaims(int64_t x, int64_t y, int64_t w, int64_t h, bool sizeLocked)
{
    return (In(x, w - 10, w - 1) && In(y, 3, 12)) || (!sizeLocked && Grip(x, y, w, h));
}

}  // namespace player

#endif

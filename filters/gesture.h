// Swallowed gestures. Swallowing a press alone is not enough: the player acts
// on the moves and the release that follow it too. Its main window runs the
// control under a bare release (a release on Close exits the player), and a
// move with the button held arms buttons and sweeps sliders. So a filter that
// swallows a press takes the mouse capture for its window and swallows the
// whole gesture, wherever the pointer goes: every move and the release, after
// which it gives the capture back. When the capture is taken away (another
// window takes it, Alt+Tab) the gesture is over.
//
// There is one left button, so one gesture at a time: one window handle is
// all the state, written and read on the thread that owns that window.
#ifndef TAVRIN_FILTERS_GESTURE_H
#define TAVRIN_FILTERS_GESTURE_H

#include <windows.h>

// The window whose swallowed gesture is under way, or 0.
extern HWND volatile g_swallowedGesture;

// Swallows a press and the gesture that it starts; returns the press's result (0).
LRESULT SwallowGesture(HWND hwnd);

// The part of a gesture after its press; true when the message is swallowed.
bool SwallowsGestureMessage(HWND hwnd, UINT message);

// Every filter asks this first, for every message: true when the message
// belongs to the swallowed gesture under way on this window.
inline bool InSwallowedGesture(HWND hwnd, UINT message)
{
    return hwnd == g_swallowedGesture && SwallowsGestureMessage(hwnd, message);
}

#endif

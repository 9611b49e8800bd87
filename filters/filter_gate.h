// What the five filter procedures share: handing a message on, the Ctrl test
// and reading a window's size.
#ifndef TAVRIN_FILTERS_FILTER_GATE_H
#define TAVRIN_FILTERS_FILTER_GATE_H

#include <windows.h>

#include "filters/gesture.h"
#include "filters/pass_zone.h"
#include "filters/subclass.h"
#include "host/host_interface.h"

LRESULT CALLBACK MainFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EqualizerFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PlaylistFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK VideoFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GenFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The player's four fixed windows, each defined beside its filter; init puts
// the filters in, quit takes them out.
extern Subclass g_equalizerWindow;
extern Subclass g_playlistWindow;
extern Subclass g_videoWindow;
extern Subclass g_mainWindow;

// Bit 15 of the key state: Ctrl is down now. The toggle bit does not count.
inline bool CtrlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// A press the filter swallows: the player never sees it.
const LRESULT kSwallowed = 0;

// The window's size; false when its rectangle cannot be read (the window is
// going away), in which case the filter passes the press as if unlocked.
inline bool ReadWindowSize(HWND hwnd, WindowSize* size)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return false;
    *size = WindowSizeFromRect(r.left, r.top, r.right, r.bottom);
    return true;
}

// Whether the main window, the equalizer or the playlist shows only its
// title strip: a newer host is asked (request 638, only the answer 1 means
// shaded), an older one is measured (exactly 14 pixels high; the height is
// read only then).
inline bool IsShadedNow(WPARAM shadeWindow, int32_t height)
{
    if (g_newerHost) return IsShadedAnswer(SendHostRequest(shadeWindow, kRequestShaded));
    return IsShadedHeight(height);
}

#endif

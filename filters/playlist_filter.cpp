// PlaylistFilterProc: the player's playlist window, movable and resizable.
#include "filters/filter_gate.h"
#include "filters/playlist_zones.h"
#include "settings/lock_settings.h"

Subclass g_playlistWindow;

static bool PlaylistPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MovePlaylist && !g_lockSettings.SizePlaylist) return true;
    if (CtrlDown()) return true;
    WindowSize size;
    if (!ReadWindowSize(hwnd, &size)) return true;
    bool shaded = g_newerHost ? IsShadedAnswer(SendHostRequest(kShadePlaylist, kRequestShaded))
                              : IsShadedHeight(size.height);
    return PlaylistPressPasses(PressPointFromLParam((uintptr_t)lParam, 0), size, shaded,
                               g_lockSettings.SizePlaylist != 0);
}

LRESULT CALLBACK PlaylistFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_LBUTTONDOWN && !PlaylistPressAllowed(hwnd, lParam)) return SwallowGesture(hwnd);
    return PassOn(g_playlistWindow, hwnd, message, wParam, lParam);
}

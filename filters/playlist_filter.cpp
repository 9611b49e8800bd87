// PlaylistFilterProc: the player's playlist window, movable and resizable.
#include "filters/filter_gate.h"
#include "filters/playlist_zones.h"
#include "settings/lock_settings.h"

Subclass g_playlistWindow;

// A column of menu rows that a passed press on its button opened: the player
// gives the next press anywhere in the playlist to it, and never drags from
// that press. Deactivating the playlist closes it.
static bool g_columnOpen;

static bool PlaylistPressAllowed(HWND hwnd, LPARAM lParam)
{
    bool columnOpen = g_columnOpen;
    g_columnOpen = false;
    if (!g_lockSettings.MovePlaylist && !g_lockSettings.SizePlaylist) return true;
    if (CtrlDown()) return true;
    WindowSize size;
    if (!ReadWindowSize(hwnd, &size)) return true;
    bool shaded = IsShadedNow(kShadePlaylist, size.height);
    if (columnOpen && !shaded) return true;
    PressPoint p = PressPointFromLParam((uintptr_t)lParam, 0);
    PressDecision decision = PlaylistPressDecision(p, size, shaded, g_lockSettings.SizePlaylist != 0);
    // The player is asked whether it plays only for a press on the mini visualisation.
    if (decision == PressDecision::PassWhilePlaying) {
        return SendHostRequest(0, kRequestPlaying) != 0;
    }
    if (decision != PressDecision::Pass) return false;
    g_columnOpen = !shaded && OpensPlaylistColumn(p, size);
    return true;
}

LRESULT CALLBACK PlaylistFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_LBUTTONDOWN) {
        if (!PlaylistPressAllowed(hwnd, lParam)) return SwallowGesture(hwnd);
    } else if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        g_columnOpen = false;
    }
    return PassOn(g_playlistWindow, hwnd, message, wParam, lParam);
}

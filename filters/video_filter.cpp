// VideoFilterProc: the player's video window, movable and resizable.
#include "filters/filter_gate.h"
#include "filters/video_zones.h"
#include "settings/lock_settings.h"

Subclass g_videoWindow;

static bool VideoPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveVideo && !g_lockSettings.SizeVideo) return true;
    if (CtrlDown()) return true;
    WindowSize size;
    if (!ReadWindowSize(hwnd, &size)) return true;
    return VideoPressPasses(PressPointFromLParam((uintptr_t)lParam, 0), size, g_lockSettings.SizeVideo != 0);
}

LRESULT CALLBACK VideoFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN && !VideoPressAllowed(hwnd, lParam)) return kSwallowed;
    return PassOn(g_videoWindow, hwnd, message, wParam, lParam);
}

// MainFilterProc: the player's main window.
#include "filters/filter_gate.h"
#include "filters/gen_windows.h"
#include "filters/main_zones.h"
#include "settings/lock_settings.h"

Subclass g_mainWindow;

static bool MainPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveMain) return true;
    if (CtrlDown()) return true;
    HostViewState view;
    view.newerHost = g_newerHost;
    view.scaleShift = ScaleShiftFromAnswer(SendHostRequest(0, kRequestScale));
    view.playing = SendHostRequest(0, kRequestPlaying) != 0;
    if (!ReadFixedWindowShade(hwnd, kShadeMain, &view)) return true;
    return MainPressPasses(PressPointFromLParam((uintptr_t)lParam, view.scaleShift), view.shaded, view.playing);
}

LRESULT CALLBACK MainFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        if (!MainPressAllowed(hwnd, lParam)) return kSwallowed;
    } else if (message == WM_USER && wParam == 0 && lParam == kHostMessageGenFrames) {
        RegisterGenWindows();
    }
    return PassOn(g_mainWindow, hwnd, message, wParam, lParam);
}

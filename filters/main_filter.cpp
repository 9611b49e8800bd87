// MainFilterProc: the player's main window.
#include "filters/filter_gate.h"
#include "filters/gen_windows.h"
#include "filters/main_zones.h"
#include "settings/lock_settings.h"

Subclass g_mainWindow;

// A press, or the second press of a double-click, which the main window's
// class receives as WM_LBUTTONDBLCLK and the player handles as a press
// wherever it has no double-click action of its own.
static bool MainPressAllowed(HWND hwnd, UINT message, LPARAM lParam)
{
    if (!g_lockSettings.MoveMain) return true;
    if (CtrlDown()) return true;
    HostViewState view;
    view.newerHost = g_newerHost;
    view.scaleShift = ScaleShiftFromAnswer(SendHostRequest(0, kRequestScale));
    view.playing = SendHostRequest(0, kRequestPlaying) != 0;
    // An older host's shade is measured: the rectangle is read only then.
    WindowSize size = {0, 0};
    if (!view.newerHost && !ReadWindowSize(hwnd, &size)) return true;
    view.shaded = IsShadedNow(kShadeMain, size.height);
    PressPoint p = PressPointFromLParam((uintptr_t)lParam, view.scaleShift);
    if (message == WM_LBUTTONDBLCLK) return MainDoubleClickPasses(p, view.shaded, view.playing);
    return MainPressPasses(p, view.shaded, view.playing);
}

LRESULT CALLBACK MainFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        if (!MainPressAllowed(hwnd, message, lParam)) return SwallowGesture(hwnd);
    } else if (message == WM_USER && wParam == 0 && lParam == kHostMessageGenFrames) {
        RegisterGenWindows();
    }
    return PassOn(g_mainWindow, hwnd, message, wParam, lParam);
}

// EqualizerFilterProc: the player's equalizer window.
#include "filters/equalizer_zones.h"
#include "filters/filter_gate.h"
#include "settings/lock_settings.h"

Subclass g_equalizerWindow;

static bool EqualizerPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveEqualizer) return true;
    if (CtrlDown()) return true;
    HostViewState view;
    view.newerHost = g_newerHost;
    view.scaleShift = ScaleShiftFromAnswer(SendHostRequest(0, kRequestScale));
    view.playing = false;  // the equalizer never asks
    if (!ReadFixedWindowShade(hwnd, kShadeEqualizer, &view)) return true;
    return EqualizerPressPasses(PressPointFromLParam((uintptr_t)lParam, view.scaleShift), view.shaded);
}

LRESULT CALLBACK EqualizerFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_LBUTTONDOWN && !EqualizerPressAllowed(hwnd, lParam)) return SwallowGesture(hwnd);
    return PassOn(g_equalizerWindow, hwnd, message, wParam, lParam);
}

// EqualizerFilterProc: the player's equalizer window.
#include "filters/equalizer_zones.h"
#include "filters/filter_gate.h"
#include "settings/lock_settings.h"

Subclass g_equalizerWindow;

// The scale comes from the window's width, not from the double-size request:
// the player doubles the equalizer only when its own setting agrees.
static bool EqualizerPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveEqualizer) return true;
    if (CtrlDown()) return true;
    WindowSize size;
    if (!ReadWindowSize(hwnd, &size)) return true;
    bool shaded = IsShadedNow(kShadeEqualizer, size.height);
    return EqualizerPressPasses(PressPointFromLParam((uintptr_t)lParam, EqualizerScaleShift(size.width)), shaded);
}

LRESULT CALLBACK EqualizerFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_LBUTTONDOWN && !EqualizerPressAllowed(hwnd, lParam)) return SwallowGesture(hwnd);
    return PassOn(g_equalizerWindow, hwnd, message, wParam, lParam);
}

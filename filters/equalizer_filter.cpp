// EqualizerFilterProc: the player's equalizer window.
#include "filters/equalizer_zones.h"
#include "filters/filter_gate.h"
#include "settings/lock_settings.h"

static bool EqualizerPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveEqualizer) return true;
    if (CtrlDown()) return true;
    unsigned scaleShift = ScaleShiftFromAnswer(SendHostRequest(0, kRequestScale));
    bool shaded;
    if (!ReadFixedWindowShade(hwnd, kShadeEqualizer, &shaded)) return true;
    return EqualizerPressPasses(PressPointFromLParam((uintptr_t)lParam, scaleShift), shaded);
}

LRESULT CALLBACK EqualizerFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN && !EqualizerPressAllowed(hwnd, lParam)) return kSwallowed;
    return PassOn(g_equalizerWindow.previous, hwnd, message, wParam, lParam);
}

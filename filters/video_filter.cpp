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

// A press that this filter passed on the video window itself (a Ctrl press
// on its frame, or any press while it is unlocked) starts a gesture of the
// player's own, whose drag moves the window through the move command; it
// lasts until the release, or until the window loses the capture.
static bool g_passedGesture;

// The move command, from a drag on the picture or on the frame: while the
// video window is locked only Ctrl or a passed gesture lets it through.
static bool VideoMoveAllowed()
{
    if (!g_lockSettings.MoveVideo && !g_lockSettings.SizeVideo) return true;
    return g_passedGesture || CtrlDown();
}

LRESULT CALLBACK VideoFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    switch (message) {
    case WM_LBUTTONDOWN:
        g_passedGesture = VideoPressAllowed(hwnd, lParam);
        if (!g_passedGesture) return SwallowGesture(hwnd);
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        g_passedGesture = false;
        break;
    case kVideoMoveCommand:
        if (wParam == kVideoMoveTo && !VideoMoveAllowed()) return kSwallowed;
        break;
    }
    return PassOn(g_videoWindow, hwnd, message, wParam, lParam);
}

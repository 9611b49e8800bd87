#include "filters/gesture.h"

HWND volatile g_swallowedGesture;

LRESULT SwallowGesture(HWND hwnd)
{
    SetCapture(hwnd);
    g_swallowedGesture = hwnd;
    return 0;
}

bool SwallowsGestureMessage(HWND hwnd, UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
        return true;
    case WM_LBUTTONUP:
        // Giving the capture back sends this window WM_CAPTURECHANGED, which
        // still belongs to the gesture and is swallowed too.
        if (GetCapture() == hwnd) ReleaseCapture();
        g_swallowedGesture = 0;
        return true;
    case WM_CAPTURECHANGED:
        g_swallowedGesture = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A release that never came: this press starts a gesture of its own.
        g_swallowedGesture = 0;
        return false;
    }
    return false;
}

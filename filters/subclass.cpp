#include "filters/subclass.h"

static WNDPROC CurrentProcedure(HWND hwnd, bool unicode)
{
    return (WNDPROC)(unicode ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

static void SetProcedure(HWND hwnd, bool unicode, WNDPROC procedure)
{
    if (unicode) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)procedure);
    else SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)procedure);
}

Subclass ReadSubclass(HWND hwnd)
{
    Subclass window;
    window.hwnd = hwnd;
    window.unicode = IsWindowUnicode(hwnd) != FALSE;
    window.previous = CurrentProcedure(hwnd, window.unicode);
    window.installed = false;
    return window;
}

void SetFilter(const Subclass& window, WNDPROC filter)
{
    SetProcedure(window.hwnd, window.unicode, filter);
}

bool InstallSubclass(Subclass* window, HWND hwnd, WNDPROC filter)
{
    if (window->installed && window->hwnd == hwnd && IsWindow(hwnd)) return true;
    *window = ReadSubclass(hwnd);
    if (!window->previous) return false;
    SetFilter(*window, filter);
    window->installed = true;
    return true;
}

void PutBackSubclass(Subclass* window)
{
    if (!window->installed) return;
    SetProcedure(window->hwnd, window->unicode, window->previous);
    window->installed = false;
}

bool RemoveSubclass(Subclass* window, WNDPROC filter)
{
    if (!window->installed) return true;
    if (!IsWindow(window->hwnd)) {
        window->installed = false;  // gone with its window
        return true;
    }
    // Read in the set the filter went in with: the other set would read a
    // conversion handle, never our function.
    if (CurrentProcedure(window->hwnd, window->unicode) != filter) return false;
    PutBackSubclass(window);
    return true;
}

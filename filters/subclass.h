// Putting a filter in front of a window's own procedure, handing messages on
// to that procedure and taking the filter out again: the one place that does
// it, for the four fixed windows and the generic frames alike.
//
// The player's windows are Unicode windows today (ANSI ones on older
// players). A filter goes in with the window's own character set, chosen once
// when it is installed and kept with the window: installing or forwarding with
// the other set would turn a Unicode window into an ANSI one and lose every
// character outside the ANSI code page. The choice is not asked again per
// message, because a later ANSI subclass on top of ours makes the window
// report ANSI while our filter still receives Unicode messages.
#ifndef TAVRIN_FILTERS_SUBCLASS_H
#define TAVRIN_FILTERS_SUBCLASS_H

#include <windows.h>

struct Subclass {
    HWND hwnd;
    WNDPROC previous;  // the window's procedure before the filter, read in the set below
    bool unicode;      // the window was a Unicode window when the filter went in
    bool installed;    // our filter is in this window's chain
};

// Reads the window's current procedure in its own character set; previous is
// 0 when it has none. Installs nothing.
Subclass ReadSubclass(HWND hwnd);

// Puts the filter in place of the procedure that ReadSubclass found.
void SetFilter(const Subclass& window, WNDPROC filter);

// ReadSubclass and SetFilter into *window; false (nothing installed) when the
// window has no procedure. A window already running through this filter from
// an earlier install is left as it is: storing the filter as its own
// predecessor would loop forever.
bool InstallSubclass(Subclass* window, HWND hwnd, WNDPROC filter);

// Gives the window its previous procedure back, unconditionally (roll-back).
void PutBackSubclass(Subclass* window);

// Takes the filter out where it is still the window's procedure. A window that
// is gone counts as done. False when something else sits on top of the filter
// and it has to stay in the chain.
bool RemoveSubclass(Subclass* window, WNDPROC filter);

// Hands a message on to the previous procedure with its four arguments
// unchanged, in the window's character set, and returns its result.
inline LRESULT PassOn(const Subclass& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return window.unicode ? CallWindowProcW(window.previous, hwnd, message, wParam, lParam)
                          : CallWindowProcA(window.previous, hwnd, message, wParam, lParam);
}

#endif

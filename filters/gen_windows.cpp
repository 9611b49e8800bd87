// Generic frames: the scan on the player's message 503 and GenFilterProc.
#include "filters/gen_windows.h"

#include <string.h>

#include "filters/filter_gate.h"
#include "filters/gen_registry.h"
#include "filters/gen_zones.h"
#include "settings/lock_settings.h"

// Frames may belong to other threads of the player than the one that scans,
// and their filters look the registry up on their own threads. Only the scan
// and quit write or walk the registry, both on the main window's thread; the
// lookups take no lock (see gen_registry.h).
static GenWindowRegistry g_genWindows;
static HWND volatile g_libraryWindow;

static const char kGenClass[11] = "Winamp Gen";        // compared with its terminator
static const char kLibraryTitle[15] = "Winamp Library";  // likewise

// The frame as its filter sees it: handle, previous procedure, character set.
static Subclass FrameSubclass(HWND hwnd, GenFrameProcedure entry)
{
    Subclass frame;
    frame.hwnd = hwnd;
    frame.previous = (WNDPROC)entry.procedure;
    frame.unicode = entry.unicode;
    frame.installed = true;
    return frame;
}

static bool FindGenFrame(HWND hwnd, Subclass* frame)
{
    GenFrameProcedure entry;
    if (!g_genWindows.Find((uintptr_t)hwnd, &entry)) return false;
    *frame = FrameSubclass(hwnd, entry);
    return true;
}

static bool AddGenWindow(const Subclass& frame)
{
    GenFrameProcedure entry = {(uintptr_t)frame.previous, frame.unicode};
    return g_genWindows.Insert((uintptr_t)frame.hwnd, entry);
}

static void ConsiderGenWindow(HWND hwnd)
{
    char className[sizeof(kGenClass)];
    memset(className, 0, sizeof(className));
    if (GetClassNameA(hwnd, className, sizeof(className)) == 0) return;
    if (memcmp(className, kGenClass, sizeof(kGenClass)) != 0) return;

    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId()) return;

    if (g_genWindows.Contains((uintptr_t)hwnd)) return;

    char title[100];
    memset(title, 0, sizeof(title));
    GetWindowTextA(hwnd, title, sizeof(title));
    if (memcmp(title, kLibraryTitle, sizeof(kLibraryTitle)) == 0) g_libraryWindow = hwnd;

    Subclass frame = ReadSubclass(hwnd);
    if (!frame.previous) return;

    // A frame whose entry cannot be stored is left unfiltered: its filter
    // would have nowhere to hand messages on to.
    if (!AddGenWindow(frame)) return;
    SetFilter(frame, GenFilterProc);
}

void RegisterGenWindows()
{
    for (HWND hwnd = GetWindow(GetDesktopWindow(), GW_CHILD); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        ConsiderGenWindow(hwnd);
    }
}

bool RestoreGenWindows()
{
    bool allRemoved = true;
    for (size_t i = g_genWindows.Size(); i-- > 0;) {
        Subclass frame = FrameSubclass((HWND)g_genWindows.HandleAt(i), g_genWindows.ProcedureAt(i));
        // false: something may still call us through its own chain
        if (!RemoveSubclass(&frame, GenFilterProc)) allRemoved = false;
    }
    return allRemoved;
}

// The library frame keeps its place and size unless the primary button is down.
static bool HoldLibraryFrame(HWND hwnd, LPARAM lParam)
{
    if (hwnd != g_libraryWindow) return false;
    WINDOWPOS* pos = (WINDOWPOS*)lParam;
    if (!pos) return false;
    const UINT keep = SWP_NOSIZE | SWP_NOMOVE;
    if ((pos->flags & keep) == keep) return false;
    int primary = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (GetAsyncKeyState(primary) & 0x8000) return false;
    pos->flags |= keep;
    return true;
}

static bool GenPressAllowed(HWND hwnd, LPARAM lParam)
{
    if (!g_lockSettings.MoveGen && !g_lockSettings.SizeGen) return true;
    if (CtrlDown()) return true;
    WindowSize size;
    if (!ReadWindowSize(hwnd, &size)) return true;
    return GenPressPasses(PressPointFromLParam((uintptr_t)lParam, 0), size, g_lockSettings.SizeGen != 0);
}

LRESULT CALLBACK GenFilterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (InSwallowedGesture(hwnd, message)) return kSwallowed;
    if (message == WM_WINDOWPOSCHANGING) {
        if (HoldLibraryFrame(hwnd, lParam)) return 0;
    } else if (message == WM_LBUTTONDOWN) {
        if (!GenPressAllowed(hwnd, lParam)) return SwallowGesture(hwnd);
    }
    Subclass frame;
    if (FindGenFrame(hwnd, &frame)) return PassOn(frame, hwnd, message, wParam, lParam);
    // No entry: no frame of ours, so nothing was chosen for it; answer in the
    // window's own set.
    if (IsWindowUnicode(hwnd)) return DefWindowProcW(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

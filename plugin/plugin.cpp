// The plug-in's face to the player: the exported record, init and quit.
#include <windows.h>

#include "filters/filter_gate.h"
#include "filters/gen_windows.h"
#include "plugin/host_interface.h"
#include "plugin/plugin_state.h"
#include "settings/lock_settings.h"

PluginRecord g_pluginRecord = {
    kPluginRecordVersion,
    TAVRIN_PLUGIN_NAME " " TAVRIN_PLUGIN_VERSION,
    PluginInit,
    PluginConfig,
    PluginQuit,
    0,
    0,
};

FilteredWindow g_equalizerWindow;
FilteredWindow g_playlistWindow;
FilteredWindow g_videoWindow;
FilteredWindow g_mainWindow;
bool g_newerHost;
const char* g_iniPath;

extern "C" __declspec(dllexport) PluginRecord* __cdecl winampGetGeneralPurposePlugin(void)
{
    return &g_pluginRecord;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

// Stores the window's procedure, then puts the filter in its place. A window
// that already runs through our filter (an earlier init) is left as it is:
// storing the filter as its own predecessor would loop forever.
static bool InstallFilter(FilteredWindow* window, HWND hwnd, WNDPROC filter)
{
    if (window->installed && window->hwnd == hwnd && IsWindow(hwnd)) return true;
    WNDPROC current = (WNDPROC)GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    window->hwnd = hwnd;
    window->previous = current;
    if (!current) return false;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)filter);
    window->installed = true;
    return true;
}

static void PutBack(FilteredWindow* window)
{
    if (!window->installed) return;
    SetWindowLongPtrA(window->hwnd, GWLP_WNDPROC, (LONG_PTR)window->previous);
    window->installed = false;
}

// Asks the player for one fixed window and filters it.
static bool FilterHostWindow(FilteredWindow* window, WPARAM which, WNDPROC filter)
{
    HWND hwnd = (HWND)SendHostRequest(which, kRequestWindowHandle);
    if (!hwnd || !IsWindow(hwnd)) {
        window->hwnd = hwnd;
        return false;
    }
    return InstallFilter(window, hwnd, filter);
}

static void RollBack(FilteredWindow* const* installed, int count)
{
    while (count-- > 0) PutBack(installed[count]);
}

int __cdecl PluginInit(void)
{
    int version = (int)SendHostRequest(0, kRequestVersion);
    if (version <= kMinimumHostVersion) {
        MessageBoxA(g_pluginRecord.hwndParent, "This plugin requires Winamp 2.9+   \nin order to work properly.",
                    TAVRIN_PLUGIN_NAME, MB_ICONERROR | MB_OK);
        return 1;
    }
    g_newerHost = version > kNewerHostVersion;

    FilteredWindow* const order[] = {&g_equalizerWindow, &g_playlistWindow, &g_videoWindow};
    const WPARAM which[] = {kWindowEqualizer, kWindowPlaylist, kWindowVideo};
    const WNDPROC filters[] = {EqualizerFilterProc, PlaylistFilterProc, VideoFilterProc};
    for (int i = 0; i < 3; ++i) {
        if (!FilterHostWindow(order[i], which[i], filters[i])) {
            RollBack(order, i);
            return 1;
        }
    }
    if (!InstallFilter(&g_mainWindow, g_pluginRecord.hwndParent, MainFilterProc)) {
        RollBack(order, 3);
        return 1;
    }

    g_iniPath = (const char*)SendHostRequest(0, kRequestIniPath);
    LoadLockSettings();
    return 0;
}

// Takes our filter out of a fixed window where it is still the window's
// procedure; false when it stays in the window's chain.
static bool RemoveFilter(FilteredWindow* window, WNDPROC filter)
{
    if (!window->installed) return true;
    if (!IsWindow(window->hwnd)) {
        window->installed = false;  // gone with its window
        return true;
    }
    if ((WNDPROC)GetWindowLongPtrA(window->hwnd, GWLP_WNDPROC) != filter) return false;
    PutBack(window);
    return true;
}

void __cdecl PluginQuit(void)
{
    SaveLockSettings();

    // The player may unload us after quit while its windows live on: hand
    // every window back its own procedure, last filtered first. Where some
    // other subclass sits on top of ours we cannot, and the DLL stays loaded.
    bool removed = RestoreGenWindows();
    removed = RemoveFilter(&g_mainWindow, MainFilterProc) && removed;
    removed = RemoveFilter(&g_videoWindow, VideoFilterProc) && removed;
    removed = RemoveFilter(&g_playlistWindow, PlaylistFilterProc) && removed;
    removed = RemoveFilter(&g_equalizerWindow, EqualizerFilterProc) && removed;
    if (!removed) {
        HMODULE self;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           (LPCSTR)&g_pluginRecord, &self);
    }
}

// The plug-in's face to the player: the exported record, init, config and quit.
// The top layer: it uses the filters, the settings and the dialog.
#include <windows.h>

#include "dialog/config_dialog.h"
#include "filters/filter_gate.h"
#include "filters/gen_windows.h"
#include "host/host_interface.h"
#include "settings/lock_settings.h"

static int __cdecl PluginInit(void);
static void __cdecl PluginConfig(void);
static void __cdecl PluginQuit(void);

PluginRecord g_pluginRecord = {
    kPluginRecordVersion,
    TAVRIN_PLUGIN_NAME " " TAVRIN_PLUGIN_VERSION,
    PluginInit,
    PluginConfig,
    PluginQuit,
    0,
    0,
};

bool g_newerHost;
static const char* g_iniPath;  // the player's own string, not copied

extern "C" __declspec(dllexport) PluginRecord* __cdecl winampGetGeneralPurposePlugin(void)
{
    return &g_pluginRecord;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

// Asks the player for one fixed window and filters it.
static bool FilterHostWindow(Subclass* window, WPARAM which, WNDPROC filter)
{
    HWND hwnd = (HWND)SendHostRequest(which, kRequestWindowHandle);
    if (!hwnd || !IsWindow(hwnd)) {
        window->hwnd = hwnd;
        return false;
    }
    return InstallSubclass(window, hwnd, filter);
}

static void RollBack(Subclass* const* installed, int count)
{
    while (count-- > 0) PutBackSubclass(installed[count]);
}

static int __cdecl PluginInit(void)
{
    int version = (int)SendHostRequest(0, kRequestVersion);
    if (version <= kMinimumHostVersion) {
        MessageBoxA(g_pluginRecord.hwndParent, "This plugin requires Winamp 2.9+   \nin order to work properly.",
                    TAVRIN_PLUGIN_NAME, MB_ICONERROR | MB_OK);
        return 1;
    }
    g_newerHost = version > kNewerHostVersion;

    Subclass* const order[] = {&g_equalizerWindow, &g_playlistWindow, &g_videoWindow};
    const WPARAM which[] = {kWindowEqualizer, kWindowPlaylist, kWindowVideo};
    const WNDPROC filters[] = {EqualizerFilterProc, PlaylistFilterProc, VideoFilterProc};
    for (int i = 0; i < 3; ++i) {
        if (!FilterHostWindow(order[i], which[i], filters[i])) {
            RollBack(order, i);
            return 1;
        }
    }
    if (!InstallSubclass(&g_mainWindow, g_pluginRecord.hwndParent, MainFilterProc)) {
        RollBack(order, 3);
        return 1;
    }

    g_iniPath = (const char*)SendHostRequest(0, kRequestIniPath);
    LoadLockSettings(g_iniPath);
    return 0;
}

static void __cdecl PluginConfig(void)
{
    RunConfigDialog(g_pluginRecord.hDllInstance);
}

static void __cdecl PluginQuit(void)
{
    SaveLockSettings(g_iniPath);

    // The player may unload us after quit while its windows live on: hand
    // every window back its own procedure, last filtered first. Where some
    // other subclass sits on top of ours we cannot, and the DLL stays loaded.
    bool removed = RestoreGenWindows();
    removed = RemoveSubclass(&g_mainWindow, MainFilterProc) && removed;
    removed = RemoveSubclass(&g_videoWindow, VideoFilterProc) && removed;
    removed = RemoveSubclass(&g_playlistWindow, PlaylistFilterProc) && removed;
    removed = RemoveSubclass(&g_equalizerWindow, EqualizerFilterProc) && removed;
    if (!removed) {
        HMODULE self;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           (LPCSTR)&g_pluginRecord, &self);
    }
}

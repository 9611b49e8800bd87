// Process-wide state of the plug-in, all zero at load and set by PluginInit.
#ifndef TAVRIN_PLUGIN_PLUGIN_STATE_H
#define TAVRIN_PLUGIN_PLUGIN_STATE_H

#include <windows.h>

// One of the player's four fixed windows and the procedure its filter hands on to.
struct FilteredWindow {
    HWND hwnd;          // for the main window: the handle it was installed on
    WNDPROC previous;
    bool installed;     // our filter is in this window's chain
};

extern FilteredWindow g_equalizerWindow;
extern FilteredWindow g_playlistWindow;
extern FilteredWindow g_videoWindow;
extern FilteredWindow g_mainWindow;

extern bool g_newerHost;           // host version above 20483
extern const char* g_iniPath;      // the player's own string, not copied

int __cdecl PluginInit(void);
void __cdecl PluginConfig(void);
void __cdecl PluginQuit(void);

#endif

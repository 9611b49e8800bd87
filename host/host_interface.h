// What passes between the player and this plug-in: the record the export
// returns, the numbered requests we send to the player's main window and the
// message it sends us. The lowest layer: everything else may include it, it
// includes nothing of ours.
#ifndef TAVRIN_HOST_HOST_INTERFACE_H
#define TAVRIN_HOST_HOST_INTERFACE_H

#include <windows.h>
#include <stddef.h>

// The player calls the record's three operations as plain C functions.
typedef int(__cdecl* PluginInitFn)(void);
typedef void(__cdecl* PluginConfigFn)(void);
typedef void(__cdecl* PluginQuitFn)(void);

struct PluginRecord {
    int version;              // 0x10
    const char* description;  // "Tavrin Winamp Plugin 2.3"
    PluginInitFn init;        // returns 0 on success, 1 on failure
    PluginConfigFn config;
    PluginQuitFn quit;
    HWND hwndParent;          // the player's main window, set before init
    HINSTANCE hDllInstance;   // this DLL, set before init
};

#if !defined(_WIN64)
// The player reads the record as seven 32-bit fields.
static_assert(offsetof(PluginRecord, version) == 0, "record layout");
static_assert(offsetof(PluginRecord, description) == 4, "record layout");
static_assert(offsetof(PluginRecord, init) == 8, "record layout");
static_assert(offsetof(PluginRecord, config) == 12, "record layout");
static_assert(offsetof(PluginRecord, quit) == 16, "record layout");
static_assert(offsetof(PluginRecord, hwndParent) == 20, "record layout");
static_assert(offsetof(PluginRecord, hDllInstance) == 24, "record layout");
static_assert(sizeof(PluginRecord) == 28, "record layout");
#endif

const int kPluginRecordVersion = 0x10;
#define TAVRIN_PLUGIN_NAME "Tavrin Winamp Plugin"
#define TAVRIN_PLUGIN_VERSION "2.3"

// Requests: SendMessageA(main window, WM_USER, wParam, request number).
const LPARAM kRequestVersion = 0;        // wParam 0: version, signed
const LPARAM kRequestWindowHandle = 260; // wParam 0, 1, 3: equalizer, playlist, video
const LPARAM kRequestIniPath = 334;      // wParam 0: char* or 0
const LPARAM kRequestScale = 608;        // wParam 0: right-shift of press points
const LPARAM kRequestPlaying = 104;      // wParam 0: non-zero while playing
const LPARAM kRequestShaded = 638;       // wParam -1 main, 0 equalizer, 1 playlist

const WPARAM kWindowEqualizer = 0;
const WPARAM kWindowPlaylist = 1;
const WPARAM kWindowVideo = 3;

const WPARAM kShadeMain = (WPARAM)-1;
const WPARAM kShadeEqualizer = 0;
const WPARAM kShadePlaylist = 1;

// The player sends its own main window WM_USER, wParam 0, lParam 503 when
// generic frames may have appeared.
const LPARAM kHostMessageGenFrames = 503;

// The video window moves itself with WM_USER + 0x100, wParam 1, lParam a
// POINT* (the new top-left on the screen): when its frame is dragged, and when
// its picture is dragged, which the frame never sees as a press.
const UINT kVideoMoveCommand = WM_USER + 0x100;
const WPARAM kVideoMoveTo = 1;

const int kMinimumHostVersion = 0x208F;  // 8335 and below are refused
const int kNewerHostVersion = 0x5003;    // above 20483: shade is asked, not measured

// The one record, defined with the export (plugin/plugin.cpp); the player
// fills in hwndParent and hDllInstance before init.
extern PluginRecord g_pluginRecord;

// Set once by init from the version: above 20483 the shade is asked with
// request 638 instead of being measured.
extern bool g_newerHost;

// Sends one request to the player's main window, read from the record each
// time. Requests carry numbers only, so the ANSI call serves every window.
inline LRESULT SendHostRequest(WPARAM wParam, LPARAM request)
{
    return SendMessageA(g_pluginRecord.hwndParent, WM_USER, wParam, request);
}

#endif

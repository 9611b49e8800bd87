// A minimal player for gen_tavrin.dll: four skinned-window stand-ins that
// answer the player's numbered requests and record them, generic frames, and
// the plug-in loaded and driven the way the player drives it.
#ifndef TAVRIN_TOOLS_HOST_STANDIN_H
#define TAVRIN_TOOLS_HOST_STANDIN_H

#include <windows.h>

#include <vector>

enum HostWindowId { kHostMain, kHostEqualizer, kHostPlaylist, kHostVideo, kHostWindowCount };

// One request the plug-in sent to the main window: WM_USER, wParam, number.
struct HostRequestRecord {
    WPARAM wParam;
    LPARAM request;
    bool operator==(const HostRequestRecord& o) const { return wParam == o.wParam && request == o.request; }
};

// One message that reached a stand-in's own window procedure.
struct HostMessageRecord {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The stand-in's answers to the requests; tests change them at will.
struct HostAnswers {
    LRESULT version;
    LRESULT scale;
    LRESULT playing;
    LRESULT shadedMain;
    LRESULT shadedEqualizer;
    LRESULT shadedPlaylist;
    bool fakeHandles;      // answer 260 with the three handles below
    HWND equalizer;
    HWND playlist;
    HWND video;
    const char* iniPath;   // 0: the host has no ini file
};

// What a stand-in procedure returns for a mouse or test message it records,
// so that tests see results handed back unchanged.
const LRESULT kHostResult = 0x7A5A;
const LRESULT kHostGenFramesResult = 0x1503;
const LRESULT kNewerHostVersion = 0x5010;

extern HostAnswers g_answers;
extern std::vector<HostRequestRecord> g_requests;
extern std::vector<HostMessageRecord> g_messages;
extern bool g_hostDrags;   // a left press on a stand-in window starts dragging it
// The stand-in's windows are Unicode windows, as the 5.x player's are; false
// makes ANSI windows, as older players did. Read when windows are created.
extern bool g_hostUnicode;

void ResetHostAnswers();
void ClearHostRecords();
bool CreateHostWindows(bool visible);
void DestroyHostWindows();
HWND HostWindow(HostWindowId id);
// The stand-in's own window procedure in its character set, and a window's
// current procedure read in that set.
WNDPROC HostProcedure();
WNDPROC CurrentProcedure(HWND hwnd);
void SetHostWindowSize(HostWindowId id, int width, int height);
// A generic frame of this process on the calling thread, class and title as given.
HWND CreateGenFrame(const char* className, const char* title, int x, int y, int width, int height, bool visible);
// Messages of one kind that reached the stand-in procedure of one window.
std::vector<HostMessageRecord> MessagesTo(HWND hwnd, UINT message);

// The record as the player reads it: seven fields, 32-bit each on the shipped build.
struct HostPluginRecord {
    int version;
    const char* description;
    int(__cdecl* init)(void);
    void(__cdecl* config)(void);
    void(__cdecl* quit)(void);
    HWND hwndParent;
    HINSTANCE hDllInstance;
};

bool LoadPlugin(const char* path);
HostPluginRecord* Plugin();
HMODULE PluginModule();
int InitPlugin();   // fills the two host fields, then calls init
void ConfigPlugin();
void QuitPlugin();
void UnloadPlugin();

#endif

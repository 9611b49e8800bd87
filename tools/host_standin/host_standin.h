// A minimal player for gen_tavrin.dll: four skinned-window stand-ins that
// answer the player's numbered requests and record them, generic frames, and
// the plug-in loaded and driven the way the player drives it.
#ifndef TAVRIN_TOOLS_HOST_STANDIN_H
#define TAVRIN_TOOLS_HOST_STANDIN_H

#include <windows.h>

#include <string>
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
    // Player settings that no request reports.
    bool easyMove;             // an unclaimed press drags the window (default on)
    bool equalizerDoubleSize;  // the equalizer doubles with double size (default on)
};

// What a stand-in procedure returns for a mouse or test message it records,
// so that tests see results handed back unchanged.
const LRESULT kHostResult = 0x7A5A;
const LRESULT kHostGenFramesResult = 0x1503;
const LRESULT kNewerHostVersion = 0x5010;

extern HostAnswers g_answers;
extern std::vector<HostRequestRecord> g_requests;
extern std::vector<HostMessageRecord> g_messages;
// The stand-in handles the mouse as the player does (player_mouse.cpp):
// claims, drags, resizes, release actions, double-clicks, the video picture.
// Off, it only records and answers, so that single messages can be checked.
extern bool g_hostMouse;
// The stand-in's windows are Unicode windows, as the 5.x player's are; false
// makes ANSI windows, as older players did. Read when windows are created.
extern bool g_hostUnicode;

// The video window moves itself with this message (wParam 1, lParam a
// POINT*: the new top-left on the screen); its picture sends it too. Frames
// send it to themselves unhandled, and the size command before a resize.
const UINT kVideoMoveCommand = WM_USER + 0x100;
const UINT kGenSizeCommand = WM_USER + 0x101;

enum PlayerWindowKind { kPlayerMain, kPlayerEqualizer, kPlayerPlaylist, kPlayerVideo, kPlayerGen };

// What the player did with the mouse, one entry an action, such as
// "main release Close", "eq press Band 3", "pl drag", "video resize",
// "main dblclk Shade", "video move" (a move command applied).
extern std::vector<std::string> g_actions;

// The control of the player that claims a press at skin pixel (x, y) of a
// window width x height in skin pixels ("Grip" for a resize grip), or 0 where
// no control claims it and the press drags the window.
const char* PlayerClaim(PlayerWindowKind kind, int x, int y, int width, int height, bool shaded);
void PlayerMouse(HWND hwnd, PlayerWindowKind kind, UINT message, WPARAM wParam, LPARAM lParam);
void ResetPlayerMouse();
// Outlines the player's controls of one window, for a person trying the locks.
void PaintPlayerControls(HDC dc, PlayerWindowKind kind, int width, int height, bool shaded);

void ResetHostAnswers();
void ClearHostRecords();
bool CreateHostWindows(bool visible);
void DestroyHostWindows();
// Puts the four windows back where and as large as they were created.
void PlaceHostWindows();
HWND HostWindow(HostWindowId id);
// The video window's picture, a child that covers x 11..W-9, y 20..H-39.
HWND HostVideoPicture();
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

// Saves what the screen shows in a rectangle as a 24-bit BMP file.
bool SaveScreenPicture(const RECT& area, const char* path);

bool LoadPlugin(const char* path);
HostPluginRecord* Plugin();
HMODULE PluginModule();
int InitPlugin();   // fills the two host fields, then calls init
void ConfigPlugin();
void QuitPlugin();
void UnloadPlugin();

#endif

// host_standin.exe: try the locks by hand. It shows the player's four windows
// and a library frame with their controls outlined, loads the plug-in, and
// handles the mouse as the player does: presses on a control act on it, a
// press anywhere else drags the window (easy move), the grips resize, and a
// double-click on the main window's title strip toggles windowshade. Every
// action the player would take is printed instead of taken (Close does not
// close). Keys, on any of its windows: C opens the plug-in's dialog, P
// toggles playing, E toggles easy move, Escape quits.
//
//   host_standin.exe [--ini FILE] [--old-host] [--ansi] [--picture FILE.bmp] [path\to\gen_tavrin.dll]
//
// --ansi makes ANSI windows, as players before 5.x did; --picture saves what
// the screen shows after a moment as a BMP and quits.
#include <stdio.h>
#include <string.h>

#include "host_standin.h"

static void RedrawAll()
{
    for (int i = 0; i < kHostWindowCount; ++i) InvalidateRect(HostWindow((HostWindowId)i), 0, TRUE);
}

// Keys go to whichever of the windows has the focus.
static bool HandleKey(WPARAM key)
{
    switch (key) {
    case 'C': ConfigPlugin(); return true;
    case 'P':
        g_answers.playing = !g_answers.playing;
        printf("playing: %s\n", g_answers.playing ? "yes" : "no");
        RedrawAll();
        return true;
    case 'E':
        g_answers.easyMove = !g_answers.easyMove;
        printf("easy move: %s\n", g_answers.easyMove ? "on" : "off");
        return true;
    case VK_ESCAPE: PostQuitMessage(0); return true;
    }
    return false;
}

int main(int argc, char** argv)
{
    const char* dll = "gen_tavrin.dll";
    const char* picture = 0;
    static char ini[MAX_PATH];
    ResetHostAnswers();
    // The settings go to the temporary folder unless a file is named.
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    snprintf(ini, sizeof(ini), "%shost_standin.ini", temp);
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--ini") && i + 1 < argc) GetFullPathNameA(argv[++i], sizeof(ini), ini, 0);
        else if (!strcmp(argv[i], "--old-host")) g_answers.version = 0x2900;
        else if (!strcmp(argv[i], "--ansi")) g_hostUnicode = false;
        else if (!strcmp(argv[i], "--picture") && i + 1 < argc) picture = argv[++i];
        else dll = argv[i];
    }
    g_answers.iniPath = ini;
    g_hostMouse = true;
    if (!CreateHostWindows(true)) return 2;
    HWND main = HostWindow(kHostMain);
    // The player puts the song's title on its main window, in any script.
    SetWindowTextW(main, L"1. \x5149\x306E\x901F\x3055 - \x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC - Winamp");
    if (!LoadPlugin(dll)) {
        fprintf(stderr, "cannot load %s\n", dll);
        return 2;
    }
    if (InitPlugin() != 0) {
        fprintf(stderr, "the plug-in refused this host\n");
        return 1;
    }
    CreateGenFrame("Winamp Gen", "Winamp Library", 420, 352, 275, 116, true);
    SendMessageA(main, WM_USER, 0, 503);
    printf("gen_tavrin loaded from %s, settings in %s\n", dll, ini);
    printf("%s windows; keys: C dialog, P playing, E easy move, Escape quit\n", g_hostUnicode ? "Unicode" : "ANSI");
    fflush(stdout);
    SetForegroundWindow(main);
    if (picture) SetTimer(0, 0, 1500, 0);
    size_t printed = 0;
    MSG msg;
    while (GetMessageW(&msg, 0, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd && picture) {
            RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), 520};
            SaveScreenPicture(screen, picture);
            break;
        }
        if (msg.message == WM_KEYDOWN && HandleKey(msg.wParam)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        for (; printed < g_actions.size(); ++printed) printf("%s\n", g_actions[printed].c_str());
        fflush(stdout);
        if (printed > 1000) {
            g_actions.clear();
            printed = 0;
        }
    }
    QuitPlugin();
    DestroyHostWindows();
    UnloadPlugin();
    return 0;
}

// host_standin.exe: try the locks by hand. It shows the four windows (and a
// library frame), loads the plug-in, and lets you drag the windows with the
// mouse; C on the main window opens the plug-in's dialog, Escape quits.
//
//   host_standin.exe [--ini FILE] [--old-host] [path\to\gen_tavrin.dll]
#include <stdio.h>
#include <string.h>

#include "host_standin.h"

static WNDPROC g_mainProcedure;

static LRESULT CALLBACK KeysProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == 'C') ConfigPlugin();
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) PostQuitMessage(0);
    return CallWindowProcA(g_mainProcedure, hwnd, message, wParam, lParam);
}

int main(int argc, char** argv)
{
    const char* dll = "gen_tavrin.dll";
    static char ini[MAX_PATH];
    ResetHostAnswers();
    GetFullPathNameA("host_standin.ini", sizeof(ini), ini, 0);
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--ini") && i + 1 < argc) GetFullPathNameA(argv[++i], sizeof(ini), ini, 0);
        else if (!strcmp(argv[i], "--old-host")) g_answers.version = 0x2900;
        else dll = argv[i];
    }
    g_answers.iniPath = ini;
    g_hostDrags = true;
    if (!CreateHostWindows(true)) return 2;
    HWND main = HostWindow(kHostMain);
    // The player puts the song's title on its main window, in any script.
    SetWindowTextW(main, L"1. \x5149\x306E\x901F\x3055 - \x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC - Winamp");
    g_mainProcedure = (WNDPROC)SetWindowLongPtrA(main, GWLP_WNDPROC, (LONG_PTR)KeysProc);
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
    SetForegroundWindow(main);
    MSG msg;
    while (GetMessageA(&msg, 0, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    QuitPlugin();
    DestroyHostWindows();
    UnloadPlugin();
    return 0;
}

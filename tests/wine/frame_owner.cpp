// Owns a "Winamp Gen" frame titled "Winamp Library" in a process of its own.
// Signals the event named on the command line once the frame exists, waits
// for the second event, then exits 0 if its frame still has its own procedure.
#include <windows.h>

static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(0);
    wc.lpszClassName = "Winamp Gen";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(WS_EX_TOOLWINDOW, "Winamp Gen", "Winamp Library", WS_POPUP, 10, 10, 275, 116, 0, 0,
                                 wc.hInstance, 0);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    HANDLE done = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    if (!frame || !ready || !done) return 2;
    SetEvent(ready);
    while (MsgWaitForMultipleObjects(1, &done, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    bool untouched = (WNDPROC)GetWindowLongPtrA(frame, GWLP_WNDPROC) == FrameProc;
    DestroyWindow(frame);
    return untouched ? 0 : 1;
}

// The player may free the DLL after quit while its windows live on.
#include "plugin_fixture.h"

namespace {

class Unload : public PluginTest {
protected:
    void AllWindowsAnswer(const std::vector<HWND>& windows)
    {
        for (HWND hwnd : windows) {
            EXPECT_EQ(kHostResult, SendMessageA(hwnd, WM_APP, 0, 0));
            EXPECT_EQ(kHostResult, SendMessageA(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 5)));
            EXPECT_EQ(kHostResult, SendMessageA(hwnd, WM_MOUSEMOVE, 0, 0));
        }
    }
};

TEST_F(Unload, QuitHandsEveryWindowBackItsOwnProcedure)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND frame = CreateGenFrame("Winamp Gen", "Winamp Library", 600, 400, 275, 116, false);
    SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);
    ASSERT_FALSE(OwnProcedure(frame));
    Stop();
    std::vector<HWND> windows = {HostWindow(kHostMain), HostWindow(kHostEqualizer), HostWindow(kHostPlaylist),
                                 HostWindow(kHostVideo), frame};
    for (HWND hwnd : windows) EXPECT_TRUE(OwnProcedure(hwnd));
    EXPECT_EQ(0, GetModuleHandleA("gen_tavrin.dll"));
    AllWindowsAnswer(windows);
    RECT before, after;
    GetWindowRect(frame, &before);
    SetWindowPos(frame, 0, 0, 0, 300, 120, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(frame, &after);
    EXPECT_FALSE(EqualRect(&before, &after));  // the library frame is no longer held
    DestroyWindow(frame);
}

WNDPROC g_below;
LRESULT CALLBACK SubclassOnTop(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(g_below, hwnd, message, wParam, lParam);
}

// Another subclasser sits on top of our filter: the filter must stay, and so
// must the DLL, pinned in memory.
class PinnedUnload : public Unload {};

TEST_F(PinnedUnload, SubclassOnTopKeepsTheFilterAndTheDllAlive)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND main = HostWindow(kHostMain);
    // An ANSI subclass on a Unicode window: the window now reports ANSI, but
    // our filter below it still gets Unicode messages and hands them on so.
    g_below = (WNDPROC)SetWindowLongPtrA(main, GWLP_WNDPROC, (LONG_PTR)SubclassOnTop);
    ASSERT_FALSE(IsWindowUnicode(main));
    SendMessageW(main, WM_SETTEXT, 0, (LPARAM)L"Winamp 5.9");
    wchar_t title[32] = {};
    GetWindowTextW(main, title, 32);
    EXPECT_STREQ(L"Winamp 5.9", title);
    Stop();
    EXPECT_EQ((LONG_PTR)SubclassOnTop, GetWindowLongPtrA(main, GWLP_WNDPROC));
    EXPECT_NE(nullptr, GetModuleHandleA("gen_tavrin.dll")) << "unloaded under a live filter";
    // The other windows had nothing on top and are their own again.
    for (HostWindowId w : {kHostEqualizer, kHostPlaylist, kHostVideo}) EXPECT_TRUE(OwnProcedure(HostWindow(w)));
    AllWindowsAnswer({HostWindow(kHostEqualizer), HostWindow(kHostPlaylist), HostWindow(kHostVideo)});
    EXPECT_EQ(kHostResult, SendMessageA(main, WM_APP, 0, 0));
    EXPECT_EQ(0, SendMessageA(main, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 5)));  // still locked
    SetWindowLongPtrA(main, GWLP_WNDPROC, (LONG_PTR)g_below);
}

}  // namespace

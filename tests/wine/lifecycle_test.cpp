// The plug-in's lifecycle in the host stand-in: version check, installing the
// four filters with roll-back, and a real drag on the main window.
#include "plugin_fixture.h"

#include <string>

namespace {

typedef std::vector<HostRequestRecord> Sequence;

// Catches the version message box on this thread, notes it and dismisses it.
struct CaughtBox {
    bool shown = false;
    std::string text, caption;
    HWND owner = 0;
    LONG style = 0;
};
CaughtBox g_box;
HHOOK g_hook;

LRESULT CALLBACK CatchMessageBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = (HWND)wParam;
        char buffer[256] = {};
        GetClassNameA(box, buffer, sizeof(buffer));
        if (std::string(buffer) == "#32770") {
            g_box.shown = true;
            GetWindowTextA(box, buffer, sizeof(buffer));
            g_box.caption = buffer;
            GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
            g_box.text = buffer;
            g_box.owner = GetWindow(box, GW_OWNER);
            g_box.style = GetWindowLongA(box, GWL_STYLE);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

class Lifecycle : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        g_box = CaughtBox();
        g_hook = SetWindowsHookExA(WH_CBT, CatchMessageBox, 0, GetCurrentThreadId());
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(g_hook);
        PluginTest::TearDown();
    }
    bool NoFilterInstalled() const
    {
        for (HostWindowId w : {kHostMain, kHostEqualizer, kHostPlaylist, kHostVideo}) {
            if (!OwnProcedure(HostWindow(w))) return false;
        }
        return true;
    }
};

TEST_F(Lifecycle, ExportReturnsTheRecord)
{
    HostPluginRecord* record = Plugin();
    ASSERT_TRUE(record != nullptr);
    EXPECT_EQ(0x10, record->version);
    EXPECT_STREQ("Tavrin Winamp Plugin 2.3", record->description);
    EXPECT_TRUE(record->init && record->config && record->quit);
    EXPECT_EQ(nullptr, (void*)record->hwndParent);
    typedef HostPluginRecord*(__cdecl * GetRecord)(void);
    GetRecord get = (GetRecord)(void*)GetProcAddress(PluginModule(), "winampGetGeneralPurposePlugin");
    EXPECT_EQ(record, get());  // the one static record, every time
}

TEST_F(Lifecycle, InitAsksInOrderAndFiltersAllFourWindows)
{
    ASSERT_EQ(0, Start(kAllLocked));
    const Sequence expected = {{0, 0}, {0, 260}, {1, 260}, {3, 260}, {0, 334}};
    EXPECT_EQ(expected, initRequests_);
    for (HostWindowId w : {kHostMain, kHostEqualizer, kHostPlaylist, kHostVideo}) {
        EXPECT_FALSE(OwnProcedure(HostWindow(w))) << w;
    }
    EXPECT_FALSE(g_box.shown);
}

TEST_F(Lifecycle, TooOldAHostGetsTheVersionMessage)
{
    for (LRESULT version : {(LRESULT)8335, (LRESULT)-1, (LRESULT)(int)0x80000000, (LRESULT)0}) {
        ASSERT_TRUE(Reload());
        g_box = CaughtBox();
        EXPECT_EQ(1, Start(kAllLocked, version)) << version;
        ASSERT_TRUE(g_box.shown) << version;
        EXPECT_EQ("This plugin requires Winamp 2.9+   \nin order to work properly.", g_box.text);
        EXPECT_EQ("Tavrin Winamp Plugin", g_box.caption);
        EXPECT_EQ(HostWindow(kHostMain), g_box.owner);
        EXPECT_EQ(Sequence({{0, 0}}), initRequests_);
        EXPECT_TRUE(NoFilterInstalled());
    }
    ASSERT_TRUE(Reload());
    g_box = CaughtBox();
    EXPECT_EQ(0, Start(kAllLocked, 8336));
    EXPECT_FALSE(g_box.shown);
    EXPECT_FALSE(NoFilterInstalled());
}

// 20483 and below: the shade is measured; above: it is asked with request 638.
TEST_F(Lifecycle, NewerHostFlagFollowsTheVersion)
{
    const struct {
        LRESULT version;
        bool asks;
    } cases[] = {{8336, false}, {20483, false}, {20484, true}, {0x7FFFFFFF, true}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(kAllLocked, c.version));
        Passes(HostWindow(kHostMain), 100, 5);
        bool asked = false;
        for (const HostRequestRecord& r : Requests()) asked = asked || r.request == 638;
        EXPECT_EQ(c.asks, asked) << c.version;
    }
}

TEST_F(Lifecycle, MissingWindowsRollBackWhatWasInstalled)
{
    HWND notAWindow = (HWND)(LONG_PTR)0x7FF4;
    struct {
        const char* what;
        HWND equalizer, playlist, video;
        size_t requests;  // how far init asked
    } const cases[] = {
        {"no equalizer", 0, HostWindow(kHostPlaylist), HostWindow(kHostVideo), 2},
        {"equalizer not a window", notAWindow, HostWindow(kHostPlaylist), HostWindow(kHostVideo), 2},
        {"no playlist", HostWindow(kHostEqualizer), 0, HostWindow(kHostVideo), 3},
        {"playlist not a window", HostWindow(kHostEqualizer), notAWindow, HostWindow(kHostVideo), 3},
        {"no video", HostWindow(kHostEqualizer), HostWindow(kHostPlaylist), 0, 4},
        {"video not a window", HostWindow(kHostEqualizer), HostWindow(kHostPlaylist), notAWindow, 4},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        g_answers.fakeHandles = true;
        g_answers.equalizer = c.equalizer;
        g_answers.playlist = c.playlist;
        g_answers.video = c.video;
        EXPECT_EQ(1, Start("77777777")) << c.what;
        EXPECT_TRUE(NoFilterInstalled()) << c.what;
        EXPECT_EQ(c.requests, initRequests_.size()) << c.what;
        EXPECT_FALSE(g_box.shown);
        // A failed init loads nothing: quit writes nothing.
        std::string before = ReadIni();
        Stop();
        EXPECT_EQ(before, ReadIni()) << c.what;
    }
}

// A second init finds its filters in place and leaves them: the windows go on
// answering instead of calling themselves forever.
TEST_F(Lifecycle, SecondInitLeavesTheFiltersAsTheyAre)
{
    ASSERT_EQ(0, Start(kAllLocked));
    WNDPROC filters[kHostWindowCount];
    for (int w = 0; w < kHostWindowCount; ++w) filters[w] = (WNDPROC)GetWindowLongPtrA(HostWindow((HostWindowId)w), GWLP_WNDPROC);
    EXPECT_EQ(0, InitPlugin());
    for (int w = 0; w < kHostWindowCount; ++w) {
        EXPECT_EQ(filters[w], (WNDPROC)GetWindowLongPtrA(HostWindow((HostWindowId)w), GWLP_WNDPROC));
    }
    EXPECT_TRUE(Passes(HostWindow(kHostMain), 10, 5));
    EXPECT_FALSE(Passes(HostWindow(kHostMain), 100, 5));
    EXPECT_EQ(kHostResult, SendMessageA(HostWindow(kHostVideo), WM_APP, 0, 0));
}

// A real drag with the mouse: the stand-in's main window drags itself on a left
// press, as a skinned player window does.
class Drag : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        DestroyHostWindows();
        ASSERT_TRUE(CreateHostWindows(true));
        g_hostMouse = true;
    }

    RECT DragTitle(bool withCtrl)
    {
        HWND main = HostWindow(kHostMain);
        SetForegroundWindow(main);
        PumpMessages(50);
        RECT r;
        GetWindowRect(main, &r);
        SetCursorPos(r.left + 120, r.top + 6);
        PumpMessages(50);
        INPUT in[6] = {};
        int n = 0;
        if (withCtrl) {
            in[n].type = INPUT_KEYBOARD;
            in[n++].ki.wVk = VK_CONTROL;
        }
        in[n].type = INPUT_MOUSE;
        in[n++].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(n, in, sizeof(INPUT));
        PumpMessages(100);
        for (int step = 1; step <= 5; ++step) {
            SetCursorPos(r.left + 120 + 12 * step, r.top + 6 + 8 * step);
            PumpMessages(30);
        }
        INPUT up[2] = {};
        n = 0;
        up[n].type = INPUT_MOUSE;
        up[n++].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        if (withCtrl) {
            up[n].type = INPUT_KEYBOARD;
            up[n].ki.wVk = VK_CONTROL;
            up[n++].ki.dwFlags = KEYEVENTF_KEYUP;
        }
        SendInput(n, up, sizeof(INPUT));
        PumpMessages(100);
        RECT after;
        GetWindowRect(main, &after);
        OffsetRect(&after, -r.left, -r.top);
        return after;  // how far the window went
    }
};

TEST_F(Drag, LockedMainWindowStaysUnlockedOneMoves)
{
    ASSERT_EQ(0, Start(kAllLocked));
    RECT moved = DragTitle(false);
    EXPECT_EQ(0, moved.left);
    EXPECT_EQ(0, moved.top);
    EXPECT_TRUE(MessagesTo(HostWindow(kHostMain), WM_LBUTTONDOWN).empty());

    ASSERT_TRUE(Reload());
    ASSERT_EQ(0, Start("01111111"));
    moved = DragTitle(false);
    EXPECT_EQ(60, moved.left);
    EXPECT_EQ(40, moved.top);
}

TEST_F(Drag, CtrlDragMovesALockedWindow)
{
    ASSERT_EQ(0, Start(kAllLocked));
    RECT moved = DragTitle(true);
    EXPECT_EQ(60, moved.left);
    EXPECT_EQ(40, moved.top);
}

}  // namespace

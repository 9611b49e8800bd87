// The player's windows keep their character set through our filters: Unicode
// windows stay Unicode (every character of a title or a typed key arrives),
// ANSI windows of older players stay ANSI.
#include "plugin_fixture.h"

namespace {

// A song title in Japanese and Greek, as the player puts it on its main window.
const wchar_t kTitle[] = L"1. \x5149\x306E\x901F\x3055 - \x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC - Winamp";
const wchar_t kTypedCharacter = 0x5149;

class CharacterSets : public PluginTest {
protected:
    void TearDown() override
    {
        PluginTest::TearDown();
        if (frame_) DestroyWindow(frame_);
    }

    // The four fixed windows and a library frame, all filtered.
    std::vector<HWND> StartWithFrame()
    {
        EXPECT_EQ(0, Start(kAllLocked));
        frame_ = CreateGenFrame("Winamp Gen", "Winamp Library", 600, 400, 275, 116, false);
        SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);
        std::vector<HWND> windows = {HostWindow(kHostMain), HostWindow(kHostEqualizer), HostWindow(kHostPlaylist),
                                     HostWindow(kHostVideo), frame_};
        for (HWND hwnd : windows) EXPECT_FALSE(OwnProcedure(hwnd)) << "not filtered";
        return windows;
    }

    HWND frame_ = 0;
};

TEST_F(CharacterSets, UnicodeWindowsKeepEveryCharacter)
{
    std::vector<HWND> windows = StartWithFrame();
    for (HWND hwnd : windows) {
        EXPECT_TRUE(IsWindowUnicode(hwnd)) << hwnd;
        EXPECT_TRUE(SendMessageW(hwnd, WM_SETTEXT, 0, (LPARAM)kTitle));
        wchar_t back[128] = {};
        GetWindowTextW(hwnd, back, 128);
        EXPECT_STREQ(kTitle, back) << hwnd;
        ClearHostRecords();
        SendMessageW(hwnd, WM_CHAR, kTypedCharacter, 1);
        std::vector<HostMessageRecord> typed = MessagesTo(hwnd, WM_CHAR);
        ASSERT_EQ(1u, typed.size());
        EXPECT_EQ((WPARAM)kTypedCharacter, typed[0].wParam) << hwnd;
    }
    // The locks still hold, and quit leaves them Unicode windows.
    EXPECT_FALSE(Passes(HostWindow(kHostMain), 100, 5));
    EXPECT_TRUE(Passes(HostWindow(kHostMain), 10, 5));
    Stop();
    for (HWND hwnd : windows) {
        EXPECT_TRUE(OwnProcedure(hwnd));
        EXPECT_TRUE(IsWindowUnicode(hwnd));
    }
}

// Older players made ANSI windows: the filters go in with the ANSI functions
// and the windows stay as they were.
TEST_F(CharacterSets, AnsiWindowsStayAnsi)
{
    DestroyHostWindows();
    g_hostUnicode = false;
    ASSERT_TRUE(CreateHostWindows(false));
    std::vector<HWND> windows = StartWithFrame();
    for (HWND hwnd : windows) {
        EXPECT_FALSE(IsWindowUnicode(hwnd)) << hwnd;
        SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM) "Winamp 2.91");
        char back[64] = {};
        GetWindowTextA(hwnd, back, sizeof(back));
        EXPECT_STREQ("Winamp 2.91", back);
    }
    EXPECT_FALSE(Passes(HostWindow(kHostMain), 100, 5));
    EXPECT_TRUE(Passes(HostWindow(kHostMain), 10, 5));
    Stop();
    for (HWND hwnd : windows) {
        EXPECT_TRUE(OwnProcedure(hwnd));
        EXPECT_FALSE(IsWindowUnicode(hwnd));
    }
}

}  // namespace

// Real mouse gestures with SendInput on the stand-in, which handles the mouse
// as the player does: it claims presses on its controls, drags its windows
// from anywhere else (easy move), resizes them from their grips, runs release
// actions and double-click actions, and moves the video window when its
// picture is dragged. What it did is recorded as actions; window moves are real.
#include "plugin_fixture.h"

#include <string>

namespace {

enum Target { kMainWindow, kEqualizerWindow, kPlaylistWindow, kVideoFrame, kVideoPicture, kLibraryFrame };

struct Point {
    int x, y;
};

// A press at one point of the target window (client pixels), five pointer
// steps to a second point, and the release there. A double-click gesture
// clicks at the press point first, so that its press arrives as a double-click.
struct MouseGesture {
    const char* name;
    Target target;
    Point press;
    Point release;
    bool doubleClick;
};

typedef std::vector<std::string> Actions;

struct Outcome {
    bool moved;
    bool resized;
    Actions actions;  // consecutive repeats (one "video move" a pointer step) counted once
};

class MouseGestures : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        DestroyHostWindows();
        ASSERT_TRUE(CreateHostWindows(true));
        library_ = CreateGenFrame("Winamp Gen", "Winamp Library", 420, 352, 275, 116, true);
        ASSERT_TRUE(library_ != nullptr);
        g_hostMouse = true;
    }

    void TearDown() override
    {
        if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) Button(MOUSEEVENTF_LEFTUP);
        Key(VK_CONTROL, false);
        PluginTest::TearDown();
        DestroyWindow(library_);
    }

    int StartLocked(const char* flags)
    {
        int result = Start(flags);
        SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);  // the library frame is filtered too
        return result;
    }

    HWND WindowOf(Target t) const
    {
        switch (t) {
        case kMainWindow: return HostWindow(kHostMain);
        case kEqualizerWindow: return HostWindow(kHostEqualizer);
        case kPlaylistWindow: return HostWindow(kHostPlaylist);
        case kVideoFrame:
        case kVideoPicture: return HostWindow(kHostVideo);
        case kLibraryFrame: return library_;
        }
        return 0;
    }

    static void Button(DWORD flags)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof(in));
        PumpMessages(30);
    }

    static void Key(WORD key, bool down)
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof(in));
    }

    // Plays one gesture. With ctrl, Ctrl is held from before the press to
    // after the release; Wine reads the modifiers again when a window moves,
    // so Ctrl is pressed again before every pointer step.
    Outcome Play(const MouseGesture& g, bool ctrl)
    {
        PlaceHostWindows();
        SetWindowPos(library_, 0, 420, 352, 275, 116, SWP_NOZORDER | SWP_NOACTIVATE);
        PumpMessages(30);
        ClearHostRecords();
        HWND hwnd = WindowOf(g.target);
        RECT before;
        GetWindowRect(hwnd, &before);
        POINT from = {before.left + g.press.x, before.top + g.press.y};
        POINT to = {before.left + g.release.x, before.top + g.release.y};
        SetCursorPos(from.x, from.y);
        PumpMessages(30);
        // A right click first: the left press that follows is never taken as
        // the second half of a double-click with the gesture before.
        Button(MOUSEEVENTF_RIGHTDOWN);
        Button(MOUSEEVENTF_RIGHTUP);
        if (ctrl) Key(VK_CONTROL, true);
        if (g.doubleClick) {
            Button(MOUSEEVENTF_LEFTDOWN);
            Button(MOUSEEVENTF_LEFTUP);
        }
        Button(MOUSEEVENTF_LEFTDOWN);
        PumpMessages(30);
        for (int step = 1; step <= 5; ++step) {
            if (ctrl) Key(VK_CONTROL, true);
            SetCursorPos(from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5);
            PumpMessages(30);
        }
        Button(MOUSEEVENTF_LEFTUP);
        if (ctrl) Key(VK_CONTROL, false);
        PumpMessages(60);
        RECT after;
        GetWindowRect(hwnd, &after);
        Outcome o;
        o.moved = after.left != before.left || after.top != before.top;
        o.resized = after.right - after.left != before.right - before.left ||
                    after.bottom - after.top != before.bottom - before.top;
        for (const std::string& a : g_actions) {
            if (o.actions.empty() || o.actions.back() != a) o.actions.push_back(a);
        }
        return o;
    }

    HWND library_ = 0;
};

// Gestures that move or resize an unlocked window, or one pressed with Ctrl,
// and must do nothing at all to a locked one.
const struct {
    MouseGesture gesture;
    bool moves, resizes;
    Actions unlocked;  // what the player does when the press reaches it
} kDrags[] = {
    {{"main: title strip, slide over Close", kMainWindow, {100, 5}, {268, 7}, false}, true, false, {"main drag"}},
    {{"main: display, drag", kMainWindow, {150, 50}, {210, 90}, false}, true, false, {"main drag"}},
    {{"main: double-click and drag", kMainWindow, {150, 50}, {210, 90}, true}, true, false, {"main drag"}},
    // Displays that are no control of the player's: with easy move they drag.
    {{"main: bitrate display, drag", kMainWindow, {115, 45}, {175, 85}, false}, true, false, {"main drag"}},
    {{"main: visualisation while stopped, drag", kMainWindow, {50, 50}, {110, 90}, false}, true, false,
     {"main drag"}},
    {{"main: between windowshade and close, drag", kMainWindow, {263, 7}, {200, 47}, false}, true, false,
     {"main drag"}},
    {{"eq: title, slide over Close", kEqualizerWindow, {100, 5}, {268, 7}, false}, true, false, {"eq drag"}},
    {{"eq: title, release on ON", kEqualizerWindow, {100, 5}, {20, 24}, false}, true, false, {"eq drag"}},
    {{"eq: sweep over the sliders", kEqualizerWindow, {100, 25}, {250, 70}, false}, true, false, {"eq drag"}},
    {{"eq: beside a slider, drag", kEqualizerWindow, {91, 50}, {151, 90}, false}, true, false, {"eq drag"}},
    {{"pl: title, drag", kPlaylistWindow, {100, 5}, {160, 45}, false}, true, false, {"pl drag"}},
    {{"pl: grip, resize", kPlaylistWindow, {270, 111}, {320, 169}, false}, false, true, {"pl resize"}},
    {{"video: title, drag", kVideoFrame, {137, 5}, {197, 45}, false}, true, false, {"video drag", "video move"}},
    {{"video: picture, drag", kVideoPicture, {137, 100}, {197, 140}, false}, true, false, {"video move"}},
    {{"video: grip, resize", kVideoFrame, {270, 227}, {330, 290}, false}, false, true, {"video resize"}},
    {{"library: title, drag", kLibraryFrame, {100, 5}, {160, 45}, false}, true, false, {"gen drag"}},
    {{"library: title, slide over its close box", kLibraryFrame, {100, 5}, {270, 7}, false}, true, false,
     {"gen drag"}},
};

TEST_F(MouseGestures, LockedWindowsNeitherMoveNorActUnlockedOnesDo)
{
    for (const auto& c : kDrags) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, StartLocked(kAllLocked));
        Outcome locked = Play(c.gesture, false);
        EXPECT_FALSE(locked.moved) << c.gesture.name;
        EXPECT_FALSE(locked.resized) << c.gesture.name;
        EXPECT_EQ(Actions(), locked.actions) << c.gesture.name;
        EXPECT_EQ(nullptr, GetCapture()) << c.gesture.name;

        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, StartLocked(kNoneLocked));
        Outcome unlocked = Play(c.gesture, false);
        EXPECT_EQ(c.moves, unlocked.moved) << c.gesture.name;
        EXPECT_EQ(c.resizes, unlocked.resized) << c.gesture.name;
        EXPECT_EQ(c.unlocked, unlocked.actions) << c.gesture.name;
    }
}

TEST_F(MouseGestures, CtrlOnThePressLetsTheGestureThrough)
{
    ASSERT_EQ(0, StartLocked(kAllLocked));
    for (const auto& c : kDrags) {
        Outcome held = Play(c.gesture, true);
        EXPECT_EQ(c.moves, held.moved) << c.gesture.name;
        EXPECT_EQ(c.resizes, held.resized) << c.gesture.name;
        EXPECT_EQ(c.unlocked, held.actions) << c.gesture.name;
    }
}

// The controls of locked windows keep working, double-clicks included.
TEST_F(MouseGestures, ControlsAndDoubleClicksOfLockedWindowsWork)
{
    const struct {
        MouseGesture gesture;
        Actions actions;
    } cases[] = {
        {{"main: click Play", kMainWindow, {48, 95}, {48, 95}, false}, {"main press Play", "main release Play"}},
        {{"main: double-click the title strip", kMainWindow, {100, 5}, {100, 5}, true}, {"main dblclk Shade"}},
        {{"main: double-click Play", kMainWindow, {48, 95}, {48, 95}, true},
         {"main press Play", "main release Play", "main press Play", "main release Play"}},
        {{"main: press Play, release on Close", kMainWindow, {48, 95}, {268, 7}, false},
         {"main press Play", "main release Close"}},
        {{"eq: click Close", kEqualizerWindow, {268, 7}, {268, 7}, false}, {"eq press Close", "eq release Close"}},
        {{"pl: click Close", kPlaylistWindow, {270, 7}, {270, 7}, false}, {"pl press Close", "pl release Close"}},
        {{"video: click 1x", kVideoFrame, {30, 210}, {30, 210}, false}, {"video press 1x", "video release 1x"}},
        {{"library: click its close box", kLibraryFrame, {270, 7}, {270, 7}, false},
         {"gen press Close", "gen release Close"}},
    };
    ASSERT_EQ(0, StartLocked(kAllLocked));
    for (const auto& c : cases) {
        Outcome o = Play(c.gesture, false);
        EXPECT_FALSE(o.moved) << c.gesture.name;
        EXPECT_EQ(c.actions, o.actions) << c.gesture.name;
    }
}

// After a swallowed gesture, also one whose capture was taken away midway,
// the next press is the player's as usual.
TEST_F(MouseGestures, NextPressAfterASwallowedGestureIsNormal)
{
    const MouseGesture title = {"title", kMainWindow, {100, 5}, {268, 7}, false};
    const MouseGesture play = {"click Play", kMainWindow, {48, 95}, {48, 95}, false};
    const Actions played = {"main press Play", "main release Play"};
    ASSERT_EQ(0, StartLocked(kAllLocked));
    EXPECT_EQ(Actions(), Play(title, false).actions);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(played, Play(play, false).actions);

    // Press on the title, then another window takes the capture and lets it go.
    HWND main = HostWindow(kHostMain);
    RECT r;
    GetWindowRect(main, &r);
    SetCursorPos(r.left + 100, r.top + 5);
    Button(MOUSEEVENTF_RIGHTDOWN);
    Button(MOUSEEVENTF_RIGHTUP);
    Button(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(main, GetCapture());
    SetCapture(HostWindow(kHostEqualizer));
    ReleaseCapture();
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(played, Play(play, false).actions);
}

// A Ctrl press on the video window's frame starts the player's own drag,
// which moves the window through the move command: it goes on when Ctrl is
// let go before the pointer moves.
TEST_F(MouseGestures, CtrlPressOnTheVideoFrameDragsWithCtrlLetGo)
{
    ASSERT_EQ(0, StartLocked(kAllLocked));
    HWND video = HostWindow(kHostVideo);
    RECT before;
    GetWindowRect(video, &before);
    SetCursorPos(before.left + 137, before.top + 5);
    PumpMessages(30);
    Button(MOUSEEVENTF_RIGHTDOWN);
    Button(MOUSEEVENTF_RIGHTUP);
    Key(VK_CONTROL, true);
    Button(MOUSEEVENTF_LEFTDOWN);
    Key(VK_CONTROL, false);
    PumpMessages(30);
    for (int step = 1; step <= 5; ++step) {
        SetCursorPos(before.left + 137 + 12 * step, before.top + 5 + 8 * step);
        PumpMessages(30);
    }
    Button(MOUSEEVENTF_LEFTUP);
    RECT after;
    GetWindowRect(video, &after);
    EXPECT_EQ(before.left + 60, after.left);
    EXPECT_EQ(before.top + 40, after.top);
}

}  // namespace

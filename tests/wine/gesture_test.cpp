// Whole gestures, message by message: a swallowed press takes the capture and
// swallows the moves and the release that follow; the main window's
// double-clicks; the video window's move command.
#include "plugin_fixture.h"

namespace {

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Message& o) const
    {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
typedef std::vector<Message> Sequence;

void PrintTo(const Message& m, std::ostream* os)
{
    *os << "{0x" << std::hex << m.message << ", 0x" << m.wParam << ", 0x" << m.lParam << std::dec << "}";
}

// The mouse messages, move commands and capture changes that reached the
// stand-in's own procedure of one window.
Sequence Reached(HWND hwnd)
{
    Sequence seen;
    for (const HostMessageRecord& m : g_messages) {
        bool mouse = m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST;
        if (m.hwnd == hwnd && (mouse || m.message == kVideoMoveCommand || m.message == WM_CAPTURECHANGED)) {
            seen.push_back({m.message, m.wParam, m.lParam});
        }
    }
    return seen;
}

class Gesture : public PluginTest {
protected:
    void TearDown() override
    {
        ReleaseCapture();
        PluginTest::TearDown();
    }
    // Sends the messages in turn and returns the filter's results.
    std::vector<LRESULT> Send(HWND hwnd, const Sequence& messages)
    {
        std::vector<LRESULT> results;
        for (const Message& m : messages) results.push_back(SendMessageW(hwnd, m.message, m.wParam, m.lParam));
        return results;
    }
};

const LPARAM kTitle = MAKELPARAM(100, 5);
const LPARAM kClose = MAKELPARAM(268, 7);
const LPARAM kButton = MAKELPARAM(10, 5);  // the main window's top-left button

// The press on the title is swallowed with everything up to its release; the
// right button is no part of it; after the release everything reaches the
// player again.
TEST_F(Gesture, SwallowedPressSwallowsItsMovesAndRelease)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND main = HostWindow(kHostMain);
    EXPECT_EQ(0, SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, kTitle));
    EXPECT_EQ(main, GetCapture()) << "the filter holds the capture for the gesture";
    const Sequence gesture = {
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 6)}, {WM_MOUSEMOVE, MK_LBUTTON, kClose},
        {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, kClose}, {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 60000)},
        {WM_LBUTTONUP, 0, kClose}, {WM_MOUSEMOVE, 0, kClose}, {WM_LBUTTONDOWN, MK_LBUTTON, kButton},
    };
    std::vector<LRESULT> results = Send(main, gesture);
    const Sequence reached = {
        {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, kClose}, {WM_MOUSEMOVE, 0, kClose},
        {WM_LBUTTONDOWN, MK_LBUTTON, kButton},
    };
    EXPECT_EQ(reached, Reached(main));
    const std::vector<LRESULT> expected = {0, 0, kHostResult, 0, 0, kHostResult, kHostResult};
    EXPECT_EQ(expected, results);
    EXPECT_EQ(nullptr, GetCapture()) << "the capture is given back at the release";
}

// Every filtered window swallows its gestures the same way.
TEST_F(Gesture, EveryWindowSwallowsTheWholeGesture)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND frame = CreateGenFrame("Winamp Gen", "Winamp Library", 600, 400, 275, 116, false);
    SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);
    for (HWND hwnd : {HostWindow(kHostMain), HostWindow(kHostEqualizer), HostWindow(kHostPlaylist),
                      HostWindow(kHostVideo), frame}) {
        ClearHostRecords();
        const Sequence gesture = {
            {WM_LBUTTONDOWN, MK_LBUTTON, kTitle}, {WM_MOUSEMOVE, MK_LBUTTON, kClose}, {WM_LBUTTONUP, 0, kClose},
            {WM_MOUSEMOVE, 0, kClose},
        };
        Send(hwnd, gesture);
        EXPECT_EQ(Sequence({{WM_MOUSEMOVE, 0, kClose}}), Reached(hwnd)) << hwnd;
        EXPECT_EQ(nullptr, GetCapture());
    }
    DestroyWindow(frame);
}

// Another window takes the capture mid-gesture (Alt+Tab, a menu): the gesture
// is over, and the next press is decided afresh.
TEST_F(Gesture, CaptureTakenAwayEndsTheGesture)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND main = HostWindow(kHostMain);
    SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, kTitle);
    ASSERT_EQ(main, GetCapture());
    SetCapture(HostWindow(kHostEqualizer));
    ReleaseCapture();
    const Sequence after = {{WM_MOUSEMOVE, 0, kClose}, {WM_LBUTTONDOWN, MK_LBUTTON, kButton}, {WM_LBUTTONUP, 0, kButton}};
    Send(main, after);
    EXPECT_EQ(after, Reached(main)) << "the capture change went nowhere, the rest to the player";
    // A passed press starts no gesture of ours: its release reaches the player.
    ClearHostRecords();
    const Sequence passed = {{WM_LBUTTONDOWN, MK_LBUTTON, kButton}, {WM_MOUSEMOVE, MK_LBUTTON, kClose},
                             {WM_LBUTTONUP, 0, kClose}};
    Send(main, passed);
    EXPECT_EQ(passed, Reached(main));
}

// A release without a gesture (its press went elsewhere) is the player's.
TEST_F(Gesture, NothingIsSwallowedWithoutASwallowedPress)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND eq = HostWindow(kHostEqualizer);
    const Sequence messages = {{WM_MOUSEMOVE, MK_LBUTTON, kClose}, {WM_LBUTTONUP, 0, kClose},
                               {WM_CAPTURECHANGED, 0, 0}};
    Send(eq, messages);
    EXPECT_EQ(messages, Reached(eq));
}

// The main window's double-clicks: the player's own double-click targets
// pass, anything else is decided as a press and swallows its gesture. Each
// double-click asks what a press asks.
TEST_F(Gesture, MainWindowDoubleClicks)
{
    const struct {
        int x, y;
        LRESULT shaded, playing;
        bool passes;
    } cases[] = {
        {100, 5, 0, 0, true},    // title strip: windowshade
        {243, 14, 0, 0, true},   // its last cell
        {150, 50, 0, 0, false},  // no double-click action, no control: a press, swallowed
        {250, 20, 0, 0, false},
        {10, 8, 0, 0, true},     // menu icon
        {200, 30, 0, 0, true},   // song title: file info
        {50, 50, 0, 0, true},    // visualisation, also while stopped
        {48, 95, 0, 0, true},    // a button: decided as a press on it
        {270, 110, 0, 0, false}, // the frame below the buttons
        {100, 7, 1, 0, true},    // shaded: windowshade
        {150, 7, 1, 0, true},    // shaded time: a press on it
        {170, 7, 1, 0, true},    // shaded transport: a press on it
        {250, 20, 1, 0, false},
    };
    ASSERT_EQ(0, Start(kAllLocked));
    HWND main = HostWindow(kHostMain);
    for (const auto& c : cases) {
        g_answers.shadedMain = c.shaded;
        g_answers.playing = c.playing;
        ClearHostRecords();
        LRESULT result = SendMessageW(main, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(c.x, c.y));
        bool reached = MessagesTo(main, WM_LBUTTONDBLCLK).size() == 1;
        EXPECT_EQ(c.passes, reached) << c.x << "," << c.y << " shaded " << c.shaded;
        EXPECT_EQ(c.passes ? kHostResult : 0, result);
        EXPECT_EQ(c.passes ? nullptr : main, GetCapture());
        EXPECT_EQ(std::vector<HostRequestRecord>({{0, 608}, {0, 104}, {(WPARAM)-1, 638}}), Requests());
        SendMessageW(main, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    }
    // At double size the point is halved first: (100, 5) is the title strip.
    g_answers.shadedMain = 0;
    g_answers.scale = 1;
    EXPECT_EQ(kHostResult, SendMessageW(main, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 10)));
    EXPECT_EQ(0, SendMessageW(main, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 100)));
}

// The other windows' double-clicks never drag: they go on as before, unasked.
TEST_F(Gesture, OtherWindowsDoubleClicksGoStraightOn)
{
    ASSERT_EQ(0, Start(kAllLocked));
    for (HostWindowId w : {kHostEqualizer, kHostPlaylist, kHostVideo}) {
        ClearHostRecords();
        EXPECT_EQ(kHostResult, SendMessageW(HostWindow(w), WM_LBUTTONDBLCLK, MK_LBUTTON, kTitle)) << w;
        EXPECT_TRUE(Requests().empty());
        EXPECT_EQ(nullptr, GetCapture());
    }
    ASSERT_TRUE(Reload());
    ASSERT_EQ(0, Start("01111111"));
    EXPECT_EQ(kHostResult, SendMessageW(HostWindow(kHostMain), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 50)));
    EXPECT_TRUE(Requests().empty()) << "unlocked: passed unasked";
}

// The move command that the picture and the frame's own drag send: swallowed
// while the video window is locked, unless Ctrl is down or the gesture under
// way began with a press that the filter passed on the frame.
TEST_F(Gesture, VideoMoveCommand)
{
    POINT to = {300, 200};
    const LPARAM where = (LPARAM)&to;
    const struct {
        const char* flags;
        bool ctrl;
        WPARAM wParam;
        bool passes;
    } cases[] = {
        {kAllLocked, false, 1, false}, {"11101101", false, 1, true},  // unlocked video
        {"00010000", false, 1, false}, {"00000010", false, 1, false}, // either flag locks
        {kAllLocked, true, 1, true},   {kAllLocked, false, 0, true},  // Ctrl; another wParam
        {kAllLocked, false, 2, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(c.flags));
        HWND video = HostWindow(kHostVideo);
        SetCtrl(c.ctrl);
        LRESULT result = SendMessageW(video, kVideoMoveCommand, c.wParam, where);
        SetCtrl(false);
        EXPECT_EQ(c.passes ? Sequence({{kVideoMoveCommand, c.wParam, where}}) : Sequence(), Reached(video))
            << c.flags << " ctrl " << c.ctrl << " wParam " << c.wParam;
        EXPECT_EQ(c.passes ? kHostResult : 0, result);
    }
}

// A Ctrl press on the frame passes and starts the player's own drag: its move
// commands go through when Ctrl is let go, until the release. A swallowed
// press, or a passed one whose release came, lets none through.
TEST_F(Gesture, VideoMoveCommandDuringAPassedGesture)
{
    POINT to = {300, 200};
    const LPARAM where = (LPARAM)&to;
    ASSERT_EQ(0, Start(kAllLocked));
    HWND video = HostWindow(kHostVideo);
    SetCtrl(true);
    SendMessageW(video, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(137, 5));
    SetCtrl(false);
    const Sequence drag = {{WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(140, 6)}, {kVideoMoveCommand, 1, where},
                           {WM_LBUTTONUP, 0, MAKELPARAM(140, 6)}, {kVideoMoveCommand, 1, where}};
    Send(video, drag);
    const Sequence reached = {{WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(137, 5)},
                              {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(140, 6)}, {kVideoMoveCommand, 1, where},
                              {WM_LBUTTONUP, 0, MAKELPARAM(140, 6)}};
    EXPECT_EQ(reached, Reached(video));

    ClearHostRecords();
    SendMessageW(video, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(137, 5));  // swallowed
    SendMessageW(video, kVideoMoveCommand, 1, where);
    SendMessageW(video, WM_LBUTTONUP, 0, MAKELPARAM(137, 5));
    EXPECT_EQ(Sequence(), Reached(video));
}

}  // namespace

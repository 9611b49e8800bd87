// The equalizer, playlist and video filters in their windows, through the real DLL.
#include "plugin_fixture.h"

namespace {

typedef std::vector<HostRequestRecord> Sequence;

class WindowFilters : public PluginTest {};

// What one press on each window asks the player, newer and older host.
TEST_F(WindowFilters, RequestSequencesPerPress)
{
    struct {
        HostWindowId window;
        LRESULT version;
        Sequence expected;
    } const cases[] = {
        {kHostEqualizer, kNewerHostVersion, {{0, 638}}},  // the scale is its width
        {kHostEqualizer, kOlderHostVersion, {}},
        {kHostPlaylist, kNewerHostVersion, {{1, 638}}},
        {kHostPlaylist, kOlderHostVersion, {}},
        {kHostVideo, kNewerHostVersion, {}},
        {kHostVideo, kOlderHostVersion, {}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(kAllLocked, c.version));
        EXPECT_FALSE(Passes(HostWindow(c.window), 100, 5));
        EXPECT_EQ(c.expected, Requests()) << "window " << c.window << " version " << c.version;
    }
}

TEST_F(WindowFilters, CtrlAndClearedFlagsPassWithoutRequests)
{
    ASSERT_EQ(0, Start("10000000"));
    for (HostWindowId w : {kHostEqualizer, kHostPlaylist, kHostVideo}) {
        EXPECT_TRUE(Passes(HostWindow(w), 100, 5)) << w;
    }
    EXPECT_TRUE(Requests().empty());
    ASSERT_TRUE(Reload());
    ASSERT_EQ(0, Start(kAllLocked));
    SetCtrl(true);
    for (HostWindowId w : {kHostEqualizer, kHostPlaylist, kHostVideo}) {
        EXPECT_TRUE(Passes(HostWindow(w), 100, 5)) << w;
    }
    EXPECT_TRUE(Requests().empty());
}

TEST_F(WindowFilters, EqualizerScaleAndShade)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND eq = HostWindow(kHostEqualizer);
    EXPECT_TRUE(Passes(eq, 258, 7));
    EXPECT_FALSE(Passes(eq, 250, 7));
    EXPECT_TRUE(Passes(eq, 96, 50));
    EXPECT_FALSE(Passes(eq, 95, 50));
    g_answers.shadedEqualizer = 1;
    EXPECT_TRUE(Passes(eq, 61, 6));
    EXPECT_FALSE(Passes(eq, 96, 50));
    g_answers.shadedEqualizer = 0;
    // Double size on, the equalizer's own double size off: it stays 275 wide
    // and its presses are not halved, so the sliders work.
    g_answers.scale = 1;
    EXPECT_TRUE(Passes(eq, 96, 50));   // band 2
    EXPECT_TRUE(Passes(eq, 21, 90));   // preamp
    EXPECT_FALSE(Passes(eq, 95, 50));
    // Both on: 550 wide, every press halved.
    SetHostWindowSize(kHostEqualizer, 550, 232);
    EXPECT_TRUE(Passes(eq, 193, 101));  // (96, 50)
    EXPECT_FALSE(Passes(eq, 191, 101)); // (95, 50)
    g_answers.scale = 0;                // the width alone decides
    EXPECT_TRUE(Passes(eq, 193, 101));
}

// The resizable windows' flags: the move lock opens the gate, the size lock
// closes the grip as well. Each window is probed on its title, on a control
// and on two cells of its grip (the playlist 275 x 116, the video window 275 x 232).
TEST_F(WindowFilters, ResizableWindowFlagSettings)
{
    struct Probe {
        int x, y;
    };
    struct {
        HostWindowId window;
        const char* flags;
        Probe title, control, grip, gripStep;
        bool titlePasses, gripPasses;
    } const cases[] = {
        {kHostPlaylist, "00000000", {5, 5}, {100, 50}, {274, 115}, {264, 97}, true, true},
        {kHostPlaylist, "00100000", {5, 5}, {100, 50}, {274, 115}, {264, 97}, false, true},
        {kHostPlaylist, "00000100", {5, 5}, {100, 50}, {274, 115}, {264, 97}, false, false},
        {kHostPlaylist, "00100100", {5, 5}, {100, 50}, {274, 115}, {264, 97}, false, false},
        {kHostVideo, "11101101", {137, 5}, {9, 203}, {264, 213}, {274, 231}, true, true},  // other windows' flags count not
        {kHostVideo, "00010000", {137, 5}, {9, 203}, {264, 213}, {274, 231}, false, true},
        {kHostVideo, "00000010", {137, 5}, {9, 203}, {264, 213}, {274, 231}, false, false},
        {kHostVideo, "00010010", {137, 5}, {9, 203}, {264, 213}, {274, 231}, false, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(c.flags));
        HWND hwnd = HostWindow(c.window);
        EXPECT_EQ(c.titlePasses, Passes(hwnd, c.title.x, c.title.y)) << c.window << " " << c.flags;
        EXPECT_TRUE(Passes(hwnd, c.control.x, c.control.y)) << c.window << " " << c.flags;
        EXPECT_EQ(c.gripPasses, Passes(hwnd, c.grip.x, c.grip.y)) << c.window << " " << c.flags;
        EXPECT_EQ(c.gripPasses, Passes(hwnd, c.gripStep.x, c.gripStep.y)) << c.window << " " << c.flags;
    }
}

TEST_F(WindowFilters, PlaylistShadeOnAnOlderHostIsItsHeight)
{
    ASSERT_EQ(0, Start("00100000", kOlderHostVersion));
    HWND pl = HostWindow(kHostPlaylist);
    SetHostWindowSize(kHostPlaylist, 275, 14);
    EXPECT_TRUE(Passes(pl, 250, 7));  // shaded grip
    SetHostWindowSize(kHostPlaylist, 275, 15);
    EXPECT_FALSE(Passes(pl, 250, 7));
    EXPECT_TRUE(Requests().empty());
}

TEST_F(WindowFilters, PlaylistOnANewerHostAnsweringNormalUsesTheNormalTable)
{
    ASSERT_EQ(0, Start("00100000"));
    HWND pl = HostWindow(kHostPlaylist);
    SetHostWindowSize(kHostPlaylist, 275, 14);
    EXPECT_FALSE(Passes(pl, 250, 7));
    EXPECT_FALSE(Passes(pl, 20, 3));   // ty 105, below ADD
    EXPECT_TRUE(Passes(pl, 20, 0));    // ADD, ty = 0 + 102
    g_answers.shadedPlaylist = 1;
    EXPECT_TRUE(Passes(pl, 250, 7));
    EXPECT_FALSE(Passes(pl, 20, 0));
}

// The rectangle is read at every press.
TEST_F(WindowFilters, ResizingChangesTheNextDecision)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND pl = HostWindow(kHostPlaylist), video = HostWindow(kHostVideo);
    EXPECT_FALSE(Passes(pl, 385, 5));
    EXPECT_FALSE(Passes(pl, 200, 194));
    SetHostWindowSize(kHostPlaylist, 400, 232);
    EXPECT_TRUE(Passes(pl, 385, 5));
    EXPECT_TRUE(Passes(pl, 200, 194));
    EXPECT_FALSE(Passes(pl, 200, 195));

    EXPECT_FALSE(Passes(video, 390, 3));
    SetHostWindowSize(kHostVideo, 400, 300);
    EXPECT_TRUE(Passes(video, 390, 3));
    EXPECT_TRUE(Passes(video, 9, 271));
    EXPECT_FALSE(Passes(video, 9, 270));
}

// A window whose rectangle cannot be read (it is going away) gets its press:
// the filter hands it on as if no lock applied.
TEST_F(WindowFilters, UnreadableRectanglePassesThePress)
{
    ASSERT_EQ(0, Start(kAllLocked, kOlderHostVersion));
    HWND gone = (HWND)(LONG_PTR)0x7FF0;
    ASSERT_FALSE(IsWindow(gone));
    for (HostWindowId w : {kHostMain, kHostEqualizer, kHostPlaylist, kHostVideo}) {
        WNDPROC filter = (WNDPROC)GetWindowLongPtrA(HostWindow(w), GWLP_WNDPROC);
        ClearHostRecords();
        EXPECT_EQ(kHostResult, CallWindowProcA(filter, gone, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 5))) << w;
        EXPECT_EQ(1u, MessagesTo(gone, WM_LBUTTONDOWN).size()) << w;
    }
}

}  // namespace

namespace {

class PlaylistRules : public PluginTest {};

// The mini visualisation needs the playing state: the player is asked, after
// the shade, only for a press that lands there.
TEST_F(PlaylistRules, PlayingIsAskedOnlyOnTheMiniVisualisation)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND pl = HostWindow(kHostPlaylist);
    SetHostWindowSize(kHostPlaylist, 400, 232);
    const struct {
        int x, y;
        LRESULT playing;
        bool passes;
        Sequence requests;
    } cases[] = {
        {200, 215, 1, true, {{1, 638}, {0, 104}}},   // mini visualisation, playing
        {200, 215, 0, false, {{1, 638}, {0, 104}}},  // stopped: the player would drag
        {100, 100, 0, true, {{1, 638}}},              // the list
        {100, 5, 1, false, {{1, 638}}},               // the title
    };
    for (const auto& c : cases) {
        g_answers.playing = c.playing;
        ClearHostRecords();
        EXPECT_EQ(c.passes, Passes(pl, c.x, c.y)) << c.x << "," << c.y << " playing " << c.playing;
        EXPECT_EQ(c.requests, Requests()) << c.x << "," << c.y;
    }
    SetHostWindowSize(kHostPlaylist, 349, 232);  // too narrow for it
    g_answers.playing = 1;
    ClearHostRecords();
    EXPECT_FALSE(Passes(pl, 150, 215));
    EXPECT_EQ(Sequence({{1, 638}}), Requests());
}

// A press on a menu button opens its column; the player gives the next press
// anywhere in the playlist to it, so that press passes, title included. Leaving
// the playlist closes the column.
TEST_F(PlaylistRules, PressAfterAMenuButtonPasses)
{
    ASSERT_EQ(0, Start(kAllLocked));
    HWND pl = HostWindow(kHostPlaylist);
    EXPECT_FALSE(Passes(pl, 100, 5));
    EXPECT_TRUE(Passes(pl, 20, 95));   // ADD
    EXPECT_TRUE(Passes(pl, 100, 5));   // goes to the column
    EXPECT_FALSE(Passes(pl, 100, 5));  // the column is closed again
    EXPECT_TRUE(Passes(pl, 240, 95));  // LIST OPTS
    SendMessageW(pl, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Passes(pl, 100, 5));
    EXPECT_TRUE(Passes(pl, 100, 50));  // the list opens nothing
    EXPECT_FALSE(Passes(pl, 100, 5));
}

}  // namespace

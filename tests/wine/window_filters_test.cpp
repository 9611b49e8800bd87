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

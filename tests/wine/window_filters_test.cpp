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
        {kHostEqualizer, kNewerHostVersion, {{0, 608}, {0, 638}}},
        {kHostEqualizer, kOlderHostVersion, {{0, 608}}},
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
    g_answers.scale = 1;
    EXPECT_TRUE(Passes(eq, 193, 101));  // (96, 50) at double size
    EXPECT_FALSE(Passes(eq, 191, 101)); // (95, 50)
}

// The playlist's flags: the move lock opens the gate, the size lock closes the grips.
TEST_F(WindowFilters, PlaylistFlagSettings)
{
    struct {
        const char* flags;
        bool title, central, grip;
    } const cases[] = {
        {"00000000", true, true, true},
        {"00100000", false, true, true},
        {"00000100", false, true, false},
        {"00100100", false, true, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(c.flags));
        HWND pl = HostWindow(kHostPlaylist);
        EXPECT_EQ(c.title, Passes(pl, 5, 5)) << c.flags;
        EXPECT_EQ(c.central, Passes(pl, 100, 50)) << c.flags;
        EXPECT_EQ(c.grip, Passes(pl, 274, 115)) << c.flags;
        EXPECT_EQ(c.grip, Passes(pl, 264, 97)) << c.flags;
    }
}

TEST_F(WindowFilters, VideoFlagSettings)
{
    struct {
        const char* flags;
        bool title, button, grip;
    } const cases[] = {
        {"11101101", true, true, true},  // other windows' flags make no difference
        {"00010000", false, true, true},
        {"00000010", false, true, false},
        {"00010010", false, true, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(c.flags));
        HWND video = HostWindow(kHostVideo);  // 275 x 232
        EXPECT_EQ(c.title, Passes(video, 137, 5)) << c.flags;
        EXPECT_EQ(c.button, Passes(video, 9, 203)) << c.flags;
        EXPECT_EQ(c.grip, Passes(video, 264, 213)) << c.flags;
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
    EXPECT_TRUE(Passes(pl, 20, 0));    // bottom-left block 1, ty = 0 + 102
    EXPECT_FALSE(Passes(pl, 20, 3));   // ty 105
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

    EXPECT_FALSE(Passes(video, 389, 3));
    SetHostWindowSize(kHostVideo, 400, 300);
    EXPECT_TRUE(Passes(video, 389, 3));
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

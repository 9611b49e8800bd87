// MainFilterProc in the player's main window, through the real DLL.
#include "plugin_fixture.h"

namespace {

const WPARAM kAll = (WPARAM)-1;

class MainFilter : public PluginTest {
protected:
    HWND Main() const { return HostWindow(kHostMain); }
};

TEST_F(MainFilter, NewerHostAsksScalePlayingThenShade)
{
    ASSERT_EQ(0, Start(kAllLocked));
    const HostRequestRecord expected[] = {{0, 608}, {0, 104}, {kAll, 638}};
    EXPECT_TRUE(Passes(Main(), 10, 5));
    EXPECT_EQ(std::vector<HostRequestRecord>(std::begin(expected), std::end(expected)), Requests());
    ClearHostRecords();
    EXPECT_FALSE(Passes(Main(), 100, 5));  // asked wherever the press lands
    EXPECT_EQ(std::vector<HostRequestRecord>(std::begin(expected), std::end(expected)), Requests());
}

TEST_F(MainFilter, OlderHostMeasuresInsteadOfAsking)
{
    ASSERT_EQ(0, Start(kAllLocked, kOlderHostVersion));
    const HostRequestRecord expected[] = {{0, 608}, {0, 104}};
    EXPECT_FALSE(Passes(Main(), 100, 5));
    EXPECT_EQ(std::vector<HostRequestRecord>(std::begin(expected), std::end(expected)), Requests());
}

TEST_F(MainFilter, DecidesWithTheHostsAnswers)
{
    struct {
        LRESULT scale, playing, shaded;
        int x, y;
        bool passes;
    } const cases[] = {
        {0, 0, 0, 10, 5, true},    {0, 0, 0, 100, 5, false},  {0, 1, 0, 20, 77, true},
        {0, 0, 0, 20, 77, false},  {0, 5, 1, 230, 6, true},   {0, 0, 1, 230, 6, false},
        {0, 0, 2, 100, 7, false},  {0, 0, 1, 100, 7, true},   // only the answer 1 is shaded
        {1, 0, 0, 12, 6, true},    {1, 0, 0, 13, 7, true},    {1, 0, 0, 11, 5, false},
        {33, 0, 0, 13, 7, true},   {32, 0, 0, 20, 6, false},  {0, 0, 0, 65535, 5, false},
        {0, 0, 0, 5, 65535, false},
    };
    ASSERT_EQ(0, Start(kAllLocked));
    for (const auto& c : cases) {
        g_answers.scale = c.scale;
        g_answers.playing = c.playing;
        g_answers.shadedMain = c.shaded;
        EXPECT_EQ(c.passes, Passes(Main(), c.x, c.y))
            << "(" << c.x << ", " << c.y << ") scale " << c.scale << " playing " << c.playing << " shade " << c.shaded;
    }
}

TEST_F(MainFilter, CtrlDownPassesWithoutAskingButTheToggleBitDoesNot)
{
    ASSERT_EQ(0, Start(kAllLocked));
    SetCtrl(true);
    EXPECT_TRUE(Passes(Main(), 100, 5));
    EXPECT_TRUE(Requests().empty());
    SetCtrl(false, true);
    EXPECT_FALSE(Passes(Main(), 100, 5));
    EXPECT_EQ(3u, Requests().size());
}

TEST_F(MainFilter, UnlockedPassesEverywhereWithoutAsking)
{
    ASSERT_EQ(0, Start("01111111"));
    EXPECT_TRUE(Passes(Main(), 100, 5));
    EXPECT_TRUE(Passes(Main(), 65535, 65535));
    EXPECT_TRUE(Requests().empty());
}

// Everything but a left press reaches the player with its result unchanged.
TEST_F(MainFilter, OtherMessagesGoStraightOn)
{
    ASSERT_EQ(0, Start(kAllLocked));
    const UINT messages[] = {WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_APP + 7};
    for (UINT m : messages) {
        ClearHostRecords();
        EXPECT_EQ(kHostResult, SendMessageA(Main(), m, 0x11, MAKELPARAM(100, 5))) << m;
        auto seen = MessagesTo(Main(), m);
        ASSERT_EQ(1u, seen.size()) << m;
        EXPECT_EQ(0x11u, seen[0].wParam);
        EXPECT_EQ(MAKELPARAM(100, 5), seen[0].lParam);
        EXPECT_TRUE(Requests().empty());
    }
    // Other player messages too, WM_USER with other values included.
    ClearHostRecords();
    EXPECT_EQ(kHostResult, SendMessageA(Main(), WM_USER, 0, 502));
    EXPECT_EQ(1u, MessagesTo(Main(), WM_USER).size());
}

TEST_F(MainFilter, PassedPressArrivesUnchanged)
{
    ASSERT_EQ(0, Start(kAllLocked));
    EXPECT_EQ(kHostResult, SendMessageA(Main(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(10, 5)));
    auto seen = MessagesTo(Main(), WM_LBUTTONDOWN);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ((WPARAM)(MK_LBUTTON | MK_SHIFT), seen[0].wParam);
    EXPECT_EQ(MAKELPARAM(10, 5), seen[0].lParam);
}

// Older host: only a window exactly 14 pixels high is shaded. (100, 7) lies on
// a strip field of the shaded skin and on the title of the normal one.
TEST_F(MainFilter, OlderHostShadeIsExactlyFourteenPixels)
{
    ASSERT_EQ(0, Start(kAllLocked, kOlderHostVersion));
    const struct {
        int height;
        bool passes;
    } cases[] = {{14, true}, {13, false}, {15, false}, {28, false}, {116, false}};
    for (const auto& c : cases) {
        SetHostWindowSize(kHostMain, 275, c.height);
        EXPECT_EQ(c.passes, Passes(Main(), 100, 7)) << c.height;
    }
    g_answers.scale = 1;  // the height counts in screen pixels whatever the scale
    SetHostWindowSize(kHostMain, 550, 28);
    EXPECT_FALSE(Passes(Main(), 200, 14));
    SetHostWindowSize(kHostMain, 550, 14);
    EXPECT_TRUE(Passes(Main(), 200, 14));
}

}  // namespace

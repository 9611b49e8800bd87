// Every pixel of each locked window, pressed: a press passes exactly where the
// stand-in, playing the player from its own control list, claims it, and is
// swallowed wherever the player would start a drag. Moves only are locked, so
// that the grips count as controls too.
#include "plugin_fixture.h"

#include <stdio.h>

namespace {

const char* const kMovesLocked = "11111000";

class ZoneSweep : public PluginTest {
protected:
    void TearDown() override
    {
        ReleaseCapture();
        PluginTest::TearDown();
        if (frame_) DestroyWindow(frame_);
    }

    // Presses every stride-th skin pixel of a window width x height (skin
    // pixels; the press is made at scale times that) and counts the presses
    // whose fate differs from the stand-in's claim.
    void Sweep(const char* what, HWND hwnd, PlayerWindowKind kind, int width, int height, bool shaded, int scale = 1)
    {
        int stride = SweepStride();
        int wrong = 0, claimed = 0, pressed = 0;
        for (int y = 0; y < height; y += stride) {
            for (int x = 0; x < width; x += stride) {
                bool claims = PlayerClaim(kind, x, y, width, height, shaded) != 0;
                ClearHostRecords();
                bool passes = Passes(hwnd, x * scale + scale - 1, y * scale);
                // A passed press on a playlist button opens its column, which
                // takes the next press: close it as the player does when the
                // playlist is left.
                if (kind == kPlayerPlaylist && passes) SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
                ++pressed;
                claimed += claims;
                if (claims != passes && wrong++ < 5) {
                    ADD_FAILURE() << what << ": (" << x << ", " << y << ") " << (claims ? "claimed" : "drags")
                                  << " but " << (passes ? "passed" : "swallowed");
                }
            }
        }
        EXPECT_EQ(0, wrong) << what;
        EXPECT_GT(claimed, 0) << what;
        printf("%s: %d presses, %d on the player's controls\n", what, pressed, claimed);
    }

    HWND frame_ = 0;
};

TEST_F(ZoneSweep, MainWindow)
{
    ASSERT_EQ(0, Start(kMovesLocked));
    HWND main = HostWindow(kHostMain);
    Sweep("main, stopped", main, kPlayerMain, 275, 116, false);
    g_answers.playing = 1;
    Sweep("main, playing", main, kPlayerMain, 275, 116, false);
    g_answers.shadedMain = 1;
    Sweep("main shaded, playing", main, kPlayerMain, 275, 14, true);
    g_answers.playing = 0;
    Sweep("main shaded, stopped", main, kPlayerMain, 275, 14, true);
    // Double size: the window doubles and every press is halved.
    g_answers.shadedMain = 0;
    g_answers.scale = 1;
    SetHostWindowSize(kHostMain, 550, 232);
    Sweep("main, double size", main, kPlayerMain, 275, 116, false, 2);
}

TEST_F(ZoneSweep, Equalizer)
{
    ASSERT_EQ(0, Start(kMovesLocked));
    HWND eq = HostWindow(kHostEqualizer);
    Sweep("equalizer", eq, kPlayerEqualizer, 275, 116, false);
    g_answers.shadedEqualizer = 1;
    Sweep("equalizer shaded", eq, kPlayerEqualizer, 275, 14, true);
    g_answers.shadedEqualizer = 0;
    // Double size on, the equalizer's own setting off: 275 wide, not halved.
    g_answers.scale = 1;
    g_answers.equalizerDoubleSize = false;
    Sweep("equalizer, double size without its own", eq, kPlayerEqualizer, 275, 116, false);
    g_answers.equalizerDoubleSize = true;
    SetHostWindowSize(kHostEqualizer, 550, 232);
    Sweep("equalizer, double size", eq, kPlayerEqualizer, 275, 116, false, 2);
}

TEST_F(ZoneSweep, Playlist)
{
    ASSERT_EQ(0, Start(kMovesLocked));
    HWND pl = HostWindow(kHostPlaylist);
    Sweep("playlist 275x116", pl, kPlayerPlaylist, 275, 116, false);
    SetHostWindowSize(kHostPlaylist, 400, 232);
    Sweep("playlist 400x232, stopped", pl, kPlayerPlaylist, 400, 232, false);
    g_answers.playing = 1;
    Sweep("playlist 400x232, playing", pl, kPlayerPlaylist, 400, 232, false);
    SetHostWindowSize(kHostPlaylist, 400, 14);
    g_answers.shadedPlaylist = 1;
    Sweep("playlist shaded", pl, kPlayerPlaylist, 400, 14, true);
}

TEST_F(ZoneSweep, VideoAndLibrary)
{
    ASSERT_EQ(0, Start(kMovesLocked));
    HWND video = HostWindow(kHostVideo);
    Sweep("video 275x232", video, kPlayerVideo, 275, 232, false);
    SetHostWindowSize(kHostVideo, 400, 300);
    Sweep("video 400x300", video, kPlayerVideo, 400, 300, false);
    frame_ = CreateGenFrame("Winamp Gen", "Winamp Library", 600, 400, 275, 116, false);
    HWND wide = CreateGenFrame("Winamp Gen", "frame", 600, 400, 400, 300, false);
    SendMessageA(HostWindow(kHostMain), WM_USER, 0, 503);
    Sweep("library 275x116", frame_, kPlayerGen, 275, 116, false);
    Sweep("frame 400x300", wide, kPlayerGen, 400, 300, false);
    DestroyWindow(wide);
}

}  // namespace

// Every test here is a short player session: the host stand-in creates its
// windows, loads gen_tavrin.dll, writes the flags into a real ini file and
// calls init; the test presses and clicks; quit and unload end the session.
#ifndef TAVRIN_TESTS_WINE_PLUGIN_FIXTURE_H
#define TAVRIN_TESTS_WINE_PLUGIN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_standin.h"

const LRESULT kOlderHostVersion = 0x5003;  // 20483: shade measured, not asked

// Flags as eight digits in ini order: MoveMain, MoveEqualizer, MovePlaylist,
// MoveVideo, MoveGen, SizePlaylist, SizeVideo, SizeGen.
const char* const kAllLocked = "11111111";
const char* const kNoneLocked = "00000000";

// The eight ini keys in that order, as the tests write and read them.
extern const char* const kIniKeys[8];

const char* PluginPath();  // the DLL under test
const char* FrameOwnerPath();

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the flags to the ini file (null: no file) and starts the plug-in.
    int Start(const char* flags, LRESULT version = kNewerHostVersion);
    // Quit and unload, as the player does at its end.
    void Stop();
    // Stop, then load the DLL afresh for another session in the same test.
    bool Reload();

    void WriteIni(const std::string& text);
    std::string ReadIni() const;
    const char* IniPath() const { return iniPath_; }

    // Sends a left press; true when it reached the stand-in's own procedure.
    // Also checks the filter's result: the host's own, or 0 when swallowed.
    bool Passes(HWND hwnd, int x, int y);
    // Which of the four window procedures are the stand-in's own again.
    bool OwnProcedure(HWND hwnd) const;

    std::vector<HostRequestRecord> initRequests_;  // what init asked
    bool started_ = false;
    bool quit_ = false;
    char iniPath_[MAX_PATH];
};

// Ctrl held down, or only its toggle bit set, through the thread's key state.
void SetCtrl(bool down, bool toggled = false);

// The request sequence the stand-in recorded since the last clear.
std::vector<HostRequestRecord> Requests();

// With TAVRIN_PICTURES set to a folder, saves what the screen shows of the
// window there as a BMP named after the current test.
void SaveDialogPicture(HWND hwnd);

// Every how many pixels the sweeps press (--sweep-stride=N; 1: every pixel).
int SweepStride();

// Pumps the thread's messages for a while.
void PumpMessages(DWORD milliseconds);

#endif

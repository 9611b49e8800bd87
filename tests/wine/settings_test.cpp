// The eight flags in a real ini file: loaded at init, written at quit.
#include "plugin_fixture.h"

#include <string>

namespace {

class Settings : public PluginTest {
protected:
    // Starts with whatever ini text the test wrote, the ini path given to init.
    int StartWithIni(LRESULT version = kNewerHostVersion)
    {
        g_answers.iniPath = iniPath_;
        return Start(nullptr, version);
    }
    // The locks as the filters see them, one press each, as four digits:
    // main title, equalizer title, playlist grip, video grip (1: swallowed).
    std::string LocksInEffect()
    {
        std::string s;
        s += Passes(HostWindow(kHostMain), 100, 5) ? '0' : '1';
        s += Passes(HostWindow(kHostEqualizer), 100, 5) ? '0' : '1';
        s += Passes(HostWindow(kHostPlaylist), 274, 115) ? '0' : '1';
        s += Passes(HostWindow(kHostVideo), 274, 231) ? '0' : '1';
        return s;
    }
};

const char kAllKeysOne[] =
    "[gen_tavrin]\r\nTavrinMoveMain=1\r\nTavrinMoveEqualizer=1\r\nTavrinMovePlaylist=1\r\nTavrinMoveVideo=1\r\n"
    "TavrinMoveGen=1\r\nTavrinSizePlaylist=1\r\nTavrinSizeVideo=1\r\nTavrinSizeGen=1\r\n";

TEST_F(Settings, MissingSectionLocksEverythingAndQuitWritesAllEightInOrder)
{
    WriteIni("[other]\r\nkey=value\r\n");
    ASSERT_EQ(0, StartWithIni());
    EXPECT_FALSE(Passes(HostWindow(kHostMain), 100, 5));
    EXPECT_FALSE(Passes(HostWindow(kHostPlaylist), 274, 115));  // size lock on
    Stop();
    std::string ini = ReadIni();
    EXPECT_NE(std::string::npos, ini.find(kAllKeysOne)) << ini;
    EXPECT_NE(std::string::npos, ini.find("[other]\r\nkey=value\r\n")) << ini;
}

TEST_F(Settings, MissingFileIsCreatedAtQuit)
{
    ASSERT_EQ(0, StartWithIni());
    Stop();
    EXPECT_EQ(kAllKeysOne, ReadIni());
}

TEST_F(Settings, ValuesReadAsLockedUnlessZeroAndAreWrittenBackAsOneDigit)
{
    WriteIni("[gen_tavrin]\r\nTavrinMoveMain=7\r\nTavrinMoveEqualizer=0\r\nTavrinSizePlaylist=0\r\n"
             "TavrinMoveVideo=-1\r\nTavrinSizeVideo=2147483648\r\nTavrinMoveGen=abc\r\nTavrinSizeGen=\r\n"
             "TavrinMovePlaylist=" + std::string(3000, '9') + "\r\n");
    ASSERT_EQ(0, StartWithIni());
    EXPECT_EQ("1001", LocksInEffect());
    Stop();
    std::string ini = ReadIni();
    // Non-numeric text reads as 0, an empty value as the default; every value
    // goes back as a single digit.
    const char* expected[] = {"TavrinMoveMain=1\r\n",     "TavrinMoveEqualizer=0\r\n", "TavrinMovePlaylist=1\r\n",
                              "TavrinMoveVideo=1\r\n",    "TavrinMoveGen=0\r\n",       "TavrinSizePlaylist=0\r\n",
                              "TavrinSizeVideo=1\r\n",    "TavrinSizeGen=1\r\n"};
    for (const char* line : expected) EXPECT_NE(std::string::npos, ini.find(line)) << line << " in\n" << ini;
    EXPECT_EQ(std::string::npos, ini.find("999"));
}

TEST_F(Settings, OtherSectionsAndKeysSurviveTheSave)
{
    WriteIni("[Winamp]\r\nvolume=200\r\n[gen_tavrin]\r\nTavrinMoveMain=0\r\nSomethingElse=keep\r\n[gen_other]\r\nx=1\r\n");
    ASSERT_EQ(0, StartWithIni());
    EXPECT_TRUE(Passes(HostWindow(kHostMain), 100, 5));
    Stop();
    std::string ini = ReadIni();
    EXPECT_NE(std::string::npos, ini.find("[Winamp]\r\nvolume=200\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("SomethingElse=keep")) << ini;
    EXPECT_NE(std::string::npos, ini.find("[gen_other]\r\nx=1")) << ini;
    EXPECT_NE(std::string::npos, ini.find("TavrinMoveMain=0")) << ini;
}

TEST_F(Settings, NoIniPathLocksEverythingAndWritesNothing)
{
    ASSERT_EQ(0, Start(nullptr));
    EXPECT_EQ("1111", LocksInEffect());
    Stop();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(iniPath_));
}

// Quit into a file that cannot be written: nothing is reported and the
// player goes on.
TEST_F(Settings, UnwritableIniIsNoFailure)
{
    const std::string original = "[gen_tavrin]\r\nTavrinMoveMain=0\r\n";
    WriteIni(original);
    ASSERT_EQ(0, StartWithIni());
    SetFileAttributesA(iniPath_, FILE_ATTRIBUTE_READONLY);
    Stop();
    SetFileAttributesA(iniPath_, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kHostResult, SendMessageA(HostWindow(kHostMain), WM_APP, 0, 0));

    ASSERT_TRUE(Reload());
    static char missingFolder[MAX_PATH];
    snprintf(missingFolder, sizeof(missingFolder), "%s.missing\\gen_tavrin.ini", iniPath_);
    g_answers.iniPath = missingFolder;
    ASSERT_EQ(0, Start(nullptr));
    EXPECT_EQ("1111", LocksInEffect());
    Stop();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missingFolder));
}

}  // namespace

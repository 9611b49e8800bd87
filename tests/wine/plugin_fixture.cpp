#include "plugin_fixture.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char g_pluginPath[MAX_PATH] = "gen_tavrin.dll";
static char g_frameOwnerPath[MAX_PATH] = "frame_owner.exe";
static int g_sweepStride = 1;

int SweepStride()
{
    return g_sweepStride;
}

const char* PluginPath()
{
    return g_pluginPath;
}

const char* FrameOwnerPath()
{
    return g_frameOwnerPath;
}

const char* const kIniKeys[8] = {"TavrinMoveMain",  "TavrinMoveEqualizer", "TavrinMovePlaylist",
                                 "TavrinMoveVideo", "TavrinMoveGen",       "TavrinSizePlaylist",
                                 "TavrinSizeVideo", "TavrinSizeGen"};

void PluginTest::SetUp()
{
    ResetHostAnswers();
    ClearHostRecords();
    g_hostMouse = false;
    SetCtrl(false);
    ASSERT_TRUE(CreateHostWindows(false));
    char dir[MAX_PATH];
    GetTempPathA(sizeof(dir), dir);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    snprintf(iniPath_, sizeof(iniPath_), "%stavrin_%s_%s.ini", dir, info->test_suite_name(), info->name());
    DeleteFileA(iniPath_);
    ASSERT_TRUE(LoadPlugin(PluginPath())) << "cannot load " << PluginPath();
}

void PluginTest::TearDown()
{
    Stop();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (strncmp(info->test_suite_name(), "Pinned", 6) != 0) {
        EXPECT_EQ(nullptr, GetModuleHandleA("gen_tavrin.dll")) << "the DLL stayed loaded after quit and unload";
    }
    DestroyHostWindows();
    g_hostUnicode = true;
    DeleteFileA(iniPath_);
    SetCtrl(false);
}

int PluginTest::Start(const char* flags, LRESULT version)
{
    if (flags) {
        std::string text = "[gen_tavrin]\r\n";
        for (int i = 0; i < 8; ++i) text += std::string(kIniKeys[i]) + "=" + flags[i] + "\r\n";
        WriteIni(text);
        g_answers.iniPath = iniPath_;
    }
    g_answers.version = version;
    int result = InitPlugin();
    started_ = true;
    initRequests_ = g_requests;
    ClearHostRecords();
    return result;
}

void PluginTest::Stop()
{
    if (!PluginModule()) return;
    if (started_ && !quit_) QuitPlugin();
    quit_ = true;
    UnloadPlugin();
}

bool PluginTest::Reload()
{
    Stop();
    started_ = quit_ = false;
    ResetHostAnswers();
    ClearHostRecords();
    return LoadPlugin(PluginPath());
}

void PluginTest::WriteIni(const std::string& text)
{
    FILE* f = fopen(iniPath_, "wb");
    ASSERT_TRUE(f != nullptr);
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
}

std::string PluginTest::ReadIni() const
{
    std::string text;
    FILE* f = fopen(iniPath_, "rb");
    if (!f) return text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0) text.append(buffer, n);
    fclose(f);
    return text;
}

bool PluginTest::Passes(HWND hwnd, int x, int y)
{
    size_t before = MessagesTo(hwnd, WM_LBUTTONDOWN).size();
    LRESULT result = SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    bool reached = MessagesTo(hwnd, WM_LBUTTONDOWN).size() == before + 1;
    EXPECT_EQ(reached ? kHostResult : 0, result) << "press at " << x << "," << y;
    return reached;
}

bool PluginTest::OwnProcedure(HWND hwnd) const
{
    return CurrentProcedure(hwnd) == HostProcedure();
}

void SetCtrl(bool down, bool toggled)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE state = (BYTE)((down ? 0x80 : 0) | (toggled ? 0x01 : 0));
    keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
    SetKeyboardState(keys);
}

std::vector<HostRequestRecord> Requests()
{
    return g_requests;
}

void PumpMessages(DWORD milliseconds)
{
    DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, 0, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while ((LONG)(end - GetTickCount()) > 0);
}

void SaveDialogPicture(HWND hwnd)
{
    const char* dir = getenv("TAVRIN_PICTURES");
    if (!dir || !*dir) return;
    RedrawWindow(hwnd, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpMessages(200);
    RECT r;
    GetWindowRect(hwnd, &r);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    char path[MAX_PATH];
    snprintf(path, sizeof(path), "%s\\%s.bmp", dir, test->name());
    SaveScreenPicture(r, path);
}

// The DLL may be named on the command line (--dll=PATH), as the 32-bit run does.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    GetModuleFileNameA(0, g_frameOwnerPath, sizeof(g_frameOwnerPath));
    char* slash = strrchr(g_frameOwnerPath, '\\');
    if (slash) {
        slash[1] = 0;
        snprintf(g_pluginPath, sizeof(g_pluginPath), "%sgen_tavrin.dll", g_frameOwnerPath);
        strncat(g_frameOwnerPath, "frame_owner.exe", sizeof(g_frameOwnerPath) - strlen(g_frameOwnerPath) - 1);
    }
    for (int i = 1; i < argc; ++i) {
        if (!strncmp(argv[i], "--dll=", 6)) snprintf(g_pluginPath, sizeof(g_pluginPath), "%s", argv[i] + 6);
        if (!strncmp(argv[i], "--sweep-stride=", 15)) g_sweepStride = atoi(argv[i] + 15) > 0 ? atoi(argv[i] + 15) : 1;
    }
    return RUN_ALL_TESTS();
}

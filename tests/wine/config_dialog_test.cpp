// The configuration dialog from the real resource, driven as a person would:
// clicks on the real check boxes, OK, Cancel, Escape and the close box.
#include "plugin_fixture.h"

#include <stdlib.h>
#include <string.h>

#include <functional>
#include <string>

#include "resources/resource.h"

namespace {

std::function<void(HWND)> g_script;
bool g_scriptRan;
bool g_watchdogFired;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found)
{
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (!strcmp(name, "#32770") && IsWindowVisible(hwnd)) {
        *(HWND*)found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND OpenDialog()
{
    HWND dialog = 0;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&dialog);
    return dialog;
}

// Thread timers run inside the dialog's own modal loop.
VOID CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dialog = OpenDialog();
    if (!dialog || g_scriptRan) return;
    KillTimer(0, id);
    g_scriptRan = true;
    g_script(dialog);
}

VOID CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(0, id);
    g_watchdogFired = true;
    HWND dialog = OpenDialog();
    if (dialog) EndDialog(dialog, 0);
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

const int kMatrix[16] = {IDC_ALL_MOVE,      IDC_ALL_SIZE,       IDC_ALL_BOTH,       IDC_MAIN_MOVE,
                         IDC_MAIN_BOTH,     IDC_EQUALIZER_MOVE, IDC_EQUALIZER_BOTH, IDC_PLAYLIST_MOVE,
                         IDC_PLAYLIST_SIZE, IDC_PLAYLIST_BOTH,  IDC_VIDEO_MOVE,     IDC_VIDEO_SIZE,
                         IDC_VIDEO_BOTH,    IDC_GEN_MOVE,       IDC_GEN_SIZE,       IDC_GEN_BOTH};

// The sixteen box states as "MSB MB MB MSB MSB MSB".
std::string Boxes(HWND dialog)
{
    std::string s;
    const int groups[] = {3, 2, 2, 3, 3, 3};
    int i = 0;
    for (int g : groups) {
        if (!s.empty()) s += ' ';
        for (int k = 0; k < g; ++k, ++i) s += char('0' + IsDlgButtonChecked(dialog, kMatrix[i]));
    }
    return s;
}

class ConfigDialog : public PluginTest {
protected:
    void TearDown() override
    {
        if (foreground_) DestroyWindow(foreground_);
        PluginTest::TearDown();
    }

    // Opens the dialog through the record's config operation and runs the
    // script inside it; the script ends the dialog.
    void RunDialog(std::function<void(HWND)> script)
    {
        g_script = script;
        g_scriptRan = g_watchdogFired = false;
        UINT_PTR timer = SetTimer(0, 0, 20, RunScript);
        UINT_PTR watchdog = SetTimer(0, 0, 15000, Watchdog);
        ConfigPlugin();
        KillTimer(0, timer);
        KillTimer(0, watchdog);
        EXPECT_TRUE(g_scriptRan);
        EXPECT_FALSE(g_watchdogFired) << "the dialog did not close";
        EXPECT_EQ(0, OpenDialog());
    }

    // The flags as quit writes them, in ini order.
    std::string SavedFlags()
    {
        Stop();
        std::string s;
        for (const char* key : kIniKeys) s += char('0' + GetPrivateProfileIntA("gen_tavrin", key, 9, iniPath_));
        return s;
    }

    HWND Foreground(int left, int top, int right, int bottom)
    {
        foreground_ = CreateWindowExA(0, "STATIC", "foreground", WS_POPUP | WS_VISIBLE, left, top, right - left,
                                      bottom - top, 0, 0, 0, 0);
        SetForegroundWindow(foreground_);
        PumpMessages(50);
        return foreground_;
    }

    HWND foreground_ = 0;
};

TEST_F(ConfigDialog, OpensWithTheBoxesOfTheFlagsAndItsTitle)
{
    const struct {
        const char* flags;
        const char* boxes;
    } cases[] = {
        {"11111111", "111 11 11 111 111 111"},
        {"00000000", "000 00 00 000 000 000"},
        {"11111000", "101 11 11 102 102 102"},
        {"11111101", "122 11 11 111 102 111"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(c.flags));
        RunDialog([&](HWND dialog) {
            EXPECT_EQ(c.boxes, Boxes(dialog)) << c.flags;
            char title[64] = {};
            GetWindowTextA(dialog, title, sizeof(title));
            EXPECT_STREQ("Tavrin Winamp Plugin 2.3", title);
            EXPECT_EQ(IDC_ALL_MOVE, GetDlgCtrlID(GetFocus()));
            Click(dialog, IDOK);
        });
        EXPECT_EQ(c.flags, SavedFlags());
    }
}

// Edits act at once: a press during the dialog already sees them.
TEST_F(ConfigDialog, EditsActWhileTheDialogIsOpen)
{
    ASSERT_EQ(0, Start(kAllLocked));
    RunDialog([&](HWND dialog) {
        EXPECT_FALSE(Passes(HostWindow(kHostMain), 100, 5));
        Click(dialog, IDC_MAIN_MOVE);  // the system flips it; the matrix follows
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_MAIN_BOTH));
        EXPECT_TRUE(Passes(HostWindow(kHostMain), 100, 5));
        Click(dialog, IDC_ALL_SIZE);
        EXPECT_EQ("202 00 11 102 102 102", Boxes(dialog));
        EXPECT_TRUE(Passes(HostWindow(kHostPlaylist), 274, 115));
        Click(dialog, IDOK);
    });
    EXPECT_EQ("01111000", SavedFlags());
}

enum Ending { kOk, kCancel, kEscape, kCloseBox };

void End(HWND dialog, Ending how)
{
    switch (how) {
    case kOk: Click(dialog, IDOK); break;
    case kCancel: Click(dialog, IDCANCEL); break;
    case kEscape: PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); break;
    case kCloseBox: SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

TEST_F(ConfigDialog, OkKeepsTheEditsEveryOtherEndingRevertsThem)
{
    const struct {
        Ending how;
        const char* flags;
    } cases[] = {{kOk, "00000010"}, {kCancel, "10101101"}, {kEscape, "10101101"}, {kCloseBox, "10101101"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start("10101101"));
        RunDialog([&](HWND dialog) {
            Click(dialog, IDC_ALL_BOTH);   // shows indeterminate: sets all eight
            Click(dialog, IDC_ALL_MOVE);   // checked: clears the five moves
            Click(dialog, IDC_GEN_BOTH);   // indeterminate: sets both generic flags
            Click(dialog, IDC_GEN_BOTH);   // checked: clears them
            Click(dialog, IDC_PLAYLIST_SIZE);
            EXPECT_EQ("022 00 00 000 012 000", Boxes(dialog));
            End(dialog, c.how);
        });
        std::string ini = ReadIni();
        EXPECT_NE(std::string::npos, ini.find("TavrinMoveMain=1")) << "the dialog never writes the ini file";
        EXPECT_EQ(c.flags, SavedFlags()) << "ending " << c.how;
    }
}

TEST_F(ConfigDialog, TwoOpeningsOkThenCancel)
{
    ASSERT_EQ(0, Start(kAllLocked));
    RunDialog([&](HWND dialog) {
        Click(dialog, IDC_VIDEO_BOTH);
        Click(dialog, IDOK);
    });
    RunDialog([&](HWND dialog) {
        EXPECT_EQ("222 11 11 111 000 111", Boxes(dialog));
        Click(dialog, IDC_ALL_BOTH);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ("11101101", SavedFlags());
}

// Statics and the group box are no buttons of the matrix.
TEST_F(ConfigDialog, CommandsFromOtherControlsChangeNothing)
{
    ASSERT_EQ(0, Start("10101010"));
    RunDialog([&](HWND dialog) {
        std::string before = Boxes(dialog);
        for (int id : {IDC_WEB_ADDRESS, IDC_THANKS, IDC_LOCK_GROUP, IDC_LEGEND_WORDS}) {
            EXPECT_EQ(FALSE, SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0)) << id;
        }
        EXPECT_EQ(before, Boxes(dialog));
        Click(dialog, IDOK);
    });
    EXPECT_EQ("10101010", SavedFlags());
}

TEST_F(ConfigDialog, CentredOnTheForegroundWindowAndOwnedByIt)
{
    const RECT foregrounds[] = {{100, 200, 901, 701}, {0, 0, 100, 100}, {-300, -300, 50, 40}};
    for (const RECT& f : foregrounds) {
        ASSERT_TRUE(Reload());
        ASSERT_EQ(0, Start(kAllLocked));
        HWND owner = Foreground(f.left, f.top, f.right, f.bottom);
        ASSERT_EQ(owner, GetForegroundWindow());
        RunDialog([&](HWND dialog) {
            RECT d;
            GetWindowRect(dialog, &d);
            int w = d.right - d.left, h = d.bottom - d.top;
            // Truncating division, as C does: -201 / 2 is -100.
            EXPECT_EQ(f.left + (f.right - f.left - w) / 2, d.left) << f.left << "," << f.top;
            EXPECT_EQ(f.top + (f.bottom - f.top - h) / 2, d.top) << f.left << "," << f.top;
            EXPECT_EQ(owner, GetWindow(dialog, GW_OWNER));
            Click(dialog, IDOK);
        });
        DestroyWindow(foreground_);
        foreground_ = 0;
    }
}

// Nothing in the foreground: the dialog still opens, unowned, where the
// system put it.
TEST_F(ConfigDialog, OpensUnownedWithNoForegroundWindow)
{
    ASSERT_EQ(0, Start(kAllLocked));
    PumpMessages(50);
    HWND foreground = GetForegroundWindow();
    char name[64] = {};
    GetClassNameA(foreground, name, sizeof(name));
    // Wine reports the desktop itself when no window is active.
    if (foreground && foreground != GetDesktopWindow()) GTEST_SKIP() << "a window stays in the foreground: " << name;
    RunDialog([&](HWND dialog) {
        EXPECT_EQ(0, GetWindow(dialog, GW_OWNER));
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDC_ALL_BOTH);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(kNoneLocked, SavedFlags());
}

struct ControlLayout {
    int id;
    const char* className;
    DWORD style;  // beyond WS_CHILD | WS_VISIBLE
    const char* caption;
    RECT units;   // x, y, width, height in dialog units
};

const char kThanks[] = "Thanks to everyone who\ntried the locks and told\nus what they found.";

const ControlLayout kLayout[] = {
    {IDC_LOCK_GROUP, "Button", BS_GROUPBOX, "Tavrin", {5, 2, 100, 92}},
    {IDC_HEADER_MOVE, "Static", SS_LEFT | WS_GROUP, "M", {17, 13, 8, 8}},
    {IDC_HEADER_SIZE, "Static", SS_LEFT | WS_GROUP, "S", {30, 13, 8, 8}},
    {IDC_HEADER_BOTH, "Static", SS_LEFT | WS_GROUP, "B", {41, 13, 8, 8}},
    {IDC_ALL_MOVE, "Button", BS_3STATE | WS_TABSTOP, "", {15, 22, 9, 9}},
    {IDC_ALL_SIZE, "Button", BS_3STATE | WS_TABSTOP, "", {27, 22, 9, 9}},
    {IDC_ALL_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&All", {39, 22, 54, 9}},
    {IDC_MAIN_MOVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {15, 33, 9, 9}},
    {IDC_MAIN_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&Main window", {39, 33, 56, 9}},
    {IDC_EQUALIZER_MOVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {15, 44, 9, 9}},
    {IDC_EQUALIZER_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&Equalizer", {39, 44, 43, 9}},
    {IDC_PLAYLIST_MOVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {15, 55, 9, 9}},
    {IDC_PLAYLIST_SIZE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {27, 55, 9, 9}},
    {IDC_PLAYLIST_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&Playlist", {39, 55, 36, 10}},
    {IDC_VIDEO_MOVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {15, 66, 9, 9}},
    {IDC_VIDEO_SIZE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {27, 66, 9, 9}},
    {IDC_VIDEO_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&Video", {39, 66, 31, 9}},
    {IDC_GEN_MOVE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {15, 77, 9, 9}},
    {IDC_GEN_SIZE, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", {27, 77, 9, 9}},
    {IDC_GEN_BOTH, "Button", BS_3STATE | WS_TABSTOP, "&Generics", {39, 77, 41, 9}},
    {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", {112, 6, 50, 14}},
    {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, "Cancel", {112, 23, 50, 14}},
    {IDC_LEGEND_LETTERS, "Static", SS_LEFT | WS_GROUP, "M\nS\nB", {120, 50, 9, 27}},
    {IDC_LEGEND_WORDS, "Static", SS_LEFT | WS_GROUP, "- Moving\n- Sizing\n- Both", {127, 50, 30, 27}},
    {IDC_THANKS, "Static", SS_LEFT | WS_GROUP, kThanks, {28, 105, 112, 27}},
    {IDC_WEB_ADDRESS, "Static", SS_LEFTNOWORDWRAP | SS_SUNKEN | WS_GROUP, nullptr, {0, 142, 169, 10}},
};

TEST_F(ConfigDialog, ControlsStandAsLaidOut)
{
    ASSERT_EQ(0, Start(kAllLocked));
    RunDialog([&](HWND dialog) {
        LONG style = GetWindowLongA(dialog, GWL_STYLE);
        const LONG expectedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
        EXPECT_EQ(expectedStyle, style & expectedStyle);
        EXPECT_EQ(0, style & DS_CENTER);
        RECT client = {0, 0, 169, 152};
        MapDialogRect(dialog, &client);
        RECT actual;
        GetClientRect(dialog, &actual);
        EXPECT_EQ(client.right, actual.right);
        EXPECT_EQ(client.bottom, actual.bottom);

        HWND child = GetWindow(dialog, GW_CHILD);
        for (const ControlLayout& c : kLayout) {
            ASSERT_TRUE(child != 0) << "missing control " << c.id;
            EXPECT_EQ(c.id, GetDlgCtrlID(child));
            char name[32] = {};
            GetClassNameA(child, name, sizeof(name));
            EXPECT_EQ(0, _stricmp(c.className, name)) << c.id << " is a " << name;
            LONG s = GetWindowLongA(child, GWL_STYLE);
            EXPECT_EQ((LONG)(WS_CHILD | WS_VISIBLE | c.style), s & ~(LONG)0) << c.id;
            char text[128] = {};
            GetWindowTextA(child, text, sizeof(text));
            if (c.caption) EXPECT_STREQ(c.caption, text) << c.id;
            else EXPECT_EQ(' ', text[0]) << "the address starts after one blank";
            // Position and size are mapped from dialog units each on its own.
            RECT units = c.units;
            MapDialogRect(dialog, &units);
            units.right += units.left;
            units.bottom += units.top;
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(0, dialog, (POINT*)&r, 2);
            EXPECT_TRUE(EqualRect(&units, &r)) << c.id << ": " << r.left << "," << r.top << "-" << r.right << ","
                                               << r.bottom << " instead of " << units.left << "," << units.top << "-"
                                               << units.right << "," << units.bottom;
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(0, child) << "more controls than laid out";
        // The tab order is the template's order.
        HWND tab = GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDC_ALL_MOVE), FALSE);
        EXPECT_EQ(IDC_ALL_SIZE, GetDlgCtrlID(tab));
        tab = GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDC_GEN_BOTH), FALSE);
        EXPECT_EQ(IDOK, GetDlgCtrlID(tab));
        SaveDialogPicture(dialog);
        Click(dialog, IDOK);
    });
}

}  // namespace

// The lock matrix over a table of sixteen box states standing in for the dialog.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dialog/lock_matrix.h"
#include "resources/resource.h"
#include "settings/lock_settings.h"

namespace {

// The sixteen boxes in the order the tables below list their states:
// All M S B, Main M B, Equalizer M B, Playlist M S B, Video M S B, Generics M S B.
const int kBoxes[16] = {IDC_ALL_MOVE,       IDC_ALL_SIZE,       IDC_ALL_BOTH,      IDC_MAIN_MOVE,
                        IDC_MAIN_BOTH,      IDC_EQUALIZER_MOVE, IDC_EQUALIZER_BOTH, IDC_PLAYLIST_MOVE,
                        IDC_PLAYLIST_SIZE,  IDC_PLAYLIST_BOTH,  IDC_VIDEO_MOVE,    IDC_VIDEO_SIZE,
                        IDC_VIDEO_BOTH,     IDC_GEN_MOVE,       IDC_GEN_SIZE,      IDC_GEN_BOTH};

const int kAutoBoxes[8] = {IDC_MAIN_MOVE, IDC_EQUALIZER_MOVE, IDC_PLAYLIST_MOVE, IDC_PLAYLIST_SIZE,
                           IDC_VIDEO_MOVE, IDC_VIDEO_SIZE,    IDC_GEN_MOVE,      IDC_GEN_SIZE};

struct FakeDialog {
    std::map<int, int> boxes;
    std::vector<std::pair<int, int>> shown;  // (id, state) in call order
    std::vector<int> read;
};

FakeDialog g_view;

void ShowFakeBox(void*, int id, int state)
{
    g_view.boxes[id] = state;
    g_view.shown.push_back({id, state});
}

int ReadFakeBox(void*, int id)
{
    g_view.read.push_back(id);
    return g_view.boxes.count(id) ? g_view.boxes[id] : 0;
}

// What the matrix is handed: the table above in place of the dialog.
const MatrixView kFakeView = {nullptr, ShowFakeBox, ReadFakeBox};

// Flags as eight digits in ini order: MoveMain, MoveEqualizer, MovePlaylist,
// MoveVideo, MoveGen, SizePlaylist, SizeVideo, SizeGen.
void SetFlags(const char* digits)
{
    for (int i = 0; i < kLockFlagCount; ++i) g_lockSettings.*kLockFlagKeys[i].flag = digits[i] == '1';
}

std::string Flags()
{
    std::string s;
    for (int i = 0; i < kLockFlagCount; ++i) s += g_lockSettings.*kLockFlagKeys[i].flag ? '1' : '0';
    return s;
}

// Box states in kBoxes order as digits: "MSB MB MB MSB MSB MSB".
std::string Boxes()
{
    std::string s;
    const int groups[] = {3, 2, 2, 3, 3, 3};
    int i = 0;
    for (int g : groups) {
        if (!s.empty()) s += ' ';
        for (int k = 0; k < g; ++k, ++i) s += char('0' + g_view.boxes[kBoxes[i]]);
    }
    return s;
}

bool IsAutoBox(int id)
{
    for (int a : kAutoBoxes) if (a == id) return true;
    return false;
}

// Opens the matrix on the flags, then clicks as the system would: an auto box
// flips before the dialog hears of the click, a 3-state box does not.
void Click(int id)
{
    if (IsAutoBox(id)) g_view.boxes[id] = g_view.boxes[id] == kBoxChecked ? kBoxUnchecked : kBoxChecked;
    g_view.shown.clear();
    g_view.read.clear();
    HandleMatrixClick(kFakeView, id);
}

void Open(const char* flags)
{
    g_view = FakeDialog();
    SetFlags(flags);
    InitMatrix(kFakeView);
}

TEST(LockMatrix, TriStateOf)
{
    EXPECT_EQ(kBoxUnchecked, TriStateOf(0));
    EXPECT_EQ(kBoxChecked, TriStateOf(1));
    EXPECT_EQ(kBoxChecked, TriStateOf(7));
    EXPECT_EQ(kBoxUnchecked, TriStateOf(0, 0));
    EXPECT_EQ(kBoxIndeterminate, TriStateOf(1, 0));
    EXPECT_EQ(kBoxIndeterminate, TriStateOf(0, 1));
    EXPECT_EQ(kBoxChecked, TriStateOf(1, 1));
    EXPECT_EQ(kBoxIndeterminate, TriStateOf(0, 0, 1));
    EXPECT_EQ(kBoxChecked, TriStateOf(1, 1, 1));
    EXPECT_EQ(kBoxUnchecked, TriStateOf(0, 0, 0, 0, 0));
    EXPECT_EQ(kBoxIndeterminate, TriStateOf(0, 0, 0, 0, 1));
    EXPECT_EQ(kBoxIndeterminate, TriStateOf(1, 1, 1, 1, 0));
    EXPECT_EQ(kBoxChecked, TriStateOf(1, 1, 1, 1, 1));
}

// The B box of the All row shows the larger of M and S, not the tri-state of all eight.
TEST(LockMatrix, AllRowRule)
{
    struct {
        const char* flags;
        const char* allRow;
    } const cases[] = {
        {"00000000", "000"}, {"00000111", "011"}, {"00000100", "022"}, {"11111000", "101"},
        {"11111111", "111"}, {"11111100", "122"}, {"10000000", "202"}, {"10000111", "212"},
        {"10000010", "222"},
    };
    for (const auto& c : cases) {
        Open(c.flags);
        EXPECT_EQ(c.allRow, Boxes().substr(0, 3)) << c.flags;
    }
}

TEST(LockMatrix, InitShowsEveryBoxInOrder)
{
    Open("11111110");
    const std::pair<int, int> expected[] = {
        {IDC_MAIN_MOVE, 1},     {IDC_EQUALIZER_MOVE, 1}, {IDC_PLAYLIST_MOVE, 1}, {IDC_VIDEO_MOVE, 1},
        {IDC_GEN_MOVE, 1},      {IDC_PLAYLIST_SIZE, 1},  {IDC_VIDEO_SIZE, 1},    {IDC_GEN_SIZE, 0},
        {IDC_MAIN_BOTH, 1},     {IDC_EQUALIZER_BOTH, 1}, {IDC_PLAYLIST_BOTH, 1}, {IDC_VIDEO_BOTH, 1},
        {IDC_GEN_BOTH, 2},      {IDC_ALL_MOVE, 1},       {IDC_ALL_SIZE, 2},      {IDC_ALL_BOTH, 2},
    };
    ASSERT_EQ(std::size(expected), g_view.shown.size());
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(expected[i], g_view.shown[i]) << i;
    EXPECT_TRUE(g_view.read.empty());

    Open("11111111");
    EXPECT_EQ("111 11 11 111 111 111", Boxes());
    Open("00000000");
    EXPECT_EQ("000 00 00 000 000 000", Boxes());
    Open("11111000");
    EXPECT_EQ("101 11 11 102 102 102", Boxes());
    Open("11111101");
    EXPECT_EQ("122 11 11 111 102 111", Boxes());
}

struct ClickCase {
    const char* before;
    int id;
    const char* after;
    const char* boxes;
};

const ClickCase kClicks[] = {
    // The worked example: All M from all clear, then All B.
    {"00000000", IDC_ALL_MOVE, "11111000", "101 11 11 102 102 102"},
    {"11111000", IDC_ALL_BOTH, "00000000", "000 00 00 000 000 000"},
    {"11111101", IDC_ALL_BOTH, "11111111", "111 11 11 111 111 111"},  // reported indeterminate: set
    {"11111101", IDC_VIDEO_BOTH, "11111111", "111 11 11 111 111 111"},
    {"11101111", IDC_VIDEO_BOTH, "11111111", "111 11 11 111 111 111"},
    {"11111111", IDC_ALL_SIZE, "11111000", "101 11 11 102 102 102"},
    {"00000000", IDC_ALL_SIZE, "00000111", "011 00 00 012 012 012"},
    {"11111111", IDC_ALL_MOVE, "00000111", "011 00 00 012 012 012"},
    {"10101010", IDC_ALL_MOVE, "11111010", "122 11 11 102 111 102"},  // indeterminate: set
    {"00000000", IDC_PLAYLIST_SIZE, "00000100", "022 00 00 012 000 000"},
    {"00000000", IDC_MAIN_BOTH, "10000000", "202 11 00 000 000 000"},
    {"10000000", IDC_MAIN_BOTH, "00000000", "000 00 00 000 000 000"},
    {"01111111", IDC_MAIN_MOVE, "11111111", "111 11 11 111 111 111"},
    {"11111111", IDC_EQUALIZER_MOVE, "10111111", "212 11 00 111 111 111"},
    {"11111111", IDC_GEN_SIZE, "11111110", "122 11 11 111 111 102"},
    {"00100100", IDC_PLAYLIST_BOTH, "00000000", "000 00 00 000 000 000"},
    {"00000100", IDC_PLAYLIST_BOTH, "00100100", "222 00 00 111 000 000"},  // indeterminate: set
    {"00001000", IDC_GEN_BOTH, "00001001", "222 00 00 000 000 111"},
    {"11111111", IDC_GEN_MOVE, "11110111", "212 11 11 111 111 012"},
    {"11111111", IDC_VIDEO_SIZE, "11111101", "122 11 11 111 102 111"},
    // Ids outside the sixteen: the group box, a static, OK's neighbours.
    {"10101010", IDC_LOCK_GROUP, "10101010", nullptr},
    {"10101010", IDC_WEB_ADDRESS, "10101010", nullptr},
    {"10101010", IDC_THANKS, "10101010", nullptr},
    {"10101010", 0, "10101010", nullptr},
    {"10101010", 65535, "10101010", nullptr},
};

TEST(LockMatrix, ClickRules)
{
    for (const ClickCase& c : kClicks) {
        Open(c.before);
        std::string shownBefore = Boxes();
        Click(c.id);
        EXPECT_EQ(c.after, Flags()) << "click " << c.id << " from " << c.before;
        if (c.boxes) {
            EXPECT_EQ(c.boxes, Boxes()) << "click " << c.id << " from " << c.before;
            ASSERT_EQ(1u, g_view.read.size());  // the clicked box, once, before anything changes
            EXPECT_EQ(c.id, g_view.read[0]);
            ASSERT_GE(g_view.shown.size(), 3u);  // every click ends with the All row
            EXPECT_EQ(IDC_ALL_BOTH, g_view.shown.back().first);
        } else {
            EXPECT_TRUE(g_view.shown.empty());
            EXPECT_TRUE(g_view.read.empty());
            EXPECT_EQ(shownBefore, Boxes());
        }
    }
}

// The boxes each rule shows, in order.
TEST(LockMatrix, ShowOrderOfEachRule)
{
    struct {
        const char* before;
        int id;
        std::vector<int> shown;
    } const cases[] = {
        {"00000000", IDC_PLAYLIST_SIZE, {IDC_PLAYLIST_BOTH, IDC_ALL_MOVE, IDC_ALL_SIZE, IDC_ALL_BOTH}},
        {"00000000", IDC_VIDEO_BOTH,
         {IDC_VIDEO_MOVE, IDC_VIDEO_SIZE, IDC_VIDEO_BOTH, IDC_ALL_MOVE, IDC_ALL_SIZE, IDC_ALL_BOTH}},
        {"00000000", IDC_EQUALIZER_BOTH,
         {IDC_EQUALIZER_MOVE, IDC_EQUALIZER_BOTH, IDC_ALL_MOVE, IDC_ALL_SIZE, IDC_ALL_BOTH}},
        {"00000000", IDC_ALL_SIZE,
         {IDC_PLAYLIST_SIZE, IDC_VIDEO_SIZE, IDC_GEN_SIZE, IDC_PLAYLIST_BOTH, IDC_VIDEO_BOTH, IDC_GEN_BOTH,
          IDC_ALL_MOVE, IDC_ALL_SIZE, IDC_ALL_BOTH}},
        {"00000000", IDC_ALL_MOVE,
         {IDC_MAIN_MOVE, IDC_EQUALIZER_MOVE, IDC_PLAYLIST_MOVE, IDC_VIDEO_MOVE, IDC_GEN_MOVE, IDC_MAIN_BOTH,
          IDC_EQUALIZER_BOTH, IDC_PLAYLIST_BOTH, IDC_VIDEO_BOTH, IDC_GEN_BOTH, IDC_ALL_MOVE, IDC_ALL_SIZE,
          IDC_ALL_BOTH}},
        {"00000000", IDC_ALL_BOTH,
         {IDC_MAIN_MOVE, IDC_EQUALIZER_MOVE, IDC_PLAYLIST_MOVE, IDC_VIDEO_MOVE, IDC_GEN_MOVE, IDC_PLAYLIST_SIZE,
          IDC_VIDEO_SIZE, IDC_GEN_SIZE, IDC_MAIN_BOTH, IDC_EQUALIZER_BOTH, IDC_PLAYLIST_BOTH, IDC_VIDEO_BOTH,
          IDC_GEN_BOTH, IDC_ALL_MOVE, IDC_ALL_SIZE, IDC_ALL_BOTH}},
    };
    for (const auto& c : cases) {
        Open(c.before);
        Click(c.id);
        std::vector<int> ids;
        for (const auto& s : g_view.shown) ids.push_back(s.first);
        EXPECT_EQ(c.shown, ids) << "click " << c.id;
    }
}

// After any click from any state the sixteen boxes show what the flags say.
TEST(LockMatrix, EveryClickFromEveryStateKeepsTheInvariant)
{
    for (int bits = 0; bits < 256; ++bits) {
        char flags[9] = {};
        for (int i = 0; i < 8; ++i) flags[i] = (bits >> i) & 1 ? '1' : '0';
        for (int id : kBoxes) {
            Open(flags);
            Click(id);
            std::string after = Flags();
            std::string shown = Boxes();
            Open(after.c_str());
            ASSERT_EQ(Boxes(), shown) << "click " << id << " from " << flags;
        }
    }
}

}  // namespace

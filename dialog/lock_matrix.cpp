#include "dialog/lock_matrix.h"

#include "resources/resource.h"
#include "settings/lock_settings.h"

typedef uint8_t LockSettings::*LockFlag;

// One window row of the matrix. The main window and the equalizer have no size box.
struct MatrixRow {
    int moveBox;
    int sizeBox;
    int bothBox;
    LockFlag move;
    LockFlag size;
};

static const MatrixRow kRows[] = {
    {IDC_MAIN_MOVE, 0, IDC_MAIN_BOTH, &LockSettings::MoveMain, nullptr},
    {IDC_EQUALIZER_MOVE, 0, IDC_EQUALIZER_BOTH, &LockSettings::MoveEqualizer, nullptr},
    {IDC_PLAYLIST_MOVE, IDC_PLAYLIST_SIZE, IDC_PLAYLIST_BOTH, &LockSettings::MovePlaylist, &LockSettings::SizePlaylist},
    {IDC_VIDEO_MOVE, IDC_VIDEO_SIZE, IDC_VIDEO_BOTH, &LockSettings::MoveVideo, &LockSettings::SizeVideo},
    {IDC_GEN_MOVE, IDC_GEN_SIZE, IDC_GEN_BOTH, &LockSettings::MoveGen, &LockSettings::SizeGen},
};
const int kRowCount = sizeof(kRows) / sizeof(kRows[0]);
const int kFirstSizedRow = 2;

static void ShowBox(const MatrixView& view, int id, int state)
{
    view.show(view.dialog, id, state);
}

static int ReadBox(const MatrixView& view, int id)
{
    return view.read(view.dialog, id);
}

static int TriStateOfCount(int set, int total)
{
    if (set == 0) return kBoxUnchecked;
    return set == total ? kBoxChecked : kBoxIndeterminate;
}

int TriStateOf(uint8_t a)
{
    return TriStateOfCount(a != 0, 1);
}

int TriStateOf(uint8_t a, uint8_t b)
{
    return TriStateOfCount((a != 0) + (b != 0), 2);
}

int TriStateOf(uint8_t a, uint8_t b, uint8_t c)
{
    return TriStateOfCount((a != 0) + (b != 0) + (c != 0), 3);
}

int TriStateOf(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e)
{
    return TriStateOfCount((a != 0) + (b != 0) + (c != 0) + (d != 0) + (e != 0), 5);
}

int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a)
{
    int state = TriStateOf(a);
    ShowBox(view, id, state);
    return state;
}

int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b)
{
    int state = TriStateOf(a, b);
    ShowBox(view, id, state);
    return state;
}

int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b, uint8_t c)
{
    int state = TriStateOf(a, b, c);
    ShowBox(view, id, state);
    return state;
}

int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e)
{
    int state = TriStateOf(a, b, c, d, e);
    ShowBox(view, id, state);
    return state;
}

void RefreshAllRow(const MatrixView& view)
{
    const LockSettings& s = g_lockSettings;
    int move = SetBoxFromFlags(view, IDC_ALL_MOVE, s.MoveMain, s.MoveEqualizer, s.MovePlaylist, s.MoveVideo, s.MoveGen);
    int size = SetBoxFromFlags(view, IDC_ALL_SIZE, s.SizePlaylist, s.SizeVideo, s.SizeGen);
    ShowBox(view, IDC_ALL_BOTH, move > size ? move : size);
}

static void ShowRowBoth(const MatrixView& view, const MatrixRow& row)
{
    const LockSettings& s = g_lockSettings;
    if (row.size) SetBoxFromFlags(view, row.bothBox, s.*row.move, s.*row.size);
    else SetBoxFromFlags(view, row.bothBox, s.*row.move);
}

void InitMatrix(const MatrixView& view)
{
    const LockSettings& s = g_lockSettings;
    for (int i = 0; i < kRowCount; ++i) SetBoxFromFlags(view, kRows[i].moveBox, s.*kRows[i].move);
    for (int i = kFirstSizedRow; i < kRowCount; ++i) SetBoxFromFlags(view, kRows[i].sizeBox, s.*kRows[i].size);
    for (int i = 0; i < kRowCount; ++i) ShowRowBoth(view, kRows[i]);
    RefreshAllRow(view);
}

// A 3-state box sets its flags when it reported unchecked or indeterminate
// and clears them when it reported checked.
static uint8_t TargetOf(int reported)
{
    return reported == kBoxChecked ? 0 : 1;
}

// Rule 3: a box of the All row writes its whole column.
static void ClickAllColumn(const MatrixView& view, bool moves, bool sizes, uint8_t target)
{
    if (moves) for (int i = 0; i < kRowCount; ++i) g_lockSettings.*kRows[i].move = target;
    if (sizes) for (int i = kFirstSizedRow; i < kRowCount; ++i) g_lockSettings.*kRows[i].size = target;
    if (moves) for (int i = 0; i < kRowCount; ++i) ShowBox(view, kRows[i].moveBox, target);
    if (sizes) for (int i = kFirstSizedRow; i < kRowCount; ++i) ShowBox(view, kRows[i].sizeBox, target);
    for (int i = moves ? 0 : kFirstSizedRow; i < kRowCount; ++i) ShowRowBoth(view, kRows[i]);
}

void HandleMatrixClick(const MatrixView& view, int id)
{
    if (id == IDC_ALL_MOVE || id == IDC_ALL_SIZE || id == IDC_ALL_BOTH) {
        uint8_t target = TargetOf(ReadBox(view, id));
        ClickAllColumn(view, id != IDC_ALL_SIZE, id != IDC_ALL_MOVE, target);
        RefreshAllRow(view);
        return;
    }
    for (int i = 0; i < kRowCount; ++i) {
        const MatrixRow& row = kRows[i];
        if (id == row.moveBox || (row.size && id == row.sizeBox)) {
            // Rule 1: an auto box has already flipped; it mirrors its one flag.
            uint8_t checked = ReadBox(view, id) == kBoxChecked ? 1 : 0;
            g_lockSettings.*(id == row.moveBox ? row.move : row.size) = checked;
            ShowRowBoth(view, row);
            RefreshAllRow(view);
            return;
        }
        if (id == row.bothBox) {
            // Rule 2: the row's B box writes both of the row's flags.
            uint8_t target = TargetOf(ReadBox(view, id));
            g_lockSettings.*row.move = target;
            if (row.size) g_lockSettings.*row.size = target;
            ShowBox(view, row.moveBox, target);
            if (row.size) ShowBox(view, row.sizeBox, target);
            ShowRowBoth(view, row);
            RefreshAllRow(view);
            return;
        }
    }
}

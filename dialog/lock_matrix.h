// The Move/Size/Both matrix: sixteen check boxes that show and edit the eight
// lock flags. Platform-free: it reaches the boxes only through the two
// functions of the MatrixView it is handed, which the dialog maps onto
// CheckDlgButton and IsDlgButtonChecked (a test maps them onto a table).
#ifndef TAVRIN_DIALOG_LOCK_MATRIX_H
#define TAVRIN_DIALOG_LOCK_MATRIX_H

#include <stdint.h>

// The boxes as the matrix sees them: whoever shows them, and how.
struct MatrixView {
    void* dialog;
    void (*show)(void* dialog, int id, int state);
    int (*read)(void* dialog, int id);
};

// Box states; the matrix compares them as numbers.
const int kBoxUnchecked = 0;
const int kBoxChecked = 1;
const int kBoxIndeterminate = 2;

// All flags set: checked; some: indeterminate; none: unchecked.
int TriStateOf(uint8_t a);
int TriStateOf(uint8_t a, uint8_t b);
int TriStateOf(uint8_t a, uint8_t b, uint8_t c);
int TriStateOf(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e);

// Shows TriStateOf(flags) in the box and returns it.
int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a);
int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b);
int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b, uint8_t c);
int SetBoxFromFlags(const MatrixView& view, int id, uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e);

// The All row: M, then S, then B as the larger of the two.
void RefreshAllRow(const MatrixView& view);
// Shows all sixteen boxes from the flags.
void InitMatrix(const MatrixView& view);
// One click on a control; ids outside the sixteen change nothing.
void HandleMatrixClick(const MatrixView& view, int id);

#endif

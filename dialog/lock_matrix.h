// The Move/Size/Both matrix: sixteen check boxes that show and edit the eight
// lock flags. Platform-free: it reaches the boxes only through the two
// functions below, which the dialog maps onto CheckDlgButton and
// IsDlgButtonChecked (a test can map them onto a table of box states).
#ifndef TAVRIN_DIALOG_LOCK_MATRIX_H
#define TAVRIN_DIALOG_LOCK_MATRIX_H

#include <stdint.h>

typedef void* MatrixDialog;

// Box states; the matrix compares them as numbers.
const int kBoxUnchecked = 0;
const int kBoxChecked = 1;
const int kBoxIndeterminate = 2;

void ShowMatrixBox(MatrixDialog dialog, int id, int state);
int ReadMatrixBox(MatrixDialog dialog, int id);

// All flags set: checked; some: indeterminate; none: unchecked.
int TriStateOf(uint8_t a);
int TriStateOf(uint8_t a, uint8_t b);
int TriStateOf(uint8_t a, uint8_t b, uint8_t c);
int TriStateOf(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e);

// Shows TriStateOf(flags) in the box and returns it.
int SetBoxFromFlags(MatrixDialog dialog, int id, uint8_t a);
int SetBoxFromFlags(MatrixDialog dialog, int id, uint8_t a, uint8_t b);
int SetBoxFromFlags(MatrixDialog dialog, int id, uint8_t a, uint8_t b, uint8_t c);
int SetBoxFromFlags(MatrixDialog dialog, int id, uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e);

// The All row: M, then S, then B as the larger of the two.
void RefreshAllRow(MatrixDialog dialog);
// Shows all sixteen boxes from the flags.
void InitMatrix(MatrixDialog dialog);
// One click on a control; ids outside the sixteen change nothing.
void HandleMatrixClick(MatrixDialog dialog, int id);

#endif

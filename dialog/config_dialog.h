// The configuration dialog: the lock matrix over dialog resource 101.
#ifndef TAVRIN_DIALOG_CONFIG_DIALOG_H
#define TAVRIN_DIALOG_CONFIG_DIALOG_H

#include <windows.h>

// Runs the dialog modally from the resource in 'module'; returns when it has
// closed. OK keeps the edits, Cancel and the close box put the flags back.
void RunConfigDialog(HINSTANCE module);

#endif

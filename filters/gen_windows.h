// The player's generic skinned frames ("Winamp Gen"), the library frame among
// them: found on the player's message 503 and filtered by GenFilterProc.
#ifndef TAVRIN_FILTERS_GEN_WINDOWS_H
#define TAVRIN_FILTERS_GEN_WINDOWS_H

#include <windows.h>

// Walks the top-level windows and filters every new generic frame of this process.
void RegisterGenWindows();

// Puts back every registered frame's own procedure where GenFilterProc is still
// in place; false when some frame still runs through it.
bool RestoreGenWindows();

#endif

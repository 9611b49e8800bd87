// The eight lock flags, one byte each, always 0 or 1.
#ifndef TAVRIN_SETTINGS_LOCK_SETTINGS_H
#define TAVRIN_SETTINGS_LOCK_SETTINGS_H

#include <stdint.h>

struct LockSettings {
    uint8_t MoveMain;
    uint8_t MoveEqualizer;
    uint8_t MovePlaylist;
    uint8_t MoveVideo;
    uint8_t MoveGen;
    uint8_t SizePlaylist;
    uint8_t SizeVideo;
    uint8_t SizeGen;
};

// Read by the filters, written by the dialog, loaded at init and saved at quit.
extern LockSettings g_lockSettings;

// Ini section and keys, in the order the flags are read and written.
#define TAVRIN_INI_SECTION "gen_tavrin"

struct LockFlagKey {
    const char* key;
    uint8_t LockSettings::*flag;
};

const int kLockFlagCount = 8;
extern const LockFlagKey kLockFlagKeys[kLockFlagCount];

// The ini persistence (lock_store.cpp), on the path the player gave at init
// (0: no ini file; load sets every flag, save writes nothing).
void LoadLockSettings(const char* path);
void SaveLockSettings(const char* path);

#endif

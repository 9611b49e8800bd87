#include "settings/lock_settings.h"

LockSettings g_lockSettings;

const LockFlagKey kLockFlagKeys[kLockFlagCount] = {
    {"TavrinMoveMain", &LockSettings::MoveMain},
    {"TavrinMoveEqualizer", &LockSettings::MoveEqualizer},
    {"TavrinMovePlaylist", &LockSettings::MovePlaylist},
    {"TavrinMoveVideo", &LockSettings::MoveVideo},
    {"TavrinMoveGen", &LockSettings::MoveGen},
    {"TavrinSizePlaylist", &LockSettings::SizePlaylist},
    {"TavrinSizeVideo", &LockSettings::SizeVideo},
    {"TavrinSizeGen", &LockSettings::SizeGen},
};

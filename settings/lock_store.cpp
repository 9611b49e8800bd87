// Loads the flags from the player's ini file once at init, writes them at quit.
#include <windows.h>

#include "settings/lock_settings.h"

void LoadLockSettings(const char* path)
{
    for (int i = 0; i < kLockFlagCount; ++i) {
        uint8_t value = 1;
        if (path) {
            value = GetPrivateProfileIntA(TAVRIN_INI_SECTION, kLockFlagKeys[i].key, 1, path) != 0;
        }
        g_lockSettings.*kLockFlagKeys[i].flag = value;
    }
}

void SaveLockSettings(const char* path)
{
    if (!path) return;
    for (int i = 0; i < kLockFlagCount; ++i) {
        char text[16];
        wsprintfA(text, "%i", g_lockSettings.*kLockFlagKeys[i].flag ? 1 : 0);
        WritePrivateProfileStringA(TAVRIN_INI_SECTION, kLockFlagKeys[i].key, text, path);
    }
}

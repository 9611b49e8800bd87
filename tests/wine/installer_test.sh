#!/usr/bin/env bash
# Installs with the amd64 build of the installer, silently, into a throw-away
# player folder under Wine, then uninstalls; checks what lands and what goes.
#   installer_test.sh SETUP.exe PLUGIN.dll
set -u
WINE=/usr/lib/wine/wine64
setup="$1"
dll="$2"
passed=0
failed=0
check() {
    if eval "$2"; then echo "ok:     $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi
}
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

work=$(mktemp -d /tmp/tavrin-install.XXXXXX)
player="$work/Winamp"
mkdir -p "$player"
: > "$player/winamp.exe"
printf '[Winamp]\r\nvolume=200\r\n[gen_tavrin]\r\nTavrinMoveMain=0\r\n' > "$player/winamp.ini"
cp "$player/winamp.ini" "$work/ini.before"

"$WINE" "$setup" /S "/D=$(winpath "$player")"
check "silent install succeeds" "[ $? -eq 0 ]"
check "the DLL lands in Plugins" "cmp -s '$dll' '$player/Plugins/gen_tavrin.dll'"
check "the uninstaller lands beside it" "[ -f '$player/Plugins/gen_tavrin-uninstall.exe' ]"
check "the uninstall entry is registered" "'$WINE' reg query '$key\\gen_tavrin' /v UninstallString >/dev/null 2>&1"

"$WINE" "$player/Plugins/gen_tavrin-uninstall.exe" /S "_?=$(winpath "$player/Plugins")"
check "silent uninstall succeeds" "[ $? -eq 0 ]"
check "the DLL is gone" "[ ! -e '$player/Plugins/gen_tavrin.dll' ]"
check "the player's ini file is untouched" "cmp -s '$work/ini.before' '$player/winamp.ini'"
check "the player itself is untouched" "[ -f '$player/winamp.exe' ]"
check "the uninstall entry is gone" "! '$WINE' reg query '$key\\gen_tavrin' >/dev/null 2>&1"

# No player in the folder: refused, nothing written.
empty="$work/NoPlayer"
mkdir -p "$empty"
"$WINE" "$setup" /S "/D=$(winpath "$empty")"
status=$?
check "a folder without the player is refused (exit $status)" "[ $status -ne 0 ]"
check "nothing lands there" "[ ! -e '$empty/Plugins' ]"

# No folder given: the player's own uninstall entry says where it is.
found="$work/Found Player"
mkdir -p "$found"
: > "$found/winamp.exe"
"$WINE" reg add "$key\\Winamp" /v UninstallString /d "\"$(winpath "$found")\\UninstWA.exe\"" /f >/dev/null 2>&1
"$WINE" "$setup" /S
check "the player's folder is found from its uninstall entry" "[ -f '$found/Plugins/gen_tavrin.dll' ]"
"$WINE" reg delete "$key\\Winamp" /f >/dev/null 2>&1
"$WINE" reg delete "$key\\gen_tavrin" /f >/dev/null 2>&1

rm -rf "$work"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

# Sourced by the scripts that run Windows programs: one throw-away Wine prefix
# per run, kept warm by a persistent wineserver, windows left unmanaged so
# that Xvfb without a window manager does not make Wine wait on every hide.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

start_wine() {
    export WINEDEBUG=-all
    if [ -z "${WINEPREFIX:-}" ]; then
        WINEPREFIX="$(mktemp -d /tmp/tavrin-wine.XXXXXX)"
        TAVRIN_OWN_PREFIX=1
    fi
    export WINEPREFIX
    export WINEDLLOVERRIDES="mscoree,mshtml="
    echo "wine prefix: $WINEPREFIX"
    "$WINESERVER" -p
    # Where 32-bit programs can start (scripts/test32 lets qemu run them), a
    # new 64-bit prefix would also set up its 32-bit half under emulation,
    # which takes minutes and is not needed here: hide i386 while it is made.
    local i386=/proc/sys/fs/binfmt_misc/qemu-i386
    local hidden=
    if [ -w "$i386" ] && grep -q enabled "$i386"; then
        echo 0 > "$i386" && hidden=1
    fi
    "$WINE64" wineboot --init >/dev/null 2>&1 || true
    if [ -n "$hidden" ]; then echo 1 > "$i386"; fi
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

stop_wine() {
    "$WINESERVER" -k 2>/dev/null || true
    if [ -n "${TAVRIN_OWN_PREFIX:-}" ]; then
        sleep 1
        rm -rf "$WINEPREFIX"
    fi
}

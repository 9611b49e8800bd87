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
    "$WINE64" wineboot --init >/dev/null 2>&1 || true
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

stop_wine() {
    "$WINESERVER" -k 2>/dev/null || true
    if [ -n "${TAVRIN_OWN_PREFIX:-}" ]; then
        sleep 1
        rm -rf "$WINEPREFIX"
    fi
}

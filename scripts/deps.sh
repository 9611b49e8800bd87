# Sourced by the scripts: installs Debian packages that are missing.
# Needs root (apt-get); does nothing when everything is already there.

ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! apt-get install -y --no-install-recommends "${missing[@]}" >/tmp/tavrin-apt.log 2>&1; then
        apt-get update >>/tmp/tavrin-apt.log 2>&1
        apt-get install -y --no-install-recommends "${missing[@]}" >>/tmp/tavrin-apt.log 2>&1 || {
            tail -20 /tmp/tavrin-apt.log
            echo "could not install: ${missing[*]}" >&2
            return 1
        }
    fi
}

BUILD_PACKAGES=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
                binutils-mingw-w64-x86-64 nsis zip)
TEST_PACKAGES=(g++ googletest libgtest-dev wine64 xvfb xauth python3 python3-pefile)

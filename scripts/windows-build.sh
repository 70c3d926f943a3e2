# Shared by the Windows scripts: cross-builds the whole project for 64-bit Windows
# into build-windows/ and prepares the Wine prefix its programs run in. Source it
# after common.sh; needs bash.

# shellcheck source=scripts/windows-qt.sh
. scripts/windows-qt.sh

WINDOWS_BUILD_DIR=build-windows

# Installs what is missing, builds (or takes from the cache) Qt for Windows and
# builds every target into build-windows/ with the mingw-w64 toolchain file. The
# Windows Qt is qtbase alone: the translations are made with Debian's own lrelease
# (Qt5LinguistTools), which runs here.
windows_build() {
    ensure_packages "${BUILD_PACKAGES[@]}"
    ensure_windows_qt
    cmake -S . -B "$WINDOWS_BUILD_DIR" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_PREFIX_PATH="$WINDOWS_QT_PREFIX" \
        -DQt5_DIR="$WINDOWS_QT_PREFIX/lib/cmake/Qt5" \
        -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools \
        -DVELMORA_WINE_PREFIX="$(velmora_cache_root)/wineprefix"
    cmake --build "$WINDOWS_BUILD_DIR" -j "$(nproc)"
}

# The Wine prefix that build-windows/wine-run runs programs in, created once; exports
# WINEPREFIX and the settings that keep Wine quiet as wine-run sets them, for a plain
# `wine` as well.
ensure_wine_prefix() {
    local env
    env=$("$WINDOWS_BUILD_DIR/wine-run" --env)
    eval "$env"
}

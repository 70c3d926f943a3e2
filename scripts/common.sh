# Shared by the scripts: installs the Debian packages that are missing.
# Usage: ensure_packages pkg...
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: need root or sudo to install: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# Where the scripts keep what outlives a build folder (the Windows Qt, the Wine
# prefix): $VELMORA_CACHE, else velmora/ in the user's cache folder.
velmora_cache_root() {
    echo "${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}"
}

# What building and testing needs on Debian 12. Qt's lrelease and lupdate (qttools5-dev
# for their CMake functions, qttools5-dev-tools for the programs) and Qt's own
# translations (qttranslations5-l10n), which the build puts into the program; the
# Windows build takes the same.
BUILD_PACKAGES=(build-essential cmake qtbase5-dev qtbase5-dev-tools binutils fonts-dejavu-core
    qttools5-dev qttools5-dev-tools qttranslations5-l10n)
# What the Qt 6 build needs on top. qt6-base-dev itself depends on the OpenGL and
# Vulkan headers (libgl-dev, libopengl-dev, libvulkan-dev) that Qt 6's CMake
# package looks for, and on the platform plugins (qt6-qpa-plugins) the tests run on.
QT6_PACKAGES=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

# The Linux build the scripts make: `choose_linux_build QT6 SANITIZE` (each 0 or 1)
# sets LINUX_BUILD_DIR (build/, with -qt6 and then -sanitize added for each one
# chosen), LINUX_CMAKE_ARGS and LINUX_PACKAGES, what that build needs installed.
choose_linux_build() {
    LINUX_BUILD_DIR=build
    LINUX_CMAKE_ARGS=()
    LINUX_PACKAGES=("${BUILD_PACKAGES[@]}")
    if [ "$1" -eq 1 ]; then
        LINUX_BUILD_DIR+=-qt6
        LINUX_CMAKE_ARGS+=(-DVELMORA_QT_MAJOR=6)
        LINUX_PACKAGES+=("${QT6_PACKAGES[@]}")
    fi
    if [ "$2" -eq 1 ]; then
        LINUX_BUILD_DIR+=-sanitize
        LINUX_CMAKE_ARGS+=(-DVELMORA_SANITIZE=ON)
    fi
}

# Installs what the chosen Linux build needs and builds it.
linux_build() {
    ensure_packages "${LINUX_PACKAGES[@]}"
    cmake -S . -B "$LINUX_BUILD_DIR" "${LINUX_CMAKE_ARGS[@]}"
    cmake --build "$LINUX_BUILD_DIR" -j "$(nproc)"
}

# Shared by the Windows scripts: Qt 5.15 (qtbase) for 64-bit Windows, cross-built
# with mingw-w64 from Debian's own source package and cached outside the
# repository (velmora_cache_root). Source it after common.sh, then call
# `ensure_windows_qt`; it sets WINDOWS_QT_PREFIX.
#
# The cache key is everything that goes into the build: the qtbase source version,
# the configure line and the cross compiler's version. A changed key builds anew
# (about 45 minutes on 2 cores); a cached one takes seconds.

WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine dpkg-dev xz-utils
    xvfb xauth)

# Debian's qtbase lacks the bundled sqlite, wintab and iaccessible2 parts; these
# options leave out everything that needs them, and everything we do not use.
WINDOWS_QT_CONFIGURE=(-opensource -confirm-license -xplatform win32-g++
    -device-option CROSS_COMPILE=x86_64-w64-mingw32- -release -shared
    -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-xml
    -no-feature-concurrent -no-feature-tabletevent -no-ssl
    -qt-zlib -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz
    -nomake examples -nomake tests)

# Adds a deb-src entry for the mirror apt already uses, so that `apt-get source` works.
ensure_deb_src() {
    if apt-get source --print-uris qtbase-opensource-src >/dev/null 2>&1; then
        return 0
    fi
    local sources=/etc/apt/sources.list.d/velmora-deb-src.sources
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        # deb822: the same entries, as source entries.
        sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee "$sources" >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
}

ensure_windows_qt() {
    ensure_packages "${WINDOWS_PACKAGES[@]}"
    ensure_deb_src
    local version compiler key root
    # Each reader takes its whole input: one that stopped early would end the writer
    # with SIGPIPE, which pipefail turns into a failure of the script.
    version=$(apt-cache showsrc qtbase-opensource-src | awk '/^Version:/ && !v {v = $2} END {print v}')
    compiler=$(x86_64-w64-mingw32-g++-posix --version | sed -n 1p)
    key=$(printf '%s\n%s\n%s\n' "$version" "${WINDOWS_QT_CONFIGURE[*]}" "$compiler" |
        sha256sum | cut -c1-16)
    root=$(velmora_cache_root)
    WINDOWS_QT_PREFIX="$root/qt5-mingw64-$key"
    if [ -f "$WINDOWS_QT_PREFIX/.complete" ]; then
        echo "Windows Qt: cached in $WINDOWS_QT_PREFIX"
        return 0
    fi

    # One build at a time: a second script started meanwhile would wipe the work
    # folder of the first and share a half-built Qt. It waits here for the lock and
    # then finds the cache complete. The lock file stays beside the cache, so that
    # the lock is never taken on a file that another script has just removed.
    mkdir -p "$root"
    exec 8>"$root/qt5-mingw64-$key.lock"
    if ! flock -n 8; then
        echo "Windows Qt: another script is building it; waiting for it to finish"
        flock 8
    fi
    if [ -f "$WINDOWS_QT_PREFIX/.complete" ]; then
        exec 8>&-
        echo "Windows Qt: cached in $WINDOWS_QT_PREFIX"
        return 0
    fi

    echo "Windows Qt: building qtbase $version for mingw-w64 into $WINDOWS_QT_PREFIX (about 45 minutes on two cores)"
    local work="$root/work-$key"
    rm -rf "$work" "$WINDOWS_QT_PREFIX"
    mkdir -p "$work"
    (
        set -e
        cd "$work"
        apt-get source -qq qtbase-opensource-src >/dev/null
        local src
        src=$(find . -maxdepth 1 -type d -name 'qtbase-opensource-src-*' | head -n1)
        mkdir build
        cd build
        # The posix flavour of mingw-w64 has std::thread, which qtbase needs.
        "../$src/configure" "${WINDOWS_QT_CONFIGURE[@]}" -prefix "$WINDOWS_QT_PREFIX" \
            QMAKE_CC=x86_64-w64-mingw32-gcc-posix QMAKE_CXX=x86_64-w64-mingw32-g++-posix \
            QMAKE_LINK=x86_64-w64-mingw32-g++-posix QMAKE_LINK_C=x86_64-w64-mingw32-gcc-posix \
            > configure.log 2>&1 || { tail -n 40 configure.log; exit 1; }
        make -j "$(nproc)" > make.log 2>&1 || { tail -n 60 make.log; exit 1; }
        make install > install.log 2>&1 || { tail -n 40 install.log; exit 1; }
    )
    touch "$WINDOWS_QT_PREFIX/.complete"
    rm -rf "$work"
    exec 8>&-
}

# Cross-building for 64-bit Windows with Debian's mingw-w64 (the -posix flavour,
# whose std::thread the Qt built by scripts/windows-qt.sh was made with too).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH=<the Windows Qt's prefix>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLET}-windres)
set(CMAKE_OBJCOPY ${VELMORA_MINGW_TRIPLET}-objcopy CACHE FILEPATH "objcopy of the toolchain")

# Libraries and headers come from the mingw-w64 sysroot, never from the build
# machine; programs do. Packages are searched in both, because the Windows Qt lives
# outside the sysroot (CMAKE_PREFIX_PATH names it) and its CMake files find their
# sibling modules by absolute paths that re-rooting would break.
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

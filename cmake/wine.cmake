# A Windows build made on Linux runs its tests under Wine: CTest starts each one
# through <build>/wine-run (CMAKE_CROSSCOMPILING_EMULATOR), which gives the program
# the Windows side of what a Linux test gets for free: where its DLLs are, Qt's
# variables, and a temporary folder on the drive that maps the Unix tree.
# Included by the top-level CMakeLists after cmake/windows-dlls.cmake.

# A Unix path as Wine's Z: drive (the whole Unix tree) names it.
function(velmora_wine_path out unix_path)
  string(REPLACE "/" "\\" windows_path "${unix_path}")
  set(${out} "Z:${windows_path}" PARENT_SCOPE)
endfunction()

# The folders of Qt's DLLs and the compiler's runtime DLLs (cmake/windows-dlls.cmake).
set(wine_dll_dirs)
foreach(dir IN LISTS VELMORA_DLL_DIRS)
  velmora_wine_path(windows_dir "${dir}")
  list(APPEND wine_dll_dirs "${windows_dir}")
endforeach()
# WINEPATH separates folders with ";", as a CMake list does.
set(VELMORA_WINEPATH "${wine_dll_dirs}")
velmora_wine_path(VELMORA_WINE_QT_PLUGINS "${VELMORA_QT_PREFIX}/plugins")

# The scripts name the prefix in their cache folder (scripts/common.sh); a build
# configured by hand keeps one of its own.
set(VELMORA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH
  "Wine prefix that <build>/wine-run runs programs in (VELMORA_WINEPREFIX overrides it)")

# Qt's offscreen platform on Windows reads its fonts from a folder of font files.
set(VELMORA_FONT_DIR /usr/share/fonts/truetype/dejavu CACHE PATH
  "Folder of TrueType fonts for Qt's offscreen platform under Wine")
velmora_wine_path(VELMORA_WINE_FONT_DIR "${VELMORA_FONT_DIR}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

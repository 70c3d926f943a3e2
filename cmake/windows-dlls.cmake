# Where the DLLs a Windows build loads come from when Windows has none of its own:
# Qt's, and the compiler's runtime. Both the tests under Wine (cmake/wine.cmake,
# through WINEPATH) and the zips of scripts/package-windows take them from here;
# the script reads the folders from <build>/windows-dll-dirs.txt, one a line.
# Included by the top-level CMakeLists after Qt has been found.

# The compiler's runtime: what a program built by mingw-w64's g++ (-posix) imports.
set(VELMORA_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

get_target_property(qt_core Qt5::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(VELMORA_QT_BIN_DIR "${qt_core}" DIRECTORY)
get_filename_component(VELMORA_QT_PREFIX "${VELMORA_QT_BIN_DIR}" DIRECTORY)
set(VELMORA_DLL_DIRS "${VELMORA_QT_BIN_DIR}")
foreach(dll IN LISTS VELMORA_RUNTIME_DLLS)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  get_filename_component(dir "${found}" DIRECTORY)
  get_filename_component(dir "${dir}" REALPATH)
  list(APPEND VELMORA_DLL_DIRS "${dir}")
endforeach()
list(REMOVE_DUPLICATES VELMORA_DLL_DIRS)

string(REPLACE ";" "\n" dll_dir_lines "${VELMORA_DLL_DIRS}")
file(WRITE ${CMAKE_BINARY_DIR}/windows-dll-dirs.txt "${dll_dir_lines}\n")

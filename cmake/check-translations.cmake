# Checks that every translations/*.ts is complete for the sources as they are:
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<src> -DTS_DIR=<translations> -DWORK=<scratch>
#         -P check-translations.cmake
# lupdate runs on copies (the files in the tree stay as they are). Afterwards no
# message may be unfinished (a new or changed text nobody translated), vanished or
# obsolete (a text the sources no longer have), and each translation must hold the
# same %1, %2 ... as its source. Every such message is printed, with its file.

file(GLOB ts_files "${TS_DIR}/*.ts")
if(NOT ts_files)
  message(FATAL_ERROR "no .ts files in ${TS_DIR}")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies)
foreach(ts IN LISTS ts_files)
  file(COPY "${ts}" DESTINATION "${WORK}")
  get_filename_component(name "${ts}" NAME)
  list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" -silent -locations none "${SOURCES}" -ts ${copies}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()

# Messages hold no '<' but their tags (text is escaped), so a message reads with
# [^<]*. CMake lists split at ';', which texts may hold: kept aside as \x01.
string(ASCII 1 semicolon)
set(faults 0)
foreach(copy IN LISTS copies)
  get_filename_component(name "${copy}" NAME)
  file(READ "${copy}" content)
  string(REPLACE ";" "${semicolon}" content "${content}")
  string(REPLACE "</message>" "</message>;" messages "${content}")
  set(checked 0)
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>([^<]*)</source>")
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    string(REPLACE "${semicolon}" ";" source "${CMAKE_MATCH_1}")
    set(fault "")
    if(message MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
      set(fault "${CMAKE_MATCH_1}")
    elseif(message MATCHES "<translation>([^<]*)</translation>")
      set(translation "${CMAKE_MATCH_1}")
      string(REGEX MATCHALL "%[1-9]" wanted "${source}")
      string(REGEX MATCHALL "%[1-9]" given "${translation}")
      list(SORT wanted)
      list(SORT given)
      if(NOT wanted STREQUAL given)
        set(fault "place markers '${given}' instead of '${wanted}'")
      endif()
    endif()
    if(fault)
      message("${name}: ${fault}: \"${source}\"")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
  message("${name}: ${checked} messages")
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} messages to translate or remove: edit the .ts files "
    "(README: Translating), after `cmake --build <build> --target update_translations`")
endif()

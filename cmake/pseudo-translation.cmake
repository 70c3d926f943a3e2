# Makes a pseudo-translation of every text the sources mark for translation: each
# translated as itself in square brackets, so that a text on the screen without
# them went around the translation.
#   cmake -DLUPDATE=<lupdate> -DLRELEASE=<lrelease> -DSOURCES=<src> -DOUTPUT=<file.qm>
#         -P pseudo-translation.cmake

get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
get_filename_component(out_name "${OUTPUT}" NAME_WE)
set(ts "${out_dir}/${out_name}.ts")
file(MAKE_DIRECTORY "${out_dir}")
file(REMOVE "${ts}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none "${SOURCES}" -ts "${ts}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()

# A new file holds only unfinished messages: a source, perhaps comments, and an empty
# translation. Message text holds no '<' (it is escaped), so [^<]* reads it whole.
file(READ "${ts}" content)
string(REGEX REPLACE
  "<source>([^<]*)</source>([^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*)<translation type=\"unfinished\"></translation>"
  "<source>\\1</source>\\2<translation>[\\1]</translation>" content "${content}")
if(content MATCHES "type=\"unfinished\"")
  message(FATAL_ERROR "${ts}: a message was left unmarked")
endif()
file(WRITE "${ts}" "${content}")

execute_process(COMMAND "${LRELEASE}" -silent "${ts}" -qm "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lrelease failed (${result})")
endif()

# Runs ARTGEN into OUTPUT and checks that it wrote the same files as EXPECTED holds, byte for byte, in its
# subfolders too.
# Usage: cmake -DARTGEN=<artgen> -DOUTPUT=<scratch folder> -DEXPECTED=<forms/art> -P compare_art.cmake
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${ARTGEN}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "artgen failed (${status})")
endif()

file(GLOB_RECURSE expected RELATIVE "${EXPECTED}" "${EXPECTED}/*")
file(GLOB_RECURSE produced RELATIVE "${OUTPUT}" "${OUTPUT}/*")
list(SORT expected)
list(SORT produced)
if(NOT expected STREQUAL produced)
  message(FATAL_ERROR "artgen writes [${produced}] but ${EXPECTED} holds [${expected}]")
endif()

set(changed "")
foreach(name IN LISTS produced)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}/${name}" "${OUTPUT}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND changed "${name}")
  endif()
endforeach()
if(changed)
  message(FATAL_ERROR "differ from ${EXPECTED}: ${changed}; regenerate with: artgen ${EXPECTED}")
endif()
list(LENGTH produced count)
message(STATUS "${count} files equal")

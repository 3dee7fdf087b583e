# Opens every editor library with `render shot` into a scratch folder and fails when a
# screenshot differs from the committed one in docs/shots. Without an X display it says
# so and the test counts as skipped.
if("$ENV{DISPLAY}" STREQUAL "")
  message("no X display: screenshots not checked")
  return()
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
string(REPLACE "|" ";" libraries "${LIBRARIES}")
foreach(library IN LISTS libraries)
  get_filename_component(name "${library}" NAME_WE)
  execute_process(COMMAND "${RENDER}" shot "${library}" "${WORK}/${name}.png"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "render shot ${name} failed (${rc}): ${err}")
  endif()
endforeach()
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/CompareGenerated.cmake")
compare_generated("${WORK}" "${COMMITTED}" "editor screenshots" "tools/shots.sh")

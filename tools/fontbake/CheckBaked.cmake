# Regenerates the font tables into a scratch folder and fails when they differ from the
# committed ones.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${BAKER}" "${REGULAR}" "${BOLD}" "${WORK}/BakedFontData.cpp" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "font baker failed (${rc})")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/CompareGenerated.cmake")
compare_generated("${WORK}" "${COMMITTED}" "font tables" "the font baker and copy its output over gui/raster/generated")

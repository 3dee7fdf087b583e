# Redraws the gallery editor's bitmaps into a scratch folder and fails when a committed one
# in resources/gallery differs from its redrawn file or is missing.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PYTHON}" "${GENERATOR}" "${WORK}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_gallery_bitmaps.py failed (${rc})")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/CompareGenerated.cmake")
compare_generated("${WORK}" "${COMMITTED}" "gallery bitmaps"
  "tools/gallerybitmaps/make_gallery_bitmaps.py resources/gallery")

# Regenerates the font tables and fails when they differ from the committed ones.
execute_process(COMMAND "${BAKER}" "${REGULAR}" "${BOLD}" "${OUT}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "font baker failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}" "${COMMITTED}" RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "gui/raster/BakedFontData.cpp is out of date: copy ${OUT} over it")
endif()

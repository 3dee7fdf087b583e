# compare_generated(<made dir> <committed dir> <what> <how to regenerate>), for cmake -P
# scripts of freshness tests: fails, naming them, when any file made in <made dir> differs
# from or is missing in <committed dir>.
function(compare_generated made_dir committed_dir what hint)
  file(GLOB_RECURSE made RELATIVE "${made_dir}" "${made_dir}/*")
  list(LENGTH made count)
  if(count EQUAL 0)
    message(FATAL_ERROR "no ${what} were made")
  endif()
  set(stale)
  foreach(file IN LISTS made)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${made_dir}/${file}" "${committed_dir}/${file}"
      RESULT_VARIABLE diff)
    if(NOT diff EQUAL 0)
      list(APPEND stale "${file}")
    endif()
  endforeach()
  if(stale)
    string(REPLACE ";" "\n  " stale "${stale}")
    message(FATAL_ERROR "${what} are out of date; run ${hint}. Differing:\n  ${stale}")
  endif()
  message(STATUS "${count} ${what} up to date")
endfunction()

# orva_add_combined_test_run(<name>)
#
# Links the objects of every test program registered so far into one more program, <name>,
# and registers it with CTest together with one test per program that reads that program's
# results from the combined program's report. Where 32-bit programs run under user-mode
# emulation, every start costs about a minute of address-space set-up in Wine's loader
# whatever the program does, so one start instead of one per program saves most of the
# run. `ctest -L "combined|standalone"` runs the combined form and the programs that must run
# alone; `ctest -LE combined` runs each program on its own. Programs added later through orva_add_test are picked up automatically.
set(ORVA_COMBINED_SCRIPTS_DIR "${CMAKE_CURRENT_LIST_DIR}")

function(orva_add_combined_test_run combined)
  get_property(programs GLOBAL PROPERTY ORVA_TEST_PROGRAMS)
  set(report "${CMAKE_CURRENT_BINARY_DIR}/${combined}.xml")
  set(lists_dir "${CMAKE_CURRENT_BINARY_DIR}/${combined}_sources")
  add_executable(${combined})
  set(libraries "")
  foreach(program IN LISTS programs)
    # Programs with their own bitmap tables run on their own (label "standalone").
    get_target_property(standalone ${program} ORVA_STANDALONE_TEST)
    if(standalone)
      continue()
    endif()
    target_sources(${combined} PRIVATE $<TARGET_OBJECTS:${program}>)
    get_target_property(program_libraries ${program} LINK_LIBRARIES)
    list(APPEND libraries ${program_libraries})
    get_target_property(program_dependencies ${program} MANUALLY_ADDED_DEPENDENCIES)
    if(program_dependencies)
      add_dependencies(${combined} ${program_dependencies})
    endif()

    # The report names the source file of every test; this list says which are the program's.
    get_target_property(sources ${program} SOURCES)
    get_target_property(source_dir ${program} SOURCE_DIR)
    set(absolute_sources "")
    foreach(source IN LISTS sources)
      get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${source_dir}")
      list(APPEND absolute_sources "${source}")
    endforeach()
    file(WRITE "${lists_dir}/${program}.txt" "${absolute_sources}")

    add_test(NAME ${program}.combined
      COMMAND ${CMAKE_COMMAND} -DREPORT=${report} -DPROGRAM=${program}
        -DSOURCES_FILE=${lists_dir}/${program}.txt
        -P "${ORVA_COMBINED_SCRIPTS_DIR}/CheckTestReport.cmake")
    set_tests_properties(${program}.combined PROPERTIES FIXTURES_REQUIRED ${combined} LABELS combined)
  endforeach()
  list(REMOVE_DUPLICATES libraries)
  target_link_libraries(${combined} PRIVATE ${libraries})

  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 runner)
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 1 runner_arch)
  add_test(NAME ${combined}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${combined}> -DREPORT=${report}
      -DRUNNER=${runner} -DRUNNER_ARCH=${runner_arch}
      -P "${ORVA_COMBINED_SCRIPTS_DIR}/RunCombinedTests.cmake")
  set_tests_properties(${combined} PROPERTIES FIXTURES_SETUP ${combined} LABELS combined)
endfunction()

# orva_add_plugin(<name> SOURCES ... [LIBRARIES ...] [TEST_ONLY] [EDITOR] [RESOURCES ...])
#
# Builds one VST 2 library named <name> into dist/<platform>/ (test-only libraries into
# dist/<platform>/test-only/). The library exports `VSTPluginMain` and `main` only.
# EDITOR links the editor toolkit; RESOURCES lists the editor's resource scripts (.rc)
# for Windows and bitmap files for the other platforms (handled by the toolkit).
# In native Linux test builds an EDITOR library also gets a headless twin,
# test-only/<name>_headless: the same sources on the shared headless toolkit, so tests load
# it as a host does and drive its editor with scripted input. Editor sources therefore go
# in SOURCES, not in a library that links orva_gui itself.
set(ORVA_ENTRY_SOURCE "${CMAKE_CURRENT_LIST_DIR}/../host/PluginEntry.cpp")
get_filename_component(ORVA_ENTRY_SOURCE "${ORVA_ENTRY_SOURCE}" ABSOLUTE)
set(ORVA_EXPORTS_MAP "${CMAKE_CURRENT_LIST_DIR}/exports.map")
set(ORVA_EXPORTS_DEF "${CMAKE_CURRENT_LIST_DIR}/exports.def")

function(orva_add_plugin name)
  cmake_parse_arguments(P "TEST_ONLY;EDITOR;HEADLESS" "" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  add_library(${name} MODULE ${P_SOURCES} "${ORVA_ENTRY_SOURCE}")
  target_link_libraries(${name} PRIVATE orva_host ${P_LIBRARIES})
  if(P_EDITOR)
    if(P_HEADLESS)
      target_link_libraries(${name} PRIVATE orva_gui_headless_shared)
      orva_embed_bitmaps(${name} ${P_RESOURCES})
    else()
      target_link_libraries(${name} PRIVATE orva_gui)
      if(COMMAND orva_add_editor_resources)
        orva_add_editor_resources(${name} ${P_RESOURCES})
      endif()
    endif()
    if(NOT P_HEADLESS AND TARGET orva_gui_headless_shared)
      orva_add_plugin(${name}_headless TEST_ONLY EDITOR HEADLESS
        SOURCES ${P_SOURCES} LIBRARIES ${P_LIBRARIES} RESOURCES ${P_RESOURCES})
      target_include_directories(${name}_headless PRIVATE $<TARGET_PROPERTY:${name},INCLUDE_DIRECTORIES>)
    endif()
  endif()

  set(out "${ORVA_DIST_DIR}")
  if(P_TEST_ONLY)
    set(out "${ORVA_DIST_DIR}/test-only")
  else()
    orva_install_deliverable(${name})
  endif()
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY "${out}"
    RUNTIME_OUTPUT_DIRECTORY "${out}")

  if(WIN32)
    target_sources(${name} PRIVATE "${ORVA_EXPORTS_DEF}")
  else()
    target_link_options(${name} PRIVATE
      "-Wl,--version-script=${ORVA_EXPORTS_MAP}"
      -static-libstdc++ -static-libgcc
      # A ThreadSanitizer build leaves the runtime's symbols to the program that loads it.
      $<$<NOT:$<BOOL:${ORVA_SANITIZER_RUNTIME_IN_HOST}>>:-Wl,--no-undefined>)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS "${ORVA_EXPORTS_MAP}")
  endif()
endfunction()

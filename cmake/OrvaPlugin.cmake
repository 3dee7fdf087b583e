# orva_add_plugin(<name> SOURCES ... [LIBRARIES ...] [TEST_ONLY] [EDITOR] [RESOURCES ...])
#
# Builds one VST 2 library named <name> into dist/<platform>/ (test-only libraries into
# dist/<platform>/test-only/). The library exports `VSTPluginMain` and `main` only.
# EDITOR links the editor toolkit; RESOURCES lists the editor's resource scripts (.rc)
# for Windows and bitmap files for the other platforms (handled by the toolkit).
set(ORVA_ENTRY_SOURCE "${CMAKE_CURRENT_LIST_DIR}/../host/PluginEntry.cpp")
get_filename_component(ORVA_ENTRY_SOURCE "${ORVA_ENTRY_SOURCE}" ABSOLUTE)
set(ORVA_EXPORTS_MAP "${CMAKE_CURRENT_LIST_DIR}/exports.map")
set(ORVA_EXPORTS_DEF "${CMAKE_CURRENT_LIST_DIR}/exports.def")

function(orva_add_plugin name)
  cmake_parse_arguments(P "TEST_ONLY;EDITOR" "" "SOURCES;LIBRARIES;RESOURCES" ${ARGN})
  add_library(${name} MODULE ${P_SOURCES} "${ORVA_ENTRY_SOURCE}")
  target_link_libraries(${name} PRIVATE orva_host ${P_LIBRARIES})
  if(P_EDITOR)
    target_link_libraries(${name} PRIVATE orva_gui)
    if(COMMAND orva_add_editor_resources)
      orva_add_editor_resources(${name} ${P_RESOURCES})
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
      -Wl,--no-undefined)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS "${ORVA_EXPORTS_MAP}")
  endif()
endfunction()

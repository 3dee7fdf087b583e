# `cmake --install build/<preset>` (or tools/install.sh) copies this platform's deliverables
# into a VST 2 folder: ~/.vst on Linux unless --prefix names another. The Windows builds
# install into install/<platform>/ under the source tree unless a prefix is given (for
# example a Wine prefix's "drive_c/Program Files/VSTPlugins"). Test-only libraries never
# install; the rig decoder's testtone.wav goes beside the libraries, where it looks.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  if(WIN32)
    set(default_prefix "${CMAKE_SOURCE_DIR}/install/${ORVA_PLATFORM}")
  else()
    set(default_prefix "$ENV{HOME}/.vst")
  endif()
  set(CMAKE_INSTALL_PREFIX "${default_prefix}" CACHE PATH "VST 2 folder the deliverables install into" FORCE)
endif()

# Called by orva_add_plugin for every library that is not test-only.
function(orva_install_deliverable name)
  install(TARGETS ${name} LIBRARY DESTINATION . RUNTIME DESTINATION .)
endfunction()

install(FILES "${CMAKE_SOURCE_DIR}/resources/rigdecoder/testtone.wav" DESTINATION .)

# Runs at install time (see CMakeLists.txt): writes the launcher entry, the
# user unit and the compressed manual page for the prefix being installed to.
# The launcher names the program by its absolute path, as the autostart entry
# does, so both start the same file even when the prefix is not on PATH.
set(VLM_BINDIR "${CMAKE_INSTALL_PREFIX}/${VLM_BINDIR_REL}")
set(VLM_SERVICE_DIR "${CMAKE_INSTALL_PREFIX}/${VLM_USER_UNIT_DIR_REL}")
set(out "${VLM_BINARY_DIR}/generated")
file(MAKE_DIRECTORY "${out}")
configure_file("${VLM_SOURCE_DIR}/velmora.desktop.in" "${out}/velmora.desktop" @ONLY)
configure_file("${VLM_SOURCE_DIR}/velmora.service.in" "${out}/velmora.service" @ONLY)
configure_file("${VLM_SOURCE_DIR}/velmora.1.in" "${out}/velmora.1" @ONLY)
execute_process(COMMAND gzip -9nf "${out}/velmora.1" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip of the manual page failed")
endif()

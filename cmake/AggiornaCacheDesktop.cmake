# Lets the desktop know of the installed (or removed) MIME type, launcher
# and icons. Skipped when staging into DESTDIR: the packaging system runs
# these on the target machine.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(LAVEDO_SHARE "${CMAKE_INSTALL_PREFIX}/share")
find_program(LAVEDO_MIME update-mime-database)
if(LAVEDO_MIME AND EXISTS "${LAVEDO_SHARE}/mime/packages")
  execute_process(COMMAND "${LAVEDO_MIME}" "${LAVEDO_SHARE}/mime" OUTPUT_QUIET ERROR_QUIET)
endif()
find_program(LAVEDO_DESKTOP update-desktop-database)
if(LAVEDO_DESKTOP AND EXISTS "${LAVEDO_SHARE}/applications")
  execute_process(COMMAND "${LAVEDO_DESKTOP}" -q "${LAVEDO_SHARE}/applications"
    OUTPUT_QUIET ERROR_QUIET)
endif()
find_program(LAVEDO_ICONE gtk-update-icon-cache)
if(LAVEDO_ICONE AND EXISTS "${LAVEDO_SHARE}/icons/hicolor/index.theme")
  execute_process(COMMAND "${LAVEDO_ICONE}" -q -t -f "${LAVEDO_SHARE}/icons/hicolor"
    OUTPUT_QUIET ERROR_QUIET)
endif()

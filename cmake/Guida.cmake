# The help book: the pages under docs/guida packed into one zip archive,
# which wxWidgets' help browser reads as it is. It is left next to the
# executables so that the program finds it in the build tree too.
file(GLOB_RECURSE LAVEDO_GUIDA_FILE CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/docs/guida
  ${CMAKE_SOURCE_DIR}/docs/guida/*.html ${CMAKE_SOURCE_DIR}/docs/guida/*.hh?
  ${CMAKE_SOURCE_DIR}/docs/guida/*.png)
list(TRANSFORM LAVEDO_GUIDA_FILE PREPEND ${CMAKE_SOURCE_DIR}/docs/guida/ OUTPUT_VARIABLE LAVEDO_GUIDA_DIPENDENZE)
set(LAVEDO_GUIDA ${CMAKE_BINARY_DIR}/lavedo98.htb)
add_custom_command(OUTPUT ${LAVEDO_GUIDA}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${LAVEDO_GUIDA}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${LAVEDO_GUIDA} --format=zip ${LAVEDO_GUIDA_FILE}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/docs/guida
  DEPENDS ${LAVEDO_GUIDA_DIPENDENZE}
  COMMENT "Packing the help book")
add_custom_target(guida ALL DEPENDS ${LAVEDO_GUIDA})

# What `make install` puts under PREFIX: the program, its data folder
# (share/lavedo98: textures, sample rooms, help book), the desktop entry,
# the icon in the hicolor theme, the room files' MIME type and the file
# managers' thumbnailer entry for it.
# Needs the targets lavedo (which draws the icons) and guida (cmake/Guida.cmake).

# The icon theme tree comes with the program's build (CMakeLists.txt).

file(GLOB LAVEDO_TEXTURE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/tess*.ppm)
file(GLOB LAVEDO_ESEMPI CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/esempi/*.lav)

install(TARGETS lavedo RUNTIME DESTINATION bin)
install(FILES ${LAVEDO_TEXTURE} ${LAVEDO_GUIDA} DESTINATION share/lavedo98)
install(FILES ${LAVEDO_ESEMPI} DESTINATION share/lavedo98/esempi)
install(DIRECTORY ${LAVEDO_ICONE}/ DESTINATION share/icons/hicolor)
install(FILES resources/desktop/lavedo98.xml DESTINATION share/mime/packages)
# The launcher names the program by its full installed path, so that a
# prefix outside PATH works from the desktop menu too.
install(CODE "
  set(LAVEDO_SORGENTE \"${CMAKE_SOURCE_DIR}/resources/desktop/lavedo98.desktop.in\")
  set(LAVEDO_GENERATO \"${CMAKE_BINARY_DIR}/lavedo98.desktop\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/VoceDesktop.cmake\")
  file(INSTALL \"\${LAVEDO_GENERATO}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
  set(LAVEDO_SORGENTE \"${CMAKE_SOURCE_DIR}/resources/desktop/lavedo98.thumbnailer.in\")
  set(LAVEDO_GENERATO \"${CMAKE_BINARY_DIR}/lavedo98.thumbnailer\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/VoceDesktop.cmake\")
  file(INSTALL \"\${LAVEDO_GENERATO}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/thumbnailers\")")
install(SCRIPT cmake/AggiornaCacheDesktop.cmake)

# `make uninstall` runs cmake/Disinstalla.cmake with PREFIX and DESTDIR.

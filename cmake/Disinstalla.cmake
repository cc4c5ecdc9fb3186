# Removes what the install step put under PREFIX (inside DESTDIR, if given):
#   cmake -D PREFIX=/usr/local [-D DESTDIR=/stage] -P cmake/Disinstalla.cmake
if(NOT PREFIX)
  set(PREFIX /usr/local)
endif()
set(LAVEDO_RADICE "${DESTDIR}${PREFIX}")

set(LAVEDO_FILE
  bin/lavedo
  share/applications/lavedo98.desktop
  share/thumbnailers/lavedo98.thumbnailer
  share/mime/packages/lavedo98.xml)
foreach(lato 16 22 24 32 48 64 128 256)
  list(APPEND LAVEDO_FILE share/icons/hicolor/${lato}x${lato}/apps/lavedo98.png)
endforeach()
foreach(file ${LAVEDO_FILE})
  if(EXISTS "${LAVEDO_RADICE}/${file}")
    message(STATUS "Removing: ${LAVEDO_RADICE}/${file}")
    file(REMOVE "${LAVEDO_RADICE}/${file}")
  endif()
endforeach()
# The data folder is the program's own.
if(EXISTS "${LAVEDO_RADICE}/share/lavedo98")
  message(STATUS "Removing: ${LAVEDO_RADICE}/share/lavedo98")
  file(REMOVE_RECURSE "${LAVEDO_RADICE}/share/lavedo98")
endif()

set(ENV{DESTDIR} "${DESTDIR}")
set(CMAKE_INSTALL_PREFIX "${PREFIX}")
include("${CMAKE_CURRENT_LIST_DIR}/AggiornaCacheDesktop.cmake")

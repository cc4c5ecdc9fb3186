# Checks the direction of the includes: the model needs no window toolkit;
# the model and the furniture include nothing of the view or the dialogs;
# the view opens the dialogs through slots the application fills, so it
# includes none of them; and nothing below reaches up into the application
# shell.
# Run by ctest as: cmake -DSORGENTI=<source folder> -P Dipendenze.cmake
set(violazioni "")
foreach(cartella model furniture view dialogs)
  file(GLOB file_sorgente ${SORGENTI}/${cartella}/*.h ${SORGENTI}/${cartella}/*.cpp)
  foreach(file_sorgente ${file_sorgente})
    file(STRINGS ${file_sorgente} righe REGEX "^#include")
    foreach(riga ${righe})
      if(riga MATCHES "\"app/")
        string(APPEND violazioni "${file_sorgente}: ${riga}\n")
      elseif(cartella STREQUAL "model" AND riga MATCHES "<wx/")
        string(APPEND violazioni "${file_sorgente}: ${riga}\n")
      elseif((cartella STREQUAL "model" OR cartella STREQUAL "furniture")
             AND riga MATCHES "\"(view|dialogs)/")
        string(APPEND violazioni "${file_sorgente}: ${riga}\n")
      elseif(cartella STREQUAL "view" AND riga MATCHES "\"dialogs/")
        string(APPEND violazioni "${file_sorgente}: ${riga}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(violazioni)
  message(FATAL_ERROR "Includes against the layering:\n${violazioni}")
endif()

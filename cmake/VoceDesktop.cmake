# Writes the desktop entry for the prefix being installed: LAVEDO_SORGENTE
# (template) -> LAVEDO_GENERATO, with the program's full path in Exec.
set(LAVEDO_PERCORSO "${CMAKE_INSTALL_PREFIX}/bin/lavedo")
# Exec quoting of the desktop entry format: inside double quotes `"`, `` ` ``,
# `$` and `\` take a backslash, and the file's own escaping doubles every
# backslash again.
string(REPLACE "\\" "\\\\\\\\" LAVEDO_EXEC "${LAVEDO_PERCORSO}")
foreach(carattere "\"" "`" "$")
  string(REPLACE "${carattere}" "\\\\${carattere}" LAVEDO_EXEC "${LAVEDO_EXEC}")
endforeach()
set(LAVEDO_EXEC "\"${LAVEDO_EXEC}\"")
configure_file("${LAVEDO_SORGENTE}" "${LAVEDO_GENERATO}" @ONLY)

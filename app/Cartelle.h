#pragma once
// Where the program finds what is installed with it. The data folder is
// found from the executable's own location (<prefix>/bin/lavedo ->
// <prefix>/share/lavedo98), so a moved installation still works.
#include <wx/string.h>

// <prefix>/share/lavedo98 of the running executable, or empty when there
// is no such folder (a program run from its build folder).
wxString CartellaDati();
// The sample rooms: the data folder's, else "esempi" in the working folder
// (the source tree's resources folder); empty if neither exists.
wxString CartellaEsempi();
// The help book: the data folder's, else the one the build leaves next to
// the executable; empty if neither exists.
wxString FileGuida();

// The help book's file name, the same in the build and in the data folder.
extern const char* const NOME_FILE_GUIDA;

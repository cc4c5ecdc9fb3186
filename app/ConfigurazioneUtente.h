#pragma once
#include <wx/string.h>

class wxConfigBase;

// The settings of the user (window layout, recent files, folders, copies'
// interval). When they cannot be written (no home folder, or one that
// cannot be written) they are read as they are and kept for the session
// only, and messaggio says so in Italian; the framework's own English box
// never shows. Otherwise messaggio is left empty.
wxConfigBase* CreaConfigurazione(const wxString& applicazione, const wxString& fornitore,
                                 wxString& messaggio);

// The framework's and the toolkit's own texts (help browser, message boxes,
// file and colour choosers) in Italian, whatever the user's language;
// numbers are read and written as before, with the point.
void CaricaTraduzioni();

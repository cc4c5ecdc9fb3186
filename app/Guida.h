#pragma once
#include <wx/string.h>

class wxWindow;

// The short help of the program: keys, mouse and display modes.
wxString TestoGuida();
// Shows the help in a modal message box over pGenitore.
void MostraGuida(wxWindow* pGenitore);

#pragma once
// Shared checks of the program's dialogs: layout in this platform's font,
// keys pressed as a user presses them, and pictures for a person to look at.
#include <wx/dialog.h>

namespace dialoghi
{
// Every text shows whole (each control at least its best size), no two
// controls overlap (group boxes aside), all lie inside the client area, and
// the dialog is centred on the main window.
void VerificaImpaginazione(const wxDialog& dlg);
// Shows the dialog without a modal loop, gives the focus to pFuoco (when
// given) and presses a key through the window system.
void PremiTasto(wxDialog& dlg, wxWindow* pFuoco, int nTasto, int nModificatori = 0);
// With LAVEDO_SCREENSHOTS set, writes the shown dialog as <nome>.png there
// (needs ImageMagick's import).
void Fotografa(wxDialog& dlg, const char* pNome);
}  // namespace dialoghi

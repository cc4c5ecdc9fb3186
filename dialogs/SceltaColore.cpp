#include "dialogs/SceltaColore.h"

#include <wx/colordlg.h>

namespace scelta_colore
{
std::function<bool(unsigned long, unsigned long&)> g_fnScegli;
}  // namespace scelta_colore

bool ScegliColore(wxWindow* pGenitore, unsigned long nIniziale, unsigned long& nScelto)
{
    if (scelta_colore::g_fnScegli)
        return scelta_colore::g_fnScegli(nIniziale, nScelto);
    wxColourData dati;
    dati.SetColour(wxColour(nIniziale & 0xFF, (nIniziale >> 8) & 0xFF, (nIniziale >> 16) & 0xFF));
    wxColourDialog dlg(pGenitore, &dati);
    if (dlg.ShowModal() != wxID_OK)
        return false;
    const wxColour scelto = dlg.GetColourData().GetColour();
    nScelto = scelto.Red() + 256UL * scelto.Green() + 65536UL * scelto.Blue();
    return true;
}

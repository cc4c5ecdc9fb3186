#pragma once
// Pictures of the view as PNG files, drawn off screen (view/FuoriSchermo.h),
// each written whole or not at all; the previews of the file manager.
#include <cstdint>
#include <vector>
#include <wx/string.h>

class CLavedoView;

namespace esportazione
{
// The view in mode nVista as a w x h PNG (16 to 8192 each).
bool EsportaImmagine(CLavedoView& vista, const wxString& percorso, int nVista, int w, int h,
                     wxString& errore);
// The plan as a PNG at most nLato pixels on its longer side.
bool Miniatura(CLavedoView& vista, const wxString& percorso, int nLato, wxString& errore);
// A wx image from rows top first.
bool CodificaPng(const std::vector<std::uint8_t>& rgb, int w, int h,
                 std::vector<std::uint8_t>& png);
}  // namespace esportazione

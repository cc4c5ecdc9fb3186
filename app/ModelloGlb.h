#pragma once
// The room as a 3D model for other programs (viewers on a phone, Blender, a
// shop): glTF 2.0 in its binary form (GLB).
#include "model/ContestoDisegno.h"

#include <cstdint>
#include <vector>
#include <wx/string.h>

class CScena;

namespace esportazione
{
// The scene as GLB: metres, y up, x east and z the plan's y, as the 3D view
// draws them. One node per piece with its name, its placement (a move and a
// turn about the vertical) and its geometry in its own frame; the floor,
// all four walls and the ceiling (when the context's 3D view draws it) as
// nodes of their own; each light that is on as a KHR_lights_punctual
// light; the stock textures embedded as PNG. False with an Italian reason.
bool ModelloGlb(CScena& scena, const CContestoDisegno& contesto, std::vector<std::uint8_t>& glb,
                wxString& errore);
// The same written to a file, whole or not at all.
bool EsportaModello(CScena& scena, const CContestoDisegno& contesto, const wxString& percorso,
                    wxString& errore);
}  // namespace esportazione

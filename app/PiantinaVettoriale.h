#pragma once
// The plan to scale as a vector drawing (PDF or SVG), written whole or not
// at all.
#include "app/Impaginazione.h"

#include <wx/string.h>

class CLavedoView;

namespace esportazione
{
// The plan on a page as PDF or SVG, by the path's extension.
bool EsportaPiantina(CLavedoView& vista, const wxString& percorso, const wxString& nomeFile,
                     const COpzioniPiantina& opzioni, wxString& errore);
}  // namespace esportazione

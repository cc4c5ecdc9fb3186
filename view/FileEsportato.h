#pragma once
// An exported file (picture, plan, 3D model) is written whole through the
// safe writer or not at all, and a failure says so in one message.
#include <cstdint>
#include <vector>
#include <wx/string.h>

namespace esportazione
{
// Writes the bytes in place of the file; on failure errore says why and the
// file is as it was.
bool ScriviFile(const wxString& percorso, const std::vector<std::uint8_t>& dati, wxString& errore);
// "Impossibile scrivere "percorso": motivo."
wxString ErroreScrittura(const wxString& percorso, const wxString& motivo);
}  // namespace esportazione

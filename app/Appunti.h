#pragma once
// The system clipboard side of cut, copy and paste: one piece in the
// private format (bytes of CodificaOggetto) beside a plain Italian text.
#include <cstdint>
#include <vector>
#include <wx/string.h>

class COggetto;

// Name of the private clipboard format.
extern const char* const FORMATO_APPUNTI;

// Italian plain text of a piece: type, name, sizes and position.
wxString DescriviOggetto(const COggetto& oggetto);
// Puts the bytes and the text on the clipboard; false when it cannot be
// opened.
bool MettiNegliAppunti(const std::vector<std::uint8_t>& dati, const wxString& testo);
// The bytes of the private format on the clipboard; false when there are
// none.
bool LeggiDagliAppunti(std::vector<std::uint8_t>& dati);
// Whether the clipboard holds the private format.
bool IsOggettoNegliAppunti();

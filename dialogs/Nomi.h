#pragma once
// Object names are stored as Windows-1252 bytes, as the document files hold
// them; the window side works in Unicode.
#include <string>
#include <wx/string.h>

// The text of a name buffer (up to its NUL). Bytes Windows-1252 leaves
// undefined show as U+FFFD rather than losing the whole name.
wxString NomeInTesto(const char* pNome);
// The bytes of a name typed by the user: characters Windows-1252 cannot
// hold become '?', and the result is cut at 49 bytes (the buffer holds 50
// with its NUL).
std::string TestoInNome(const wxString& testo);

#pragma once
// Names for new pieces that no piece in the room has yet: a pasted or
// duplicated copy, a piece taken from a catalogue.
#include <string>
#include <vector>

class CContenitori;

// nome itself when no name in usati is equal to it. Otherwise its trailing
// number ("Sedia 1"; a name without one counts as 1, "Divano" gives
// "Divano 2") raised to the first number no name in usati has. The result
// fits the 49 bytes a name holds: the text before the number is cut when
// needed. An empty name stays empty.
std::string NomeLibero(const std::string& nome, const std::vector<std::string>& usati);

// The same against the names of the pieces in oggetti.
std::string NomeLibero(const std::string& nome, CContenitori& oggetti);

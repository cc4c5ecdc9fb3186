#pragma once
// The clipboard's model half: one piece as bytes (family and kind codes,
// then its record exactly as the room file stores it) and back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class COggetto;

// The bytes of one piece.
std::vector<std::uint8_t> CodificaOggetto(COggetto& oggetto);

// The piece the bytes describe, checked as the room file loader checks a
// file (unknown codes, a short or overlong record, out-of-range values,
// and numbers that are not finite), with sizes from 0 to the longest side
// of a room and its angle brought within [0, 360). Null, with an Italian
// reason in errore, for anything else.
std::unique_ptr<COggetto> DecodificaOggetto(const std::uint8_t* pDati, std::size_t nDimensione,
                                            std::string& errore);

// Places a copy 0.25 m east and 0.25 m south of its original in the plan of
// a W x D room, then within the bounds dragging keeps pieces in; a door or
// window only slides along its wall, as dragging moves it. False, with an
// Italian reason, when the place it reaches is not a number.
bool SpostaCopia(COggetto& copia, float W, float D, std::string& errore);

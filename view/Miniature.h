#pragma once
// Pictures of single pieces for the catalogue, drawn by the pieces' own 3D
// drawing off screen.
#include "model/ContestoDisegno.h"

#include <cstdint>
#include <string>
#include <vector>

class CLavedoView;
class COggetto;

// The background of a picture, R, G, B.
extern const std::uint8_t COLORE_SFONDO_MINIATURA[3];

// Draws the piece alone into the current context's viewport, which it
// clears first: seen from the front right and a little above, lit,
// textured, filling the viewport, with the context's textures. GL and the
// piece are left as they were.
void DisegnaMiniatura(COggetto& pezzo, const CContestoDisegno& contesto);

// The pictures of the pieces, nLato x nLato pixels each (RGB, rows top
// first), drawn off screen in a context of their own and smoothed. False,
// with an Italian reason, when the system offers no off-screen context.
bool DisegnaMiniature(CLavedoView& vista, const std::vector<COggetto*>& pezzi, int nLato,
                      std::vector<std::vector<std::uint8_t>>& immagini, std::string& errore);

#pragma once
#include <wx/image.h>

// The program's picture, drawn at the size asked: a room corner in
// perspective with a small table, on a transparent background.
// DisegnaIcona needs no display, so the build can write the icon files of
// the desktop theme with it.
wxImage DisegnaIcona(int nLato);

// The sizes of the desktop's icon theme, drawn at build time.
constexpr int LATI_ICONA[] = {16, 22, 24, 32, 48, 64, 128, 256};

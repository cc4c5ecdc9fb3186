#pragma once
#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

// The program's picture, drawn at the size asked: a room corner in
// perspective with a small table, on a transparent background.
// DisegnaIcona needs no display, so the build can write the icon files of
// the desktop theme with it.
wxImage DisegnaIcona(int nLato);
wxBitmap CreaBitmapProgramma(int nLato);
wxIcon CreaIconaProgramma();

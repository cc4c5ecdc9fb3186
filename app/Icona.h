#pragma once
#include <wx/bitmap.h>
#include <wx/icon.h>

// The program's picture, drawn at the size asked: a room corner in
// perspective with a small table.
wxBitmap CreaBitmapProgramma(int nLato);
wxIcon CreaIconaProgramma();

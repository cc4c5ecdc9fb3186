#pragma once
#include "app/Icona.h"

#include <cstddef>
#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

// One size of the program icon as a PNG file, drawn at build time.
struct CIconaPng
{
    int nLato;
    const unsigned char* pDati;
    std::size_t nByte;
};
// Every size of LATI_ICONA, in its order (written by the build).
extern const CIconaPng g_aIconePng[];

// The window's icon at every size of the theme: sharp at any scale of the
// screen and wherever the desktop shows it.
wxIconBundle CreaIconeProgramma();
// The icon at nLato pixels for the toolkit's 100%, with the larger sizes
// for screens scaled up.
wxBitmapBundle CreaBitmapProgramma(int nLato);

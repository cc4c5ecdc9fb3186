#include "app/IconeProgramma.h"

#include <iterator>
#include <wx/mstream.h>

namespace
{
wxImage Immagine(const CIconaPng& icona)
{
    wxMemoryInputStream flusso(icona.pDati, icona.nByte);
    return wxImage(flusso, wxBITMAP_TYPE_PNG);
}
}  // namespace

wxIconBundle CreaIconeProgramma()
{
    wxIconBundle icone;
    for (std::size_t i = 0; i < std::size(LATI_ICONA); ++i)
    {
        wxIcon icona;
        icona.CopyFromBitmap(wxBitmap(Immagine(g_aIconePng[i])));
        icone.AddIcon(icona);
    }
    return icone;
}

wxBitmapBundle CreaBitmapProgramma(int nLato)
{
    wxVector<wxBitmap> aBitmap;
    aBitmap.push_back(wxBitmap(DisegnaIcona(nLato)));
    for (std::size_t i = 0; i < std::size(LATI_ICONA); ++i)
        if (g_aIconePng[i].nLato > nLato && g_aIconePng[i].nLato % nLato == 0)
            aBitmap.push_back(wxBitmap(Immagine(g_aIconePng[i])));
    return wxBitmapBundle::FromBitmaps(aBitmap);
}

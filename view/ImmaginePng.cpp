#include "view/ImmaginePng.h"

#include "model/Scena.h"
#include "view/FileEsportato.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <cmath>
#include <wx/image.h>
#include <wx/mstream.h>

namespace esportazione
{
bool CodificaPng(const std::vector<std::uint8_t>& rgb, int w, int h,
                 std::vector<std::uint8_t>& png)
{
    wxImage immagine(w, h, const_cast<unsigned char*>(rgb.data()), true);
    // Fast, still small: pictures of rooms are mostly flat colour.
    immagine.SetOption(wxIMAGE_OPTION_PNG_COMPRESSION_LEVEL, 3);
    wxMemoryOutputStream flusso;
    if (!immagine.SaveFile(flusso, wxBITMAP_TYPE_PNG))
        return false;
    png.resize(flusso.GetSize());
    flusso.CopyTo(png.data(), png.size());
    return true;
}

bool EsportaImmagine(CLavedoView& vista, const wxString& percorso, int nVista, int w, int h,
                     wxString& errore)
{
    if (w < LATO_MINIMO_IMMAGINE || h < LATO_MINIMO_IMMAGINE || w > LATO_MASSIMO_IMMAGINE ||
        h > LATO_MASSIMO_IMMAGINE)
    {
        errore = wxString::Format("La dimensione dell'immagine deve essere tra %d e %d pixel.",
                                  LATO_MINIMO_IMMAGINE, LATO_MASSIMO_IMMAGINE);
        return false;
    }
    std::vector<std::uint8_t> rgb, png;
    std::string motivo;
    {
        CFuoriSchermo fuori;
        if (!fuori.Cattura(ContestoImmagine(vista, nVista, w, h), *g_pDoc, rgb, motivo))
        {
            errore = ErroreScrittura(percorso, wxString::FromUTF8(motivo.c_str()));
            return false;
        }
    }
    if (!CodificaPng(rgb, w, h, png))
    {
        errore = ErroreScrittura(percorso, wxString::FromUTF8("la codifica PNG non è riuscita"));
        return false;
    }
    return ScriviFile(percorso, png, errore);
}

bool Miniatura(CLavedoView& vista, const wxString& percorso, int nLato, wxString& errore)
{
    if (nLato < LATO_MINIMO_IMMAGINE || nLato > LATO_MASSIMO_IMMAGINE)
    {
        errore = wxString::Format("La dimensione della miniatura deve essere tra %d e %d pixel.",
                                  LATO_MINIMO_IMMAGINE, LATO_MASSIMO_IMMAGINE);
        return false;
    }
    // The picture takes the room's proportions: the plan fills it.
    const double W = g_pDoc->m_Stanza.GetLarghezza(), D = g_pDoc->m_Stanza.GetProfondita();
    const double f = W >= D ? D / W : W / D;
    const int nCorto = std::clamp(static_cast<int>(std::lround(nLato * f)),
                                  LATO_MINIMO_IMMAGINE, nLato);
    return EsportaImmagine(vista, percorso, VISTA_PIANTINA, W >= D ? nLato : nCorto,
                           W >= D ? nCorto : nLato, errore);
}
}  // namespace esportazione

#include "app/MiniatureCatalogo.h"

#include "app/ListaCatalogo.h"
#include "model/Appunti.h"
#include "model/Catalogo.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"
#include "view/Miniature.h"

#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

CMiniatureCatalogo::CMiniatureCatalogo(const CCatalogo& catalogo,
                                       std::function<void(const wxString&)> fnNota)
    : m_Catalogo(catalogo), m_fnNota(std::move(fnNota))
{
}

const wxBitmap& CMiniatureCatalogo::Miniatura(std::size_t nVoce, double fScala)
{
    if (m_aMiniature.size() != m_Catalogo.GetVoci().size() || nVoce >= m_aMiniature.size() ||
        !m_aMiniature[nVoce].IsOk())
        Prepara(fScala);
    return nVoce < m_aMiniature.size() && m_aMiniature[nVoce].IsOk() ? m_aMiniature[nVoce]
                                                                     : m_Vuota;
}

void CMiniatureCatalogo::Dimentica()
{
    m_aMiniature.clear();
    m_Disegnate.clear();
    m_Vuota = wxBitmap();
}

void CMiniatureCatalogo::Prepara(double fScala)
{
    const auto& voci = m_Catalogo.GetVoci();
    const int nLato = static_cast<int>(std::lround(CListaCatalogo::LATO_MINIATURA * fScala));
    if (!m_Vuota.IsOk())
    {
        wxImage vuota(nLato, nLato);
        vuota.SetRGB(wxRect(0, 0, nLato, nLato), COLORE_SFONDO_MINIATURA[0],
                     COLORE_SFONDO_MINIATURA[1], COLORE_SFONDO_MINIATURA[2]);
        m_Vuota = wxBitmap(vuota, wxBITMAP_SCREEN_DEPTH, fScala);
    }
    CLavedoView* pVista = GetLavedoView();
    if (!pVista)
        return;
    if (m_aMiniature.size() != voci.size())
        m_aMiniature.assign(voci.size(), wxBitmap());
    std::vector<std::vector<std::uint8_t>> chiavi(voci.size());
    std::vector<COggetto*> daDisegnare;
    std::vector<std::size_t> quali;
    for (std::size_t i = 0; i < voci.size(); ++i)
    {
        if (m_aMiniature[i].IsOk())
            continue;
        chiavi[i] = CodificaOggetto(*voci[i].pPezzo);
        const auto trovata = m_Disegnate.find(chiavi[i]);
        if (trovata != m_Disegnate.end())
            m_aMiniature[i] = trovata->second;
        else
        {
            daDisegnare.push_back(voci[i].pPezzo);
            quali.push_back(i);
        }
    }
    if (daDisegnare.empty())
        return;
    std::vector<std::vector<std::uint8_t>> immagini;
    std::string errore;
    const bool bDisegnate = DisegnaMiniature(*pVista, daDisegnare, nLato, immagini, errore);
    if (!bDisegnate && m_fnNota)
        m_fnNota(wxString::FromUTF8(("Impossibile disegnare le immagini del catalogo: " + errore +
                                     ". I pezzi si possono inserire lo stesso.")
                                        .c_str()));
    for (std::size_t k = 0; k < quali.size(); ++k)
    {
        wxBitmap immagine = m_Vuota;
        if (bDisegnate)
        {
            wxImage img(nLato, nLato);
            std::copy(immagini[k].begin(), immagini[k].end(), img.GetData());
            immagine = wxBitmap(img, wxBITMAP_SCREEN_DEPTH, fScala);
        }
        m_aMiniature[quali[k]] = immagine;
        m_Disegnate[chiavi[quali[k]]] = immagine;
    }
}

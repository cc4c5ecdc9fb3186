#include "app/ListaCatalogo.h"

#include "dialogs/Nomi.h"
#include "model/Catalogo.h"
#include "model/Oggetto.h"

#include <wx/dc.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>

namespace
{
constexpr int MARGINE = 4;
}  // namespace

CListaCatalogo::CListaCatalogo(wxWindow* pGenitore, const CCatalogo& catalogo,
                               std::function<const wxBitmap&(std::size_t nVoce)> fnMiniatura)
    : wxVListBox(pGenitore, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME),
      m_Catalogo(catalogo),
      m_fnMiniatura(std::move(fnMiniatura))
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX));
}

void CListaCatalogo::Mostra(const std::vector<std::size_t>& aVoci)
{
    m_aRighe.clear();
    int nGruppo = -1;
    for (std::size_t nVoce : aVoci)
    {
        const int g = m_Catalogo.GetVoci()[nVoce].nGruppo;
        m_aRighe.push_back({nVoce, g != nGruppo});
        nGruppo = g;
    }
    SetItemCount(m_aRighe.size());
    RefreshAll();
}

long CListaCatalogo::VoceDellaRiga(int nRiga) const
{
    return nRiga >= 0 && static_cast<std::size_t>(nRiga) < m_aRighe.size()
               ? static_cast<long>(m_aRighe[static_cast<std::size_t>(nRiga)].nVoce)
               : -1;
}

int CListaCatalogo::RigaDellaVoce(std::size_t nVoce) const
{
    for (std::size_t i = 0; i < m_aRighe.size(); ++i)
        if (m_aRighe[i].nVoce == nVoce)
            return static_cast<int>(i);
    return wxNOT_FOUND;
}

int CListaCatalogo::AltezzaTitolo() const
{
    return GetCharHeight() + 2 * MARGINE + 2;
}

wxCoord CListaCatalogo::OnMeasureItem(size_t n) const
{
    const int nPezzo = std::max(LATO_MINIATURA, 3 * GetCharHeight()) + 2 * MARGINE;
    return nPezzo + (m_aRighe[n].bTitolo ? AltezzaTitolo() : 0);
}

void CListaCatalogo::OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const
{
    // Only the piece is highlighted, never the group's title above it.
    wxRect pezzo = rect;
    if (m_aRighe[n].bTitolo)
    {
        pezzo.y += AltezzaTitolo();
        pezzo.height -= AltezzaTitolo();
    }
    if (IsSelected(n))
        wxRendererNative::Get().DrawItemSelectionRect(const_cast<CListaCatalogo*>(this), dc, pezzo,
                                                      wxCONTROL_SELECTED | wxCONTROL_FOCUSED);
}

void CListaCatalogo::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const
{
    const CRiga& riga = m_aRighe[n];
    const CVoceCatalogo& voce = m_Catalogo.GetVoci()[riga.nVoce];
    wxRect r = rect;
    const wxFont normale = GetFont();
    if (riga.bTitolo)
    {
        dc.SetFont(normale.Bold());
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        dc.DrawText(wxString::FromUTF8(NomeGruppo(voce.nGruppo)), r.x + MARGINE, r.y + MARGINE + 2);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT)));
        dc.DrawLine(r.x + MARGINE, r.y + AltezzaTitolo() - 1, r.GetRight() - MARGINE,
                    r.y + AltezzaTitolo() - 1);
        r.y += AltezzaTitolo();
        r.height -= AltezzaTitolo();
    }
    r.Deflate(MARGINE);
    dc.DrawBitmap(m_fnMiniatura(riga.nVoce), r.x, r.y + (r.height - LATO_MINIATURA) / 2);

    // The name, then the sizes: a window's height from the floor below them.
    const COggetto& pezzo = *voce.pPezzo;
    const wxString nome = pezzo.GetNome()[0] ? NomeInTesto(pezzo.GetNome())
                                             : wxString::FromUTF8(NomeTipo(pezzo.GetCategoria(),
                                                                           pezzo.GetTipo()));
    wxString misure = wxString::FromUTF8(TestoMisure(pezzo).c_str());
    misure.Replace(", ", "\n");
    const bool bScelta = IsSelected(n);
    const wxColour testo = wxSystemSettings::GetColour(bScelta ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                               : wxSYS_COLOUR_LISTBOXTEXT);
    const int x = r.x + LATO_MINIATURA + 2 * MARGINE;
    const int h = GetCharHeight();
    const int nRighe = 1 + static_cast<int>(misure.Freq('\n')) + 1;
    int y = r.y + (r.height - nRighe * h) / 2;
    dc.SetClippingRegion(x, r.y, std::max(0, r.GetRight() - x), r.height);
    dc.SetFont(normale.Bold());
    dc.SetTextForeground(testo);
    dc.DrawText(nome, x, y);
    dc.SetFont(normale);
    dc.SetTextForeground(bScelta ? testo : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    dc.DrawText(misure, x, y + h);
    dc.DestroyClippingRegion();
}

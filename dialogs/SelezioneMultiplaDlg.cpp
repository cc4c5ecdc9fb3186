#include "dialogs/SelezioneMultiplaDlg.h"

#include "dialogs/Nomi.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/choice.h>
#include <wx/stattext.h>

CSelezioneMultiplaDlg::CSelezioneMultiplaDlg()
{
    CaricaModello("IDD_SELEZIONE_MULTIPLA", 221, 96);
    m_pOggetto = Controllo<wxChoice>("IDC_OGGETTO");
    m_pTipo = Controllo<wxStaticText>("IDC_TIPO");
    Bind(wxEVT_BUTTON, &CSelezioneMultiplaDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_CHOICE, &CSelezioneMultiplaDlg::OnSelchangeOggetto, this, XRCID("IDC_OGGETTO"));
    Inizializza();
}

COggetto* CSelezioneMultiplaDlg::OggettoColpito(int nColpo)
{
    if (!g_pView || !g_pDoc || nColpo < 0 || nColpo >= g_pView->m_nColpiti ||
        4 * nColpo + 3 >= DIMENSIONE_BUFFER_SELEZIONE)
        return nullptr;
    // Every record holds one name: the container position, in the low byte.
    const auto nPosizione =
        static_cast<std::uint8_t>(g_pView->m_aBufferSelezione[4 * nColpo + 3] & 0xFF);
    COggetto* pOggetto = nullptr;
    g_pDoc->m_Oggetti.GetElemento(nPosizione, pOggetto);
    return pOggetto;
}

void CSelezioneMultiplaDlg::Inizializza()
{
    if (!m_pOggetto || !g_pView || g_pView->m_nColpiti <= 0)
        return;
    for (int i = 0; i < g_pView->m_nColpiti; ++i)
    {
        const COggetto* pOggetto = OggettoColpito(i);
        m_pOggetto->Append(pOggetto ? NomeInTesto(pOggetto->GetNome()) : wxString());
    }
    m_pOggetto->SetSelection(0);
    MostraTipoOggetto(m_pTipo, OggettoColpito(0));
}

void CSelezioneMultiplaDlg::OnSelchangeOggetto(wxCommandEvent&)
{
    const int p = m_pOggetto ? m_pOggetto->GetSelection() : wxNOT_FOUND;
    if (p != wxNOT_FOUND)
        MostraTipoOggetto(m_pTipo, OggettoColpito(p));
}

void CSelezioneMultiplaDlg::OnOK(wxCommandEvent&)
{
    const int p = m_pOggetto ? m_pOggetto->GetSelection() : wxNOT_FOUND;
    if (p != wxNOT_FOUND && g_pView)
    {
        if (COggetto* pOggetto = OggettoColpito(p))
            g_pView->SelezionaOggetto(pOggetto);
    }
    Termina(wxID_OK);
}

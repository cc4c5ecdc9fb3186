#include "dialogs/SelezioneDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/AttributiDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/choice.h>
#include <wx/stattext.h>

CSelezioneDlg::CSelezioneDlg()
{
    if (!CaricaModello("IDD_SELEZIONE", 187, 89))
        return;
    m_pOggetto = Controllo<wxChoice>("IDC_OGGETTO");
    m_pTipo = Controllo<wxStaticText>("IDC_TIPO");
    Bind(wxEVT_BUTTON, &CSelezioneDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_CHOICE, &CSelezioneDlg::OnSelchangeOggetto, this, XRCID("IDC_OGGETTO"));
    Inizializza();
}

COggetto* CSelezioneDlg::Oggetto(int nPosizioneElenco)
{
    COggetto* pOggetto = nullptr;
    if (g_pDoc && nPosizioneElenco >= 0 && nPosizioneElenco < g_pDoc->m_Oggetti.GetNumero())
        g_pDoc->m_Oggetti.GetElemento(static_cast<std::uint8_t>(nPosizioneElenco + 1), pOggetto);
    return pOggetto;
}

void CSelezioneDlg::Inizializza()
{
    if (!m_pOggetto || !g_pDoc || g_pDoc->m_Oggetti.GetNumero() == 0)
        return;
    CContenitori& oggetti = g_pDoc->m_Oggetti;
    COggetto* pOggetto = nullptr;
    oggetti.GetElemento(1, pOggetto);
    for (; pOggetto; oggetti.GetSuccessivo(pOggetto))
        m_pOggetto->Append(NomeInTesto(pOggetto->GetNome()));
    m_pOggetto->SetSelection(0);
    MostraTipoOggetto(m_pTipo, Oggetto(0));
}

void CSelezioneDlg::OnSelchangeOggetto(wxCommandEvent&)
{
    const int p = m_pOggetto ? m_pOggetto->GetSelection() : wxNOT_FOUND;
    if (p != wxNOT_FOUND)
        MostraTipoOggetto(m_pTipo, Oggetto(p));
}

void CSelezioneDlg::OnOK(wxCommandEvent&)
{
    COggetto* pScelto = Oggetto(m_pOggetto ? m_pOggetto->GetSelection() : wxNOT_FOUND);
    if (pScelto && g_pView)
    {
        // An object picked earlier loses its mark with the selection, or
        // the plan would go on showing it selected.
        if (COggetto* pPrecedente = g_pView->GetOggettoSelezionato())
            pPrecedente->Deseleziona();
        g_pView->SetOggettoSelezionato(false);
        g_pView->m_pOggettoSelezionato = pScelto;
        g_pView->m_bNuovoOggetto = false;
        CAttributiDlg attributi;
        attributi.ShowModal();
    }
    Termina(wxID_OK);
}

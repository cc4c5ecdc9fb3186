#include "dialogs/ConfermaEliminaDlg.h"

#include "dialogs/Nomi.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/stattext.h>

namespace
{
// Container position of the view's selected object, or 0 when it is not in
// the container (the pointer is then only compared, never followed).
std::uint8_t PosizioneSelezionato()
{
    return g_pDoc && g_pView ? g_pDoc->m_Oggetti.Posizione(g_pView->m_pOggettoSelezionato) : 0;
}
}  // namespace

CConfermaEliminaDlg::CConfermaEliminaDlg()
{
    CaricaModello("IDD_CONFERMA_ELIMINA", 187, 95);
    m_pNome = Controllo<wxStaticText>("IDC_NOME");
    Bind(wxEVT_BUTTON, &CConfermaEliminaDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CConfermaEliminaDlg::OnCancel, this, wxID_CANCEL);
    Inizializza();
}

void CConfermaEliminaDlg::Inizializza()
{
    // Only a pointer that is still in the container is read.
    if (m_pNome && PosizioneSelezionato() != 0)
        MostraTesto(m_pNome, NomeInTesto(g_pView->m_pOggettoSelezionato->GetNome()));
}

void CConfermaEliminaDlg::OnOK(wxCommandEvent&)
{
    m_bConfermato = true;
    if (const std::uint8_t p = PosizioneSelezionato())
    {
        g_pView->m_pOggettoSelezionato->Deseleziona();
        g_pView->AnnullaSelezione();
        g_pDoc->m_Oggetti.Rimuovi(p);
    }
    Termina(wxID_OK);
    if (g_pDoc)
        g_pDoc->RegistraPasso("eliminazione");
}

void CConfermaEliminaDlg::OnCancel(wxCommandEvent&)
{
    m_bConfermato = false;
    Termina(wxID_CANCEL);
}

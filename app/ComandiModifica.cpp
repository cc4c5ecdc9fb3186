// Undo, redo, cut, copy, paste and duplicate: the document's commands of
// the "Modifica" menu.
#include "app/Appunti.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "dialogs/AttributiDlg.h"
#include "model/Appunti.h"
#include "model/Contenitori.h"
#include "model/NomeLibero.h"
#include "model/Oggetto.h"
#include "view/StatoVista.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace
{
void Avvisa(const wxString& messaggio)
{
    wxMessageBox(messaggio, "Lavedo98", wxOK | wxICON_EXCLAMATION, wxTheApp->GetTopWindow());
}

// The piece Modifica and Elimina of the view act on; never a light.
COggetto* Selezionato()
{
    return g_pView && !g_pView->m_bSelezioneLuce ? g_pView->GetOggettoSelezionato() : nullptr;
}
}  // namespace

std::vector<std::uint8_t> CLavedoDoc::CopiaSelezionato()
{
    COggetto* pOggetto = Selezionato();
    return pOggetto ? CodificaOggetto(*pOggetto) : std::vector<std::uint8_t>();
}

bool CLavedoDoc::Incolla(const std::vector<std::uint8_t>& dati, const char* szPasso)
{
    std::string errore;
    std::unique_ptr<COggetto> pCopia = DecodificaOggetto(dati.data(), dati.size(), errore);
    if (pCopia && m_Oggetti.GetNumero() >= CContenitori::MASSIMO_ELEMENTI)
    {
        Avvisa(CAttributiDlg::TestoStanzaPiena());
        return false;
    }
    if (!pCopia || !SpostaCopia(*pCopia, m_Stanza.GetLarghezza(), m_Stanza.GetProfondita(), errore))
    {
        Avvisa(wxString::FromUTF8(("Impossibile incollare: gli Appunti contengono un oggetto di "
                                   "Lavedo98 danneggiato (" +
                                   errore + "). Non \u00e8 stato inserito nulla.")
                                      .c_str()));
        return false;
    }
    // "Sedia 1" pasted beside itself becomes "Sedia 2": the choice list
    // never shows two pieces of one name.
    const std::string nome = NomeLibero(pCopia->GetNome(), m_Oggetti);
    if (nome != pCopia->GetNome())
        pCopia->SetNome(nome.c_str());
    return AggiungiNuovo(std::move(pCopia), szPasso);
}

bool CLavedoDoc::AggiungiNuovo(std::unique_ptr<COggetto> pPezzo, const char* szPasso)
{
    if (m_Oggetti.GetNumero() >= CContenitori::MASSIMO_ELEMENTI)
    {
        Avvisa(CAttributiDlg::TestoStanzaPiena());
        return false;
    }
    COggetto* pNuovo = pPezzo.release();
    m_Oggetti.Aggiungi(pNuovo);
    if (g_pView)
    {
        g_pView->SelezionaOggetto(pNuovo);
        g_pView->Ridisegna();
    }
    RegistraPasso(szPasso);
    return true;
}

void CLavedoDoc::OnAnnulla(wxCommandEvent&)
{
    if (Storia().CanUndo())
        Storia().Undo();
    StoriaCambiata();
}

void CLavedoDoc::OnRipeti(wxCommandEvent&)
{
    if (Storia().CanRedo())
        Storia().Redo();
    StoriaCambiata();
}

void CLavedoDoc::OnTaglia(wxCommandEvent& event)
{
    COggetto* pOggetto = Selezionato();
    if (!pOggetto)
        return;
    OnCopia(event);
    // No confirmation: the cut can be undone.
    if (const std::uint8_t p = m_Oggetti.Posizione(pOggetto))
    {
        g_pView->AnnullaSelezione();
        m_Oggetti.Rimuovi(p);
        g_pView->Ridisegna();
        RegistraPasso("taglio");
    }
}

void CLavedoDoc::OnCopia(wxCommandEvent&)
{
    const std::vector<std::uint8_t> dati = CopiaSelezionato();
    if (!dati.empty() && !MettiNegliAppunti(dati, DescriviOggetto(*Selezionato())))
        Avvisa("Impossibile aprire gli Appunti: l'oggetto non \u00e8 stato copiato.");
}

void CLavedoDoc::OnIncolla(wxCommandEvent&)
{
    std::vector<std::uint8_t> dati;
    if (LeggiDagliAppunti(dati))
        Incolla(dati, "incolla");
}

void CLavedoDoc::OnDuplica(wxCommandEvent&)
{
    const std::vector<std::uint8_t> dati = CopiaSelezionato();
    if (!dati.empty())
        Incolla(dati, "duplicazione");
}

void CLavedoDoc::OnUpdateAnnulla(wxUpdateUIEvent& event)
{
    event.SetText(Storia().TestoVoce(false));
    event.Enable(Storia().CanUndo());
}

void CLavedoDoc::OnUpdateRipeti(wxUpdateUIEvent& event)
{
    event.SetText(Storia().TestoVoce(true));
    event.Enable(Storia().CanRedo());
}

void CLavedoDoc::OnUpdateSelezionato(wxUpdateUIEvent& event)
{
    event.Enable(Selezionato() != nullptr);
}

void CLavedoDoc::OnUpdateIncolla(wxUpdateUIEvent& event)
{
    event.Enable(IsOggettoNegliAppunti());
}

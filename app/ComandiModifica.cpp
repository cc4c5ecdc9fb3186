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

#include <wx/frame.h>
#include <wx/menu.h>
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

// The step redo would do again: the one after the current.
wxCommand* PassoSuccessivo(wxCommandProcessor& storia)
{
    wxList& passi = storia.GetCommands();
    wxCommand* pCorrente = storia.GetCurrentCommand();
    wxList::compatibility_iterator pNodo = passi.GetFirst();
    if (pCorrente)
        if ((pNodo = passi.Find(pCorrente)))
            pNodo = pNodo->GetNext();
    return pNodo ? static_cast<wxCommand*>(pNodo->GetData()) : nullptr;
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
    AggiornaVociStoria();
}

void CLavedoDoc::OnRipeti(wxCommandEvent&)
{
    if (Storia().CanRedo())
        Storia().Redo();
    AggiornaVociStoria();
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

wxString CLavedoDoc::TestoVoceStoria(bool bRipeti)
{
    wxCommandProcessor& storia = Storia();
    wxCommand* pPasso = bRipeti ? (storia.CanRedo() ? PassoSuccessivo(storia) : nullptr)
                                : (storia.CanUndo() ? storia.GetCurrentCommand() : nullptr);
    const wxString nome = pPasso ? " " + pPasso->GetName() : wxString();
    return bRipeti ? "&Ripeti" + nome + "\tCtrl+Y" : "&Annulla" + nome + "\tCtrl+Z";
}

void CLavedoDoc::AggiornaVociStoria()
{
    // Renamed as the history changes rather than as the menu opens: GTK
    // drops the accelerator text of an item renamed while it opens.
    auto* pCornice = dynamic_cast<wxFrame*>(wxTheApp ? wxTheApp->GetTopWindow() : nullptr);
    wxMenuBar* pBarra = pCornice ? pCornice->GetMenuBar() : nullptr;
    for (const bool bRipeti : {false, true})
    {
        wxMenuItem* pVoce =
            pBarra ? pBarra->FindItem(bRipeti ? ID_MODIFICA_RIPETI : ID_MODIFICA_ANNULLA) : nullptr;
        const wxString testo = TestoVoceStoria(bRipeti);
        if (pVoce && pVoce->GetItemLabel() != testo)
            pVoce->SetItemLabel(testo);
    }
}

void CLavedoDoc::OnUpdateAnnulla(wxUpdateUIEvent& event)
{
    event.SetText(TestoVoceStoria(false));
    event.Enable(Storia().CanUndo());
}

void CLavedoDoc::OnUpdateRipeti(wxUpdateUIEvent& event)
{
    event.SetText(TestoVoceStoria(true));
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

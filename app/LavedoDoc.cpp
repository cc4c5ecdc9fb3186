#include "app/LavedoDoc.h"

#include "app/Comandi.h"
#include "app/SceltaFile.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "dialogs/FileModificatoDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/SalvataggioSicuro.h"
#include "model/Texture.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <wx/filename.h>

wxIMPLEMENT_DYNAMIC_CLASS(CLavedoDoc, wxDocument);
wxDEFINE_EVENT(EVT_STORIA_CAMBIATA, wxCommandEvent);

wxBEGIN_EVENT_TABLE(CLavedoDoc, wxDocument)
    EVT_MENU(wxID_NEW, CLavedoDoc::OnFileNew)
    EVT_MENU(wxID_OPEN, CLavedoDoc::OnFileOpen)
    EVT_MENU(wxID_SAVE, CLavedoDoc::OnFileSave)
    EVT_MENU(wxID_SAVEAS, CLavedoDoc::OnFileSaveAs)
    EVT_UPDATE_UI(wxID_NEW, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_OPEN, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_SAVE, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_SAVEAS, CLavedoDoc::OnUpdateAttivo)
    EVT_MENU(ID_MODIFICA_ANNULLA, CLavedoDoc::OnAnnulla)
    EVT_MENU(ID_MODIFICA_RIPETI, CLavedoDoc::OnRipeti)
    EVT_MENU(ID_MODIFICA_TAGLIA, CLavedoDoc::OnTaglia)
    EVT_MENU(ID_MODIFICA_COPIA, CLavedoDoc::OnCopia)
    EVT_MENU(ID_MODIFICA_INCOLLA, CLavedoDoc::OnIncolla)
    EVT_MENU(ID_MODIFICA_DUPLICA, CLavedoDoc::OnDuplica)
    EVT_UPDATE_UI(ID_MODIFICA_ANNULLA, CLavedoDoc::OnUpdateAnnulla)
    EVT_UPDATE_UI(ID_MODIFICA_RIPETI, CLavedoDoc::OnUpdateRipeti)
    EVT_UPDATE_UI(ID_MODIFICA_TAGLIA, CLavedoDoc::OnUpdateSelezionato)
    EVT_UPDATE_UI(ID_MODIFICA_COPIA, CLavedoDoc::OnUpdateSelezionato)
    EVT_UPDATE_UI(ID_MODIFICA_DUPLICA, CLavedoDoc::OnUpdateSelezionato)
    EVT_UPDATE_UI(ID_MODIFICA_INCOLLA, CLavedoDoc::OnUpdateIncolla)
wxEND_EVENT_TABLE()

namespace
{
std::string PercorsoDiSistema(const wxString& percorso)
{
    return std::string(percorso.fn_str());
}

wxString Testo(const std::string& utf8)
{
    return wxString::FromUTF8(utf8.c_str());
}
}  // namespace

CLavedoDoc::CLavedoDoc()
{
    g_pDoc = this;
}

CLavedoDoc::~CLavedoDoc()
{
    AvvisaFineModifiche(DOCUMENTO_CHIUSO);
    if (g_pDoc == static_cast<CScena*>(this))
        g_pDoc = nullptr;
}

bool CLavedoDoc::ConfermaPerdita()
{
    if (!m_bModificato)
        return true;
    CConfermaNuovoDlg dlg;
    dlg.ShowModal();
    // Saved (a new room asks for its name) the room may go; a save that
    // failed or was cancelled keeps it.
    if (dlg.m_bSalva)
        return Save();
    return dlg.m_bConfermato;
}

bool CLavedoDoc::OnSaveModified()
{
    // With the main window already gone (end of the run) there is nobody
    // left to ask; the question was asked when the window closed.
    wxWindow* pFinestra = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    if (!pFinestra || pFinestra->IsBeingDeleted())
        return true;
    return ConfermaPerdita();
}

bool CLavedoDoc::OnCloseDocument()
{
    m_bModificato = false;
    AvvisaFineModifiche(SCARTATE);
    return wxDocument::OnCloseDocument();
}

void CLavedoDoc::AvvisaFineModifiche(FineModifiche fine)
{
    if (m_fnFineModifiche)
        m_fnFineModifiche(fine);
}

bool CLavedoDoc::RendiGLCorrente()
{
    // Before the window reaches the screen there is no context yet: GL is
    // left alone, and the view applies filters and lights when it gets one.
    return g_pView && g_pView->RendiGLCorrente();
}

void CLavedoDoc::AggiornaTitolo()
{
    for (wxView* pView : GetViewsVector())
        pView->OnChangeFilename();
    wxDocManager* pGestore = GetDocumentManager();
    if (auto* pCornice = dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow()))
        if (pGestore)
            pCornice->SetTitle(pGestore->MakeFrameTitle(this));
}

bool CLavedoDoc::OnNewDocument()
{
    if (!ConfermaPerdita())
        return false;
    SostituisciStanza(nullptr, true);
    m_identita = CIdentitaFile();
    AvvisaFineModifiche(SCARTATE);

    SetDocumentSaved(false);
    SetFilename(wxEmptyString, false);
    SetTitle(GetDocumentManager() ? GetDocumentManager()->MakeNewDocumentName() : "Lavedo");
    AggiornaTitolo();
    return true;
}

bool CLavedoDoc::Apri(const wxString& percorso, bool bChiedi)
{
    if (bChiedi && !ConfermaPerdita())
        return false;
    if (!Carica(percorso))
        return false;
    m_identita = IdentitaFile(PercorsoDiSistema(percorso));
    AvvisaFineModifiche(SCARTATE);
    SetFilename(percorso, false);
    SetDocumentSaved(true);
    AggiornaTitolo();
    if (wxDocManager* pGestore = GetDocumentManager())
        pGestore->AddFileToHistory(percorso);
    return true;
}

bool CLavedoDoc::Ripristina(const wxString& copia, const wxString& originale,
                            const CIdentitaFile& identita)
{
    if (!Carica(copia))
        return false;
    // No state of the history is the saved one: undo never makes it unmodified.
    Storia().SenzaSalvato();
    m_bModificato = true;
    m_identita = identita;
    SetFilename(originale, false);
    SetDocumentSaved(!originale.empty());
    if (originale.empty())
        SetTitle(GetDocumentManager() ? GetDocumentManager()->MakeNewDocumentName() : "Lavedo");
    AggiornaTitolo();
    return true;
}

bool CLavedoDoc::Carica(const wxString& percorso)
{
    const wxString invariato = "\n\nIl documento aperto non \u00e8 stato modificato.";
    std::vector<std::uint8_t> dati;
    const CEsitoFile esito =
        LeggiFileIntero(PercorsoDiSistema(percorso), DIMENSIONE_MASSIMA_FILE, dati);
    if (!esito.bRiuscito)
    {
        MostraErroreFile(Testo(esito.messaggio) + invariato);
        return false;
    }
    CScena letta(false);
    std::string errore;
    // Pieces and lights keep the order they were written in: a room opened
    // and saved again is the same file, and each light drives the same GL
    // light as before.
    if (!letta.LeggiNellOrdine(dati.data(), dati.size(), errore))
    {
        MostraErroreFile(wxString::Format("Impossibile aprire il file \"%s\": %s.", percorso,
                                          Testo(errore)) +
                         invariato);
        return false;
    }
    // The whole file is sound: only now does it replace the open room.
    SostituisciStanza(&letta, true);
    return true;
}

void CLavedoDoc::SostituisciStanza(CScena* pLetta, bool bAltraStanza)
{
    // A state of the history keeps the selection when its piece is still
    // where it was: the same number of pieces, so the same pieces in the
    // same places.
    std::uint8_t nSelezionato = 0;
    bool bTratteggiato = false;
    bool bCentra = bAltraStanza;
    if (pLetta && !bAltraStanza)
    {
        if (g_pView && pLetta->m_Oggetti.GetNumero() == m_Oggetti.GetNumero())
            if (COggetto* pSelezionato = g_pView->GetOggettoSelezionato())
            {
                nSelezionato = m_Oggetti.Posizione(pSelezionato);
                bTratteggiato = pSelezionato->IsSelezionato();
            }
        const CStanza& letta = pLetta->m_Stanza;
        bCentra = letta.GetLarghezza() != m_Stanza.GetLarghezza() ||
                  letta.GetProfondita() != m_Stanza.GetProfondita() ||
                  letta.GetAltezza() != m_Stanza.GetAltezza();
    }

    const bool bGL = RendiGLCorrente();
    SvuotaScena(bGL);
    if (pLetta)
        Scambia(*pLetta);
    else
        ImpostaStanzaPredefinita();
    if (g_pView)
    {
        g_pView->m_pLuceCorrente = nullptr;
        // The view from inside stood in the previous room.
        if (bAltraStanza)
            g_pView->m_bLuci = g_pView->m_bTextures = g_pView->m_bVistaInterna = false;
        COggetto* pOggetto = nullptr;
        m_Oggetti.GetElemento(nSelezionato, pOggetto);
        if (pOggetto)
            g_pView->SelezionaOggetto(pOggetto, bTratteggiato);
    }
    if (bCentra && g_pView)
        g_pView->CentraEAdatta(m_Stanza);
    if (bGL)
    {
        m_Stanza.ApplicaFiltri(g_aTexture);
        if (bAltraStanza)
            glDisable(GL_LIGHTING);
        ApplicaLuci();
    }
    if (bAltraStanza)
    {
        m_bModificato = false;
        AzzeraStoria();
    }
    UpdateAllViews();
}

bool CLavedoDoc::SalvaSu(const wxString& percorso)
{
    // Another program's version of the open file is not overwritten
    // unasked; a file deleted meanwhile is simply written again.
    if (percorso == GetFilename() && m_identita.bEsiste)
    {
        const CIdentitaFile attuale = IdentitaFile(PercorsoDiSistema(percorso));
        if (attuale.bEsiste && attuale != m_identita)
        {
            CFileModificatoDlg dlg(wxFileName(percorso).GetFullName());
            dlg.ShowModal();
            if (dlg.m_nRisposta == CFileModificatoDlg::SALVA_CON_NOME)
                return SaveAs();
            if (dlg.m_nRisposta != CFileModificatoDlg::SOVRASCRIVI)
                return false;
        }
    }
    const std::vector<std::uint8_t> dati = Scrivi();
    const CEsitoFile esito = SalvaFileSicuro(PercorsoDiSistema(percorso), dati.data(), dati.size());
    if (!esito.bRiuscito)
    {
        MostraErroreFile(Testo(esito.messaggio) +
                         "\n\nIl documento non \u00e8 stato salvato; le modifiche sono ancora "
                         "aperte nell'editor.");
        return false;
    }
    m_bModificato = false;
    Storia().Salvata(dati);
    m_identita = IdentitaFile(PercorsoDiSistema(percorso));
    AvvisaFineModifiche(SALVATE);
    if (RendiGLCorrente())
        ApplicaLuci();
    SetFilename(percorso, false);
    SetDocumentSaved(true);
    AggiornaTitolo();
    if (wxDocManager* pGestore = GetDocumentManager())
        pGestore->AddFileToHistory(percorso);
    if (g_pView)
        g_pView->Ridisegna();
    return true;
}

wxCommandProcessor* CLavedoDoc::OnCreateCommandProcessor()
{
    return new CStoria([this](const CStato& stato) { return Installa(stato); });
}

CStoria& CLavedoDoc::Storia()
{
    if (!GetCommandProcessor())
        SetCommandProcessor(OnCreateCommandProcessor());
    return static_cast<CStoria&>(*GetCommandProcessor());
}

void CLavedoDoc::StoriaCambiata()
{
    wxCommandEvent evento(EVT_STORIA_CAMBIATA);
    evento.SetEventObject(this);
    ProcessEvent(evento);
}

void CLavedoDoc::AzzeraStoria()
{
    Storia().Azzera(std::make_shared<const std::vector<std::uint8_t>>(Scrivi()));
    StoriaCambiata();
}

void CLavedoDoc::RegistraPasso(const char* szNome, bool bUnisci)
{
    auto dopo = std::make_shared<const std::vector<std::uint8_t>>(Scrivi());
    if (!Storia().GetCorrente())
        AzzeraStoria();
    if (!Storia().Registra(szNome, dopo, bUnisci))
        return;
    m_bModificato = Storia().IsDiversoDalSalvato(*dopo);
    StoriaCambiata();
}

bool CLavedoDoc::Installa(const CStato& stato)
{
    CScena letta(false);
    std::string errore;
    if (!letta.LeggiNellOrdine(stato->data(), stato->size(), errore))
        return false;
    SostituisciStanza(&letta, false);
    m_bModificato = Storia().IsDiversoDalSalvato(*stato);
    return true;
}

bool CLavedoDoc::OnOpenDocument(const wxString& percorso)
{
    return Apri(percorso);
}

bool CLavedoDoc::Save()
{
    // Always writes, modified or not; a new room has no file yet.
    if (GetFilename().empty())
        return SaveAs();
    return SalvaSu(GetFilename());
}

bool CLavedoDoc::SaveAs()
{
    const wxString nome = GetFilename().empty() ? GetTitle() : GetFilename();
    const wxString percorso = ScegliFileDaSalvare(nome);
    if (percorso.empty())
        return false;
    return SalvaSu(percorso);
}

void CLavedoDoc::OnFileNew(wxCommandEvent&)
{
    OnNewDocument();
}

void CLavedoDoc::OnFileOpen(wxCommandEvent&)
{
    const wxString percorso = ScegliFileDaAprire();
    if (!percorso.empty())
        Apri(percorso);
}

void CLavedoDoc::OnFileSave(wxCommandEvent&)
{
    Save();
}

void CLavedoDoc::OnFileSaveAs(wxCommandEvent&)
{
    SaveAs();
}

void CLavedoDoc::OnUpdateAttivo(wxUpdateUIEvent& event)
{
    event.Enable(true);
}

#include "app/LavedoDoc.h"

#include "app/Comandi.h"
#include "app/SceltaFile.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "dialogs/FileModificatoDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/SalvataggioSicuro.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/filehistory.h>
#include <wx/menu.h>

wxIMPLEMENT_DYNAMIC_CLASS(CLavedoDoc, wxDocument);

wxBEGIN_EVENT_TABLE(CLavedoDoc, wxDocument)
    EVT_MENU(wxID_NEW, CLavedoDoc::OnFileNew)
    EVT_MENU(wxID_OPEN, CLavedoDoc::OnFileOpen)
    EVT_MENU(wxID_SAVE, CLavedoDoc::OnFileSave)
    EVT_MENU(wxID_SAVEAS, CLavedoDoc::OnFileSaveAs)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE4, CLavedoDoc::OnFileRecente)
    EVT_UPDATE_UI(wxID_NEW, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_OPEN, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_SAVE, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI(wxID_SAVEAS, CLavedoDoc::OnUpdateAttivo)
    EVT_UPDATE_UI_RANGE(wxID_FILE1, wxID_FILE4, CLavedoDoc::OnUpdateRecente)
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
constexpr int MASSIMO_RECENTI = 4;
const char* const TESTO_SEGNAPOSTO = "Ultimo file usato";
const char* const PROMPT_RECENTE = "Apre questo documento";

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
    const bool bGL = RendiGLCorrente();
    SvuotaScena(bGL);
    if (g_pView)
    {
        g_pView->m_bLuci = false;
        g_pView->m_bVistaInterna = false;  // that camera stood in the previous room
    }
    if (bGL)
        glDisable(GL_LIGHTING);
    ImpostaStanzaPredefinita();
    CentraEAdatta();
    if (g_pView)
    {
        g_pView->m_bTextures = false;
        g_pView->Ridisegna();
    }
    m_bModificato = false;
    AzzeraStoria();
    m_identita = CIdentitaFile();
    AvvisaFineModifiche(SCARTATE);

    SetDocumentSaved(false);
    SetFilename(wxEmptyString, false);
    SetTitle(GetDocumentManager() ? GetDocumentManager()->MakeNewDocumentName() : "Lavedo");
    UpdateAllViews();
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
    AggiungiARecenti(percorso);
    UpdateAllViews();
    return true;
}

bool CLavedoDoc::Ripristina(const wxString& copia, const wxString& originale,
                            const CIdentitaFile& identita)
{
    if (!Carica(copia))
        return false;
    // No state of the history is the saved one: undo never makes it unmodified.
    m_Salvato.reset();
    m_bModificato = true;
    m_identita = identita;
    SetFilename(originale, false);
    SetDocumentSaved(!originale.empty());
    if (originale.empty())
        SetTitle(GetDocumentManager() ? GetDocumentManager()->MakeNewDocumentName() : "Lavedo");
    AggiornaTitolo();
    UpdateAllViews();
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
    const bool bGL = RendiGLCorrente();
    SvuotaScena(bGL);
    Scambia(letta);
    if (g_pView)
    {
        g_pView->m_bLuci = false;
        g_pView->m_bTextures = false;
        g_pView->m_bVistaInterna = false;
    }
    CentraEAdatta();
    if (bGL)
    {
        m_Stanza.ApplicaFiltri();
        glDisable(GL_LIGHTING);
        ApplicaLuci();
    }
    m_bModificato = false;
    AzzeraStoria();
    return true;
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
    // The history stays; the state saved is the one undo comes back to
    // as unmodified.
    if (!m_Corrente || *m_Corrente != dati)
        m_Corrente = std::make_shared<const std::vector<std::uint8_t>>(dati);
    m_Salvato = m_Corrente;
    Storia().MarkAsSaved();
    m_identita = IdentitaFile(PercorsoDiSistema(percorso));
    AvvisaFineModifiche(SALVATE);
    if (RendiGLCorrente())
        ApplicaLuci();
    SetFilename(percorso, false);
    SetDocumentSaved(true);
    AggiornaTitolo();
    AggiungiARecenti(percorso);
    if (g_pView)
        g_pView->Ridisegna();
    return true;
}

wxCommandProcessor* CLavedoDoc::OnCreateCommandProcessor()
{
    return new wxCommandProcessor(MASSIMO_PASSI);
}

wxCommandProcessor& CLavedoDoc::Storia()
{
    if (!GetCommandProcessor())
        SetCommandProcessor(OnCreateCommandProcessor());
    return *GetCommandProcessor();
}

void CLavedoDoc::AzzeraStoria()
{
    Storia().ClearCommands();
    m_Corrente = std::make_shared<const std::vector<std::uint8_t>>(Scrivi());
    m_Salvato = m_Corrente;
    Storia().MarkAsSaved();
    AggiornaVociStoria();
}

bool CLavedoDoc::IsDiversoDalSalvato(const std::vector<std::uint8_t>& stato) const
{
    // A restored room has no saved state in its history at all.
    return !m_Salvato || stato != *m_Salvato;
}

void CLavedoDoc::RegistraPasso(const char* szNome, bool bUnisci)
{
    auto dopo = std::make_shared<const std::vector<std::uint8_t>>(Scrivi());
    if (!m_Corrente)
        AzzeraStoria();
    // Nothing changed (a drag that ended where it began): no step.
    if (*dopo == *m_Corrente)
        return;
    wxCommandProcessor& storia = Storia();
    auto* pUltimo = dynamic_cast<CPasso*>(storia.GetCurrentCommand());
    // A run of presses joins its step, but never across a save.
    if (bUnisci && pUltimo && !storia.CanRedo() && pUltimo->GetName() == szNome &&
        pUltimo->GetDopo() != m_Salvato)
        pUltimo->SetDopo(dopo);
    else
        storia.Store(new CPasso(*this, szNome, m_Corrente, dopo));
    m_Corrente = dopo;
    m_bModificato = IsDiversoDalSalvato(*dopo);
    AggiornaVociStoria();
}

bool CLavedoDoc::Installa(const CStato& stato)
{
    CScena letta(false);
    std::string errore;
    if (!stato || !letta.LeggiNellOrdine(stato->data(), stato->size(), errore))
        return false;

    // The selection survives when its piece is still where it was: the same
    // number of pieces, so the same pieces in the same places.
    int nSelezionato = 0;
    bool bTratteggiato = false;
    if (g_pView && letta.m_Oggetti.GetNumero() == m_Oggetti.GetNumero())
        if (COggetto* pSelezionato = g_pView->GetOggettoSelezionato())
        {
            nSelezionato = m_Oggetti.Posizione(pSelezionato);
            bTratteggiato = pSelezionato->IsSelezionato();
        }
    const bool bStessaStanza = letta.m_Stanza.GetLarghezza() == m_Stanza.GetLarghezza() &&
                               letta.m_Stanza.GetProfondita() == m_Stanza.GetProfondita() &&
                               letta.m_Stanza.GetAltezza() == m_Stanza.GetAltezza();

    const bool bGL = RendiGLCorrente();
    SvuotaScena(bGL);
    Scambia(letta);
    if (g_pView)
    {
        g_pView->m_pLuceCorrente = nullptr;
        COggetto* pOggetto = nullptr;
        if (nSelezionato)
            m_Oggetti.GetElemento(static_cast<std::uint8_t>(nSelezionato), pOggetto);
        if (pOggetto)
            g_pView->SelezionaOggetto(pOggetto, bTratteggiato);
    }
    if (!bStessaStanza)
        CentraEAdatta();
    if (bGL)
    {
        m_Stanza.ApplicaFiltri();
        ApplicaLuci();
    }
    m_Corrente = stato;
    m_bModificato = IsDiversoDalSalvato(*stato);
    if (g_pView)
        g_pView->Ridisegna();
    UpdateAllViews();
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

void CLavedoDoc::AggiungiARecenti(const wxString& percorso)
{
    if (wxDocManager* pGestore = GetDocumentManager())
        pGestore->AddFileToHistory(percorso);
    AggiornaMenuFile();
}

void CLavedoDoc::CollegaMenuFile(wxMenu* pMenu)
{
    m_pMenuFile = pMenu;
    AggiornaMenuFile();
}

void CLavedoDoc::AggiornaMenuFile()
{
    wxDocManager* pGestore = GetDocumentManager();
    if (!m_pMenuFile || !pGestore || !pGestore->GetFileHistory())
        return;
    wxMenu& menu = *m_pMenuFile;
    // The list goes where its first entry (or the placeholder) stood;
    // failing that, before the rule that precedes "Esci".
    int nPosizione = -1;
    for (int i = static_cast<int>(menu.GetMenuItemCount()) - 1; i >= 0; --i)
    {
        const int nId = menu.FindItemByPosition(static_cast<std::size_t>(i))->GetId();
        if (nId >= wxID_FILE1 && nId < wxID_FILE1 + 9)
        {
            menu.Destroy(menu.FindItemByPosition(static_cast<std::size_t>(i)));
            nPosizione = i;
        }
    }
    if (nPosizione < 0)
    {
        std::size_t nEsci = 0;
        if (!menu.FindChildItem(ID_ESCI, &nEsci))
            nPosizione = static_cast<int>(menu.GetMenuItemCount());
        else if (nEsci > 0 && menu.FindItemByPosition(nEsci - 1)->IsSeparator())
            nPosizione = static_cast<int>(nEsci - 1);
        else
            nPosizione = static_cast<int>(nEsci);
    }
    const std::size_t nPos = static_cast<std::size_t>(nPosizione);
    const wxFileHistory& storia = *pGestore->GetFileHistory();
    const std::size_t nFile = std::min<std::size_t>(storia.GetCount(), MASSIMO_RECENTI);
    if (nFile == 0)
    {
        menu.Insert(nPos, wxID_FILE1, TESTO_SEGNAPOSTO, PROMPT_RECENTE);
        menu.Enable(wxID_FILE1, false);
        return;
    }
    for (std::size_t i = 0; i < nFile; ++i)
    {
        wxString nome = storia.GetHistoryFile(i);
        nome.Replace("&", "&&");
        menu.Insert(nPos + i, wxID_FILE1 + static_cast<int>(i),
                    wxString::Format("&%zu %s", i + 1, nome), PROMPT_RECENTE);
    }
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

void CLavedoDoc::OnFileRecente(wxCommandEvent& event)
{
    wxDocManager* pGestore = GetDocumentManager();
    const std::size_t n = static_cast<std::size_t>(event.GetId() - wxID_FILE1);
    if (!pGestore || n >= pGestore->GetHistoryFilesCount())
        return;
    const wxString percorso = pGestore->GetHistoryFile(n);
    // A file that is gone leaves the list, as it can never open again.
    if (!Apri(percorso) && !wxFileExists(percorso))
    {
        pGestore->GetFileHistory()->RemoveFileFromHistory(n);
        AggiornaMenuFile();
    }
}

void CLavedoDoc::OnUpdateAttivo(wxUpdateUIEvent& event)
{
    event.Enable(true);
}

void CLavedoDoc::OnUpdateRecente(wxUpdateUIEvent& event)
{
    wxDocManager* pGestore = GetDocumentManager();
    event.Enable(pGestore && pGestore->GetHistoryFilesCount() > 0);
}

#include "app/GestoreDocumenti.h"

#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "model/Scena.h"

#include <algorithm>
#include <wx/config.h>
#include <wx/filefn.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/menu.h>

namespace
{
const char* const GRUPPO_RECENTI = "/Recent File List";
constexpr int MASSIMO_RECENTI = 4;
const char* const TESTO_SEGNAPOSTO = "Ultimo file usato";
const char* const PROMPT_RECENTE = "Apre questo documento";
}  // namespace

// The base constructor would create its file history before this class's
// override exists: initialise here instead, so the list holds 4.
CGestoreDocumenti::CGestoreDocumenti() : wxDocManager(0, false)
{
    Initialize();
    Bind(wxEVT_MENU, &CGestoreDocumenti::OnFileRecente, this, wxID_FILE1, wxID_FILE4);
    Bind(wxEVT_UPDATE_UI, &CGestoreDocumenti::OnUpdateRecente, this, wxID_FILE1, wxID_FILE4);
}

wxString CGestoreDocumenti::MakeFrameTitle(wxDocument* pDoc)
{
    const wxString applicazione = "Lavedo98";
    if (!pDoc)
        return applicazione;
    const wxString file = pDoc->GetFilename();
    const wxString nome = file.empty() ? pDoc->GetTitle() : wxFileName(file).GetFullName();
    // Unsaved changes show as a "*" before the name, as desktop programs do.
    const auto* pScena = dynamic_cast<const CScena*>(pDoc);
    return (pScena && pScena->m_bModificato ? "*" : "") + nome + " - " + applicazione;
}

wxFileHistory* CGestoreDocumenti::OnCreateFileHistory()
{
    return new wxFileHistory(4);
}

void CGestoreDocumenti::CaricaRecenti(wxConfigBase& config)
{
    const wxString percorso = config.GetPath();
    config.SetPath(GRUPPO_RECENTI);
    FileHistoryLoad(config);
    config.SetPath(percorso);
}

void CGestoreDocumenti::SalvaRecenti(wxConfigBase& config)
{
    const wxString percorso = config.GetPath();
    config.DeleteGroup(GRUPPO_RECENTI);
    config.SetPath(GRUPPO_RECENTI);
    FileHistorySave(config);
    config.SetPath(percorso);
    config.Flush();
}

void CGestoreDocumenti::AddFileToHistory(const wxString& percorso)
{
    if (m_bSenzaRecenti)
        return;
    wxDocManager::AddFileToHistory(percorso);
    AggiornaMenuFile();
}

void CGestoreDocumenti::CollegaMenuFile(wxMenu* pMenu)
{
    m_pMenuFile = pMenu;
    AggiornaMenuFile();
}

void CGestoreDocumenti::AggiornaMenuFile()
{
    if (!m_pMenuFile || !GetFileHistory())
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
    const wxFileHistory& storia = *GetFileHistory();
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

void CGestoreDocumenti::OnFileRecente(wxCommandEvent& event)
{
    auto* pDoc = dynamic_cast<CLavedoDoc*>(GetCurrentDocument());
    const std::size_t n = static_cast<std::size_t>(event.GetId() - wxID_FILE1);
    if (!pDoc || n >= GetHistoryFilesCount())
        return;
    const wxString percorso = GetHistoryFile(n);
    // A file that is gone leaves the list, as it can never open again.
    if (!pDoc->Apri(percorso) && !wxFileExists(percorso))
    {
        GetFileHistory()->RemoveFileFromHistory(n);
        AggiornaMenuFile();
    }
}

void CGestoreDocumenti::OnUpdateRecente(wxUpdateUIEvent& event)
{
    event.Enable(GetHistoryFilesCount() > 0);
}

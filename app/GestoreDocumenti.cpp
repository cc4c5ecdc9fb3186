#include "app/GestoreDocumenti.h"

#include "model/Scena.h"

#include <wx/config.h>
#include <wx/filehistory.h>
#include <wx/filename.h>

namespace
{
const char* const GRUPPO_RECENTI = "/Recent File List";
}

// The base constructor would create its file history before this class's
// override exists: initialise here instead, so the list holds 4.
CGestoreDocumenti::CGestoreDocumenti() : wxDocManager(0, false)
{
    Initialize();
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

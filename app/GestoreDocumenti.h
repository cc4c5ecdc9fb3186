#pragma once
#include <wx/docview.h>

class wxConfigBase;

// The document manager with this program's names: new rooms are called
// "Lavedo", titles read "<name> - Lavedo98" ("*<name> - Lavedo98" while
// the room has unsaved changes), and the recent-file list
// keeps 4 entries, stored under the settings key across runs.
class CGestoreDocumenti : public wxDocManager
{
public:
    CGestoreDocumenti();

    wxString MakeNewDocumentName() override { return "Lavedo"; }
    wxString MakeFrameTitle(wxDocument* pDoc) override;

    // The recent-file list from and to the settings.
    void CaricaRecenti(wxConfigBase& config);
    void SalvaRecenti(wxConfigBase& config);
    // The command line's exports read rooms without adding them to the
    // recent files (ours or the desktop's).
    void AddFileToHistory(const wxString& percorso) override
    {
        if (!m_bSenzaRecenti)
            wxDocManager::AddFileToHistory(percorso);
    }
    bool m_bSenzaRecenti = false;

protected:
    wxFileHistory* OnCreateFileHistory() override;
};

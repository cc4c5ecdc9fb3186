#pragma once
#include <wx/docview.h>

class wxConfigBase;
class wxMenu;

// The document manager with this program's names: new rooms are called
// "Lavedo", titles read "<name> - Lavedo98" ("*<name> - Lavedo98" while
// the room has unsaved changes), and the recent-file list
// keeps 4 entries, stored under the settings key across runs and shown in
// the File menu, where choosing one opens it.
class CGestoreDocumenti : public wxDocManager
{
public:
    CGestoreDocumenti();

    wxString MakeNewDocumentName() override { return "Lavedo"; }
    wxString MakeFrameTitle(wxDocument* pDoc) override;

    // The recent-file list from and to the settings.
    void CaricaRecenti(wxConfigBase& config);
    void SalvaRecenti(wxConfigBase& config);
    // Puts a file opened or saved at the head of the list and of the menu.
    // The command line's exports read rooms without adding them to the
    // recent files (ours or the desktop's).
    void AddFileToHistory(const wxString& percorso) override;
    bool m_bSenzaRecenti = false;

    // Attaches the recent-file list to the File menu: its entries take the
    // place of the "Ultimo file usato" item (wxID_FILE1), which stays
    // greyed while the list is empty.
    void CollegaMenuFile(wxMenu* pMenu);
    // Rebuilds the recent-file entries of the attached menu.
    void AggiornaMenuFile();

protected:
    wxFileHistory* OnCreateFileHistory() override;

private:
    void OnFileRecente(wxCommandEvent& event);
    void OnUpdateRecente(wxUpdateUIEvent& event);

    wxMenu* m_pMenuFile = nullptr;
};

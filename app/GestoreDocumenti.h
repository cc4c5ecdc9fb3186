#pragma once
#include <wx/docview.h>

// The document manager with this program's names: new rooms are called
// "Lavedo", titles read "<name> - Lavedo98", and the recent-file list
// keeps 4 entries.
class CGestoreDocumenti : public wxDocManager
{
public:
    wxString MakeNewDocumentName() override { return "Lavedo"; }
    wxString MakeFrameTitle(wxDocument* pDoc) override;

protected:
    wxFileHistory* OnCreateFileHistory() override;
};

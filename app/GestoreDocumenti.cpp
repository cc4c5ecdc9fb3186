#include "app/GestoreDocumenti.h"

#include <wx/filehistory.h>
#include <wx/filename.h>

wxString CGestoreDocumenti::MakeFrameTitle(wxDocument* pDoc)
{
    const wxString applicazione = "Lavedo98";
    if (!pDoc)
        return applicazione;
    const wxString file = pDoc->GetFilename();
    const wxString nome = file.empty() ? pDoc->GetTitle() : wxFileName(file).GetFullName();
    return nome + " - " + applicazione;
}

wxFileHistory* CGestoreDocumenti::OnCreateFileHistory()
{
    return new wxFileHistory(4);
}

#pragma once
#include <wx/docview.h>

// The main window: menu bar, bars and the view's GL window.
class CMainFrame : public wxDocParentFrame
{
public:
    explicit CMainFrame(wxDocManager* pGestore);

private:
    void CreaMenu();
    void OnEsci(wxCommandEvent& event);
};

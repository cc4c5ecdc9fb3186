#include "app/MainFrame.h"

#include "app/Icona.h"

#include <wx/menu.h>

CMainFrame::CMainFrame(wxDocManager* pGestore)
    : wxDocParentFrame(pGestore, nullptr, wxID_ANY, "Lavedo98", wxDefaultPosition, wxSize(900, 700))
{
    SetIcon(CreaIconaProgramma());
    CreaMenu();
    Bind(wxEVT_MENU, &CMainFrame::OnEsci, this, wxID_EXIT);
}

void CMainFrame::CreaMenu()
{
    auto* pFile = new wxMenu;
    pFile->Append(wxID_NEW, "&Nuovo\tCtrl+N", "Crea un nuovo documento");
    pFile->AppendSeparator();
    pFile->Append(wxID_EXIT, "&Esci", "Esce dall'applicazione");

    auto* pAiuto = new wxMenu;
    pAiuto->Append(wxID_ABOUT, "Infor&mazioni su Lavedo...",
                   "Visualizza le informazioni sul programma, il numero di versione e il copyright");

    auto* pBarra = new wxMenuBar;
    pBarra->Append(pFile, "&File");
    pBarra->Append(pAiuto, "&?");
    SetMenuBar(pBarra);
}

void CMainFrame::OnEsci(wxCommandEvent&)
{
    Close();
}

#include "dialogs/ConfermaNuovoDlg.h"

CConfermaNuovoDlg::CConfermaNuovoDlg()
{
    CaricaModello("IDD_CONFERMA_NUOVO", 187, 81);
    Bind(wxEVT_BUTTON, &CConfermaNuovoDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CConfermaNuovoDlg::OnCancel, this, wxID_CANCEL);
}

void CConfermaNuovoDlg::OnOK(wxCommandEvent&)
{
    m_bConfermato = true;
    Termina(wxID_OK);
}

void CConfermaNuovoDlg::OnCancel(wxCommandEvent&)
{
    m_bConfermato = false;
    Termina(wxID_CANCEL);
}

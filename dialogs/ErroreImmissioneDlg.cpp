#include "dialogs/ErroreImmissioneDlg.h"

CErroreImmissioneDlg::CErroreImmissioneDlg()
{
    CaricaModello("IDD_ERRORE_IMMISSIONE", 187, 95);
    Bind(wxEVT_BUTTON, &CErroreImmissioneDlg::OnOK, this, wxID_OK);
}

void CErroreImmissioneDlg::OnOK(wxCommandEvent&)
{
    Termina(wxID_OK);
}

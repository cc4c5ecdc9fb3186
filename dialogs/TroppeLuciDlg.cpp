#include "dialogs/TroppeLuciDlg.h"

CTroppeLuciDlg::CTroppeLuciDlg()
{
    CaricaModello("IDD_TROPPE_LUCI", 187, 72);
    Bind(wxEVT_BUTTON, &CTroppeLuciDlg::OnOK, this, wxID_OK);
}

void CTroppeLuciDlg::OnOK(wxCommandEvent&)
{
    Termina(wxID_OK);
}

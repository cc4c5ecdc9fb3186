#include "dialogs/ConfermaNuovoDlg.h"

CConfermaNuovoDlg::CConfermaNuovoDlg()
{
    CaricaModello("IDD_CONFERMA_NUOVO", 187, 81);
    // A reflexive Enter keeps the work: Annulla is the default and has the
    // focus; OK discards only when chosen.
    if (wxWindow* pAnnulla = FindWindow(wxID_CANCEL))
        pAnnulla->SetFocus();
    Bind(wxEVT_BUTTON, &CConfermaNuovoDlg::OnSalva, this, XRCID("IDC_SALVA"));
    Bind(wxEVT_BUTTON, &CConfermaNuovoDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CConfermaNuovoDlg::OnCancel, this, wxID_CANCEL);
}

void CConfermaNuovoDlg::OnSalva(wxCommandEvent&)
{
    m_bSalva = true;
    m_bConfermato = false;
    Termina(wxID_SAVE);
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

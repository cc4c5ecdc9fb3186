#include "dialogs/FileModificatoDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>

CFileModificatoDlg::CFileModificatoDlg(const wxString& nome)
{
    CaricaModello("IDD_FILE_MODIFICATO", 260, 62);
    MostraTesto(Controllo<wxStaticText>("IDC_TESTO"),
                wxString::FromUTF8("Il file \xC2\xAB") + nome +
                    wxString::FromUTF8("\xC2\xBB \xC3\xA8 stato modificato da un altro programma "
                                       "dopo l'apertura."));
    if (wxWindow* pAnnulla = FindWindow(wxID_CANCEL))
        pAnnulla->SetFocus();
    Bind(wxEVT_BUTTON, &CFileModificatoDlg::OnSovrascrivi, this, XRCID("IDC_SOVRASCRIVI"));
    Bind(wxEVT_BUTTON, &CFileModificatoDlg::OnSalvaConNome, this, XRCID("IDC_SALVA_CON_NOME"));
    Bind(wxEVT_BUTTON, &CFileModificatoDlg::OnCancel, this, wxID_CANCEL);
}

void CFileModificatoDlg::OnSovrascrivi(wxCommandEvent&)
{
    m_nRisposta = SOVRASCRIVI;
    Termina(wxID_OK);
}

void CFileModificatoDlg::OnSalvaConNome(wxCommandEvent&)
{
    m_nRisposta = SALVA_CON_NOME;
    Termina(wxID_OK);
}

void CFileModificatoDlg::OnCancel(wxCommandEvent&)
{
    m_nRisposta = ANNULLA;
    Termina(wxID_CANCEL);
}

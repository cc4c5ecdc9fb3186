#include "dialogs/RipristinoDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>

CRipristinoDlg::CRipristinoDlg(const std::vector<wxString>& voci)
{
    CaricaModello("IDD_RIPRISTINO", 260, 105);
    m_pElenco = Controllo<wxListBox>("IDC_COPIE");
    if (m_pElenco)
    {
        for (std::size_t i = 0; i < voci.size(); ++i)
        {
            m_pElenco->Append(voci[i]);
            m_aIndici.push_back(static_cast<int>(i));
        }
        if (!voci.empty())
            m_pElenco->SetSelection(0);
        m_pElenco->SetFocus();
    }
    Bind(wxEVT_BUTTON, &CRipristinoDlg::OnRipristina, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CRipristinoDlg::OnElimina, this, XRCID("IDC_ELIMINA"));
    Bind(wxEVT_BUTTON, &CRipristinoDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_LISTBOX_DCLICK, &CRipristinoDlg::OnRipristina, this, XRCID("IDC_COPIE"));
    AggiornaPulsanti();
}

void CRipristinoDlg::AggiornaPulsanti()
{
    const bool bScelta = m_pElenco && m_pElenco->GetSelection() != wxNOT_FOUND;
    for (const int nId : {static_cast<int>(wxID_OK), static_cast<int>(XRCID("IDC_ELIMINA"))})
        if (wxWindow* p = FindWindow(nId))
            p->Enable(bScelta);
}

void CRipristinoDlg::OnRipristina(wxCommandEvent&)
{
    const int nRiga = m_pElenco ? m_pElenco->GetSelection() : wxNOT_FOUND;
    if (nRiga == wxNOT_FOUND)
        return;
    m_nScelta = m_aIndici[static_cast<std::size_t>(nRiga)];
    Termina(wxID_OK);
}

void CRipristinoDlg::OnElimina(wxCommandEvent&)
{
    const int nRiga = m_pElenco ? m_pElenco->GetSelection() : wxNOT_FOUND;
    if (nRiga == wxNOT_FOUND)
        return;
    const std::size_t n = static_cast<std::size_t>(nRiga);
    if (m_fnElimina && !m_fnElimina(m_aIndici[n]))
        return;
    m_pElenco->Delete(static_cast<unsigned int>(nRiga));
    m_aIndici.erase(m_aIndici.begin() + nRiga);
    if (m_aIndici.empty())
    {
        Termina(wxID_CANCEL);
        return;
    }
    m_pElenco->SetSelection(std::min(nRiga, static_cast<int>(m_aIndici.size()) - 1));
    AggiornaPulsanti();
}

void CRipristinoDlg::OnCancel(wxCommandEvent&)
{
    Termina(wxID_CANCEL);
}

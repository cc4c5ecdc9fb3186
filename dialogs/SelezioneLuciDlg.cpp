#include "dialogs/SelezioneLuciDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/LuciDlg.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/choice.h>

CSelezioneLuciDlg::CSelezioneLuciDlg()
{
    CaricaModello("IDD_SELEZIONE_LUCI", 198, 79);
    m_pLuce = Controllo<wxChoice>("IDC_LUCE");
    Bind(wxEVT_BUTTON, &CSelezioneLuciDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CSelezioneLuciDlg::OnCancel, this, wxID_CANCEL);
    Inizializza();
}

void CSelezioneLuciDlg::Inizializza()
{
    if (!m_pLuce || !g_pDoc || g_pDoc->m_Luci.GetNumero() == 0)
        return;
    CContenitori& luci = g_pDoc->m_Luci;
    COggetto* pLuce = nullptr;
    for (luci.GetElemento(1, pLuce); pLuce; luci.GetSuccessivo(pLuce))
        m_pLuce->Append(NomeInTesto(pLuce->GetNome()));
    m_pLuce->SetSelection(0);
}

void CSelezioneLuciDlg::OnOK(wxCommandEvent&)
{
    const int p = m_pLuce ? m_pLuce->GetSelection() : wxNOT_FOUND;
    const int nLuci = g_pDoc ? g_pDoc->m_Luci.GetNumero() : 0;
    if (p != wxNOT_FOUND && p < nLuci && g_pView)
    {
        COggetto* pLuce = nullptr;
        g_pDoc->m_Luci.GetElemento(static_cast<std::uint8_t>(p + 1), pLuce);
        if (pLuce)
        {
            // Listed newest first: the oldest light drives GL_LIGHT0.
            g_pView->m_pLuceCorrente = pLuce;
            g_pView->m_nLuceCorrente = nLuci - p - 1;
            CLuciDlg dlg;
            dlg.ShowModal();
        }
    }
    Termina(wxID_OK);
}

void CSelezioneLuciDlg::OnCancel(wxCommandEvent&)
{
    Termina(wxID_CANCEL);
}

#include "dialogs/NuovaLuceDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/TroppeLuciDlg.h"
#include "model/Luci.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <memory>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

CNuovaLuceDlg::CNuovaLuceDlg()
{
    CaricaModello("IDD_NUOVA_LUCE", 174, 181);
    m_pNome = Controllo<wxTextCtrl>("IDC_NOME");
    m_pX = Controllo<wxTextCtrl>("IDC_X");
    m_pY = Controllo<wxTextCtrl>("IDC_Y");
    m_pZ = Controllo<wxTextCtrl>("IDC_Z");
    PreparaCampoNome(m_pNome);
    Bind(wxEVT_RADIOBUTTON, &CNuovaLuceDlg::OnDirezionale, this, XRCID("IDC_DIREZIONALE"));
    Bind(wxEVT_RADIOBUTTON, &CNuovaLuceDlg::OnPosizionale, this, XRCID("IDC_POSIZIONALE"));
    Bind(wxEVT_BUTTON, &CNuovaLuceDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CNuovaLuceDlg::OnCancel, this, wxID_CANCEL);
    Inizializza();
}

void CNuovaLuceDlg::Inizializza()
{
    for (wxTextCtrl* pEdit : {m_pX, m_pY, m_pZ})
        if (pEdit)
            pEdit->ChangeValue("1.0");
    m_bDirezionale = false;
    if (auto* pPosizionale = Controllo<wxRadioButton>("IDC_POSIZIONALE"))
        pPosizionale->SetValue(true);
}

void CNuovaLuceDlg::OnDirezionale(wxCommandEvent&)
{
    m_bDirezionale = true;
}

void CNuovaLuceDlg::OnPosizionale(wxCommandEvent&)
{
    m_bDirezionale = false;
}

void CNuovaLuceDlg::OnOK(wxCommandEvent&)
{
    float x = 0.0f, y = 0.0f, z = 0.0f;
    if (!LeggiNumeri({{m_pX, &x}, {m_pY, &y}, {m_pZ, &z}}))
        return;
    if (!g_pDoc)
    {
        Termina(wxID_CANCEL);
        return;
    }
    CContenitori& luci = g_pDoc->m_Luci;
    if (luci.GetNumero() >= MASSIMO_LUCI)
    {
        // GL has no ninth light to give it.
        CTroppeLuciDlg troppe;
        troppe.ShowModal();
        Termina(wxID_CANCEL);
        return;
    }
    auto pLuce = std::make_unique<CLuci>();
    pLuce->SetNome(TestoInNome(m_pNome ? m_pNome->GetValue() : wxString()).c_str());
    pLuce->SetX(x);
    pLuce->SetY(y);
    pLuce->SetZ(z);
    pLuce->SetDirezionale(m_bDirezionale);
    if (!luci.Aggiungi(pLuce.get()))
        return;
    CLuci& luce = *pLuce.release();
    // The newest light takes the next free GL light.
    if (g_pView && g_pView->RendiGLCorrente())
        ApplicaLuce(luce, luci.GetNumero() - 1);
    if (g_pView)
        g_pView->Ridisegna();
    Termina(wxID_OK);
    g_pDoc->RegistraPasso("luce");
}

void CNuovaLuceDlg::OnCancel(wxCommandEvent&)
{
    Termina(wxID_CANCEL);
}

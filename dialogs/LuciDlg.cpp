#include "dialogs/LuciDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/SceltaColoreFloat.h"
#include "model/Luci.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

namespace
{
// Components chosen here keep the alpha the dialog always gave them.
constexpr float ALFA_COMPONENTE = 0.5f;

// Where the view's light sits among the document's lights (1 the newest),
// or 0: a pointer that is not there is never followed.
int PosizioneLuce(const COggetto* pCercata)
{
    return g_pDoc ? g_pDoc->m_Luci.Posizione(pCercata) : 0;
}
}  // namespace

CLuciDlg::CLuciDlg()
{
    CaricaModello("IDD_LUCI", 345, 187);
    m_pNome = Controllo<wxTextCtrl>("IDC_NOME");
    m_pX = Controllo<wxTextCtrl>("IDC_X");
    m_pY = Controllo<wxTextCtrl>("IDC_Y");
    m_pZ = Controllo<wxTextCtrl>("IDC_Z");
    PreparaCampoNome(m_pNome);
    Bind(wxEVT_BUTTON, &CLuciDlg::OnAmbiente, this, XRCID("IDC_AMBIENTE"));
    Bind(wxEVT_BUTTON, &CLuciDlg::OnDiffusa, this, XRCID("IDC_DIFFUSA"));
    Bind(wxEVT_BUTTON, &CLuciDlg::OnSpeculare, this, XRCID("IDC_SPECULARE"));
    CollegaCasella("IDC_DISATTIVA_AMBIENTE", m_bDisattivaAmbiente);
    CollegaCasella("IDC_DISATTIVA_DIFFUSA", m_bDisattivaDiffusa);
    CollegaCasella("IDC_DISATTIVA_SPECULARE", m_bDisattivaSpeculare);
    CollegaCasella("IDC_ACCESA", m_bAccesa);
    CollegaCasella("IDC_FISSA", m_bFissa);
    Bind(wxEVT_RADIOBUTTON, &CLuciDlg::OnDirezionale, this, XRCID("IDC_DIREZIONALE"));
    Bind(wxEVT_RADIOBUTTON, &CLuciDlg::OnPosizionale, this, XRCID("IDC_POSIZIONALE"));
    Bind(wxEVT_BUTTON, &CLuciDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CLuciDlg::OnCancel, this, wxID_CANCEL);
    Inizializza();
}

void CLuciDlg::CollegaCasella(const char* pNome, bool& bFlag)
{
    if (auto* pCasella = Controllo<wxCheckBox>(pNome))
        Bind(wxEVT_CHECKBOX, [pCasella, &bFlag](wxCommandEvent&) { bFlag = pCasella->GetValue(); },
             pCasella->GetId());
}

void CLuciDlg::Inizializza()
{
    const int p = g_pView ? PosizioneLuce(g_pView->m_pLuceCorrente) : 0;
    if (p == 0)
        return;
    m_pLuce = g_pView->m_pLuceCorrente;
    m_nLuceGL = g_pDoc->m_Luci.GetNumero() - p;
    if (m_pNome)
        MostraNome(m_pNome, m_pLuce->GetNome());
    m_bDisattivaAmbiente = m_pLuce->GetDisattivaAmbiente();
    m_bDisattivaDiffusa = m_pLuce->GetDisattivaDiffusa();
    m_bDisattivaSpeculare = m_pLuce->GetDisattivaSpeculare();
    m_bAccesa = m_pLuce->GetAccesa();
    m_bFissa = m_pLuce->GetFissa();
    const std::pair<const char*, bool> aCaselle[] = {
        {"IDC_DISATTIVA_AMBIENTE", m_bDisattivaAmbiente},
        {"IDC_DISATTIVA_DIFFUSA", m_bDisattivaDiffusa},
        {"IDC_DISATTIVA_SPECULARE", m_bDisattivaSpeculare},
        {"IDC_ACCESA", m_bAccesa},
        {"IDC_FISSA", m_bFissa},
    };
    for (const auto& [pNome, bSpuntata] : aCaselle)
        if (auto* pCasella = Controllo<wxCheckBox>(pNome))
            pCasella->SetValue(bSpuntata);
    MostraNumero(m_pX, m_pLuce->GetX());
    MostraNumero(m_pY, m_pLuce->GetY());
    MostraNumero(m_pZ, m_pLuce->GetZ());
    m_bDirezionale = m_pLuce->GetDirezionale();
    if (auto* pRadio = Controllo<wxRadioButton>(m_bDirezionale ? "IDC_DIREZIONALE"
                                                               : "IDC_POSIZIONALE"))
        pRadio->SetValue(true);
    std::copy_n(m_pLuce->GetAmbiente(), 4, m_Ambiente);
    std::copy_n(m_pLuce->GetDiffusa(), 4, m_Diffusa);
    std::copy_n(m_pLuce->GetSpeculare(), 4, m_Speculare);
    MostraColori();
}

void CLuciDlg::MostraColori()
{
    MostraCampione(Controllo<wxButton>("IDC_AMBIENTE"), m_Ambiente);
    MostraCampione(Controllo<wxButton>("IDC_DIFFUSA"), m_Diffusa);
    MostraCampione(Controllo<wxButton>("IDC_SPECULARE"), m_Speculare);
}

void CLuciDlg::OnAmbiente(wxCommandEvent&)
{
    if (m_pLuce)
        ScegliColoreFloat(this, m_pLuce->GetAmbiente(), ALFA_COMPONENTE, m_Ambiente);
    MostraColori();
}

void CLuciDlg::OnDiffusa(wxCommandEvent&)
{
    if (m_pLuce)
        ScegliColoreFloat(this, m_pLuce->GetDiffusa(), ALFA_COMPONENTE, m_Diffusa);
    MostraColori();
}

void CLuciDlg::OnSpeculare(wxCommandEvent&)
{
    if (m_pLuce)
        ScegliColoreFloat(this, m_pLuce->GetSpeculare(), ALFA_COMPONENTE, m_Speculare);
    MostraColori();
}

void CLuciDlg::OnDirezionale(wxCommandEvent&)
{
    m_bDirezionale = true;
}

void CLuciDlg::OnPosizionale(wxCommandEvent&)
{
    m_bDirezionale = false;
}

void CLuciDlg::OnOK(wxCommandEvent&)
{
    float x = 0.0f, y = 0.0f, z = 0.0f;
    if (!LeggiNumeri({{m_pX, &x}, {m_pY, &y}, {m_pZ, &z}}))
        return;
    // The light may have gone while the dialog was open.
    if (!m_pLuce || PosizioneLuce(m_pLuce) == 0)
    {
        Termina(wxID_CANCEL);
        return;
    }
    m_pLuce->SetX(x);
    m_pLuce->SetY(y);
    m_pLuce->SetZ(z);
    m_pLuce->SetAmbiente(m_Ambiente);
    m_pLuce->SetDiffusa(m_Diffusa);
    m_pLuce->SetSpeculare(m_Speculare);
    m_pLuce->SetDisattivaAmbiente(m_bDisattivaAmbiente);
    m_pLuce->SetDisattivaDiffusa(m_bDisattivaDiffusa);
    m_pLuce->SetDisattivaSpeculare(m_bDisattivaSpeculare);
    m_pLuce->SetAccesa(m_bAccesa);
    if (m_pNome && IsModificato(m_pNome))
        m_pLuce->SetNome(TestoInNome(m_pNome->GetValue()).c_str());
    m_pLuce->SetDirezionale(m_bDirezionale);
    m_pLuce->SetFissa(m_bFissa);
    if (g_pView && g_pView->RendiGLCorrente())
        ApplicaLuce(*m_pLuce, m_nLuceGL);
    g_pDoc->RegistraPasso("luce");
    if (g_pView)
        g_pView->Ridisegna();
    Termina(wxID_OK);
}

void CLuciDlg::OnCancel(wxCommandEvent&)
{
    Termina(wxID_CANCEL);
}

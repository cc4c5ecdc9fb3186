#include "dialogs/EsportaPiantinaDlg.h"

#include "dialogs/Dialogo.h"
#include "dialogs/EsportaImmagineDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace
{
const int s_aScale[] = {20, 50, 100, 0};
const char* s_aFogli[] = {"A4", "A3"};
const char* s_aOrientamenti[] = {"Verticale", "Orizzontale"};
const char* s_aTestiScale[] = {"1:20", "1:50", "1:100", "Adatta al foglio"};
}

CEsportaPiantinaDlg::CEsportaPiantinaDlg(wxWindow* pPadre, bool bStampa)
    : wxDialog(pPadre, wxID_ANY, bStampa ? "Stampa" : "Esporta piantina")
{
    auto* pGriglia = new wxFlexGridSizer(2, wxSize(8, 6));
    auto scelta = [this, pGriglia](const char* pEtichetta, const wxArrayString& voci) {
        pGriglia->Add(new wxStaticText(this, wxID_ANY, pEtichetta), 0, wxALIGN_CENTER_VERTICAL);
        auto* p = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, voci);
        p->SetSelection(0);
        pGriglia->Add(p, 1, wxEXPAND);
        return p;
    };
    if (!bStampa)
    {
        m_pFoglio = scelta("&Foglio:", wxArrayString(2, s_aFogli));
        m_pOrientamento = scelta("O&rientamento:", wxArrayString(2, s_aOrientamenti));
    }
    m_pScala = scelta("&Scala:", wxArrayString(4, s_aTestiScale));
    m_pScala->SetSelection(1);

    auto* pColonna = new wxBoxSizer(wxVERTICAL);
    pColonna->Add(pGriglia, 0, wxEXPAND | wxALL, 10);
    if (bStampa)
    {
        m_pVista3D = new wxCheckBox(this, wxID_ANY, "&Vista 3D su una seconda pagina");
        pColonna->Add(m_pVista3D, 0, wxLEFT | wxRIGHT, 10);
    }
    pColonna->Add(PulsantiOKAnnulla(this), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(pColonna);
    InvioPremeIlPredefinito(*this);
    CentreOnParent();
}

bool CEsportaPiantinaDlg::IsA3() const
{
    return m_pFoglio && m_pFoglio->GetSelection() == 1;
}

bool CEsportaPiantinaDlg::IsOrizzontale() const
{
    return m_pOrientamento && m_pOrientamento->GetSelection() == 1;
}

int CEsportaPiantinaDlg::GetScala() const
{
    const int n = m_pScala->GetSelection();
    return n >= 0 && n < 4 ? s_aScale[n] : 50;
}

bool CEsportaPiantinaDlg::IsVista3D() const
{
    return m_pVista3D && m_pVista3D->GetValue();
}

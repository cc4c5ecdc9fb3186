#include "dialogs/EsportaImmagineDlg.h"

#include "dialogs/Dialogo.h"
#include "view/FuoriSchermo.h"
#include "view/StatoVista.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

wxSizer* PulsantiOKAnnulla(wxWindow* pDialogo)
{
    auto* pPulsanti = new wxStdDialogButtonSizer;
    auto* pOK = new wxButton(pDialogo, wxID_OK, "&OK");
    pOK->SetDefault();
    pPulsanti->AddButton(pOK);
    pPulsanti->AddButton(new wxButton(pDialogo, wxID_CANCEL, "&Annulla"));
    pPulsanti->Realize();
    MostraTestiPulsanti(*pDialogo);
    return pPulsanti;
}

CEsportaImmagineDlg::CEsportaImmagineDlg(wxWindow* pPadre, int nVistaCorrente, int w, int h)
    : wxDialog(pPadre, wxID_ANY, "Esporta immagine")
{
    m_aVisteInOrdine[0] = nVistaCorrente == VISTA_3D ? VISTA_3D : VISTA_PIANTINA;
    m_aVisteInOrdine[1] = nVistaCorrente == VISTA_3D ? VISTA_PIANTINA : VISTA_3D;
    auto* pGriglia = new wxFlexGridSizer(2, wxSize(8, 6));
    // Each label comes right before its control: its mnemonic focuses it.
    pGriglia->Add(new wxStaticText(this, wxID_ANY, "&Vista:"), 0, wxALIGN_CENTER_VERTICAL);
    m_pVista = new wxChoice(this, wxID_ANY);
    for (const int n : m_aVisteInOrdine)
        m_pVista->Append(n == VISTA_3D ? "Vista 3D" : "Piantina");
    m_pVista->SetSelection(0);
    pGriglia->Add(m_pVista, 1, wxEXPAND);
    auto lato = [this, pGriglia](const char* pEtichetta, int n) {
        pGriglia->Add(new wxStaticText(this, wxID_ANY, pEtichetta), 0, wxALIGN_CENTER_VERTICAL);
        auto* p = new wxSpinCtrl(this, wxID_ANY);
        p->SetRange(LATO_MINIMO_IMMAGINE, LATO_MASSIMO_IMMAGINE);
        p->SetValue(std::clamp(n, LATO_MINIMO_IMMAGINE, LATO_MASSIMO_IMMAGINE));
        pGriglia->Add(p, 1, wxEXPAND);
        return p;
    };
    m_pLarghezza = lato("&Larghezza (pixel):", w);
    m_pAltezza = lato("Al&tezza (pixel):", h);

    auto* pColonna = new wxBoxSizer(wxVERTICAL);
    pColonna->Add(pGriglia, 1, wxEXPAND | wxALL, 10);
    pColonna->Add(PulsantiOKAnnulla(this), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(pColonna);
    InvioPremeIlPredefinito(*this);
    CentreOnParent();
}

int CEsportaImmagineDlg::GetVista() const
{
    return m_aVisteInOrdine[std::max(0, m_pVista->GetSelection())];
}

int CEsportaImmagineDlg::GetLarghezza() const
{
    return m_pLarghezza->GetValue();
}

int CEsportaImmagineDlg::GetAltezza() const
{
    return m_pAltezza->GetValue();
}

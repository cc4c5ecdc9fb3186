#include "app/BarraStrumenti.h"

#include "app/AiutoContesto.h"

#include <wx/frame.h>

CBarraStrumenti::CBarraStrumenti(wxFrame* pCornice, const wxString& testoAiuto)
    : wxAuiToolBar(pCornice, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER | wxAUI_TB_PLAIN_BACKGROUND),
      m_pCornice(pCornice),
      m_testoAiuto(testoAiuto)
{
    Bind(wxEVT_MOTION, &CBarraStrumenti::OnMovimento, this);
    Bind(wxEVT_LEAVE_WINDOW, &CBarraStrumenti::OnUscita, this);
}

int CBarraStrumenti::PulsanteInPunto(const wxPoint& ptSchermo) const
{
    const wxPoint pt = ScreenToClient(ptSchermo);
    const wxAuiToolBarItem* pPulsante = FindToolByPosition(pt.x, pt.y);
    if (!pPulsante || pPulsante->GetKind() == wxITEM_SEPARATOR)
        return wxID_NONE;
    return pPulsante->GetId();
}

wxString CBarraStrumenti::GetHelpTextAtPoint(const wxPoint& pt, wxHelpEvent::Origin) const
{
    const int nId = pt == wxDefaultPosition ? wxID_NONE : PulsanteInPunto(pt);
    if (nId == wxID_NONE)
        return m_testoAiuto;
    return AiutoPulsante(nId, GetToolShortHelp(nId), GetToolLongHelp(nId));
}

void CBarraStrumenti::OnMovimento(wxMouseEvent& event)
{
    const wxAuiToolBarItem* pPulsante = FindToolByPosition(event.GetX(), event.GetY());
    MostraPrompt(pPulsante && pPulsante->GetKind() != wxITEM_SEPARATOR ? pPulsante->GetId()
                                                                        : wxID_NONE);
    event.Skip();
}

void CBarraStrumenti::OnUscita(wxMouseEvent& event)
{
    MostraPrompt(wxID_NONE);
    event.Skip();
}

void CBarraStrumenti::MostraPrompt(int nId)
{
    if (nId == m_nPrompt)
        return;
    m_nPrompt = nId;
    if (nId == wxID_NONE)
        m_pCornice->DoGiveHelp(wxEmptyString, false);
    else
        m_pCornice->DoGiveHelp(GetToolLongHelp(nId), true);
}

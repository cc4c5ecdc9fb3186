#include "app/BarraStrumenti.h"

#include "app/AiutoContesto.h"
#include "app/Disposizione.h"

#include <algorithm>
#include <cstdlib>
#include <wx/aui/framemanager.h>
#include <wx/frame.h>

namespace
{
// How far either side of an edge of the window a dropped bar docks there.
int Fascia(const wxWindow& finestra)
{
    return finestra.FromDIP(32);
}
}  // namespace

CBarraStrumenti::CBarraStrumenti(wxFrame* pCornice, const wxString& testoAiuto)
    : wxAuiToolBar(pCornice, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER | wxAUI_TB_PLAIN_BACKGROUND),
      m_pCornice(pCornice),
      m_testoAiuto(testoAiuto)
{
    Bind(wxEVT_MOTION, &CBarraStrumenti::OnMovimento, this);
    Bind(wxEVT_LEAVE_WINDOW, &CBarraStrumenti::OnUscita, this);
    Bind(wxEVT_LEFT_DOWN, &CBarraStrumenti::OnPremuto, this);
    Bind(wxEVT_LEFT_UP, &CBarraStrumenti::OnRilasciato, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBarraStrumenti::OnCatturaPersa, this);
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
    if (m_bTrascina)
    {
        wxRect rettangolo;
        Destinazione(ClientToScreen(event.GetPosition()), rettangolo);
        if (wxAuiManager* pGestore = wxAuiManager::GetManager(this))
            pGestore->ShowHint(rettangolo);
        return;
    }
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

// wxAUI's own drag of a toolbar floats it as soon as the pointer leaves the
// row of its dock, and under GTK (no wxEVT_MOVING) the floating window it
// then moves does not dock again at the window's edges. So the gripper's
// drag is followed here and the drop decided where the pointer is released.
void CBarraStrumenti::OnPremuto(wxMouseEvent& event)
{
    if (!m_gripperSizerItem || !m_gripperSizerItem->GetRect().Contains(event.GetPosition()) ||
        !wxAuiManager::GetManager(this) || wxWindow::GetCapture())
    {
        event.Skip();
        return;
    }
    m_bTrascina = true;
    m_ptPresa = event.GetPosition();
    m_ptInizio = ClientToScreen(m_ptPresa);
    CaptureMouse();
    SetCursor(wxCursor(wxCURSOR_SIZING));
}

void CBarraStrumenti::OnRilasciato(wxMouseEvent& event)
{
    if (!m_bTrascina)
    {
        event.Skip();
        return;
    }
    const wxPoint pt = ClientToScreen(event.GetPosition());
    if (HasCapture())
        ReleaseMouse();
    FineTrascinamento();
    const wxPoint spostamento = pt - m_ptInizio;
    if (std::abs(spostamento.x) + std::abs(spostamento.y) < FromDIP(4))
        return;  // a click on the gripper
    // The layout changes after the event: the bar may change parent.
    CallAfter([this, pt] { Deponi(pt); });
}

void CBarraStrumenti::OnCatturaPersa(wxMouseCaptureLostEvent&)
{
    FineTrascinamento();
}

void CBarraStrumenti::FineTrascinamento()
{
    m_bTrascina = false;
    SetCursor(wxNullCursor);
    if (wxAuiManager* pGestore = wxAuiManager::GetManager(this))
        pGestore->HideHint();
}

int CBarraStrumenti::Destinazione(const wxPoint& ptSchermo, wxRect& rettangolo) const
{
    const wxRect area(m_pCornice->ClientToScreen(wxPoint(0, 0)), m_pCornice->GetClientSize());
    const int nLato = LatoDiAggancio(area, ptSchermo, Fascia(*this));
    const wxSize dimensione = GetSize();
    const int nSpessore = std::min(dimensione.x, dimensione.y);
    switch (nLato)
    {
    case wxAUI_DOCK_LEFT:
        rettangolo = wxRect(area.x, area.y, nSpessore, area.height);
        break;
    case wxAUI_DOCK_RIGHT:
        rettangolo = wxRect(area.GetRight() + 1 - nSpessore, area.y, nSpessore, area.height);
        break;
    case wxAUI_DOCK_TOP:
        rettangolo = wxRect(area.x, area.y, area.width, nSpessore);
        break;
    case wxAUI_DOCK_BOTTOM:
        rettangolo = wxRect(area.x, area.GetBottom() + 1 - nSpessore, area.width, nSpessore);
        break;
    default:
        rettangolo = wxRect(ptSchermo - m_ptPresa, dimensione);
        break;
    }
    return nLato;
}

void CBarraStrumenti::Deponi(const wxPoint& ptSchermo)
{
    wxAuiManager* pGestore = wxAuiManager::GetManager(this);
    if (!pGestore)
        return;
    wxAuiPaneInfo& pannello = pGestore->GetPane(this);
    if (!pannello.IsOk())
        return;
    wxRect rettangolo;
    const int nLato = Destinazione(ptSchermo, rettangolo);
    if (nLato == wxAUI_DOCK_NONE)
    {
        if (!pannello.IsFloatable())
            return;
        // Floating in a row, as at its first float from the top.
        SetOrientation(wxHORIZONTAL);
        Realize();
        pannello.Float().FloatingPosition(rettangolo.GetPosition()).BestSize(GetBestSize());
    }
    else
    {
        // Along the side where it was dropped, the gripper under the
        // pointer, kept inside the window.
        const bool bOrizzontale = nLato == wxAUI_DOCK_TOP || nLato == wxAUI_DOCK_BOTTOM;
        const wxPoint pt = m_pCornice->ScreenToClient(ptSchermo);
        const wxSize area = m_pCornice->GetClientSize();
        const wxSize dimensione = GetSize();
        const int nLunghezza = std::max(dimensione.x, dimensione.y);
        const int nPresa = dimensione.x >= dimensione.y ? m_ptPresa.x : m_ptPresa.y;
        const int nMassimo = std::max(0, (bOrizzontale ? area.x : area.y) - nLunghezza);
        pannello.Dock().Direction(nLato).Row(0).Position(
            std::clamp((bOrizzontale ? pt.x : pt.y) - nPresa, 0, nMassimo));
    }
    pGestore->Update();
}

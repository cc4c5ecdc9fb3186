#include "app/ModoAiuto.h"

#include <wx/event.h>
#include <wx/utils.h>
#include <wx/window.h>

CModoAiuto::CModoAiuto(wxWindow& finestra, std::function<void(bool)> avviso)
    : m_finestra(finestra), m_avviso(std::move(avviso))
{
}

CModoAiuto::~CModoAiuto()
{
    // The window is going: no word to it, only the mouse back.
    if (!m_bAttivo)
        return;
    wxEvtHandler::RemoveFilter(this);
    if (m_finestra.HasCapture())
        m_finestra.ReleaseMouse();
}

bool CModoAiuto::Inizia()
{
    if (m_bAttivo)
        return true;
    // Taking the mouse from another window would stack its capture under
    // ours, to be handed back later even if that window is gone by then.
    if (wxWindow::GetCapture())
        return false;
    m_bAttivo = true;
    m_cursorePrecedente = m_finestra.GetCursor();
    m_finestra.SetCursor(wxCursor(wxCURSOR_QUESTION_ARROW));
    m_finestra.CaptureMouse();
    wxEvtHandler::AddFilter(this);
    m_avviso(true);
    return true;
}

void CModoAiuto::Termina(bool bAiuto, const wxPoint& ptSchermo)
{
    Fine(false, bAiuto, ptSchermo);
}

void CModoAiuto::Fine(bool bCatturaPersa, bool bAiuto, const wxPoint& ptSchermo)
{
    if (!m_bAttivo)
        return;
    m_bAttivo = false;
    wxEvtHandler::RemoveFilter(this);
    if (!bCatturaPersa && m_finestra.HasCapture())
        m_finestra.ReleaseMouse();
    m_finestra.SetCursor(m_cursorePrecedente);
    m_avviso(false);
    if (!bAiuto)
        return;
    wxWindow* pSotto = wxFindWindowAtPoint(ptSchermo);
    if (!pSotto)
        return;
    // Up the parents until one has help to show.
    wxHelpEvent aiuto(wxEVT_HELP, pSotto->GetId(), ptSchermo, wxHelpEvent::Origin_HelpButton);
    aiuto.SetEventObject(pSotto);
    pSotto->GetEventHandler()->ProcessEvent(aiuto);
}

int CModoAiuto::FilterEvent(wxEvent& event)
{
    const wxEventType tipo = event.GetEventType();
    if (tipo == wxEVT_LEFT_DOWN || tipo == wxEVT_LEFT_DCLICK)
    {
        const auto* pFinestra = wxDynamicCast(event.GetEventObject(), wxWindow);
        const wxPoint pt = static_cast<wxMouseEvent&>(event).GetPosition();
        Termina(true, pFinestra ? pFinestra->ClientToScreen(pt) : wxGetMousePosition());
        return Event_Processed;
    }
    if (tipo == wxEVT_RIGHT_DOWN || tipo == wxEVT_RIGHT_DCLICK || tipo == wxEVT_MIDDLE_DOWN ||
        tipo == wxEVT_MIDDLE_DCLICK || tipo == wxEVT_AUX1_DOWN || tipo == wxEVT_AUX2_DOWN ||
        tipo == wxEVT_CHAR_HOOK || tipo == wxEVT_KEY_DOWN || tipo == wxEVT_CHAR)
    {
        Termina(false);
        return Event_Processed;
    }
    if (event.GetEventObject() == &m_finestra)
    {
        if (tipo == wxEVT_MOUSE_CAPTURE_LOST)
        {
            Fine(true, false, wxDefaultPosition);
            return Event_Processed;
        }
        if (tipo == wxEVT_ACTIVATE && !static_cast<wxActivateEvent&>(event).GetActive())
            Termina(false);
    }
    // Moves, wheel turns and releases belong to no one while the mode asks.
    if (tipo == wxEVT_MOTION || tipo == wxEVT_MOUSEWHEEL || tipo == wxEVT_LEFT_UP ||
        tipo == wxEVT_RIGHT_UP || tipo == wxEVT_MIDDLE_UP || tipo == wxEVT_AUX1_UP ||
        tipo == wxEVT_AUX2_UP)
        return m_bAttivo ? Event_Processed : Event_Skip;
    return Event_Skip;
}

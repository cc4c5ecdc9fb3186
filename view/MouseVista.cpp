// Mouse and timer handlers of the view: the camera in 3D, the selected
// object in the plan.
#include "model/Ingombro.h"
#include "model/Limiti.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

namespace
{
// The camera angles wrap to the opposite end instead of carrying the rest.
float AvvolgiAngolo(float f)
{
    if (f > 360.0f)
        return 0.0f;
    if (f < 0.0f)
        return 360.0f;
    return f;
}
}  // namespace

void CLavedoView::OnMouse(wxMouseEvent& event)
{
    const int x = event.GetX(), y = event.GetY();
    const wxEventType tipo = event.GetEventType();
    m_bAltPremuto = event.AltDown();
    // A quick second click arrives as a double click: it is a press too.
    if (tipo == wxEVT_LEFT_DOWN || tipo == wxEVT_LEFT_DCLICK)
        OnLButtonDown(x, y);
    else if (tipo == wxEVT_LEFT_UP)
        OnLButtonUp(x, y);
    else if (tipo == wxEVT_RIGHT_DOWN || tipo == wxEVT_RIGHT_DCLICK)
        OnRButtonDown(x, y);
    else if (tipo == wxEVT_RIGHT_UP)
        OnRButtonUp(x, y);
    else if (tipo == wxEVT_MOTION)
        OnMouseMove(x, y);
    else if (tipo == wxEVT_MOUSEWHEEL)
        OnRotellina(event);
}

void CLavedoView::OnCaptureLost()
{
    // Another window took the mouse: no button-up will come for the drags,
    // so they end here.
    TerminaTrascinamento(m_bTrascinaSinistro != 0, m_bTrascinaDestro != 0);
}

void CLavedoView::TerminaTrascinamento(bool bSinistro, bool bDestro)
{
    if (bSinistro)
        m_bTrascinaSinistro = 0;
    if (bDestro)
        m_bTrascinaDestro = 0;
    // A whole drag is one step; one that moved nothing (or only the camera)
    // leaves the room as it was and makes none.
    if (g_pDoc && bSinistro)
        g_pDoc->RegistraPasso("rotazione");
    if (g_pDoc && bDestro)
        g_pDoc->RegistraPasso("spostamento");
}

void CLavedoView::CatturaMouse()
{
    // Held for the whole drag, so that releasing the button outside the
    // window still ends it; never taken from another window that holds it.
    if (m_pCanvas && !wxWindow::GetCapture())
        m_pCanvas->CaptureMouse();
}

void CLavedoView::RilasciaMouse()
{
    if (!m_bTrascinaSinistro && !m_bTrascinaDestro && m_pCanvas && m_pCanvas->HasCapture())
        m_pCanvas->ReleaseMouse();
}

void CLavedoView::OnLButtonDown(int x, int y)
{
    if (m_nModoRender == MODO_SELEZIONE)
    {
        EseguiSelezione(x, y);
        return;
    }
    if (m_nVista == VISTA_3D || GetOggettoSelezionato())
    {
        m_bTrascinaSinistro = 1;
        m_ptSinistro = {x, y};
        CatturaMouse();
    }
}

void CLavedoView::OnLButtonUp(int, int)
{
    TerminaTrascinamento(m_bTrascinaSinistro != 0, false);
    RilasciaMouse();
}

void CLavedoView::OnRButtonDown(int x, int y)
{
    m_bClicDestro = true;
    m_ptClicDestro = {x, y};
    if (m_nVista == VISTA_3D || GetOggettoSelezionato())
    {
        m_bTrascinaDestro = 1;
        m_ptDestro = {x, y};
        CatturaMouse();
    }
}

void CLavedoView::OnRButtonUp(int x, int y)
{
    TerminaTrascinamento(false, m_bTrascinaDestro != 0);
    RilasciaMouse();
    // A right click in the plan that moved nothing asks for the menu.
    const bool bClic = m_bClicDestro && x == m_ptClicDestro.x && y == m_ptClicDestro.y;
    m_bClicDestro = false;
    if (bClic && m_nVista == VISTA_PIANTINA && m_fnMenuPiantina)
        m_fnMenuPiantina(wxPoint(x, y));
}

void CLavedoView::OnMenuContestuale(const wxPoint& pt)
{
    if (pt == wxDefaultPosition && m_nVista == VISTA_PIANTINA && m_fnMenuPiantina && m_pCanvas)
    {
        const wxSize dimensione = m_pCanvas->GetClientSize();
        m_fnMenuPiantina(wxPoint(dimensione.x / 2, dimensione.y / 2));
    }
}

void CLavedoView::OnMouseMove(int x, int y)
{
    if (x != m_ptClicDestro.x || y != m_ptClicDestro.y)
        m_bClicDestro = false;
    if (m_bTrascinaSinistro)
    {
        if (m_nVista == VISTA_3D)
        {
            // Three pixels turn the camera by one degree.
            m_fRotY = AvvolgiAngolo(static_cast<float>(m_fRotY - (m_ptSinistro.x - x) / 3.0));
            m_fRotX = AvvolgiAngolo(static_cast<float>(m_fRotX - (m_ptSinistro.y - y) / 3.0));
            m_ptSinistro = {x, y};
            Ridisegna();
        }
        else if (COggetto* pOggetto = GetOggettoSelezionato())
        {
            RuotaOggetto(*pOggetto, x);
            m_ptSinistro = {x, y};
            Ridisegna();
        }
        return;
    }
    if (m_bTrascinaDestro)
    {
        if (m_nVista == VISTA_3D)
        {
            // Eight pixels move the camera by one metre.
            m_fTraslZ = static_cast<float>(m_fTraslZ - (m_ptDestro.y - y) / 8.0);
            m_fTraslX = static_cast<float>(m_fTraslX - (m_ptDestro.x - x) / 8.0);
            m_ptDestro = {x, y};
            Ridisegna();
        }
        else if (COggetto* pOggetto = GetOggettoSelezionato())
        {
            SpostaOggetto(*pOggetto, x, y);
            m_ptDestro = {x, y};
            Ridisegna();
        }
    }
}

void CLavedoView::RuotaOggetto(COggetto& oggetto, int x)
{
    if (g_pDoc)
        g_pDoc->SetModificato();
    const float fPrima = oggetto.GetRotazione();
    // Two and a half pixels of horizontal motion turn it by one degree.
    oggetto.SetRotazione(static_cast<float>(oggetto.GetRotazione() - (m_ptSinistro.x - x) / 2.5));
    const float fAngolo = oggetto.GetRotazione();
    if (fAngolo < 0.0f)
        oggetto.SetRotazione(360.0f);
    else if (fAngolo > 360.0f)
        oggetto.SetRotazione(0.0f);
    if (IsCalamitaAttiva())
        oggetto.SetRotazione(AttiraAngolo(fPrima, oggetto.GetRotazione()));
}

void CLavedoView::SpostaOggetto(COggetto& oggetto, int x, int y)
{
    if (!g_pDoc)
        return;
    g_pDoc->SetModificato();
    const float W = g_pDoc->m_Stanza.GetLarghezza(), D = g_pDoc->m_Stanza.GetProfondita();
    // The piece follows the pointer, at any scale of the screen.
    const float k = MetriPerPixel();
    const float dy = static_cast<float>(m_ptDestro.y - y) * k;
    const float dx = static_cast<float>(m_ptDestro.x - x) * k;
    const CRiquadro prima = RiquadroImpronta(oggetto, W, D);

    if (oggetto.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
    {
        // Openings only slide along their wall.
        switch (oggetto.GetParete())
        {
        case 2: oggetto.SetX(oggetto.GetX() - dy); break;
        case 4: oggetto.SetX(oggetto.GetX() + dy); break;
        case 1: oggetto.SetX(oggetto.GetX() - dx); break;
        default: oggetto.SetX(oggetto.GetX() + dx); break;
        }
    }
    else
    {
        oggetto.SetY(oggetto.GetY() - dy);
        oggetto.SetX(oggetto.GetX() - dx);
    }
    PortaNeiLimiti(oggetto, LimitiNellaStanza(oggetto, W, D));
    if (IsCalamitaAttiva())
        AttiraAiMuri(oggetto, prima, W, D);
}

void CLavedoView::OnTimer(wxTimerEvent&)
{
    m_fRotY += 5.0f;
    if (m_fRotY > 360.0f)
        m_fRotY = 5.0f;
    Ridisegna();
}

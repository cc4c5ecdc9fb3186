// The view's display, picking and editing commands and their states.
#include "model/Scena.h"
#include "view/ComandiVista.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/statusbr.h>

const char* const TESTO_NESSUNA_LUCE =
    "Nella stanza non c'\u00e8 nessuna luce: per aggiungerne una scegliere Inserisci > "
    "Illuminazione...";

namespace
{
// Whether the hint of TESTO_NESSUNA_LUCE is on the status bar.
bool s_bAvvisoLuci = false;

// Lighting with no light leaves the room dark: the status bar says how to
// add one, for as long as that holds (a light added, lighting off, a new
// room), then gives back the text it covered.
void AggiornaAvvisoLuci(bool bLuci)
{
    const bool bAvviso = bLuci && g_pDoc && g_pDoc->m_Luci.GetNumero() == 0;
    auto* pCornice = dynamic_cast<wxFrame*>(wxTheApp ? wxTheApp->GetTopWindow() : nullptr);
    if (bAvviso == s_bAvvisoLuci || !pCornice || !pCornice->GetStatusBar())
        return;
    if (bAvviso)
        pCornice->PushStatusText(wxString::FromUTF8(TESTO_NESSUNA_LUCE));
    else
        pCornice->PopStatusText();
    s_bAvvisoLuci = bAvviso;
}
}  // namespace

wxBEGIN_EVENT_TABLE(CLavedoView, wxView)
    EVT_MENU(ID_VISTA_3D, CLavedoView::OnVista3D)
    EVT_MENU(ID_VISTA_PIANTINA, CLavedoView::OnPiantina)
    EVT_MENU(ID_VISTA_WIREFRAMES, CLavedoView::OnWireframes)
    EVT_MENU(ID_VISTA_ANTIALIASING, CLavedoView::OnAntialiasing)
    EVT_MENU(ID_VISTA_ANTIALIASING2, CLavedoView::OnAntialiasing)
    EVT_MENU(ID_VISTA_TEXTURES, CLavedoView::OnTextures)
    EVT_MENU(ID_VISTA_LUCI, CLavedoView::OnLuci)
    EVT_MENU(ID_VISTA_ROTAZIONE, CLavedoView::OnRotazione)
    EVT_MENU(ID_VISTA_CENTRA, CLavedoView::OnCentra)
    EVT_MENU(ID_VISTA_INTERNO, CLavedoView::OnVistaInterno)
    EVT_MENU(ID_VISTA_SELEZIONA, CLavedoView::OnSeleziona)
    EVT_MENU(ID_VISTA_ELIMINA, CLavedoView::OnElimina)
    EVT_MENU(ID_VISTA_MODIFICA, CLavedoView::OnModifica)
    EVT_UPDATE_UI(ID_VISTA_3D, CLavedoView::OnUpdateVista3D)
    EVT_UPDATE_UI(ID_VISTA_PIANTINA, CLavedoView::OnUpdatePiantina)
    EVT_UPDATE_UI(ID_VISTA_WIREFRAMES, CLavedoView::OnUpdateWireframes)
    EVT_UPDATE_UI(ID_VISTA_ANTIALIASING, CLavedoView::OnUpdateAntialiasing)
    EVT_UPDATE_UI(ID_VISTA_TEXTURES, CLavedoView::OnUpdateTextures)
    EVT_UPDATE_UI(ID_VISTA_LUCI, CLavedoView::OnUpdateLuci)
    EVT_UPDATE_UI(ID_VISTA_ROTAZIONE, CLavedoView::OnUpdateRotazione)
    EVT_UPDATE_UI(ID_VISTA_CENTRA, CLavedoView::OnUpdateCentra)
    EVT_UPDATE_UI(ID_VISTA_SELEZIONA, CLavedoView::OnUpdateSeleziona)
    EVT_UPDATE_UI(ID_VISTA_ELIMINA, CLavedoView::OnUpdateElimina)
    EVT_UPDATE_UI(ID_VISTA_MODIFICA, CLavedoView::OnUpdateModifica)
wxEND_EVENT_TABLE()

void CLavedoView::CambiaModo(bool bDaPiantina)
{
    m_bImpostaProiezione = true;
    m_nVista = (m_nVista + 1) % 2;
    // "Piantina" always stops the rotation, "Vista 3D" only on its way to
    // the plan.
    if (bDaPiantina || m_nVista == VISTA_PIANTINA)
    {
        m_bRotazione = false;
        m_Timer.Stop();
    }
    if (!RendiCorrente())
        return;  // the GL defaults follow the toggles once the window shows
    if (m_nVista == VISTA_PIANTINA)
    {
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
    }
    else
    {
        if (m_bLuci)
            glEnable(GL_LIGHTING);
        if (m_bTextures)
            glEnable(GL_TEXTURE_2D);
    }
}

void CLavedoView::OnVista3D(wxCommandEvent&)
{
    CambiaModo(false);
    if (g_pDoc)
        CentraSullaStanza(g_pDoc->m_Stanza);
    m_fRotX = 0.0f;
    m_fRotY = 0.0f;
    m_bVistaInterna = false;
    Ridisegna();
}

void CLavedoView::OnPiantina(wxCommandEvent&)
{
    CambiaModo(true);
    Ridisegna();
}

void CLavedoView::OnWireframes(wxCommandEvent&)
{
    m_bWireframe = !m_bWireframe;
    if (RendiCorrente())
        glPolygonMode(GL_FRONT_AND_BACK, m_bWireframe ? GL_LINE : GL_FILL);
    Ridisegna();
}

void CLavedoView::OnAntialiasing(wxCommandEvent&)
{
    m_bAntialiasing = !m_bAntialiasing;
    if (RendiCorrente())
    {
        if (m_bAntialiasing)
            glEnable(GL_LINE_SMOOTH);
        else
            glDisable(GL_LINE_SMOOTH);
    }
    Ridisegna();
}

void CLavedoView::OnTextures(wxCommandEvent&)
{
    // The surfaces switch texturing themselves from the flag.
    m_bTextures = !m_bTextures;
    Ridisegna();
}

void CLavedoView::OnLuci(wxCommandEvent&)
{
    m_bLuci = !m_bLuci;
    if (RendiCorrente())
    {
        // Lighting never reaches the plan, even through a direct call.
        if (m_bLuci && m_nVista == VISTA_3D)
            glEnable(GL_LIGHTING);
        else
            glDisable(GL_LIGHTING);
    }
    AggiornaAvvisoLuci(m_bLuci);
    Ridisegna();
}

void CLavedoView::OnRotazione(wxCommandEvent&)
{
    m_bRotazione = !m_bRotazione;
    if (m_bRotazione)
        m_Timer.Start(10);
    else
        m_Timer.Stop();
}

void CLavedoView::OnCentra(wxCommandEvent&)
{
    CentraTelecamera();
}

void CLavedoView::CentraTelecamera()
{
    m_bVistaInterna = false;
    if (g_pDoc)
        CentraSullaStanza(g_pDoc->m_Stanza);
    m_fTraslX = 0.0f;
    m_fTraslY = 0.0f;
    m_fTraslZ = -15.0f;
    Ridisegna();
}

void CLavedoView::OnVistaInterno(wxCommandEvent&)
{
    if (m_nVista != VISTA_3D)
        CambiaModo(false);
    // A running rotation would carry the camera off at once.
    m_bRotazione = false;
    m_Timer.Stop();
    if (g_pDoc)
    {
        const CStanza& stanza = g_pDoc->m_Stanza;
        ImpostaVistaInterna(stanza.GetLarghezza(), stanza.GetAltezza(), stanza.GetProfondita());
    }
    Ridisegna();
}

void CLavedoView::OnSeleziona(wxCommandEvent&)
{
    m_nModoRender = m_nModoRender == MODO_SELEZIONE ? MODO_RENDER : MODO_SELEZIONE;
}

void CLavedoView::OnElimina(wxCommandEvent&)
{
    if (!GetOggettoSelezionato() || m_bSelezioneLuce)
        return;
    if (m_Dialoghi.fnConfermaElimina && m_Dialoghi.fnConfermaElimina())
        Ridisegna();
}

void CLavedoView::OnModifica(wxCommandEvent&)
{
    if (!GetOggettoSelezionato() || m_bSelezioneLuce)
        return;
    m_bNuovoOggetto = false;
    // The dialog applies the changes, marks the document and repaints.
    if (m_Dialoghi.fnAttributi)
        m_Dialoghi.fnAttributi();
}

void CLavedoView::OnUpdateVista3D(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_nVista != VISTA_PIANTINA);
}

void CLavedoView::OnUpdatePiantina(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_nVista == VISTA_PIANTINA);
}

void CLavedoView::OnUpdateWireframes(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_bWireframe);
}

void CLavedoView::OnUpdateAntialiasing(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_bAntialiasing);
}

void CLavedoView::OnUpdateTextures(wxUpdateUIEvent& event)
{
    event.Enable(m_nVista == VISTA_3D);
    event.Check(m_bTextures);
}

void CLavedoView::OnUpdateLuci(wxUpdateUIEvent& event)
{
    // Asked while idle: the hint goes as soon as it no longer holds.
    AggiornaAvvisoLuci(m_bLuci);
    event.Enable(m_nVista != VISTA_PIANTINA);
    event.Check(m_bLuci);
}

void CLavedoView::OnUpdateRotazione(wxUpdateUIEvent& event)
{
    // In the plan the button is greyed and keeps the look it had.
    if (m_nVista == VISTA_PIANTINA)
    {
        event.Enable(false);
        return;
    }
    event.Enable(true);
    event.Check(m_bRotazione);
}

void CLavedoView::OnUpdateCentra(wxUpdateUIEvent& event)
{
    event.Enable(m_nVista != VISTA_PIANTINA);
}

void CLavedoView::OnUpdateSeleziona(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_nModoRender == MODO_SELEZIONE);
}

void CLavedoView::OnUpdateElimina(wxUpdateUIEvent& event)
{
    event.Enable(GetOggettoSelezionato() != nullptr && !m_bSelezioneLuce);
}

void CLavedoView::OnUpdateModifica(wxUpdateUIEvent& event)
{
    OnUpdateElimina(event);
}

// The plan's keys (moving and turning the selected piece, deleting it) and
// the measuring commands: distances on screen and the walls' magnet.
#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/ComandiVista.h"
#include "view/LavedoView.h"

#include <wx/config.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

namespace
{
// Arrow steps in metres, Page Up/Down steps in degrees; Shift the long ones.
constexpr float PASSO_CORTO = 0.01f, PASSO_LUNGO = 0.10f;
constexpr float GRADI_CORTI = 1.0f, GRADI_LUNGHI = 15.0f;
// Presses closer than this on one piece make one undo step.
constexpr long long PAUSA_PASSO_MS = 1000;

enum : int
{
    TASTO_SPOSTA = 1,
    TASTO_RUOTA = 2
};

const char* const CHIAVE_QUOTE = "/Piantina/Quote";
const char* const CHIAVE_CALAMITA = "/Piantina/Calamita";

// A modal dialog is up: the keys must not reach the piece behind it.
bool IsDialogoAperto()
{
    for (wxWindow* pFinestra : wxTopLevelWindows)
    {
        const auto* pDialogo = dynamic_cast<const wxDialog*>(pFinestra);
        if (pDialogo && pDialogo->IsModal())
            return true;
    }
    return false;
}

void Ricorda(const char* pChiave, bool b)
{
    if (wxConfigBase* pConfig = wxConfigBase::Get())
    {
        pConfig->Write(pChiave, b);
        pConfig->Flush();  // kept even if the program does not end well
    }
}
}  // namespace

void CLavedoView::CollegaComandiPiantina()
{
    Bind(wxEVT_MENU, &CLavedoView::OnQuote, this, ID_VISTA_QUOTE);
    Bind(wxEVT_MENU, &CLavedoView::OnCalamita, this, ID_VISTA_CALAMITA);
    Bind(wxEVT_UPDATE_UI, &CLavedoView::OnUpdateQuote, this, ID_VISTA_QUOTE);
    Bind(wxEVT_UPDATE_UI, &CLavedoView::OnUpdateCalamita, this, ID_VISTA_CALAMITA);
    if (wxConfigBase* pConfig = wxConfigBase::Get())
    {
        m_bQuote = pConfig->ReadBool(CHIAVE_QUOTE, m_bQuote);
        m_bCalamita = pConfig->ReadBool(CHIAVE_CALAMITA, m_bCalamita);
    }
}

void CLavedoView::OnQuote(wxCommandEvent&)
{
    m_bQuote = !m_bQuote;
    Ricorda(CHIAVE_QUOTE, m_bQuote);
    Ridisegna();
}

void CLavedoView::OnCalamita(wxCommandEvent&)
{
    m_bCalamita = !m_bCalamita;
    Ricorda(CHIAVE_CALAMITA, m_bCalamita);
}

void CLavedoView::OnUpdateQuote(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_bQuote);
}

void CLavedoView::OnUpdateCalamita(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.Check(m_bCalamita);
}

bool CLavedoView::TastoPiantina(wxKeyEvent& event)
{
    COggetto* pOggetto = GetOggettoSelezionato();
    // Ctrl and Alt combinations belong to the frame's commands.
    if (!pOggetto || m_bSelezioneLuce || !g_pDoc || event.ControlDown() || event.AltDown() ||
        IsDialogoAperto())
        return false;
    const bool bMaiusc = event.ShiftDown();
    const float fPasso = bMaiusc ? PASSO_LUNGO : PASSO_CORTO;
    const float fGradi = bMaiusc ? GRADI_LUNGHI : GRADI_CORTI;
    float dx = 0.0f, dy = 0.0f, fTurno = 0.0f;
    switch (event.GetKeyCode())
    {
    case WXK_LEFT: case WXK_NUMPAD_LEFT: dx = -fPasso; break;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: dx = fPasso; break;
    case WXK_UP: case WXK_NUMPAD_UP: dy = -fPasso; break;  // north
    case WXK_DOWN: case WXK_NUMPAD_DOWN: dy = fPasso; break;
    case WXK_PAGEUP: case WXK_NUMPAD_PAGEUP: fTurno = fGradi; break;
    case WXK_PAGEDOWN: case WXK_NUMPAD_PAGEDOWN: fTurno = -fGradi; break;
    case WXK_DELETE: case WXK_NUMPAD_DELETE:
        if (bMaiusc)
            return false;  // Shift+Delete cuts
        {
            wxCommandEvent comando(wxEVT_MENU, ID_VISTA_ELIMINA);
            OnElimina(comando);
        }
        return true;
    default:
        return false;
    }

    const float W = g_pDoc->m_Stanza.GetLarghezza(), D = g_pDoc->m_Stanza.GetProfondita();
    const int nTipo = fTurno != 0.0f ? TASTO_RUOTA : TASTO_SPOSTA;
    bool bCambiato;
    if (nTipo == TASTO_RUOTA)
    {
        bCambiato = RuotaSulCentro(*pOggetto, fTurno, W, D);
    }
    else
    {
        const CRiquadro prima = RiquadroImpronta(*pOggetto, W, D);
        const float x = pOggetto->GetX(), y = pOggetto->GetY();
        SpostaNellaStanza(*pOggetto, dx, dy, W, D);
        if (m_bCalamita)
            AttiraAiMuri(*pOggetto, prima, W, D);
        bCambiato = pOggetto->GetX() != x || pOggetto->GetY() != y;
    }
    if (!bCambiato)
        return true;  // against a wall: nothing to take back
    const long long nAdesso = wxGetLocalTimeMillis().GetValue();
    const bool bUnisci = pOggetto == m_pUltimoTasto && nTipo == m_nUltimoTasto &&
                         (event.IsAutoRepeat() || nAdesso - m_nTempoUltimoTasto < PAUSA_PASSO_MS);
    m_pUltimoTasto = pOggetto;
    m_nUltimoTasto = nTipo;
    m_nTempoUltimoTasto = nAdesso;
    g_pDoc->RegistraPasso(nTipo == TASTO_RUOTA ? "rotazione" : "spostamento", bUnisci);
    Ridisegna();
    return true;
}

#pragma once
#include "view/AtlanteGlifi.h"
#include "view/DisegnoScena.h"
#include "view/Quote.h"
#include "view/StatoVista.h"

#include <functional>
#include <wx/docview.h>
#include <wx/timer.h>

class CCanvasGL;
class wxGLContext;
class wxKeyEvent;
class wxMouseEvent;
class wxUpdateUIEvent;
class COggetto;

// Identifier of the automatic rotation timer.
constexpr int ID_TIMER_ROTAZIONE = 1;

// The one view of the one document: owns the GL window and context, the 38
// texture objects, and the paint pass in plan or 3D. The editing state
// lives in CStatoVista, which the dialogs reach via g_pView and the scene
// through its hooks.
class CLavedoView : public wxView, public CStatoVista
{
    wxDECLARE_DYNAMIC_CLASS(CLavedoView);

public:
    CLavedoView();
    ~CLavedoView() override;

    bool OnCreate(wxDocument* pDoc, long nFlags) override;
    bool OnClose(bool bCancellaFinestra) override;
    void OnDraw(wxDC*) override {}
    void OnUpdate(wxView*, wxObject*) override { Ridisegna(); }
    // The title reads "<name> - Lavedo98".
    void OnChangeFilename() override;
    void Ridisegna() override;

    // Window messages, forwarded by the canvas.
    void OnPaint();
    void OnSize(int cx, int cy);
    void OnMouse(wxMouseEvent& event);
    void OnCaptureLost();
    // A key pressed in the GL window: the plan's keys or the 3D view's;
    // what neither handles goes on to the frame.
    void OnKeyDown(wxKeyEvent& event);
    bool TastoPiantina(wxKeyEvent& event);
    bool Tasto3D(wxKeyEvent& event);
    // The overlay of the last plan paint.
    const CQuote& GetQuote() const { return m_Quote; }
    // The labels' glyphs of the window's GL context.
    CAtlanteGlifi& GetAtlante() { return m_Atlante; }
    const CAtlanteGlifi& GetAtlante() const { return m_Atlante; }

    // Mouse buttons and motion in client pixels, y downwards.
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnRButtonDown(int x, int y);
    void OnRButtonUp(int x, int y);
    void OnMouseMove(int x, int y);
    // The context menu key in the window (pt wxDefaultPosition) or a menu
    // the system asks for at a click, which the right button's release
    // opens instead.
    void OnMenuContestuale(const wxPoint& pt);
    // Opens the plan's context menu at a point of the window: a right click
    // that did not move, or the context menu key (the window's middle).
    std::function<void(const wxPoint&)> m_fnMenuPiantina;
    // The modal dialogs the view's commands open, filled in by the
    // application (the view includes nothing of the dialogs). An empty slot
    // opens nothing.
    struct CDialoghi
    {
        // Several pieces under a pick: the user chooses among the hits; the
        // dialog selects and marks the choice.
        std::function<void()> fnSceltaTraColpi;
        // Asks before deleting the selected piece, deletes it if confirmed
        // and says whether it did.
        std::function<bool()> fnConfermaElimina;
        // The selected piece's attributes: the dialog applies the changes,
        // marks the document and repaints.
        std::function<void()> fnAttributi;
    };
    CDialoghi m_Dialoghi;
    // The wheel moves the 3D camera along its line of sight.
    void OnRotellina(const wxMouseEvent& event);
    // The automatic rotation step of the 10 ms timer.
    void OnTimer(wxTimerEvent& event);
    bool IsRotazioneAttiva() const { return m_Timer.IsRunning(); }

    // Renders the furniture in GL selection mode through a 3 x 3 pixel
    // region around (x, y) and selects what it hits; disarms the view.
    void EseguiSelezione(int x, int y);

    // Makes the context current; the first time it succeeds (the window is
    // on screen) it also sets the GL defaults and creates the textures.
    bool RendiCorrente();
    bool RendiGLCorrente() override { return RendiCorrente(); }
    // The paint pass into the back buffer, without swapping (tests read
    // the pixels back from it).
    void Renderizza();
    // Sets the GL defaults, the textures, lights and toggles in the
    // window's context on its first paint.
    void InizializzaGL();
    // The window's 3D frame and its figures (draw calls, cached lighting).
    const CDisegnoScena& GetDisegno() const { return m_Disegno; }

    CCanvasGL* GetCanvas() const { return m_pCanvas; }
    // The GL window was destroyed first (its frame went before the view).
    void StaccaCanvas() { m_pCanvas = nullptr; }
    bool IsGLPronto() const { return m_bGLPronto; }

    wxGLContext* m_hRC = nullptr;
    int m_nPixelFormat = 0;

private:
    void ImpostaProiezione();
    void DisegnaPiantinaScena(const CContestoDisegno& contesto);

    // Drags (view/MouseVista.cpp).
    void RuotaOggetto(COggetto& oggetto, int x);
    void SpostaOggetto(COggetto& oggetto, int x, int y);
    void CatturaMouse();
    void RilasciaMouse();
    // Ends the drags of the given buttons and records what they changed.
    void TerminaTrascinamento(bool bSinistro, bool bDestro);
    // The magnet acts on drags and keys unless Alt holds it off.
    bool IsCalamitaAttiva() const { return m_bCalamita && !m_bAltPremuto; }
    // The plan's measuring commands and their settings (view/TastiPiantina.cpp).
    void CollegaComandiPiantina();
    void OnQuote(wxCommandEvent& event);
    void OnCalamita(wxCommandEvent& event);
    void OnUpdateQuote(wxUpdateUIEvent& event);
    void OnUpdateCalamita(wxUpdateUIEvent& event);
    // Hit resolution of a pick (view/Selezione.cpp).
    void RisolviColpi();

    // View commands (view/ComandiVista.cpp).
    void CambiaModo(bool bDaPiantina);
    void OnVista3D(wxCommandEvent& event);
    void OnPiantina(wxCommandEvent& event);
    void OnWireframes(wxCommandEvent& event);
    void OnAntialiasing(wxCommandEvent& event);
    void OnTextures(wxCommandEvent& event);
    void OnLuci(wxCommandEvent& event);
    void OnRotazione(wxCommandEvent& event);
    void OnCentra(wxCommandEvent& event);
    void CentraTelecamera();
    void OnVistaInterno(wxCommandEvent& event);
    void OnSeleziona(wxCommandEvent& event);
    void OnElimina(wxCommandEvent& event);
    void OnModifica(wxCommandEvent& event);
    void OnUpdateVista3D(wxUpdateUIEvent& event);
    void OnUpdatePiantina(wxUpdateUIEvent& event);
    void OnUpdateWireframes(wxUpdateUIEvent& event);
    void OnUpdateAntialiasing(wxUpdateUIEvent& event);
    void OnUpdateTextures(wxUpdateUIEvent& event);
    void OnUpdateLuci(wxUpdateUIEvent& event);
    void OnUpdateRotazione(wxUpdateUIEvent& event);
    void OnUpdateCentra(wxUpdateUIEvent& event);
    void OnUpdateSeleziona(wxUpdateUIEvent& event);
    void OnUpdateElimina(wxUpdateUIEvent& event);
    void OnUpdateModifica(wxUpdateUIEvent& event);

    CCanvasGL* m_pCanvas = nullptr;
    bool m_bGLPronto = false;
    CDisegnoScena m_Disegno;
    wxTimer m_Timer;
    CQuote m_Quote;
    CAtlanteGlifi m_Atlante;
    bool m_bAltPremuto = false;
    // A right press that has not moved yet, and where it was.
    bool m_bClicDestro = false;
    CPunto m_ptClicDestro;
    // The last key move, to join a run of presses into one undo step.
    const COggetto* m_pUltimoTasto = nullptr;
    int m_nUltimoTasto = 0;
    long long m_nTempoUltimoTasto = 0;

    wxDECLARE_EVENT_TABLE();
};

// The window view behind g_pView.
inline CLavedoView* GetLavedoView()
{
    return static_cast<CLavedoView*>(g_pView);
}

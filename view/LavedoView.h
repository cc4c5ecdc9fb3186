#pragma once
#include "view/StatoVista.h"

#include <wx/docview.h>
#include <wx/timer.h>

class CCanvasGL;
class wxGLContext;
class wxMouseEvent;

// The one view of the one document: owns the GL window and context, the 38
// texture objects, and the paint pass in plan or 3D. The editing state
// lives in CStatoVista, which the model and the dialogs reach via g_pView.
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

    // Makes the context current; the first time it succeeds (the window is
    // on screen) it also sets the GL defaults and creates the textures.
    bool RendiCorrente();
    // The paint pass into the back buffer, without swapping (tests read
    // the pixels back from it).
    void Renderizza();

    CCanvasGL* GetCanvas() const { return m_pCanvas; }
    bool IsGLPronto() const { return m_bGLPronto; }

    wxGLContext* m_hRC = nullptr;
    int m_nPixelFormat = 0;

private:
    void InizializzaGL();
    void CreaTexture();
    void ImpostaProiezione();
    void DisegnaScena();
    void DisegnaPiantinaScena();
    void OnTimer(wxTimerEvent& event);

    CCanvasGL* m_pCanvas = nullptr;
    bool m_bGLPronto = false;
    wxTimer m_Timer;
};

// The window view behind g_pView.
inline CLavedoView* GetLavedoView()
{
    return static_cast<CLavedoView*>(g_pView);
}

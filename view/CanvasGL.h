#pragma once
#include <wx/glcanvas.h>
#include <wx/weakref.h>

class CLavedoView;

// The view's GL window: double-buffered RGBA with a depth buffer. It only
// forwards its messages to the view, which owns the drawing and the state.
// The view goes first when the program ends (with its document), while the
// window may still be asked to paint: from then on it does nothing.
class CCanvasGL : public wxGLCanvas
{
public:
    CCanvasGL(wxWindow* pGenitore, CLavedoView* pView);
    ~CCanvasGL() override;

    // The view is going: from now on the window's messages reach nobody
    // (the frame, and this window with it, may outlive the view).
    void StaccaVista() { m_pView = nullptr; }
    CLavedoView* GetVista() const { return m_pView; }

    // Attributes asked of the window system for the view's pixel format.
    static wxGLAttributes Attributi();

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnMenuContestuale(wxContextMenuEvent& event);

    wxWeakRef<CLavedoView> m_pView;
};

#pragma once
#include <wx/glcanvas.h>

class CLavedoView;

// The view's GL window: double-buffered RGBA with a depth buffer. It only
// forwards its messages to the view, which owns the drawing and the state.
class CCanvasGL : public wxGLCanvas
{
public:
    CCanvasGL(wxWindow* pGenitore, CLavedoView* pView);
    ~CCanvasGL() override;

    // Attributes asked of the window system for the view's pixel format.
    static wxGLAttributes Attributi();
    // Window and view each forget the other when it goes first: closing
    // the program destroys the view before the frame, a test program the
    // frame first.
    void StaccaVista() { m_pView = nullptr; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    CLavedoView* m_pView;
};

#include "view/CanvasGL.h"

#include "view/LavedoView.h"

#include <wx/dcclient.h>

wxGLAttributes CCanvasGL::Attributi()
{
    wxGLAttributes attributi;
    attributi.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).Stencil(8).EndList();
    return attributi;
}

CCanvasGL::CCanvasGL(wxWindow* pGenitore, CLavedoView* pView)
    : wxGLCanvas(pGenitore, Attributi(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_pView(pView)
{
    // Every pixel is painted by GL: no background erase, no flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CCanvasGL::OnPaint, this);
    Bind(wxEVT_SIZE, &CCanvasGL::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_LEFT_DCLICK, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_RIGHT_DCLICK, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_RIGHT_DOWN, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_MOTION, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_MOUSEWHEEL, &CCanvasGL::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CCanvasGL::OnKeyDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CCanvasGL::OnCaptureLost, this);
    Bind(wxEVT_CONTEXT_MENU, &CCanvasGL::OnMenuContestuale, this);
}

CCanvasGL::~CCanvasGL()
{
    if (m_pView)
        m_pView->StaccaCanvas();
}

void CCanvasGL::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (m_pView)
        m_pView->OnPaint();
}

void CCanvasGL::OnSize(wxSizeEvent& event)
{
    if (m_pView)
    {
        const wxSize dimensione = GetClientSize();
        m_pView->OnSize(dimensione.GetWidth(), dimensione.GetHeight());
    }
    event.Skip();
}

void CCanvasGL::OnMouse(wxMouseEvent& event)
{
    // A click gives the window the keys: the plan's moves, the 3D camera's.
    if (event.ButtonDown() && !HasFocus())
        SetFocus();
    if (m_pView)
        m_pView->OnMouse(event);
    event.Skip();
}

void CCanvasGL::OnKeyDown(wxKeyEvent& event)
{
    if (m_pView)
        m_pView->OnKeyDown(event);
    else
        event.Skip();
}

void CCanvasGL::OnMenuContestuale(wxContextMenuEvent& event)
{
    // Handled here, never passed to the frame: the menu the system asks
    // for at a right press would end a right drag before it began.
    if (m_pView)
        m_pView->OnMenuContestuale(event.GetPosition());
}

void CCanvasGL::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    if (m_pView)
        m_pView->OnCaptureLost();
}

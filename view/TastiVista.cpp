// Keys and the wheel on the GL window: camera moves in 3D. They change no
// room, so they leave no undo step and no modified mark.
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <wx/event.h>

namespace
{
constexpr float PASSO_ANGOLO = 5.0f;  // degrees a key press
constexpr float PASSO_CARRELLO = 0.25f;  // metres a key press or wheel notch
constexpr float PASSO_CARRELLO_LUNGO = 1.0f;  // with Shift
}  // namespace

void CLavedoView::OnKeyDown(wxKeyEvent& event)
{
    const bool bUsato = m_nVista == VISTA_3D ? Tasto3D(event) : TastoPiantina(event);
    if (!bUsato)
        event.Skip();
}

bool CLavedoView::Tasto3D(wxKeyEvent& event)
{
    // Ctrl and Alt combinations belong to the menus.
    if (event.GetModifiers() & ~wxMOD_SHIFT)
        return false;
    const float fCarrello = event.ShiftDown() ? PASSO_CARRELLO_LUNGO : PASSO_CARRELLO;
    // The arrows turn the camera as a left drag in their direction does.
    switch (event.GetKeyCode())
    {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: RuotaTelecamera(-PASSO_ANGOLO, 0.0f); break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: RuotaTelecamera(PASSO_ANGOLO, 0.0f); break;
    case WXK_UP:
    case WXK_NUMPAD_UP: RuotaTelecamera(0.0f, -PASSO_ANGOLO); break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: RuotaTelecamera(0.0f, PASSO_ANGOLO); break;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: AvvicinaTelecamera(fCarrello); break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: AvvicinaTelecamera(-fCarrello); break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: CentraTelecamera(); return true;  // repaints itself
    default: return false;
    }
    Ridisegna();
    return true;
}

void CLavedoView::OnRotellina(const wxMouseEvent& event)
{
    if (m_nVista != VISTA_3D || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL ||
        event.GetWheelDelta() <= 0)
        return;
    // Turned away from the user: nearer. Smooth wheels send parts of a
    // notch and move by that part.
    const float fTacche =
        static_cast<float>(event.GetWheelRotation()) / static_cast<float>(event.GetWheelDelta());
    AvvicinaTelecamera(fTacche * (event.ShiftDown() ? PASSO_CARRELLO_LUNGO : PASSO_CARRELLO));
    Ridisegna();
}

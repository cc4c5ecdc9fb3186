// The 3D camera moved by the wheel, the keys and "Vista dall'interno".
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "model/Scena.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/windowptr.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
enum
{
    ROTELLINA,  // rotation in 120ths of a notch, as the window system sends it
    TASTO,
    INTERNO  // "Vista dall'interno"
};

// One move on the GL window, or the command; true when the view kept it.
bool Muovi(int nTipo, int nValore, int nModificatori)
{
    if (nTipo == INTERNO)
        return aiuti::Comando(ID_VISTA_INTERNO), true;
    wxMouseEvent rotellina(wxEVT_MOUSEWHEEL);
    rotellina.m_wheelRotation = nValore;
    rotellina.m_wheelDelta = 120;
    wxKeyEvent tasto(wxEVT_KEY_DOWN);
    tasto.m_keyCode = nValore;
    wxKeyboardState& stato =
        nTipo == ROTELLINA ? static_cast<wxKeyboardState&>(rotellina) : tasto;
    stato.SetShiftDown(nModificatori & wxMOD_SHIFT);
    stato.SetControlDown(nModificatori & wxMOD_CONTROL);
    wxEvent& evento = nTipo == ROTELLINA ? static_cast<wxEvent&>(rotellina) : tasto;
    Vista().GetCanvas()->GetEventHandler()->ProcessEvent(evento);
    return !evento.GetSkipped();
}
}  // namespace

// Default room 12 x 3.5 x 10 with the camera 3 m from its centre; each row
// starts from the pitch and yaw given and must leave exactly this camera.
TEST(Telecamera, RotellinaTastiEVistaDallInterno)
{
    struct Caso
    {
        const char* pNome;
        int nTipo, nValore, nModificatori;
        bool bPiantina;
        float fRotX0, fRotY0, fRotX, fRotY, fTraslY, fTraslZ;
    };
    const int S = wxMOD_SHIFT, N = wxMOD_NONE;
    const Caso aCasi[] = {
        {"notch away", ROTELLINA, 120, N, false, 0, 0, 0, 0, 0, -2.75f},
        {"notch back", ROTELLINA, -120, N, false, 0, 0, 0, 0, 0, -3.25f},
        {"quarter notch", ROTELLINA, 30, N, false, 0, 0, 0, 0, 0, -2.9375f},
        {"Shift notch", ROTELLINA, 120, S, false, 0, 0, 0, 0, 0, -2},
        {"wheel in plan", ROTELLINA, 360, N, true, 0, 0, 0, 0, 0, -3},
        {"Right", TASTO, WXK_RIGHT, N, false, 0, 0, 0, 5, 0, -3},
        {"Left past 0", TASTO, WXK_LEFT, N, false, 0, 2, 0, 357, 0, -3},
        {"Right past 360", TASTO, WXK_NUMPAD_RIGHT, N, false, 0, 357, 0, 2, 0, -3},
        {"Up", TASTO, WXK_UP, N, false, 0, 0, 355, 0, 0, -3},
        {"Down", TASTO, WXK_DOWN, N, false, 358, 0, 3, 0, 0, -3},
        {"Page Up", TASTO, WXK_PAGEUP, N, false, 0, 0, 0, 0, 0, -2.75f},
        {"Shift Page Down", TASTO, WXK_PAGEDOWN, S, false, 0, 0, 0, 0, 0, -4},
        {"Home", TASTO, WXK_HOME, N, false, 20, 40, 20, 40, 0, -15},
        {"Ctrl+Right", TASTO, WXK_RIGHT, wxMOD_CONTROL, false, 0, 0, 0, 0, 0, -3},
        {"Right in plan", TASTO, WXK_RIGHT, N, true, 0, 0, 0, 0, 0, -3},
        // Eye 1.6 m up, 0.3 m inside the south wall (4.7 m from the centre).
        {"inside from plan", INTERNO, 0, N, true, 0, 0, 0, 0, 0.15f, -4.7f},
        {"inside after orbit", INTERNO, 0, N, false, 20, 40, 0, 0, 0.15f, -4.7f},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        Ripristina(600, 500);
        if (!c.bPiantina)
            Comando(ID_VISTA_3D);
        CLavedoView& v = Vista();
        v.m_fRotX = c.fRotX0;
        v.m_fRotY = c.fRotY0;
        v.m_fTraslZ = -3.0f;
        const bool bUsato = Muovi(c.nTipo, c.nValore, c.nModificatori);
        Pompa();
        if (c.nTipo == TASTO)  // unused keys go on to the frame
        {
            EXPECT_EQ(bUsato, !c.bPiantina && c.nModificatori != wxMOD_CONTROL);
        }
        EXPECT_NEAR(v.m_fRotX, c.fRotX, 1e-4);
        EXPECT_NEAR(v.m_fRotY, c.fRotY, 1e-4);
        EXPECT_NEAR(v.m_fTraslX, 0.0f, 1e-5);
        EXPECT_NEAR(v.m_fTraslY, c.fTraslY, 1e-5);
        EXPECT_NEAR(v.m_fTraslZ, c.fTraslZ, 1e-5);
        EXPECT_EQ(v.m_nVista, c.bPiantina && c.nTipo != INTERNO ? VISTA_PIANTINA : VISTA_3D);
        EXPECT_FLOAT_EQ(v.m_fCentroZ, -5.0f);  // the orbit still turns about the room
        EXPECT_FALSE(Documento().m_bModificato);  // the camera is not the room
    }
}

// From inside the room shows every wall and its ceiling whatever "Pareti da
// visualizzare" holds; once the camera backs out through the south wall
// the room's own choice applies again. 600 x 500 pixels, 60 degrees high.
TEST(Telecamera, DallInternoSiVedonoTutteLePareti)
{
    Ripristina(600, 500);
    Documento().m_Stanza.SetPareti(PARETI_DUE);
    Comando(ID_VISTA_INTERNO);
    // The north wall 9.7 m ahead: its foot 1.6 m below the eye, 71 pixels
    // under the middle row; its top 1.9 m above, 85 pixels over it.
    EXPECT_TRUE(ColoreA(true, 300, 185, 128, 128, 128));  // wall
    EXPECT_TRUE(ColoreA(false, 300, 172, 255, 255, 255));  // floor
    EXPECT_TRUE(ColoreA(false, 300, 328, 128, 128, 128));  // wall
    EXPECT_TRUE(ColoreA(false, 300, 341, 192, 192, 192));  // ceiling
    EXPECT_TRUE(ColoreA(false, 5, 250, 128, 128, 128));  // west wall, not in "Due"
    EXPECT_EQ(Documento().m_Stanza.GetPareti(), PARETI_DUE);
    for (int i = 0; i < 8; ++i)  // 2 m back: outside, behind the missing south wall
        Muovi(TASTO, WXK_PAGEDOWN, wxMOD_NONE);
    EXPECT_TRUE(ColoreA(true, 5, 250, 0, 0, 0));
    EXPECT_FALSE(Documento().m_bModificato);
}

// Through the window system: a click takes the keys from another window,
// and the frame's menus and accelerators let the arrows and Page Up through.
TEST(Telecamera, TastiVeriDopoUnClic)
{
    Ripristina(600, 500);
    Comando(ID_VISTA_3D);
    wxWindowPtr<wxTextCtrl> pAltro(new wxTextCtrl(&Cornice(), wxID_ANY));
    pAltro->SetFocus();
    wxUIActionSimulator simulatore;
    ASSERT_TRUE(ClicSullaVista(simulatore, 300, 250));
    simulatore.Char(WXK_RIGHT);
    simulatore.Char(WXK_PAGEUP);
    EXPECT_TRUE(InputArrivato(simulatore));
    EXPECT_NEAR(Vista().m_fRotY, 5.0f, 1e-4);
    EXPECT_NEAR(Vista().m_fTraslZ, -14.75f, 1e-5);
}

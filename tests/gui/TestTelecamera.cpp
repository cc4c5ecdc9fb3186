// The 3D camera moved by the wheel, the keys and "Vista dall'interno".
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "model/Scena.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/windowptr.h>

#include <functional>

using namespace ambiente;
using namespace aiuti;

namespace
{
// The wheel as the window system delivers it: rotation in 120ths of a notch.
void Rotellina(int nRotazione, bool bMaiusc = false)
{
    wxMouseEvent evento(wxEVT_MOUSEWHEEL);
    evento.m_wheelRotation = nRotazione;
    evento.m_wheelDelta = 120;
    evento.SetShiftDown(bMaiusc);
    evento.SetEventObject(Vista().GetCanvas());
    Vista().GetCanvas()->GetEventHandler()->ProcessEvent(evento);
}

// A key press on the GL window; true when the view kept it.
bool Tasto(int nCodice, int nModificatori = wxMOD_NONE)
{
    wxKeyEvent evento(wxEVT_KEY_DOWN);
    evento.m_keyCode = nCodice;
    evento.SetShiftDown(nModificatori & wxMOD_SHIFT);
    evento.SetControlDown(nModificatori & wxMOD_CONTROL);
    evento.SetEventObject(Vista().GetCanvas());
    Vista().GetCanvas()->GetEventHandler()->ProcessEvent(evento);
    return !evento.GetSkipped();
}
}  // namespace

// Default room 12 x 3.5 x 10 seen from (0, 0, -15); each row starts from the
// yaw, pitch and translation given and must leave exactly the camera shown.
TEST(Telecamera, RotellinaTastiEVistaDallInterno)
{
    struct Caso
    {
        const char* pNome;
        bool bPiantina;
        float fRotX0, fRotY0, fTraslX0, fTraslZ0;
        std::function<void()> muovi;
        float fRotX, fRotY, fTraslX, fTraslY, fTraslZ;
    };
    const Caso aCasi[] = {
        {"notch away", false, 0, 0, 0, -15, [] { Rotellina(120); }, 0, 0, 0, 0, -14.75f},
        {"notch back", false, 0, 0, 0, -15, [] { Rotellina(-120); }, 0, 0, 0, 0, -15.25f},
        {"quarter notch", false, 0, 0, 0, -15, [] { Rotellina(30); }, 0, 0, 0, 0, -14.9375f},
        {"Shift notch", false, 0, 0, 0, -15, [] { Rotellina(120, true); }, 0, 0, 0, 0, -14},
        {"wheel in plan", true, 0, 0, 0, -15, [] { Rotellina(360); }, 0, 0, 0, 0, -15},
        {"Right", false, 0, 0, 0, -15, [] { Tasto(WXK_RIGHT); }, 0, 5, 0, 0, -15},
        {"Left past 0", false, 0, 2, 0, -15, [] { Tasto(WXK_LEFT); }, 0, 357, 0, 0, -15},
        {"Right past 360", false, 0, 357, 0, -15, [] { Tasto(WXK_RIGHT); }, 0, 2, 0, 0, -15},
        {"Up", false, 0, 0, 0, -15, [] { Tasto(WXK_UP); }, 355, 0, 0, 0, -15},
        {"Down", false, 358, 0, 0, -15, [] { Tasto(WXK_NUMPAD_DOWN); }, 3, 0, 0, 0, -15},
        {"Page Up", false, 0, 0, 0, -15, [] { Tasto(WXK_PAGEUP); }, 0, 0, 0, 0, -14.75f},
        {"Shift Page Down", false, 0, 0, 0, -15, [] { Tasto(WXK_PAGEDOWN, wxMOD_SHIFT); },
         0, 0, 0, 0, -16},
        {"Home", false, 20, 40, 2, -3, [] { Tasto(WXK_HOME); }, 20, 40, 0, 0, -15},
        {"Ctrl+Right", false, 0, 0, 0, -15, [] { EXPECT_FALSE(Tasto(WXK_RIGHT, wxMOD_CONTROL)); },
         0, 0, 0, 0, -15},
        {"Right in plan", true, 0, 0, 0, -15, [] { EXPECT_FALSE(Tasto(WXK_RIGHT)); },
         0, 0, 0, 0, -15},
        // Eye 1.6 m up, 0.3 m inside the south wall (z = 9.7), room centred.
        {"inside from plan", true, 0, 0, 0, -15, [] { Comando(ID_VISTA_INTERNO); },
         0, 0, 0, 0.15f, -4.7f},
        {"inside after orbit", false, 20, 40, 2, -3, [] { Comando(ID_VISTA_INTERNO); },
         0, 0, 0, 0.15f, -4.7f},
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
        v.m_fTraslX = c.fTraslX0;
        v.m_fTraslZ = c.fTraslZ0;
        c.muovi();
        Pompa();
        EXPECT_NEAR(v.m_fRotX, c.fRotX, 1e-4);
        EXPECT_NEAR(v.m_fRotY, c.fRotY, 1e-4);
        EXPECT_NEAR(v.m_fTraslX, c.fTraslX, 1e-5);
        EXPECT_NEAR(v.m_fTraslY, c.fTraslY, 1e-5);
        EXPECT_NEAR(v.m_fTraslZ, c.fTraslZ, 1e-5);
        // Of all these moves only the view from inside (eye height) leaves the plan.
        EXPECT_EQ(v.m_nVista == VISTA_PIANTINA, c.bPiantina && c.fTraslY == 0.0f);
        // The room stays centred, so the orbit still turns about it.
        EXPECT_FLOAT_EQ(v.m_fCentroX, -6.0f);
        EXPECT_FLOAT_EQ(v.m_fCentroZ, -5.0f);
        EXPECT_FALSE(Documento().m_bModificato);  // the camera is not the room
        EXPECT_FALSE(Documento().IsModified());
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
        Tasto(WXK_PAGEDOWN);
    EXPECT_TRUE(ColoreA(true, 5, 250, 0, 0, 0));
    EXPECT_FALSE(Documento().m_bModificato);
}

// Through the window system: a click gives the view the keys, and the
// frame's menus and accelerators let the arrows and Page Up reach it.
TEST(Telecamera, TastiVeriDopoUnClic)
{
    Ripristina(600, 500);
    Comando(ID_VISTA_3D);
    // Something else has the keys first.
    wxWindowPtr<wxTextCtrl> pAltro(new wxTextCtrl(&Cornice(), wxID_ANY));
    pAltro->SetFocus();
    Pompa();
    ASSERT_FALSE(Vista().GetCanvas()->HasFocus());
    wxUIActionSimulator simulatore;
    simulatore.MouseMove(SulloSchermo(300, 250));
    Pompa();
    simulatore.MouseClick(wxMOUSE_BTN_LEFT);
    Pompa();
    ASSERT_TRUE(Vista().GetCanvas()->HasFocus());
    simulatore.Char(WXK_RIGHT);
    simulatore.Char(WXK_PAGEUP);
    Attendi(100);
    EXPECT_NEAR(Vista().m_fRotY, 5.0f, 1e-4);
    EXPECT_NEAR(Vista().m_fTraslZ, -14.75f, 1e-5);
}

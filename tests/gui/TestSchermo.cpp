// The window at any scale of the screen: GL draws in the screen's pixels,
// the toolkit gives sizes and positions in its own. These tests run in the
// usual run and once more at 200% (GDK_SCALE=2, a ctest entry of its own);
// every expectation is in the toolkit's pixels times the window's scale.
#include "TestMouseAiuti.h"
#include "view/ComandiVista.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
float Fattore()
{
    return static_cast<float>(Vista().GetCanvas()->GetContentScaleFactor());
}

// The window's size in GL pixels.
wxSize SuperficieGL()
{
    const wxSize d = Vista().GetCanvas()->GetClientSize();
    return wxSize(static_cast<int>(std::lround(d.x * Fattore())),
                  static_cast<int>(std::lround(d.y * Fattore())));
}

// A paint, read back whole.
std::vector<std::uint8_t> Fotogramma()
{
    Pixel(0, 0);  // paints
    const wxSize d = SuperficieGL();
    std::vector<std::uint8_t> a(static_cast<size_t>(d.x) * d.y * 3);
    glReadPixels(0, 0, d.x, d.y, GL_RGB, GL_UNSIGNED_BYTE, a.data());
    return a;
}

// The box of the pixels where a paint differs from an earlier one (the
// room without the piece), in GL pixels.
struct CMacchia
{
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    bool IsVuota() const { return x1 < 0; }
    // Its centre as a client point of the toolkit, y downwards.
    wxPoint Centro() const
    {
        const float f = Fattore();
        return wxPoint(static_cast<int>(std::lround((x0 + x1 + 1) / 2.0f / f)),
                       static_cast<int>(std::lround((SuperficieGL().y - (y0 + y1 + 1) / 2.0f) / f)));
    }
};

CMacchia Macchia(const std::vector<std::uint8_t>& aVuota)
{
    const std::vector<std::uint8_t> a = Fotogramma();
    const int w = SuperficieGL().x;
    CMacchia m;
    for (size_t i = 0; i < a.size() && i < aVuota.size(); i += 3)
        if (std::abs(a[i] - aVuota[i]) + std::abs(a[i + 1] - aVuota[i + 1]) + std::abs(a[i + 2] - aVuota[i + 2]) > 30)
        {
            const int x = static_cast<int>(i / 3 % w), y = static_cast<int>(i / 3 / w);
            m.x0 = std::min(m.x0, x), m.x1 = std::max(m.x1, x);
            m.y0 = std::min(m.y0, y), m.y1 = std::max(m.y1, y);
        }
    return m;
}

// The menus' text height at 100%, in the toolkit's pixels.
int AltezzaTestoMenu()
{
    wxBitmap foglio(8, 8);
    wxMemoryDC dc(foglio);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    return dc.GetCharHeight();
}
}  // namespace

// The plan fills the window inside a margin of 20 pixels on the side that
// decides the scale, centred on the other; the walls lie there in GL's
// pixels, with lines as thick as at 100%, and the labels are as tall as the
// menus' text.
TEST(Schermo, LaPiantinaRiempieLaFinestra)
{
    const float f = Fattore();
    if (const char* p = std::getenv("GDK_SCALE"))
    {
        ASSERT_EQ(f, static_cast<float>(std::atof(p))) << "the run at another scale must run at it";
    }
    struct Caso
    {
        int w, h;            // client, in the toolkit's pixels
        float fScala, x0, y0;  // pixels a metre and south-west corner, at 100%
    };
    const Caso aCasi[] = {{800, 600, 56, 64, 20}, {640, 640, 50, 20, 70}, {640, 440, 40, 80, 20}};
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << f);
        Ripristina(c.w, c.h);
        EXPECT_FLOAT_EQ(Vista().m_fScala, c.fScala * f);
        const float x1 = c.x0 + 12 * c.fScala, y1 = c.y0 + 10 * c.fScala;
        const int xm = static_cast<int>((c.x0 + x1) / 2 * f), ym = static_cast<int>((c.y0 + y1) / 2 * f);
        // Each wall's line, and black 3 pixels (of 100%) either side of it.
        for (const float x : {c.x0, x1})
        {
            EXPECT_TRUE(ColoreA(true, static_cast<int>(x * f), ym, 255, 255, 255)) << "wall x " << x;
            for (const float d : {-3.0f, 3.0f})
                EXPECT_TRUE(ColoreA(false, static_cast<int>((x + d) * f), ym, 0, 0, 0)) << x + d;
        }
        for (const float y : {c.y0, y1})
        {
            EXPECT_TRUE(ColoreA(false, xm, static_cast<int>(y * f), 255, 255, 255)) << "wall y " << y;
            for (const float d : {-3.0f, 3.0f})
                EXPECT_TRUE(ColoreA(false, xm, static_cast<int>((y + d) * f), 0, 0, 0)) << y + d;
        }
    }
    // The outline takes the floor colour.
    const float aRosso[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    Documento().m_Stanza.SetColorePavimento(aRosso);
    EXPECT_TRUE(ColoreA(true, static_cast<int>(80 * f), static_cast<int>(220 * f), 255, 0, 0));

    Vista().m_bQuote = true;
    Pixel(0, 0);
    const float fEtichetta = Vista().GetQuote().GetAltezzaEtichetta() / f;
    EXPECT_NEAR(fEtichetta, AltezzaTestoMenu() + 2, 1.5f);
    Ripristina();
}

// In 3D the whole window is drawn: from inside the room, walls, floor and
// ceiling reach every corner.
TEST(Schermo, LaVista3DRiempieLaFinestra)
{
    Ripristina(640, 440);
    Comando(ID_VISTA_3D);
    Comando(ID_VISTA_INTERNO);
    Pixel(0, 0);
    GLint aViewport[4];
    glGetIntegerv(GL_VIEWPORT, aViewport);
    const wxSize d = SuperficieGL();
    EXPECT_EQ(aViewport[2], d.x);
    EXPECT_EQ(aViewport[3], d.y);
    for (const auto& q : {std::array<int, 2>{1, 1}, {d.x - 2, 1}, {1, d.y - 2}, {d.x - 2, d.y - 2},
                          {d.x / 2, d.y / 2}})
    {
        const auto p = PixelSenzaDisegnare(q[0], q[1]);
        EXPECT_GT(p[0] + p[1] + p[2], 60) << q[0] << "," << q[1] << " is black";
    }
    Ripristina();
}

// A real click where a piece is drawn selects it, a click beside it selects
// nothing, in the plan and in 3D.
TEST(Schermo, UnClicSelezionaIlPezzoDisegnato)
{
    for (const bool b3D : {false, true})
    {
        SCOPED_TRACE(b3D ? "3D" : "plan");
        Ripristina(640, 440);
        Documento().m_Stanza.SetPareti(PARETI_DUE);  // the south wall hides nothing
        if (b3D)
            Comando(ID_VISTA_3D);
        const std::vector<std::uint8_t> aVuota = Fotogramma();
        COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 3.0f, 4.0f, 1.5f, 1.0f);
        const CMacchia m = Macchia(aVuota);
        ASSERT_FALSE(m.IsVuota());
        const wxPoint sopra = m.Centro();
        const wxPoint accanto(sopra.x - static_cast<int>((m.x1 - m.x0) / Fattore()), sopra.y);
        wxUIActionSimulator simulatore;
        for (const wxPoint& punto : {sopra, accanto})
        {
            Comando(ID_VISTA_SELEZIONA);
            simulatore.MouseMove(SulloSchermo(punto.x, punto.y));
            Pompa();
            simulatore.MouseClick(wxMOUSE_BTN_LEFT);
            ASSERT_TRUE(InputArrivato(simulatore));
            EXPECT_EQ(Vista().GetOggettoSelezionato(), punto == sopra ? p : nullptr)
                << punto.x << "," << punto.y;
        }
    }
    Ripristina();
}

// Dragged by some of the toolkit's pixels, a piece is drawn as many further
// along; the 3D orbit turns by a degree for three of them, at any scale.
TEST(Schermo, IlTrascinamentoSegueIlPuntatore)
{
    Ripristina(640, 440);
    const std::vector<std::uint8_t> aVuota = Fotogramma();
    COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 3.0f, 4.0f, 1.5f, 1.0f);
    Seleziona(p);
    const CMacchia prima = Macchia(aVuota);
    ASSERT_FALSE(prima.IsVuota());
    Trascina(false, 300, 200, 340, 230);
    const CMacchia dopo = Macchia(aVuota);
    const float f = Fattore();
    EXPECT_NEAR(dopo.x0 - prima.x0, 40 * f, 1.0f);
    EXPECT_NEAR(dopo.y0 - prima.y0, -30 * f, 1.0f);  // GL's rows run upwards

    Comando(ID_VISTA_3D);
    Trascina(true, 300, 200, 330, 200, 3);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, 10.0f);
    Ripristina();
}

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

std::vector<std::uint8_t> Fotogramma()
{
    Pixel(0, 0);  // paints
    const wxSize d = SuperficieGL();
    std::vector<std::uint8_t> a(static_cast<size_t>(d.x) * d.y * 3);
    glReadPixels(0, 0, d.x, d.y, GL_RGB, GL_UNSIGNED_BYTE, a.data());
    return a;
}

// The box {x0, y0, x1, y1} of the GL pixels where a paint differs from the
// one of the room without the piece.
std::array<int, 4> Macchia(const std::vector<std::uint8_t>& aVuota)
{
    const std::vector<std::uint8_t> a = Fotogramma();
    const int w = SuperficieGL().x;
    std::array<int, 4> m = {INT_MAX, INT_MAX, -1, -1};
    for (size_t i = 0; i < a.size(); i += 3)
        if (std::abs(a[i] - aVuota[i]) + std::abs(a[i + 1] - aVuota[i + 1]) + std::abs(a[i + 2] - aVuota[i + 2]) > 30)
        {
            const int x = static_cast<int>(i / 3 % w), y = static_cast<int>(i / 3 / w);
            m = {std::min(m[0], x), std::min(m[1], y), std::max(m[2], x), std::max(m[3], y)};
        }
    return m;
}

// The client point of the toolkit (y downwards) at a GL pixel.
wxPoint Punto(float x, float y)
{
    return wxPoint(static_cast<int>(std::lround(x / Fattore())),
                   static_cast<int>(std::lround((SuperficieGL().y - y) / Fattore())));
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
        int w, h;              // client, in the toolkit's pixels
        float fScala, x0, y0;  // pixels a metre and south-west corner, at 100%
    };
    const Caso aCasi[] = {{800, 600, 56, 64, 20}, {640, 640, 50, 20, 70}, {640, 440, 40, 80, 20}};
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << f);
        Ripristina(c.w, c.h);
        EXPECT_FLOAT_EQ(Vista().m_fScala, c.fScala * f);
        const float x1 = c.x0 + 12 * c.fScala, y1 = c.y0 + 10 * c.fScala;
        const float xm = (c.x0 + x1) / 2, ym = (c.y0 + y1) / 2;
        // Each wall's line (west, east, south, north), 3 pixels of 100% thick
        // across it.
        const float aPareti[4][2] = {{c.x0, ym}, {x1, ym}, {xm, c.y0}, {xm, y1}};
        Pixel(0, 0);
        for (int i = 0; i < 4; ++i)
        {
            const int x = static_cast<int>(aPareti[i][0] * f), y = static_cast<int>(aPareti[i][1] * f);
            int nAccesi = 0;
            for (int d = static_cast<int>(-4 * f); d <= 4 * f; ++d)
                nAccesi += Vicino(PixelSenzaDisegnare(x + (i < 2 ? d : 0), y + (i < 2 ? 0 : d)), 255, 255, 255);
            EXPECT_NEAR(nAccesi, 3 * f, 1) << "wall " << i;
        }
    }
    // The outline takes the floor colour.
    const float aRosso[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    Documento().m_Stanza.SetColorePavimento(aRosso);
    EXPECT_TRUE(ColoreA(true, static_cast<int>(80 * f), static_cast<int>(220 * f), 255, 0, 0));
    Vista().m_bQuote = true;
    Pixel(0, 0);
    wxBitmap foglio(8, 8);
    wxMemoryDC dc(foglio);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    EXPECT_NEAR(Vista().GetAtlante().GetAltezzaEtichetta() / f, dc.GetCharHeight() + 2, 1.5f);
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
    const wxSize d = SuperficieGL();
    for (const auto& q : {std::array<int, 2>{1, 1}, {d.x - 2, 1}, {1, d.y - 2}, {d.x - 2, d.y - 2}})
    {
        const auto p = PixelSenzaDisegnare(q[0], q[1]);
        EXPECT_GT(p[0] + p[1] + p[2], 60) << q[0] << "," << q[1] << " is black";
    }
    Ripristina();
}

// A real click where a piece is drawn selects it and one beside it selects
// nothing, in the plan and in 3D; dragged by some of the toolkit's pixels,
// the piece is drawn as many further, and the orbit turns a degree for three.
TEST(Schermo, ClicETrascinamentoDoveEDisegnato)
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
        const std::array<int, 4> m = Macchia(aVuota);
        ASSERT_GE(m[2], 0);
        const wxPoint sopra = Punto((m[0] + m[2] + 1) / 2.0f, (m[1] + m[3] + 1) / 2.0f);
        const wxPoint accanto = Punto(1.5f * m[0] - 0.5f * m[2], (m[1] + m[3] + 1) / 2.0f);
        wxUIActionSimulator simulatore;
        for (const wxPoint& punto : {sopra, accanto})
        {
            Comando(ID_VISTA_SELEZIONA);
            simulatore.MouseMove(SulloSchermo(punto.x, punto.y));
            Pompa();
            simulatore.MouseClick(wxMOUSE_BTN_LEFT);
            ASSERT_TRUE(InputArrivato(simulatore));
            EXPECT_EQ(Vista().GetOggettoSelezionato(), punto == sopra ? p : nullptr);
        }
        if (b3D)
        {
            Trascina(true, 300, 200, 330, 200, 3);
            EXPECT_FLOAT_EQ(Vista().m_fRotY, 10.0f);
            continue;
        }
        Seleziona(p);
        Trascina(false, 300, 200, 340, 230);
        const std::array<int, 4> dopo = Macchia(aVuota);
        EXPECT_NEAR(dopo[0] - m[0], 40 * Fattore(), 1.0f);
        EXPECT_NEAR(dopo[1] - m[1], -30 * Fattore(), 1.0f);  // GL's rows run upwards
    }
    Ripristina();
}

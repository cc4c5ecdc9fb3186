#include "furniture/Tavoli2.h"

#include "furniture/Scatola.h"
#include "model/ContestoDisegno.h"
#include "model/Scena.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <array>
#include <cmath>

namespace
{
// Rim of the plan disc: 40 points on the unit circle, computed once.
constexpr int PUNTI_BORDO = 40;
struct CBordo
{
    std::array<float, PUNTI_BORDO> aCos{};
    std::array<float, PUNTI_BORDO> aSin{};
    CBordo()
    {
        const double fPasso = std::acos(-1.0) / 20.0;
        for (int i = 0; i < PUNTI_BORDO; ++i)
        {
            aCos[static_cast<size_t>(i)] = static_cast<float>(std::cos(i * fPasso));
            aSin[static_cast<size_t>(i)] = static_cast<float>(std::sin(i * fPasso));
        }
    }
};
const CBordo s_Bordo;
}  // namespace

CTavoli2::CTavoli2() : m_pQuadrica(gluNewQuadric())
{
    m_nCategoria = CATEGORIA_TAVOLI;
    m_nTipo = 0;
}

CTavoli2::~CTavoli2()
{
    if (m_pQuadrica)
        gluDeleteQuadric(m_pQuadrica);
}

void CTavoli2::CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const
{
    const float H = GetAltezza(), fRaggio = GetLarghezza() / 2.0f, R = GetRotazione();
    const bool bTexture = IsSuperficieTexturata(GetTexture(), contesto);
    ImpostaSuperficie(r, bTexture, GetTexture(), GetColore1());
    ApplicaCollocazione(r, *this);

    // Without a quadric (GLU could not make one) the top is left out and
    // the legs are still drawn.
    if (m_pQuadrica)
    {
        // The top does not turn with the piece. Its axis points straight
        // down from the table height: rim first, then the top face turned
        // to look up.
        r.Salva();
        r.Ruota(-R, 0.0f, 1.0f, 0.0f);
        r.Trasla(0.0f, H, 0.0f);
        r.Ruota(90.0f, 1.0f, 0.0f, 0.0f);
        r.Cilindro(fRaggio, 39.0 * fRaggio / 40.0, 0.1, 20, 10, bTexture, contesto.bWireframe);
        r.Ruota(-180.0f, 1.0f, 0.0f, 0.0f);
        r.Disco(fRaggio, 20, 10, bTexture, contesto.bWireframe);
        r.Ripristina();
    }

    r.Texture(-1);
    r.Normalizza(true);
    r.Colore(GetColore2());
    r.Trasla(0.0f, H / 2.0f, 0.0f);
    r.Trasla(-fRaggio / 2.0f, 0.0f, -fRaggio / 2.0f);
    // Legs centred on half height, each 0.994 r from the previous one.
    const float d = 0.994f * fRaggio, h = 0.97f * H / 2.0f, e = 0.035f;
    const float aCentri[4][2] = {{0, 0}, {d, 0}, {d, d}, {0, d}};
    for (const auto& c : aCentri)
        r.Scatola(c[0] - e, c[0] + e, -h, h, c[1] - e, c[1] + e);
}

void CTavoli2::DisegnaPiantina(const CContestoDisegno& contesto) const
{
    const float s = contesto.fScala;
    const float w = GetLarghezza() * s, e = 0.07f * s, r = w / 2.0f;
    glPushMatrix();
    glTranslatef(GetX() * s, (g_pDoc->m_Stanza.GetProfondita() - GetY()) * s, 0.0f);
    glRotatef(GetRotazione(), 0.0f, 0.0f, 1.0f);
    glColor4ubv(GetColore1());
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(0.0f, 0.0f);
    for (int i = 0; i < PUNTI_BORDO; ++i)
        glVertex2f(s_Bordo.aCos[static_cast<size_t>(i)] * r, s_Bordo.aSin[static_cast<size_t>(i)] * r);
    glVertex2f(r, 0.0f);
    glEnd();

    // The leg squares lie inside the disc and only mean something as
    // outlines: filled, the translucent colour laid twice would show them
    // as darker patches on the top, so they are drawn in wireframe only.
    if (contesto.bWireframe)
    {
        const float q = w / 4.0f;
        const float aCentri[4][2] = {{-q, -q}, {-q, q}, {q, q}, {q, -q}};
        glBegin(GL_QUADS);
        for (const auto& c : aCentri)
        {
            glVertex2f(c[0] - e, c[1] - e);
            glVertex2f(c[0] + e, c[1] - e);
            glVertex2f(c[0] + e, c[1] + e);
            glVertex2f(c[0] - e, c[1] + e);
        }
        glEnd();
    }
    glPopMatrix();
}

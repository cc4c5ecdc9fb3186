#include "furniture/Armadi1.h"

#include "furniture/Scatola.h"
#include "model/Texture.h"
#include "view/StatoVista.h"

#include <GL/gl.h>

CArmadi1::CArmadi1()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 0;
}

namespace
{
// One face of the body: the normal for the plain body, then four vertices
// each with its texture coordinates in metres along the face.
struct CFaccia
{
    float aNormale[3];
    float aCoord[4][2];
    float aVertici[4][3];
};
}  // namespace

void CArmadi1::Disegna()
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    const bool bTexture = IsSuperficieTexturata(GetTexture());
    glEnable(GL_CULL_FACE);
    ImpostaSuperficie(bTexture, GetTexture(), GetColore1());
    glPushMatrix();
    ApplicaCollocazione(*this);

    // Every face counter-clockwise from outside, so culling keeps the
    // outer sides; the texture repeats once per metre.
    const CFaccia aFacce[5] = {
        {{0, 0, -1}, {{0, 0}, {W, 0}, {W, H}, {0, H}}, {{W, 0, 0}, {0, 0, 0}, {0, H, 0}, {W, H, 0}}},
        {{0, 0, 1}, {{0, 0}, {W, 0}, {W, H}, {0, H}}, {{0, 0, D}, {W, 0, D}, {W, H, D}, {0, H, D}}},
        {{-1, 0, 0}, {{0, 0}, {D, 0}, {D, H}, {0, H}}, {{0, 0, 0}, {0, 0, D}, {0, H, D}, {0, H, 0}}},
        {{0, 1, 0}, {{0, 0}, {D, 0}, {D, W}, {0, W}}, {{0, H, 0}, {0, H, D}, {W, H, D}, {W, H, 0}}},
        {{1, 0, 0}, {{0, 0}, {D, 0}, {D, H}, {0, H}}, {{W, 0, D}, {W, 0, 0}, {W, H, 0}, {W, H, D}}},
    };
    glBegin(GL_QUADS);
    for (const CFaccia& f : aFacce)
    {
        if (!bTexture)
            glNormal3fv(f.aNormale);
        for (int v = 0; v < 4; ++v)
        {
            if (bTexture)
                glTexCoord2fv(f.aCoord[v]);
            glVertex3fv(f.aVertici[v]);
        }
    }
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore2());
    DisegnaCubo(3 * W / 4 - 0.11f, 3 * H / 8, D + 0.04f, 0.08f);
    DisegnaCubo(3 * W / 4 - 0.11f, 7 * H / 8, D + 0.04f, 0.08f);
    DisegnaCubo(3 * W / 4 + 0.09f, H / 2, D + 0.04f, 0.08f);

    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glNormal3f(0, -1, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(W, 0, 0);
    glVertex3f(W, 0, D);
    glVertex3f(0, 0, D);
    glEnd();

    glLineWidth(SpessoreLinea(3.0f));
    // Seam around the sides and the top at five sixths of the depth.
    glBegin(GL_LINE_STRIP);
    glVertex3f(0, 0, 5 * D / 6);
    glVertex3f(0, H, 5 * D / 6);
    glVertex3f(W, H, 5 * D / 6);
    glVertex3f(W, 0, 5 * D / 6);
    glEnd();
    glBegin(GL_LINES);
    glVertex3f(3 * W / 4, 0, D);
    glVertex3f(3 * W / 4, H, D);
    glVertex3f(0, 3 * H / 4, D);
    glVertex3f(3 * W / 4, 3 * H / 4, D);
    glVertex3f(3 * W / 4, H, D);
    glVertex3f(3 * W / 4, H, 5 * D / 6);
    glEnd();
    glLineWidth(SpessoreLinea(1.0f));

    glPopMatrix();
    glDisable(GL_CULL_FACE);
    glDisable(GL_COLOR_MATERIAL);
}

#include "furniture/Finestre.h"

#include "model/Archivio.h"
#include "model/Texture.h"

#include <GL/gl.h>

CFinestre::CFinestre()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 1;
}

void CFinestre::Serialize(CArchivio& ar)
{
    SerializeApertura(ar);
    if (ar.IsStoring())
        ar.ScriviFloat(m_fAltezzaDalPavimento);
    else
        SetZ(ar.LeggiFloat());
}

void CFinestre::Disegna()
{
    if (!IsPareteVisibile())
        return;
    const float W = GetLarghezza(), H = GetAltezza(), M = W / 2;
    glPushMatrix();
    ApplicaSistemaParete(GetZ());
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);

    // The glass is always textured, whatever the view's textures toggle.
    glBindTexture(GL_TEXTURE_2D, g_aTexture[TEXTURE_VETRO]);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0.2f, 0.2f, 0.04f);
    glTexCoord2f(M, 0);
    glVertex3f(M - 0.045f, 0.2f, 0.04f);
    glTexCoord2f(M, H);
    glVertex3f(M - 0.045f, H - 0.2f, 0.04f);
    glTexCoord2f(0, H);
    glVertex3f(0.2f, H - 0.2f, 0.04f);
    glTexCoord2f(0, 0);
    glVertex3f(M + 0.045f, 0.2f, 0.04f);
    glTexCoord2f(M, 0);
    glVertex3f(W - 0.2f, 0.2f, 0.04f);
    glTexCoord2f(M, H);
    glVertex3f(W - 0.2f, H - 0.2f, 0.04f);
    glTexCoord2f(0, H);
    glVertex3f(M + 0.045f, H - 0.2f, 0.04f);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore2());
    glBegin(GL_QUADS);
    // Outer frame: four trapezoids between the opening and the 0.09 inset.
    // Every face here is wound counter-clockwise around its normal: with
    // two-sided lighting a face seen from its back takes the back material,
    // which does not follow the colour, so a side wound the other way would
    // lose the frame colour as soon as lighting is on.
    glNormal3f(0, 0, 1);
    glVertex3f(0.09f, H - 0.09f, 0);
    glVertex3f(0, H, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0.09f, 0.09f, 0);
    glVertex3f(0, H, 0);
    glVertex3f(0.09f, H - 0.09f, 0);
    glVertex3f(W - 0.09f, H - 0.09f, 0);
    glVertex3f(W, H, 0);
    glVertex3f(W - 0.09f, 0.09f, 0);
    glVertex3f(W, 0, 0);
    glVertex3f(W, H, 0);
    glVertex3f(W - 0.09f, H - 0.09f, 0);
    glVertex3f(W, 0, 0);
    glVertex3f(W - 0.09f, 0.09f, 0);
    glVertex3f(0.09f, 0.09f, 0);
    glVertex3f(0, 0, 0);
    // Latch at the centre.
    glNormal3f(0, 0.7172f, 0.7172f);
    glVertex3f(M - 0.03f, H / 2 - 0.04f, 0.03f);
    glVertex3f(M + 0.03f, H / 2 - 0.04f, 0.03f);
    glVertex3f(M + 0.03f, H / 2, 0);
    glVertex3f(M - 0.03f, H / 2, 0);
    glNormal3f(0, 0.2f, 0.7f);
    glVertex3f(M + 0.03f, H / 2 - 0.04f, 0.03f);
    glVertex3f(M - 0.03f, H / 2 - 0.04f, 0.03f);
    glVertex3f(M - 0.03f, H / 2 - 0.08f, 0.05f);
    glVertex3f(M + 0.03f, H / 2 - 0.08f, 0.05f);
    glEnd();

    glColor4ubv(GetColore1());
    glBegin(GL_QUADS);
    // Bevel from the 0.09 inset in the wall plane to the 0.13 inset.
    glNormal3f(-0.7071f, 0, 0.7071f);
    glVertex3f(0.13f, 0.13f, 0.04f);
    glVertex3f(0.13f, H - 0.13f, 0.04f);
    glVertex3f(0.09f, H - 0.09f, 0);
    glVertex3f(0.09f, 0.09f, 0);
    glNormal3f(0, -0.7071f, 0.7071f);
    glVertex3f(0.09f, 0.09f, 0);
    glVertex3f(W - 0.09f, 0.09f, 0);
    glVertex3f(W - 0.13f, 0.13f, 0.04f);
    glVertex3f(0.13f, 0.13f, 0.04f);
    glNormal3f(0.7071f, 0, 0.7071f);
    glVertex3f(W - 0.09f, 0.09f, 0);
    glVertex3f(W - 0.09f, H - 0.09f, 0);
    glVertex3f(W - 0.13f, H - 0.13f, 0.04f);
    glVertex3f(W - 0.13f, 0.13f, 0.04f);
    glNormal3f(0, 0.7071f, 0.7071f);
    glVertex3f(0.09f, H - 0.09f, 0);
    glVertex3f(0.13f, H - 0.13f, 0.04f);
    glVertex3f(W - 0.13f, H - 0.13f, 0.04f);
    glVertex3f(W - 0.09f, H - 0.09f, 0);
    glEnd();

    glBegin(GL_QUADS);
    // Sash between the 0.13 and the 0.2 insets.
    glNormal3f(0, 0, 1);
    glVertex3f(0.2f, 0.2f, 0.04f);
    glVertex3f(0.2f, H - 0.2f, 0.04f);
    glVertex3f(0.13f, H - 0.13f, 0.04f);
    glVertex3f(0.13f, 0.13f, 0.04f);
    glVertex3f(0.13f, 0.13f, 0.04f);
    glVertex3f(W - 0.13f, 0.13f, 0.04f);
    glVertex3f(W - 0.2f, 0.2f, 0.04f);
    glVertex3f(0.2f, 0.2f, 0.04f);
    glVertex3f(W - 0.2f, H - 0.2f, 0.04f);
    glVertex3f(W - 0.2f, 0.2f, 0.04f);
    glVertex3f(W - 0.13f, 0.13f, 0.04f);
    glVertex3f(W - 0.13f, H - 0.13f, 0.04f);
    glVertex3f(W - 0.13f, H - 0.13f, 0.04f);
    glVertex3f(0.13f, H - 0.13f, 0.04f);
    glVertex3f(0.2f, H - 0.2f, 0.04f);
    glVertex3f(W - 0.2f, H - 0.2f, 0.04f);
    glEnd();

    glBegin(GL_QUADS);
    // Mullion between the panes.
    glNormal3f(0, 0, 1);
    glVertex3f(M - 0.045f, 0.2f, 0.04f);
    glVertex3f(M + 0.045f, 0.2f, 0.04f);
    glVertex3f(M + 0.045f, H - 0.2f, 0.04f);
    glVertex3f(M - 0.045f, H - 0.2f, 0.04f);
    glEnd();

    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glPopMatrix();
}

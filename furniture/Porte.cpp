#include "furniture/Porte.h"

#include "furniture/Scatola.h"
#include "model/Texture.h"

#include <GL/gl.h>

CPorte::CPorte()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 0;
}

void CPorte::Disegna()
{
    if (!IsPareteVisibile())
        return;
    const float W = GetLarghezza(), H = GetAltezza();
    const bool bTexture = IsSuperficieTexturata(GetTexture());
    glPushMatrix();
    ApplicaSistemaParete(0.0f);

    glDisable(GL_TEXTURE_2D);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore2());
    DisegnaScatola(0, W, 0, H, -0.03f, 0.03f);  // frame slab

    if (bTexture)
    {
        // The textured leaf covers both faces of the slab.
        glBindTexture(GL_TEXTURE_2D, g_aTexture[GetTexture()]);
        glEnable(GL_TEXTURE_2D);
        glBegin(GL_QUADS);
        for (const float z : {0.06f, -0.06f})
        {
            glTexCoord2f(0, 0);
            glVertex3f(0.09f, 0, z);
            glTexCoord2f(W, 0);
            glVertex3f(W - 0.09f, 0, z);
            glTexCoord2f(W, H);
            glVertex3f(W - 0.09f, H - 0.09f, z);
            glTexCoord2f(0, H);
            glVertex3f(0.09f, H - 0.09f, z);
        }
        glEnd();
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_NORMALIZE);
        DisegnaScatola(0.3f - 0.075f, 0.3f + 0.075f, H / 2 - 0.02f, H / 2 + 0.02f, 0.045f, 0.075f);
        glDisable(GL_NORMALIZE);
    }
    else
    {
        glEnable(GL_NORMALIZE);
        DisegnaScatola(0.3f - 0.075f, 0.3f + 0.075f, H / 2 - 0.02f, H / 2 + 0.02f, 0.105f, 0.135f);
        glDisable(GL_NORMALIZE);
        // The plain leaf is thicker than the slab and stands out of both faces.
        glColor4ubv(GetColore1());
        DisegnaScatola(0.09f, 0.09f + 0.8f * W, 0, 0.9f * H, -0.1f, 0.1f);
    }

    glPopMatrix();
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
}

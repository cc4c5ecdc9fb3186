#include "furniture/Scatola.h"

#include "model/Oggetto.h"
#include "model/Texture.h"
#include "view/StatoVista.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

void ApplicaCollocazione(const COggetto& oggetto)
{
    glTranslatef(oggetto.GetX(), 0.0f, oggetto.GetY());
    glRotatef(oggetto.GetRotazione(), 0.0f, 1.0f, 0.0f);
}

void DisegnaScatola(float x0, float x1, float y0, float y1, float z0, float z1)
{
    glPushMatrix();
    glTranslatef((x0 + x1) * 0.5f, (y0 + y1) * 0.5f, (z0 + z1) * 0.5f);
    glScalef(x1 - x0, y1 - y0, z1 - z0);
    glutSolidCube(1.0);
    glPopMatrix();
}

void DisegnaCubo(float x, float y, float z, float fLato)
{
    const float h = fLato * 0.5f;
    const float x0 = x - h, x1 = x + h, y0 = y - h, y1 = y + h, z0 = z - h, z1 = z + h;
    // Each face counter-clockwise seen from outside, as GLUT winds its cube.
    glBegin(GL_QUADS);
    glNormal3f(1, 0, 0);
    glVertex3f(x1, y0, z0);
    glVertex3f(x1, y1, z0);
    glVertex3f(x1, y1, z1);
    glVertex3f(x1, y0, z1);
    glNormal3f(-1, 0, 0);
    glVertex3f(x0, y0, z0);
    glVertex3f(x0, y0, z1);
    glVertex3f(x0, y1, z1);
    glVertex3f(x0, y1, z0);
    glNormal3f(0, 1, 0);
    glVertex3f(x0, y1, z0);
    glVertex3f(x0, y1, z1);
    glVertex3f(x1, y1, z1);
    glVertex3f(x1, y1, z0);
    glNormal3f(0, -1, 0);
    glVertex3f(x0, y0, z0);
    glVertex3f(x1, y0, z0);
    glVertex3f(x1, y0, z1);
    glVertex3f(x0, y0, z1);
    glNormal3f(0, 0, 1);
    glVertex3f(x0, y0, z1);
    glVertex3f(x1, y0, z1);
    glVertex3f(x1, y1, z1);
    glVertex3f(x0, y1, z1);
    glNormal3f(0, 0, -1);
    glVertex3f(x0, y0, z0);
    glVertex3f(x0, y1, z0);
    glVertex3f(x1, y1, z0);
    glVertex3f(x1, y0, z0);
    glEnd();
}

bool IsSuperficieTexturata(int nTexture)
{
    return g_pView->m_bTextures && IsTextureValida(nTexture);
}

void ImpostaSuperficie(bool bTexture, int nTexture, const unsigned char* pColore)
{
    if (bTexture)
    {
        glBindTexture(GL_TEXTURE_2D, g_aTexture[nTexture]);
        glEnable(GL_TEXTURE_2D);
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(pColore);
}

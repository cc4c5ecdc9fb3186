#include "furniture/Armadi2.h"

#include "furniture/Scatola.h"
#include "view/StatoVista.h"

#include <GL/gl.h>

CArmadi2::CArmadi2()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 1;
}

void CArmadi2::Disegna()
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore1());
    glPushMatrix();
    ApplicaCollocazione(*this);

    // The upper left compartment is open at the front: its shelves and the
    // back panel show, so culling stays off.
    DisegnaScatola(0, W, H - H / 50, H, 0, D);                                   // top
    DisegnaScatola(0, W / 50, 0, H, 0, D);                                       // left side
    DisegnaScatola(2 * W / 3, W, 0, H, 0, D);                                    // column
    DisegnaScatola(0, 2 * W / 3, 0, 3 * H / 8, 0.08f * D, D);                    // drawers
    DisegnaScatola(W / 50, W / 50 + 2 * W / 3, 7 * H / 12, 7 * H / 12 + H / 50, D / 50, D);
    DisegnaScatola(W / 50, W / 50 + 2 * W / 3, 19 * H / 24, 19 * H / 24 + H / 50, D / 50, D);
    DisegnaScatola(0, 2 * W / 3, 0, H, 0, D / 45);                               // back

    glColor4ubv(GetColore2());
    DisegnaCubo(W / 3, 3 * H / 32, D + 0.05f, 0.08f);
    DisegnaCubo(W / 3, 9 * H / 32, D + 0.05f, 0.08f);
    DisegnaCubo(2 * W / 3 + 0.05f, 2 * H / 3, D + 0.05f, 0.08f);

    glColor3f(0.0f, 0.0f, 0.0f);
    glLineWidth(SpessoreLinea(2.5f));
    const float z = D + 0.01f;
    glBegin(GL_LINES);
    glVertex3f(W / 50, 3 * H / 16, z);
    glVertex3f(2 * W / 3, 3 * H / 16, z);
    glVertex3f(2 * W / 3, 3 * H / 8, z);
    glVertex3f(49 * W / 50, 3 * H / 8, z);
    glVertex3f(2 * W / 3, 3 * H / 8, z);
    glVertex3f(2 * W / 3, H / 50, z);
    glEnd();
    glLineWidth(SpessoreLinea(1.0f));

    glPopMatrix();
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_NORMALIZE);
}

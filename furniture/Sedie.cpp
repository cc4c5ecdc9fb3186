#include "furniture/Sedie.h"

#include "furniture/Scatola.h"

#include <GL/gl.h>

CSedie::CSedie()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 0;
}

void CSedie::Disegna()
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore2());
    glPushMatrix();
    ApplicaCollocazione(*this);

    // Back legs run the full height and carry the backrest; front legs stop
    // under the seat.
    DisegnaScatola(0, W / 7, 0, H, 0, D / 7);
    DisegnaScatola(6 * W / 7, W, 0, H, 0, D / 7);
    DisegnaScatola(0, W / 7, 0, H / 2, 6 * D / 7, D);
    DisegnaScatola(6 * W / 7, W, 0, H / 2, 6 * D / 7, D);
    glDisable(GL_NORMALIZE);

    // Seat and backrest are single quads, seen from either side.
    glColor4ubv(GetColore1());
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glVertex3f(0, H / 2, 0);
    glVertex3f(0, H / 2, D);
    glVertex3f(W, H / 2, D);
    glVertex3f(W, H / 2, 0);
    glNormal3f(0, 0, 1);
    glVertex3f(0, 0.8f * H, D / 7);
    glVertex3f(W, 0.8f * H, D / 7);
    glVertex3f(W, H, D / 7);
    glVertex3f(0, H, D / 7);
    glEnd();

    glPopMatrix();
    glDisable(GL_COLOR_MATERIAL);
}

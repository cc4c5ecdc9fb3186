#include "furniture/Poltrone.h"

#include "furniture/Scatola.h"

#include <GL/gl.h>

CPoltrone::CPoltrone()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 1;
}

void CPoltrone::Disegna()
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    glEnable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore1());
    glPushMatrix();
    ApplicaCollocazione(*this);

    DisegnaScatola(0, W, 0, H, 0, D / 5);                     // backrest
    DisegnaScatola(0, W / 5, 0, 2 * H / 3, D / 5, D);         // armrests
    DisegnaScatola(4 * W / 5, W, 0, 2 * H / 3, D / 5, D);
    DisegnaScatola(W / 5, 4 * W / 5, 0, H / 3, D / 5, D);     // cushion

    glPopMatrix();
    glDisable(GL_NORMALIZE);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_CULL_FACE);
}

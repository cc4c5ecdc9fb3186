#include "furniture/Tavoli1.h"

#include "furniture/Scatola.h"

#include <GL/gl.h>

CTavoli1::CTavoli1()
{
    m_nCategoria = CATEGORIA_TAVOLI;
    m_nTipo = 1;
}

void CTavoli1::Disegna()
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    glEnable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4ubv(GetColore2());
    glPushMatrix();
    ApplicaCollocazione(*this);

    // Legs 0.07 m square, inset 0.07 m from the edges of the top.
    const float yGamba = 0.9f * H;
    DisegnaScatola(0.07f, 0.14f, 0, yGamba, 0.07f, 0.14f);
    DisegnaScatola(W - 0.14f, W - 0.07f, 0, yGamba, 0.07f, 0.14f);
    DisegnaScatola(W - 0.14f, W - 0.07f, 0, yGamba, D - 0.14f, D - 0.07f);
    DisegnaScatola(0.07f, 0.14f, 0, yGamba, D - 0.14f, D - 0.07f);

    glColor4ubv(GetColore1());
    DisegnaScatola(0, W, yGamba, H, 0, D);

    glPopMatrix();
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_NORMALIZE);
    glDisable(GL_CULL_FACE);
}

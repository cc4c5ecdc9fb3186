#include "furniture/Tavoli2.h"

#include <GL/glu.h>

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

void CTavoli2::Disegna()
{
    // TODO(catalogue)
}

void CTavoli2::DisegnaPiantina()
{
    // TODO(catalogue)
}

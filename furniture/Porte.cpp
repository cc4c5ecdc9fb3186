#include "furniture/Porte.h"

CPorte::CPorte()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 0;
}

void CPorte::Disegna()
{
    // TODO(catalogue)
}

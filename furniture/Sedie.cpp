#include "furniture/Sedie.h"

CSedie::CSedie()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 0;
}

void CSedie::Disegna()
{
    // TODO(catalogue)
}

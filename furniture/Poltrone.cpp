#include "furniture/Poltrone.h"

CPoltrone::CPoltrone()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 1;
}

void CPoltrone::Disegna()
{
    // TODO(catalogue)
}

#include "furniture/Armadi2.h"

CArmadi2::CArmadi2()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 1;
}

void CArmadi2::Disegna()
{
    // TODO(catalogue)
}

#include "furniture/Armadi1.h"

CArmadi1::CArmadi1()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 0;
}

void CArmadi1::Disegna()
{
    // TODO(catalogue)
}

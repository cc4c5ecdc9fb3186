#include "furniture/Tavoli1.h"

CTavoli1::CTavoli1()
{
    m_nCategoria = CATEGORIA_TAVOLI;
    m_nTipo = 1;
}

void CTavoli1::Disegna()
{
    // TODO(catalogue)
}

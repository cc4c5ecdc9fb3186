#include "furniture/Finestre.h"

#include "model/Archivio.h"

CFinestre::CFinestre()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 1;
}

void CFinestre::Serialize(CArchivio& ar)
{
    SerializeApertura(ar);
    if (ar.IsStoring())
        ar.ScriviFloat(m_fAltezzaDalPavimento);
    else
        SetZ(ar.LeggiFloat());
}

void CFinestre::Disegna()
{
    // TODO(catalogue)
}

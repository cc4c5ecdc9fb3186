#include "furniture/PorteEFinestre.h"

#include "model/Archivio.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <GL/gl.h>
#include <cstring>

CPorteEFinestre::CPorteEFinestre() : m_pColore2(new unsigned char[4]{255, 255, 255, 255})
{
}

CPorteEFinestre::~CPorteEFinestre()
{
    delete[] m_pColore2;
}

void CPorteEFinestre::SetColore2(const unsigned char* p)
{
    if (p)
        std::memcpy(m_pColore2, p, 4);
}

void CPorteEFinestre::SerializeApertura(CArchivio& ar)
{
    SerializeNome(ar);
    if (ar.IsStoring())
    {
        ar.ScriviFloat(GetX());
        ar.ScriviFloat(GetAltezza());
        ar.ScriviFloat(GetLarghezza());
        ar.ScriviBytes(GetColore1(), 4);
        ar.ScriviInt32(GetTexture());
        ar.ScriviInt32(GetParete());
        ar.ScriviBytes(GetColore2(), 4);
        return;
    }
    unsigned char aColore[4];
    SetX(ar.LeggiFloat());
    SetAltezza(ar.LeggiFloat());
    SetLarghezza(ar.LeggiFloat());
    ar.LeggiBytes(aColore, 4);
    SetColore1(aColore);
    SetTexture(ar.LeggiInt32());
    SetParete(ar.LeggiInt32());
    ar.LeggiBytes(aColore, 4);
    SetColore2(aColore);
}

bool CPorteEFinestre::IsPareteVisibile() const
{
    // TODO(catalogue): visibility from the room's walls mode.
    return true;
}

void CPorteEFinestre::ApplicaSistemaParete(float) const
{
    // TODO(catalogue): wall frame.
}

void CPorteEFinestre::DisegnaPiantina()
{
    // TODO(catalogue): plan strip.
}

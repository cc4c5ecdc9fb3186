#include "model/Lavedomento.h"

#include "model/Archivio.h"

#include <cstring>

CLavedomento::CLavedomento() : m_pColore1(new unsigned char[4]{255, 0, 0, 80})
{
}

CLavedomento::~CLavedomento()
{
    delete[] m_pColore1;
}

void CLavedomento::SetColore1(const unsigned char* p)
{
    if (p)
        std::memcpy(m_pColore1, p, 4);
}

void CLavedomento::SerializeComune(CArchivio& ar)
{
    SerializeNome(ar);
    if (ar.IsStoring())
    {
        ar.ScriviFloat(GetX());
        ar.ScriviFloat(GetAltezza());
        ar.ScriviFloat(GetLarghezza());
        ar.ScriviBytes(GetColore1(), 4);
        ar.ScriviInt32(GetTexture());
        return;
    }
    unsigned char aColore[4];
    SetX(ar.LeggiFloat());
    SetAltezza(ar.LeggiFloat());
    SetLarghezza(ar.LeggiFloat());
    ar.LeggiBytes(aColore, 4);
    SetColore1(aColore);
    SetTexture(ar.LeggiInt32());
}

void CLavedomento::SerializeColore2(CArchivio& ar)
{
    if (ar.IsStoring())
    {
        ar.ScriviBytes(GetColore2(), 4);
        return;
    }
    unsigned char aColore[4];
    ar.LeggiBytes(aColore, 4);
    SetColore2(aColore);
}

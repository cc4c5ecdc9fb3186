#pragma once
#include "furniture/PorteEFinestre.h"

// A door: frame slab in Colore2, leaf in Colore1 or textured.
class CPorte : public CPorteEFinestre
{
public:
    CPorte();
    const char* GetRuntimeClass() const override { return "CPorte"; }
    void Serialize(CArchivio& ar) override { SerializeApertura(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
};

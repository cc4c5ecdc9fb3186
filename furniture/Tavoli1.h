#pragma once
#include "furniture/Tavoli.h"

// A rectangular table: top in Colore1 over four legs in Colore2.
class CTavoli1 : public CTavoli
{
public:
    CTavoli1();
    const char* GetRuntimeClass() const override { return "CTavoli1"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override
    {
        DisegnaImpronta(contesto);
    }
};

#pragma once
#include "model/Mobili.h"

// An armchair: backrest, armrests and cushion, all in Colore1.
class CPoltrone : public CMobili
{
public:
    CPoltrone();
    const char* GetRuntimeClass() const override { return "CPoltrone"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override
    {
        DisegnaImpronta(contesto);
    }
};

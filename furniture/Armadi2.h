#pragma once
#include "furniture/Armadi.h"

// A wardrobe: a closed column, two drawers and an open compartment.
class CArmadi2 : public CArmadi
{
public:
    CArmadi2();
    const char* GetRuntimeClass() const override { return "CArmadi2"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override
    {
        DisegnaImpronta(contesto);
    }
};

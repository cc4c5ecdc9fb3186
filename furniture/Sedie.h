#pragma once
#include "model/Mobili.h"

// A chair: four legs and the backrest in Colore2, seat and back in Colore1.
class CSedie : public CMobili
{
public:
    CSedie();
    const char* GetRuntimeClass() const override { return "CSedie"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override
    {
        DisegnaImpronta(contesto);
    }
};

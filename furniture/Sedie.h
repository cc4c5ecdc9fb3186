#pragma once
#include "model/Mobili.h"

// A chair: four legs and the backrest in Colore2, seat and back in Colore1.
class CSedie : public CMobili
{
public:
    CSedie();
    const char* GetRuntimeClass() const override { return "CSedie"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void Disegna() override;
    void DisegnaPiantina() override { DisegnaImpronta(); }
};

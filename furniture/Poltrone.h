#pragma once
#include "model/Mobili.h"

// An armchair: backrest, armrests and cushion, all in Colore1.
class CPoltrone : public CMobili
{
public:
    CPoltrone();
    const char* GetRuntimeClass() const override { return "CPoltrone"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void Disegna() override;
    void DisegnaPiantina() override { DisegnaImpronta(); }
};

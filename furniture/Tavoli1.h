#pragma once
#include "furniture/Tavoli.h"

// A rectangular table: top in Colore1 over four legs in Colore2.
class CTavoli1 : public CTavoli
{
public:
    CTavoli1();
    const char* GetRuntimeClass() const override { return "CTavoli1"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void Disegna() override;
    void DisegnaPiantina() override { DisegnaImpronta(); }
};

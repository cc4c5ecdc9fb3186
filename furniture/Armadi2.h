#pragma once
#include "furniture/Armadi.h"

// A wardrobe: a closed column, two drawers and an open compartment.
class CArmadi2 : public CArmadi
{
public:
    CArmadi2();
    const char* GetRuntimeClass() const override { return "CArmadi2"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void Disegna() override;
    void DisegnaPiantina() override { DisegnaImpronta(); }
};

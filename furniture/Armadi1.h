#pragma once
#include "furniture/Armadi.h"

// A small cabinet: the one piece whose body carries its texture.
class CArmadi1 : public CArmadi
{
public:
    CArmadi1();
    const char* GetRuntimeClass() const override { return "CArmadi1"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override
    {
        DisegnaImpronta(contesto);
    }
};

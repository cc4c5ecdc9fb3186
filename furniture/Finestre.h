#pragma once
#include "furniture/PorteEFinestre.h"

// A window: set at an elevation above the floor, always glazed with the
// glass texture.
class CFinestre : public CPorteEFinestre
{
public:
    CFinestre();
    const char* GetRuntimeClass() const override { return "CFinestre"; }
    void Serialize(CArchivio& ar) override;
    float GetZ() const override { return m_fAltezzaDalPavimento; }
    void SetZ(float f) override { m_fAltezzaDalPavimento = f; }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;

private:
    float m_fAltezzaDalPavimento = 0.0f;
};

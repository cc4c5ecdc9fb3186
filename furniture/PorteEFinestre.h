#pragma once
#include "model/Lavedomento.h"

// Openings set in one of the four walls: X is the distance along the wall,
// measured clockwise from the corner where the previous wall ends.
class CPorteEFinestre : public CLavedomento
{
public:
    CPorteEFinestre();
    ~CPorteEFinestre() override;

    float GetZ() const override { return 0.0f; }
    void SetZ(float) override {}
    void SetParete(int n) override { m_nParete = n; }
    int GetParete() const override { return m_nParete; }
    const unsigned char* GetColore2() const override { return m_pColore2; }
    void SetColore2(const unsigned char* p) override;

    void DisegnaPiantina(const CContestoDisegno& contesto) const override;
    // Only on the walls the room draws in 3D.
    bool IsVisibile3D(const CContestoDisegno& contesto) const override;

protected:
    // Door record (78 bytes); the window appends its elevation.
    void SerializeApertura(CArchivio& ar);
    // Places the geometry at the opening's origin in its wall.
    void ApplicaSistemaParete(CRegistratore& r, float fElevazione) const;

    int m_nParete = 2;
    unsigned char* m_pColore2;
};

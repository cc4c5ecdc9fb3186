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

    void DisegnaPiantina() override;

protected:
    // Door record (78 bytes); the window appends its elevation.
    void SerializeApertura(CArchivio& ar);
    // True when the room is drawing this opening's wall in 3D.
    bool IsPareteVisibile() const;
    // Moves the model-view frame to the opening's origin in its wall.
    void ApplicaSistemaParete(float fElevazione) const;

    int m_nParete = 2;
    unsigned char* m_pColore2;
};

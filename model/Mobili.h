#pragma once
#include "model/Lavedomento.h"

// Free-standing furniture: placed at (X, Y) on the floor, turned by a
// rotation about its reference corner, with a depth and a second colour.
class CMobili : public CLavedomento
{
public:
    CMobili();
    ~CMobili() override;

    float GetY() const override { return m_fY; }
    void SetY(float f) override { m_fY = f; }
    void SetProfondita(float f) override { m_fProfondita = f; }
    void SetRotazione(float f) override { m_fRotazione = f; }
    float GetProfondita() const override { return m_fProfondita; }
    float GetRotazione() const override { return m_fRotazione; }
    const unsigned char* GetColore2() const override { return m_pColore2; }
    void SetColore2(const unsigned char* p) override;

protected:
    // The 86-byte record every furniture kind writes.
    void SerializeMobile(CArchivio& ar);
    // Plan footprint shared by the rectangular kinds: a filled quad in
    // Colore1 from the reference corner, turned with the piece.
    void DisegnaImpronta(const CContestoDisegno& contesto) const;

    float m_fY = 0.0f;
    float m_fRotazione = 0.0f;
    float m_fProfondita = 1.0f;
    unsigned char* m_pColore2;
};

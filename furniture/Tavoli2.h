#pragma once
#include "furniture/Tavoli.h"

struct GLUquadric;

// A round table: (X, Y) is the centre of the top and the width its diameter.
// It owns a GLU quadric for its whole life.
class CTavoli2 : public CTavoli
{
public:
    CTavoli2();
    ~CTavoli2() override;
    const char* GetRuntimeClass() const override { return "CTavoli2"; }
    void Serialize(CArchivio& ar) override { SerializeMobile(ar); }
    void SetLarghezza(float f) override { m_fLarghezza = f; }
    void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const override;
    void DisegnaPiantina(const CContestoDisegno& contesto) const override;

protected:
    // Null when GLU could not make one: the top is then left out.
    GLUquadric* m_pQuadrica;
};

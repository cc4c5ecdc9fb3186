#pragma once
#include "model/Oggetto.h"

// Any furnishing with a size, a main colour and a texture.
class CLavedomento : public COggetto
{
public:
    CLavedomento();
    ~CLavedomento() override;

    float GetAltezza() const override { return m_fAltezza; }
    float GetLarghezza() const override { return m_fLarghezza; }
    void SetAltezza(float f) override { m_fAltezza = f; }
    void SetLarghezza(float f) override { m_fLarghezza = f; }
    const unsigned char* GetColore1() const override { return m_pColore1; }
    void SetColore1(const unsigned char* p) override;
    int GetTexture() const override { return m_nTexture; }
    void SetTexture(int n) override { m_nTexture = n; }

protected:
    // The head every furnishing's record starts with: name, X, height,
    // width, main colour, texture; read back through the setters.
    void SerializeComune(CArchivio& ar);
    // The second colour, which ends the furniture, door and window records.
    void SerializeColore2(CArchivio& ar);

    float m_fAltezza = 1.0f;
    float m_fLarghezza = 1.0f;
    unsigned char* m_pColore1;
    int m_nTexture = 0;
};

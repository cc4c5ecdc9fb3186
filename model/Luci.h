#pragma once
#include "model/Oggetto.h"

constexpr int MASSIMO_LUCI = 8;

// A light source: drives one of OpenGL's eight lights. The light at
// position p of n in the light container drives GL_LIGHT0 + (n - p).
class CLuci : public COggetto
{
public:
    CLuci();
    ~CLuci() override;

    const char* GetRuntimeClass() const override { return "CLuci"; }
    void Serialize(CArchivio& ar) override;

    float GetY() const override { return m_fY; }
    float GetZ() const override { return m_fZ; }
    void SetY(float f) override { m_fY = f; }
    void SetZ(float f) override { m_fZ = f; }
    float GetLarghezza() const override { return 0.5f; }
    void DisegnaPiantina(const CContestoDisegno& contesto) const override;
    void SetAmbiente(const float* p) override;
    void SetDiffusa(const float* p) override;
    void SetSpeculare(const float* p) override;
    float* GetAmbiente() override { return m_pAmbiente; }
    float* GetDiffusa() override { return m_pDiffusa; }
    float* GetSpeculare() override { return m_pSpeculare; }
    void SetDisattivaAmbiente(bool b) override { m_bDisattivaAmbiente = b; }
    void SetDisattivaDiffusa(bool b) override { m_bDisattivaDiffusa = b; }
    void SetDisattivaSpeculare(bool b) override { m_bDisattivaSpeculare = b; }
    void SetAccesa(bool b) override { m_bAccesa = b; }
    void SetDirezionale(bool b) override { m_bDirezionale = b; }
    bool GetDisattivaAmbiente() const override { return m_bDisattivaAmbiente; }
    bool GetDisattivaDiffusa() const override { return m_bDisattivaDiffusa; }
    bool GetDisattivaSpeculare() const override { return m_bDisattivaSpeculare; }
    bool GetAccesa() const override { return m_bAccesa; }
    bool GetDirezionale() const override { return m_bDirezionale; }
    bool GetFissa() const override { return m_bFissa; }
    void SetFissa(bool b) override { m_bFissa = b; }

private:
    float* m_pAmbiente;
    float* m_pDiffusa;
    float* m_pSpeculare;
    float m_fY = 0.0f;
    float m_fZ = 0.0f;
    bool m_bAccesa = true;
    bool m_bDisattivaAmbiente = false;
    bool m_bDisattivaDiffusa = false;
    bool m_bDisattivaSpeculare = false;
    bool m_bDirezionale = true;
    bool m_bFissa = true;
};

// The one routine that hands a light to OpenGL light GL_LIGHT0 + nLuceGL:
// position (w 0 when directional), the three components (black where
// switched off), the material shininess (0 without specular, else 90) and
// the enable state. Every place that applies a light calls it.
void ApplicaLuce(COggetto& luce, int nLuceGL);

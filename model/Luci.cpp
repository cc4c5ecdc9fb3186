#include "model/Luci.h"

#include "model/Archivio.h"

#include <GL/gl.h>
#include <cstring>

CLuci::CLuci()
    : m_pAmbiente(new float[4]{1.0f, 1.0f, 1.0f, 0.5f}),
      m_pDiffusa(new float[4]{1.0f, 1.0f, 1.0f, 1.0f}),
      m_pSpeculare(new float[4]{1.0f, 1.0f, 1.0f, 1.0f})
{
    m_nCategoria = CATEGORIA_LUCE;
    m_nTipo = 0;
}

CLuci::~CLuci()
{
    delete[] m_pAmbiente;
    delete[] m_pDiffusa;
    delete[] m_pSpeculare;
}

void CLuci::SetAmbiente(const float* p)
{
    if (p)
        std::memcpy(m_pAmbiente, p, 4 * sizeof(float));
}

void CLuci::SetDiffusa(const float* p)
{
    if (p)
        std::memcpy(m_pDiffusa, p, 4 * sizeof(float));
}

void CLuci::SetSpeculare(const float* p)
{
    if (p)
        std::memcpy(m_pSpeculare, p, 4 * sizeof(float));
}

namespace
{
void ScriviColore(CArchivio& ar, const float* p)
{
    for (int i = 0; i < 4; ++i)
        ar.ScriviFloat(p[i]);
}

void LeggiColore(CArchivio& ar, float* p)
{
    for (int i = 0; i < 4; ++i)
        p[i] = ar.LeggiFloat();
}
}  // namespace

void CLuci::Serialize(CArchivio& ar)
{
    SerializeNome(ar);
    if (ar.IsStoring())
    {
        ar.ScriviFloat(GetX());
        ScriviColore(ar, m_pAmbiente);
        ScriviColore(ar, m_pDiffusa);
        ScriviColore(ar, m_pSpeculare);
        ar.ScriviFloat(m_fY);
        ar.ScriviFloat(m_fZ);
        ar.ScriviFlag(m_bAccesa);
        ar.ScriviFlag(m_bDisattivaAmbiente);
        ar.ScriviFlag(m_bDisattivaDiffusa);
        ar.ScriviFlag(m_bDisattivaSpeculare);
        ar.ScriviFlag(m_bDirezionale);
        ar.ScriviFlag(m_bFissa);
        return;
    }
    float aColore[4];
    SetX(ar.LeggiFloat());
    LeggiColore(ar, aColore);
    SetAmbiente(aColore);
    LeggiColore(ar, aColore);
    SetDiffusa(aColore);
    LeggiColore(ar, aColore);
    SetSpeculare(aColore);
    m_fY = ar.LeggiFloat();
    m_fZ = ar.LeggiFloat();
    SetAccesa(ar.LeggiFlag());
    SetDisattivaAmbiente(ar.LeggiFlag());
    SetDisattivaDiffusa(ar.LeggiFlag());
    SetDisattivaSpeculare(ar.LeggiFlag());
    SetDirezionale(ar.LeggiFlag());
    SetFissa(ar.LeggiFlag());
}

void CLuci::DisegnaPiantina()
{
    // TODO(catalogue): yellow square of a light that is not fixed.
}

void ApplicaLuce(COggetto&, int)
{
    // TODO(catalogue)
}

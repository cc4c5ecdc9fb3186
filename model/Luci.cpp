#include "model/Luci.h"

#include "model/Archivio.h"
#include "model/ContestoDisegno.h"
#include "model/Scena.h"

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

void CLuci::DisegnaPiantina(const CContestoDisegno& contesto) const
{
    // A 0.3 m square whose corner is the light's position, reaching
    // towards +X and +Y (downwards on the plan).
    const float s = contesto.fScala;
    const float l = 0.3f * s;
    glPushMatrix();
    glTranslatef(GetX() * s, (g_pDoc->m_Stanza.GetProfondita() - m_fY) * s, 0.0f);
    glColor4ub(255, 255, 0, 170);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(l, 0.0f);
    glVertex2f(l, -l);
    glVertex2f(0.0f, -l);
    glEnd();
    glPopMatrix();
}

void ApplicaLuce(COggetto& luce, int nLuceGL)
{
    if (nLuceGL < 0 || nLuceGL >= MASSIMO_LUCI)
        return;
    static const GLfloat aSpenta[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLenum L = static_cast<GLenum>(GL_LIGHT0 + nLuceGL);
    // GL's y is the elevation and its z the plan y.
    const GLfloat aPosizione[4] = {luce.GetX(), luce.GetZ(), luce.GetY(),
                                   luce.GetDirezionale() ? 0.0f : 1.0f};
    glLightfv(L, GL_POSITION, aPosizione);
    const float* pAmbiente = luce.GetAmbiente();
    const float* pDiffusa = luce.GetDiffusa();
    const float* pSpeculare = luce.GetSpeculare();
    glLightfv(L, GL_AMBIENT, luce.GetDisattivaAmbiente() || !pAmbiente ? aSpenta : pAmbiente);
    glLightfv(L, GL_DIFFUSE, luce.GetDisattivaDiffusa() || !pDiffusa ? aSpenta : pDiffusa);
    const bool bSpeculare = !luce.GetDisattivaSpeculare() && pSpeculare;
    glLightfv(L, GL_SPECULAR, bSpeculare ? pSpeculare : aSpenta);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, bSpeculare ? 90.0f : 0.0f);
    if (luce.GetAccesa())
        glEnable(L);
    else
        glDisable(L);
}

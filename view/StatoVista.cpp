#include "view/StatoVista.h"

#include <algorithm>
#include <cmath>

CStatoVista* g_pView = nullptr;

CStatoVista::CStatoVista()
{
    g_pView = this;
}

CStatoVista::~CStatoVista()
{
    if (g_pView == this)
        g_pView = nullptr;
}

void CStatoVista::AnnullaSelezione()
{
    m_bOggettoSelezionato = false;
    m_pOggettoSelezionato = nullptr;
    m_pCorrente = nullptr;
}

void CStatoVista::ImpostaFinestra(int nLarghezza, int nAltezza, double fFattore)
{
    if (!(fFattore > 0.0) || !std::isfinite(fFattore))
        fFattore = 1.0;
    m_fFattoreScala = static_cast<float>(fFattore);
    m_fLarghezzaFinestra = static_cast<float>(std::lround(nLarghezza * fFattore));
    m_fAltezzaFinestra = static_cast<float>(std::lround(nAltezza * fFattore));
    m_fMargine = Fisici(MARGINE_PIANTA);
}

void CStatoVista::ApplicaRegolaScala(float W, float D)
{
    // A small window keeps at least half of each side for the room.
    const float m = std::min({m_fMargine, m_fLarghezzaFinestra / 4.0f, m_fAltezzaFinestra / 4.0f});
    const float w = m_fLarghezzaFinestra - 2.0f * m, h = m_fAltezzaFinestra - 2.0f * m;
    if (!(w > 0.0f && h > 0.0f && W > 0.0f && D > 0.0f) || !std::isfinite(W) ||
        !std::isfinite(D))
        return;  // nothing sensible to fit: keep the last scale

    float fScala;
    if (w <= h)
    {
        m_bScalaDaProfondita = D > W;
        fScala = m_bScalaDaProfondita ? h / D : w / W;
    }
    else
    {
        m_bScalaDaProfondita = D >= W;
        fScala = m_bScalaDaProfondita ? h / D : w / W;
    }
    if (W * fScala > w)
    {
        fScala = w / W;
        m_bScalaDaProfondita = false;
    }
    if (D * fScala > h)
    {
        fScala = h / D;
        m_bScalaDaProfondita = true;
    }
    if (!std::isfinite(fScala) || !(fScala > 0.0f))
        return;
    m_fScala = fScala;
    // On whole pixels, so that the walls' lines fall the same at every size.
    m_fOrigineX = std::round((m_fLarghezzaFinestra - W * fScala) / 2.0f);
    m_fOrigineY = std::round((m_fAltezzaFinestra - D * fScala) / 2.0f);
}

namespace
{
// Back into 0 to 360 with the remainder carried, so no step is lost.
float Normalizza(float f)
{
    f = std::fmod(f, 360.0f);
    return f < 0.0f ? f + 360.0f : f;
}
}  // namespace

void CStatoVista::RuotaTelecamera(float fImbardata, float fBeccheggio)
{
    m_fRotY = Normalizza(m_fRotY + fImbardata);
    m_fRotX = Normalizza(m_fRotX + fBeccheggio);
}

void CStatoVista::ImpostaVistaInterna(float W, float H, float D)
{
    SetCentroX(-W / 2.0f);
    SetCentroY(-H / 2.0f);
    SetCentroZ(-D / 2.0f);
    m_fRotX = 0.0f;
    m_fRotY = 0.0f;
    // With no turn the camera stands at -(translation + centring).
    m_fTraslX = 0.0f;
    m_fTraslY = H / 2.0f - ALTEZZA_OCCHI;
    m_fTraslZ = -(D / 2.0f - DISTANZA_DALLA_PARETE);
    m_bVistaInterna = true;
}

void CStatoVista::PosizioneTelecamera(float aPosizione[3]) const
{
    // The paint applies translation, pitch, yaw, centring: undo them in
    // reverse order for the eye (the origin of eye space).
    const double fGradi = 3.14159265358979 / 180.0;
    const double x = -m_fTraslX, y = -m_fTraslY, z = -m_fTraslZ;
    const double cx = std::cos(m_fRotX * fGradi), sx = std::sin(m_fRotX * fGradi);
    const double y1 = y * cx + z * sx, z1 = -y * sx + z * cx;
    const double cy = std::cos(m_fRotY * fGradi), sy = std::sin(m_fRotY * fGradi);
    const double x2 = x * cy - z1 * sy, z2 = x * sy + z1 * cy;
    aPosizione[0] = static_cast<float>(x2 - m_fCentroX);
    aPosizione[1] = static_cast<float>(y1 - m_fCentroY);
    aPosizione[2] = static_cast<float>(z2 - m_fCentroZ);
}

bool CStatoVista::IsVistaDallInterno(float W, float H, float D) const
{
    if (!m_bVistaInterna)
        return false;
    float p[3];
    PosizioneTelecamera(p);
    return p[0] > 0.0f && p[0] < W && p[1] > 0.0f && p[1] < H && p[2] > 0.0f && p[2] < D;
}

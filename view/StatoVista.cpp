#include "view/StatoVista.h"

#include "model/Scena.h"
#include "model/Texture.h"

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

float CStatoVista::RegolaScala(float w, float h, float W, float D, bool& bDaProfondita)
{
    if (!(w > 0.0f && h > 0.0f && W > 0.0f && D > 0.0f) || !std::isfinite(W) ||
        !std::isfinite(D))
        return 0.0f;

    float fScala;
    if (w <= h)
    {
        bDaProfondita = D > W;
        fScala = bDaProfondita ? h / D : w / W;
    }
    else
    {
        bDaProfondita = D >= W;
        fScala = bDaProfondita ? h / D : w / W;
    }
    if (W * fScala > w)
    {
        fScala = w / W;
        bDaProfondita = false;
    }
    if (D * fScala > h)
    {
        fScala = h / D;
        bDaProfondita = true;
    }
    return std::isfinite(fScala) && fScala > 0.0f ? fScala : 0.0f;
}

void CStatoVista::ApplicaRegolaScala(float W, float D)
{
    bool bDaProfondita = m_bScalaDaProfondita;
    const float fScala = RegolaScala(m_fLarghezzaFinestra, m_fAltezzaFinestra, W, D, bDaProfondita);
    if (fScala <= 0.0f)
        return;  // nothing sensible to fit: keep the last scale
    m_fScala = fScala;
    m_bScalaDaProfondita = bDaProfondita;
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

CContestoDisegno CStatoVista::ContestoDisegno() const
{
    CContestoDisegno c;
    c.nVista = m_nVista;
    c.fLarghezza = m_fLarghezzaFinestra;
    c.fAltezza = m_fAltezzaFinestra;
    c.fScala = m_fScala;
    c.bTextures = m_bTextures;
    c.bWireframe = m_bWireframe;
    c.bLuci = m_bLuci;
    c.bAntialiasing = m_bAntialiasing;
    c.fRotX = m_fRotX;
    c.fRotY = m_fRotY;
    c.aTraslazione[0] = m_fTraslX;
    c.aTraslazione[1] = m_fTraslY;
    c.aTraslazione[2] = m_fTraslZ;
    c.aCentro[0] = m_fCentroX;
    c.aCentro[1] = m_fCentroY;
    c.aCentro[2] = m_fCentroZ;
    if (m_bVistaInterna && g_pDoc)
    {
        float p[3];
        PosizioneTelecamera(p);
        c.bDallInterno = g_pDoc->m_Stanza.Contiene(p);
    }
    c.aTexture = g_aTexture;
    return c;
}

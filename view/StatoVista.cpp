#include "view/StatoVista.h"

#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Stanza.h"
#include "model/Texture.h"

#include <algorithm>
#include <cmath>

CStatoVista* g_pView = nullptr;

CStatoVista::CStatoVista()
{
    g_pView = this;
    // The scene reaches the one view through g_pView, whichever view that is.
    CScena::s_fnPezziRimossi = [] {
        if (g_pView)
            g_pView->AnnullaSelezione();
    };
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

void CStatoVista::SelezionaOggetto(COggetto* pOggetto, bool bSegna)
{
    if (COggetto* pPrecedente = GetOggettoSelezionato())
        if (pPrecedente != pOggetto)
            pPrecedente->Deseleziona();
    m_pOggettoSelezionato = pOggetto;
    m_bOggettoSelezionato = true;
    m_bNuovoOggetto = false;
    m_bSelezioneLuce = false;
    if (pOggetto && bSegna)
        pOggetto->Seleziona();
}

void CStatoVista::CentraSullaStanza(const CStanza& stanza)
{
    m_fCentroX = -stanza.GetLarghezza() / 2.0f;
    m_fCentroY = -stanza.GetAltezza() / 2.0f;
    m_fCentroZ = -stanza.GetProfondita() / 2.0f;
}

void CStatoVista::CentraEAdatta(const CStanza& stanza)
{
    CentraSullaStanza(stanza);
    ApplicaRegolaScala(stanza.GetLarghezza(), stanza.GetProfondita());
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
    // A small window keeps at least half of each side for the room.
    const float m = std::min({m_fMargine, m_fLarghezzaFinestra / 4.0f, m_fAltezzaFinestra / 4.0f});
    bool bDaProfondita = m_bScalaDaProfondita;
    const float fScala = RegolaScala(m_fLarghezzaFinestra - 2.0f * m,
                                     m_fAltezzaFinestra - 2.0f * m, W, D, bDaProfondita);
    if (fScala <= 0.0f)
        return;  // nothing sensible to fit: keep the last scale
    m_fScala = fScala;
    m_bScalaDaProfondita = bDaProfondita;
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

namespace
{
// A point or a direction of eye space in the room's GL axes: the paint
// applies translation, pitch, yaw, centring, so they are undone in reverse
// order (a direction takes neither translation).
void DallOcchio(const CStatoVista& v, const double e[3], bool bPunto, double r[3])
{
    const double fGradi = 3.14159265358979 / 180.0;
    const double x = e[0] - (bPunto ? v.m_fTraslX : 0.0), y = e[1] - (bPunto ? v.m_fTraslY : 0.0),
                 z = e[2] - (bPunto ? v.m_fTraslZ : 0.0);
    const double cx = std::cos(v.m_fRotX * fGradi), sx = std::sin(v.m_fRotX * fGradi);
    const double y1 = y * cx + z * sx, z1 = -y * sx + z * cx;
    const double cy = std::cos(v.m_fRotY * fGradi), sy = std::sin(v.m_fRotY * fGradi);
    r[0] = x * cy - z1 * sy - (bPunto ? v.m_fCentroX : 0.0);
    r[1] = y1 - (bPunto ? v.m_fCentroY : 0.0);
    r[2] = x * sy + z1 * cy - (bPunto ? v.m_fCentroZ : 0.0);
}
}  // namespace

void CStatoVista::PosizioneTelecamera(float aPosizione[3]) const
{
    const double aOcchio[3] = {0.0, 0.0, 0.0};
    double p[3];
    DallOcchio(*this, aOcchio, true, p);
    for (int i = 0; i < 3; ++i)
        aPosizione[i] = static_cast<float>(p[i]);
}

bool CStatoVista::PuntoSulPavimento(float x, float y, float D, float& fX, float& fY) const
{
    const double w = m_fLarghezzaFinestra, h = m_fAltezzaFinestra;
    // GL's pixels, from the bottom left.
    const double px = Fisici(x), py = h - Fisici(y);
    if (!(w > 0.0 && h > 0.0 && m_fScala > 0.0f))
        return false;
    if (m_nVista == VISTA_PIANTINA)
    {
        fX = static_cast<float>((px - m_fOrigineX) / m_fScala);
        fY = static_cast<float>(D - (py - m_fOrigineY) / m_fScala);
        return std::isfinite(fX) && std::isfinite(fY);
    }
    // The paint's perspective: 60 degrees high, the window's proportions.
    const double t = std::tan(30.0 * 3.14159265358979 / 180.0);
    const double aDirezione[3] = {(2.0 * px / w - 1.0) * t * w / h, (2.0 * py / h - 1.0) * t, -1.0};
    const double aOcchio[3] = {0.0, 0.0, 0.0};
    double o[3], d[3];
    DallOcchio(*this, aOcchio, true, o);
    DallOcchio(*this, aDirezione, false, d);
    // The floor is GL y = 0, in front of the eye.
    const double k = d[1] != 0.0 ? -o[1] / d[1] : -1.0;
    if (!(k > 0.0))
        return false;
    fX = static_cast<float>(o[0] + k * d[0]);
    fY = static_cast<float>(o[2] + k * d[2]);
    return std::isfinite(fX) && std::isfinite(fY);
}

bool CStatoVista::PuntoAlCentro(float D, float& fX, float& fY) const
{
    return PuntoSulPavimento(m_fLarghezzaFinestra / 2.0f / m_fFattoreScala,
                             m_fAltezzaFinestra / 2.0f / m_fFattoreScala, D, fX, fY);
}

CContestoDisegno CStatoVista::ContestoDisegno() const
{
    CContestoDisegno c;
    c.nVista = m_nVista;
    c.fLarghezza = m_fLarghezzaFinestra;
    c.fAltezza = m_fAltezzaFinestra;
    c.fScala = m_fScala;
    c.aOrigine[0] = m_fOrigineX;
    c.aOrigine[1] = m_fOrigineY;
    c.fFattoreScala = m_fFattoreScala;
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

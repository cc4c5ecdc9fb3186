#include "model/Ingombro.h"

#include "model/Limiti.h"
#include "model/Oggetto.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr float GRADI_IN_RADIANTI = 3.1415927f / 180.0f;

bool IsApertura(const COggetto& o)
{
    return o.GetCategoria() == CATEGORIA_PORTE_FINESTRE;
}

bool IsTondo(const COggetto& o)
{
    return o.GetCategoria() == CATEGORIA_TAVOLI && o.GetTipo() == 0;
}

// Moves the piece by (sx, sy) of the room; an opening takes the part along
// its wall, in the sense its position runs (as dragging does).
void Trasla(COggetto& o, float sx, float sy)
{
    if (!IsApertura(o))
    {
        o.SetX(o.GetX() + sx);
        o.SetY(o.GetY() + sy);
        return;
    }
    switch (o.GetParete())
    {
    case 1: o.SetX(o.GetX() + sx); break;
    case 2: o.SetX(o.GetX() + sy); break;
    case 4: o.SetX(o.GetX() - sy); break;
    default: o.SetX(o.GetX() - sx); break;
    }
}

// The half-extents of a turned footprint and the centre's offset from the
// reference corner.
void CentroImpronta(float fAngolo, float L, float P, float& cx, float& cy)
{
    const float a = fAngolo * GRADI_IN_RADIANTI, c = std::cos(a), s = std::sin(a);
    cx = (L * c + P * s) / 2.0f;
    cy = (-L * s + P * c) / 2.0f;
}

// Shift that brings one axis of the box flush against the nearer wall
// within reach, from the distances now (d0 low wall, d1 high wall) and
// before (p0, p1); 0 when neither pulls.
float Attrazione(float d0, float d1, float p0, float p1)
{
    const bool b0 = d0 > 0.0f && d0 < CALAMITA_MURO && d0 <= p0;
    const bool b1 = d1 > 0.0f && d1 < CALAMITA_MURO && d1 <= p1;
    if (b0 && (!b1 || d0 <= d1))
        return -d0;
    return b1 ? d1 : 0.0f;
}
}  // namespace

float AngoloNormale(float f)
{
    f = std::fmod(f, 360.0f);
    if (f < 0.0f)
        f += 360.0f;
    return f >= 360.0f ? 0.0f : f;
}

CRiquadro RiquadroImpronta(const COggetto& o, float W, float D)
{
    const float x = o.GetX(), y = o.GetY(), L = o.GetLarghezza();
    if (IsApertura(o))
    {
        const float t = SPESSORE_APERTURA;
        switch (o.GetParete())
        {
        case 1: return {x, x + L, 0.0f, t};
        case 2: return {W - t, W, x, x + L};
        case 4: return {0.0f, t, D - x - L, D - x};
        default: return {W - x - L, W - x, D - t, D};
        }
    }
    if (IsTondo(o))
        return {x - L / 2.0f, x + L / 2.0f, y - L / 2.0f, y + L / 2.0f};
    const float P = o.GetProfondita();
    const float a = o.GetRotazione() * GRADI_IN_RADIANTI, c = std::cos(a), s = std::sin(a);
    // Corners: the reference, + width (c, -s) L, + depth (s, c) P, + both.
    const float aX[4] = {0.0f, L * c, P * s, L * c + P * s};
    const float aY[4] = {0.0f, -L * s, P * c, -L * s + P * c};
    return {x + *std::min_element(aX, aX + 4), x + *std::max_element(aX, aX + 4),
            y + *std::min_element(aY, aY + 4), y + *std::max_element(aY, aY + 4)};
}

CDistanze DistanzeDaiMuri(const CRiquadro& r, float W, float D)
{
    return {r.fMinX, W - r.fMaxX, r.fMinY, D - r.fMaxY};
}

bool SpostaNellaStanza(COggetto& o, float dx, float dy, float W, float D)
{
    const float x = o.GetX(), y = o.GetY();
    Trasla(o, dx, dy);
    PortaNeiLimiti(o, LimitiNellaStanza(o, W, D));
    return o.GetX() != x || o.GetY() != y;
}

bool RuotaSulCentro(COggetto& o, float fGradi, float W, float D)
{
    if (IsApertura(o))
        return false;
    const float x = o.GetX(), y = o.GetY(), fAngolo = o.GetRotazione();
    const float fNuovo = AngoloNormale(fAngolo + fGradi);
    if (!IsTondo(o))  // a round table's reference point is its centre
    {
        const float L = o.GetLarghezza(), P = o.GetProfondita();
        float cx0, cy0, cx1, cy1;
        CentroImpronta(fAngolo, L, P, cx0, cy0);
        CentroImpronta(fNuovo, L, P, cx1, cy1);
        o.SetX(x + cx0 - cx1);
        o.SetY(y + cy0 - cy1);
    }
    o.SetRotazione(fNuovo);
    PortaNeiLimiti(o, LimitiNellaStanza(o, W, D));
    return o.GetX() != x || o.GetY() != y || o.GetRotazione() != fAngolo;
}

void AttiraAiMuri(COggetto& o, const CRiquadro& prima, float W, float D)
{
    const CDistanze d = DistanzeDaiMuri(RiquadroImpronta(o, W, D), W, D);
    const CDistanze p = DistanzeDaiMuri(prima, W, D);
    float sx = Attrazione(d.fOvest, d.fEst, p.fOvest, p.fEst);
    float sy = Attrazione(d.fNord, d.fSud, p.fNord, p.fSud);
    if (IsApertura(o))  // an opening lies against its own wall already
    {
        const int nParete = o.GetParete();
        (nParete == 2 || nParete == 4 ? sx : sy) = 0.0f;
    }
    if (sx == 0.0f && sy == 0.0f)
        return;
    Trasla(o, sx, sy);
    PortaNeiLimiti(o, LimitiNellaStanza(o, W, D));
}

float AttiraAngolo(float fPrima, float fDopo)
{
    const float fMultiplo = std::round(fDopo / PASSO_CALAMITA_ANGOLO) * PASSO_CALAMITA_ANGOLO;
    const float fScarto = std::fabs(fDopo - fMultiplo);
    if (fScarto > CALAMITA_ANGOLO || fScarto > std::fabs(fPrima - fMultiplo))
        return fDopo;
    return fMultiplo;
}

std::string TestoMetri(float f)
{
    if (!std::isfinite(f))
        return "-";
    if (std::fabs(f) < 0.005f)
        f = 0.0f;  // no "-0.00"
    char a[32];
    std::snprintf(a, sizeof a, "%.2f", static_cast<double>(f));
    std::string s(a);
    std::replace(s.begin(), s.end(), ',', '.');  // whatever the C locale says
    return s;
}

std::string TestoPosizione(const COggetto& o)
{
    char a[32];
    const float fAngolo = o.GetRotazione();
    std::snprintf(a, sizeof a, "%.0f\xC2\xB0", std::isfinite(fAngolo) ? static_cast<double>(fAngolo) : 0.0);
    return "x " + TestoMetri(o.GetX()) + " m, y " + TestoMetri(o.GetY()) + " m, " + a;
}

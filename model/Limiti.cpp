#include "model/Limiti.h"

#include "model/Oggetto.h"

#include <cmath>

namespace
{
// Bounds of the reference corner that keep the footprint spanned by
// L (cos a, -sin a) and P (sin a, cos a) inside a W x D room, by quadrant.
CLimiti LimitiImpronta(float fAngolo, float L, float P, float W, float D)
{
    const float a = fAngolo * 3.1415927f / 180.0f;
    const float s = std::sin(a), c = std::cos(a);
    if (fAngolo <= 90.0f)
        return {0.0f, W - L * c - P * s, L * s, D - P * c, true};
    if (fAngolo <= 180.0f)
        return {-L * c, W - P * s, L * s - P * c, D, true};
    if (fAngolo <= 270.0f)
        return {-L * c - P * s, W, -P * c, D + L * s, true};
    return {-P * s, W - L * c, 0.0f, D + L * s - P * c, true};
}
}  // namespace

CLimiti LimitiNellaStanza(const COggetto& oggetto, float W, float D)
{
    const int nCategoria = oggetto.GetCategoria();
    const float L = oggetto.GetLarghezza();
    if (nCategoria == CATEGORIA_PORTE_FINESTRE)
    {
        const int nParete = oggetto.GetParete();
        const float fLungoParete = (nParete == 2 || nParete == 4) ? D : W;
        return {0.0f, fLungoParete - L, 0.0f, 0.0f, false};
    }
    if (nCategoria == CATEGORIA_TAVOLI && oggetto.GetTipo() == 0)
        return {L / 2.0f, W - L / 2.0f, L / 2.0f, D - L / 2.0f, true};  // centre and diameter
    return LimitiImpronta(oggetto.GetRotazione(), L, oggetto.GetProfondita(), W, D);
}

void PortaNeiLimiti(COggetto& oggetto, const CLimiti& limiti)
{
    if (oggetto.GetX() > limiti.fMaxX)
        oggetto.SetX(limiti.fMaxX);
    else if (oggetto.GetX() < limiti.fMinX)
        oggetto.SetX(limiti.fMinX);
    if (!limiti.bLimitaY)
        return;
    if (oggetto.GetY() > limiti.fMaxY)
        oggetto.SetY(limiti.fMaxY);
    else if (oggetto.GetY() < limiti.fMinY)
        oggetto.SetY(limiti.fMinY);
}

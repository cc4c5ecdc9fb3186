#include "app/Icona.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
struct CPunto
{
    double x, y;
};

struct CForma
{
    std::vector<CPunto> aVertici;  // in a 32 x 32 grid
    unsigned char r, g, b;
};

// Drawing order: later shapes cover earlier ones.
const std::vector<CForma>& Forme()
{
    static const std::vector<CForma> s_aForme = {
        {{{8, 2}, {30, 2}, {30, 20}, {8, 20}}, 128, 128, 128},     // back wall
        {{{2, 8}, {8, 2}, {8, 20}, {2, 30}}, 176, 176, 176},       // side wall
        {{{2, 30}, {8, 20}, {30, 20}, {30, 30}}, 205, 150, 90},    // floor
        {{{13, 17}, {25, 17}, {25, 20}, {13, 20}}, 200, 30, 30},   // table top
        {{{14, 20}, {15, 20}, {15, 27}, {14, 27}}, 200, 30, 30},   // legs
        {{{23, 20}, {24, 20}, {24, 27}, {23, 27}}, 200, 30, 30},
    };
    return s_aForme;
}

const unsigned char BORDO = 60;
constexpr int CAMPIONI = 4;  // per side of a pixel

bool Dentro(const std::vector<CPunto>& v, CPunto p)
{
    bool bDentro = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            bDentro = !bDentro;
    return bDentro;
}

double DistanzaDalBordo(const std::vector<CPunto>& v, CPunto p)
{
    double dMinima = 1e9;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
    {
        const double dx = v[i].x - v[j].x, dy = v[i].y - v[j].y;
        const double t = std::clamp(((p.x - v[j].x) * dx + (p.y - v[j].y) * dy) /
                                        (dx * dx + dy * dy),
                                    0.0, 1.0);
        dMinima = std::min(dMinima, std::hypot(p.x - (v[j].x + t * dx), p.y - (v[j].y + t * dy)));
    }
    return dMinima;
}

// Colour and coverage of one sample point, in grid units.
bool Campione(CPunto p, double dMezzoBordo, unsigned char* pColore)
{
    const std::vector<CForma>& aForme = Forme();
    for (auto it = aForme.rbegin(); it != aForme.rend(); ++it)
    {
        const bool bDentro = Dentro(it->aVertici, p);
        if (DistanzaDalBordo(it->aVertici, p) <= dMezzoBordo)
        {
            pColore[0] = pColore[1] = pColore[2] = BORDO;
            return true;
        }
        if (bDentro)
        {
            pColore[0] = it->r;
            pColore[1] = it->g;
            pColore[2] = it->b;
            return true;
        }
    }
    return false;
}
}  // namespace

wxImage DisegnaIcona(int nLato)
{
    wxImage immagine(nLato, nLato);
    immagine.InitAlpha();
    const double k = 32.0 / nLato;  // grid units per pixel
    // Outlines about one pixel wide at small sizes, thicker when large.
    const double dMezzoBordo = std::max(0.5 * k, 0.35);
    for (int y = 0; y < nLato; ++y)
        for (int x = 0; x < nLato; ++x)
        {
            unsigned aSomma[3] = {0, 0, 0};
            unsigned nCoperti = 0;
            for (int sy = 0; sy < CAMPIONI; ++sy)
                for (int sx = 0; sx < CAMPIONI; ++sx)
                {
                    const CPunto p = {(x + (sx + 0.5) / CAMPIONI) * k,
                                      (y + (sy + 0.5) / CAMPIONI) * k};
                    unsigned char aColore[3];
                    if (!Campione(p, dMezzoBordo, aColore))
                        continue;
                    for (int c = 0; c < 3; ++c)
                        aSomma[c] += aColore[c];
                    ++nCoperti;
                }
            if (nCoperti == 0)
            {
                immagine.SetRGB(x, y, 255, 255, 255);
                immagine.SetAlpha(x, y, 0);
                continue;
            }
            immagine.SetRGB(x, y, static_cast<unsigned char>(aSomma[0] / nCoperti),
                            static_cast<unsigned char>(aSomma[1] / nCoperti),
                            static_cast<unsigned char>(aSomma[2] / nCoperti));
            immagine.SetAlpha(x, y, static_cast<unsigned char>(
                                        nCoperti * 255 / (CAMPIONI * CAMPIONI)));
        }
    return immagine;
}

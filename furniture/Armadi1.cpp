#include "furniture/Armadi1.h"

#include "furniture/Scatola.h"

CArmadi1::CArmadi1()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 0;
}

namespace
{
// One face of the body: its normal, then four vertices each with its
// texture coordinates in metres along the face.
struct CFaccia
{
    float aNormale[3];
    float aCoord[4][2];
    float aVertici[4][3];
};
}  // namespace

void CArmadi1::CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    const bool bTexture = IsSuperficieTexturata(GetTexture(), contesto);
    r.Culling(true);
    ImpostaSuperficie(r, bTexture, GetTexture(), GetColore1());
    ApplicaCollocazione(r, *this);

    // Every face counter-clockwise from outside, so culling keeps the
    // outer sides; the texture repeats once per metre.
    const CFaccia aFacce[5] = {
        {{0, 0, -1}, {{0, 0}, {W, 0}, {W, H}, {0, H}}, {{W, 0, 0}, {0, 0, 0}, {0, H, 0}, {W, H, 0}}},
        {{0, 0, 1}, {{0, 0}, {W, 0}, {W, H}, {0, H}}, {{0, 0, D}, {W, 0, D}, {W, H, D}, {0, H, D}}},
        {{-1, 0, 0}, {{0, 0}, {D, 0}, {D, H}, {0, H}}, {{0, 0, 0}, {0, 0, D}, {0, H, D}, {0, H, 0}}},
        {{0, 1, 0}, {{0, 0}, {D, 0}, {D, W}, {0, W}}, {{0, H, 0}, {0, H, D}, {W, H, D}, {W, H, 0}}},
        {{1, 0, 0}, {{0, 0}, {D, 0}, {D, H}, {0, H}}, {{W, 0, D}, {W, 0, 0}, {W, H, 0}, {W, H, D}}},
    };
    r.Inizia(CRegistratore::QUADRI);
    for (const CFaccia& f : aFacce)
    {
        r.Normale(f.aNormale[0], f.aNormale[1], f.aNormale[2]);
        for (int v = 0; v < 4; ++v)
        {
            if (bTexture)
                r.CoordTexture(f.aCoord[v][0], f.aCoord[v][1]);
            r.Vertice(f.aVertici[v][0], f.aVertici[v][1], f.aVertici[v][2]);
        }
    }
    r.Fine();

    r.Texture(-1);
    r.Colore(GetColore2());
    r.Cubo(3 * W / 4 - 0.11f, 3 * H / 8, D + 0.04f, 0.08f);
    r.Cubo(3 * W / 4 - 0.11f, 7 * H / 8, D + 0.04f, 0.08f);
    r.Cubo(3 * W / 4 + 0.09f, H / 2, D + 0.04f, 0.08f);

    r.Colore(0, 0, 0);
    r.Inizia(CRegistratore::QUADRI);
    r.Normale(0, -1, 0);
    r.Vertice(0, 0, 0);
    r.Vertice(W, 0, 0);
    r.Vertice(W, 0, D);
    r.Vertice(0, 0, D);
    r.Fine();

    r.Linea(3.0f);
    // Seam around the sides and the top at five sixths of the depth.
    r.Inizia(CRegistratore::SPEZZATA);
    r.Vertice(0, 0, 5 * D / 6);
    r.Vertice(0, H, 5 * D / 6);
    r.Vertice(W, H, 5 * D / 6);
    r.Vertice(W, 0, 5 * D / 6);
    r.Fine();
    r.Inizia(CRegistratore::LINEE);
    r.Vertice(3 * W / 4, 0, D);
    r.Vertice(3 * W / 4, H, D);
    r.Vertice(0, 3 * H / 4, D);
    r.Vertice(3 * W / 4, 3 * H / 4, D);
    r.Vertice(3 * W / 4, H, D);
    r.Vertice(3 * W / 4, H, 5 * D / 6);
    r.Fine();
    r.Linea(1.0f);
}

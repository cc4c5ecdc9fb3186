#include "furniture/Porte.h"

#include "furniture/Scatola.h"

CPorte::CPorte()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 0;
}

void CPorte::CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const
{
    const float W = GetLarghezza(), H = GetAltezza();
    const bool bTexture = IsSuperficieTexturata(GetTexture(), contesto);
    ApplicaSistemaParete(r, 0.0f);

    r.DueFacce(true);
    r.Colore(GetColore2());
    r.Scatola(0, W, 0, H, -0.03f, 0.03f);  // frame slab

    if (bTexture)
    {
        // The textured leaf covers both faces of the slab.
        r.Texture(GetTexture());
        r.Inizia(CRegistratore::QUADRI);
        r.Normale(0, 0, 1);
        for (const float z : {0.06f, -0.06f})
        {
            r.CoordTexture(0, 0);
            r.Vertice(0.09f, 0, z);
            r.CoordTexture(W, 0);
            r.Vertice(W - 0.09f, 0, z);
            r.CoordTexture(W, H);
            r.Vertice(W - 0.09f, H - 0.09f, z);
            r.CoordTexture(0, H);
            r.Vertice(0.09f, H - 0.09f, z);
        }
        r.Fine();
        r.Texture(-1);
        r.Normalizza(true);
        r.Scatola(0.3f - 0.075f, 0.3f + 0.075f, H / 2 - 0.02f, H / 2 + 0.02f, 0.045f, 0.075f);
        r.Normalizza(false);
        return;
    }
    r.Normalizza(true);
    r.Scatola(0.3f - 0.075f, 0.3f + 0.075f, H / 2 - 0.02f, H / 2 + 0.02f, 0.105f, 0.135f);
    r.Normalizza(false);
    // The plain leaf is thicker than the slab and stands out of both faces.
    r.Colore(GetColore1());
    r.Scatola(0.09f, 0.09f + 0.8f * W, 0, 0.9f * H, -0.1f, 0.1f);
}

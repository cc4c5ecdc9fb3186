#include "furniture/Finestre.h"

#include "model/Archivio.h"
#include "model/Maglia.h"
#include "model/Texture.h"

CFinestre::CFinestre()
{
    m_nCategoria = CATEGORIA_PORTE_FINESTRE;
    m_nTipo = 1;
}

void CFinestre::Serialize(CArchivio& ar)
{
    SerializeApertura(ar);
    if (ar.IsStoring())
        ar.ScriviFloat(m_fAltezzaDalPavimento);
    else
        SetZ(ar.LeggiFloat());
}

void CFinestre::CostruisciMaglia(CRegistratore& r, const CContestoDisegno&) const
{
    const float W = GetLarghezza(), H = GetAltezza(), M = W / 2;
    ApplicaSistemaParete(r, GetZ());
    r.DueFacce(true);

    // The glass is always textured, whatever the view's textures toggle;
    // the decal texture alone shows, the white only gives it its opacity.
    r.Texture(TEXTURE_VETRO);
    r.Colore(255, 255, 255);
    r.Inizia(CRegistratore::QUADRI);
    r.Normale(0, 0, 1);
    r.CoordTexture(0, 0);
    r.Vertice(0.2f, 0.2f, 0.04f);
    r.CoordTexture(M, 0);
    r.Vertice(M - 0.045f, 0.2f, 0.04f);
    r.CoordTexture(M, H);
    r.Vertice(M - 0.045f, H - 0.2f, 0.04f);
    r.CoordTexture(0, H);
    r.Vertice(0.2f, H - 0.2f, 0.04f);
    r.CoordTexture(0, 0);
    r.Vertice(M + 0.045f, 0.2f, 0.04f);
    r.CoordTexture(M, 0);
    r.Vertice(W - 0.2f, 0.2f, 0.04f);
    r.CoordTexture(M, H);
    r.Vertice(W - 0.2f, H - 0.2f, 0.04f);
    r.CoordTexture(0, H);
    r.Vertice(M + 0.045f, H - 0.2f, 0.04f);
    r.Fine();

    r.Texture(-1);
    r.Colore(GetColore2());
    r.Inizia(CRegistratore::QUADRI);
    // Outer frame: four trapezoids between the opening and the 0.09 inset.
    // Every face here is wound counter-clockwise around its normal: with
    // two-sided lighting a face seen from its back takes the back material,
    // which does not follow the colour, so a side wound the other way would
    // lose the frame colour as soon as lighting is on.
    r.Normale(0, 0, 1);
    r.Vertice(0.09f, H - 0.09f, 0);
    r.Vertice(0, H, 0);
    r.Vertice(0, 0, 0);
    r.Vertice(0.09f, 0.09f, 0);
    r.Vertice(0, H, 0);
    r.Vertice(0.09f, H - 0.09f, 0);
    r.Vertice(W - 0.09f, H - 0.09f, 0);
    r.Vertice(W, H, 0);
    r.Vertice(W - 0.09f, 0.09f, 0);
    r.Vertice(W, 0, 0);
    r.Vertice(W, H, 0);
    r.Vertice(W - 0.09f, H - 0.09f, 0);
    r.Vertice(W, 0, 0);
    r.Vertice(W - 0.09f, 0.09f, 0);
    r.Vertice(0.09f, 0.09f, 0);
    r.Vertice(0, 0, 0);
    // Latch at the centre.
    r.Normale(0, 0.7172f, 0.7172f);
    r.Vertice(M - 0.03f, H / 2 - 0.04f, 0.03f);
    r.Vertice(M + 0.03f, H / 2 - 0.04f, 0.03f);
    r.Vertice(M + 0.03f, H / 2, 0);
    r.Vertice(M - 0.03f, H / 2, 0);
    r.Normale(0, 0.2f, 0.7f);
    r.Vertice(M + 0.03f, H / 2 - 0.04f, 0.03f);
    r.Vertice(M - 0.03f, H / 2 - 0.04f, 0.03f);
    r.Vertice(M - 0.03f, H / 2 - 0.08f, 0.05f);
    r.Vertice(M + 0.03f, H / 2 - 0.08f, 0.05f);
    r.Fine();

    r.Colore(GetColore1());
    r.Inizia(CRegistratore::QUADRI);
    // Bevel from the 0.09 inset in the wall plane to the 0.13 inset.
    r.Normale(-0.7071f, 0, 0.7071f);
    r.Vertice(0.13f, 0.13f, 0.04f);
    r.Vertice(0.13f, H - 0.13f, 0.04f);
    r.Vertice(0.09f, H - 0.09f, 0);
    r.Vertice(0.09f, 0.09f, 0);
    r.Normale(0, -0.7071f, 0.7071f);
    r.Vertice(0.09f, 0.09f, 0);
    r.Vertice(W - 0.09f, 0.09f, 0);
    r.Vertice(W - 0.13f, 0.13f, 0.04f);
    r.Vertice(0.13f, 0.13f, 0.04f);
    r.Normale(0.7071f, 0, 0.7071f);
    r.Vertice(W - 0.09f, 0.09f, 0);
    r.Vertice(W - 0.09f, H - 0.09f, 0);
    r.Vertice(W - 0.13f, H - 0.13f, 0.04f);
    r.Vertice(W - 0.13f, 0.13f, 0.04f);
    r.Normale(0, 0.7071f, 0.7071f);
    r.Vertice(0.09f, H - 0.09f, 0);
    r.Vertice(0.13f, H - 0.13f, 0.04f);
    r.Vertice(W - 0.13f, H - 0.13f, 0.04f);
    r.Vertice(W - 0.09f, H - 0.09f, 0);
    r.Fine();

    r.Inizia(CRegistratore::QUADRI);
    // Sash between the 0.13 and the 0.2 insets.
    r.Normale(0, 0, 1);
    r.Vertice(0.2f, 0.2f, 0.04f);
    r.Vertice(0.2f, H - 0.2f, 0.04f);
    r.Vertice(0.13f, H - 0.13f, 0.04f);
    r.Vertice(0.13f, 0.13f, 0.04f);
    r.Vertice(0.13f, 0.13f, 0.04f);
    r.Vertice(W - 0.13f, 0.13f, 0.04f);
    r.Vertice(W - 0.2f, 0.2f, 0.04f);
    r.Vertice(0.2f, 0.2f, 0.04f);
    r.Vertice(W - 0.2f, H - 0.2f, 0.04f);
    r.Vertice(W - 0.2f, 0.2f, 0.04f);
    r.Vertice(W - 0.13f, 0.13f, 0.04f);
    r.Vertice(W - 0.13f, H - 0.13f, 0.04f);
    r.Vertice(W - 0.13f, H - 0.13f, 0.04f);
    r.Vertice(0.13f, H - 0.13f, 0.04f);
    r.Vertice(0.2f, H - 0.2f, 0.04f);
    r.Vertice(W - 0.2f, H - 0.2f, 0.04f);
    r.Fine();

    r.Inizia(CRegistratore::QUADRI);
    // Mullion between the panes.
    r.Normale(0, 0, 1);
    r.Vertice(M - 0.045f, 0.2f, 0.04f);
    r.Vertice(M + 0.045f, 0.2f, 0.04f);
    r.Vertice(M + 0.045f, H - 0.2f, 0.04f);
    r.Vertice(M - 0.045f, H - 0.2f, 0.04f);
    r.Fine();
}

#include "furniture/Tavoli1.h"

#include "furniture/Scatola.h"

CTavoli1::CTavoli1()
{
    m_nCategoria = CATEGORIA_TAVOLI;
    m_nTipo = 1;
}

void CTavoli1::CostruisciMaglia(CRegistratore& r, const CContestoDisegno&) const
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    r.Culling(true);
    r.Normalizza(true);
    r.Colore(GetColore2());
    ApplicaCollocazione(r, *this);

    // Legs 0.07 m square, inset 0.07 m from the edges of the top.
    const float yGamba = 0.9f * H;
    r.Scatola(0.07f, 0.14f, 0, yGamba, 0.07f, 0.14f);
    r.Scatola(W - 0.14f, W - 0.07f, 0, yGamba, 0.07f, 0.14f);
    r.Scatola(W - 0.14f, W - 0.07f, 0, yGamba, D - 0.14f, D - 0.07f);
    r.Scatola(0.07f, 0.14f, 0, yGamba, D - 0.14f, D - 0.07f);

    r.Colore(GetColore1());
    r.Scatola(0, W, yGamba, H, 0, D);
}

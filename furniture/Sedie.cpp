#include "furniture/Sedie.h"

#include "furniture/Scatola.h"

CSedie::CSedie()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 0;
}

void CSedie::CostruisciMaglia(CRegistratore& r, const CContestoDisegno&) const
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    r.Normalizza(true);
    r.Colore(GetColore2());
    ApplicaCollocazione(r, *this);

    // Back legs run the full height and carry the backrest; front legs stop
    // under the seat.
    r.Scatola(0, W / 7, 0, H, 0, D / 7);
    r.Scatola(6 * W / 7, W, 0, H, 0, D / 7);
    r.Scatola(0, W / 7, 0, H / 2, 6 * D / 7, D);
    r.Scatola(6 * W / 7, W, 0, H / 2, 6 * D / 7, D);
    r.Normalizza(false);

    // Seat and backrest are single quads, seen from either side.
    r.Colore(GetColore1());
    r.Inizia(CRegistratore::QUADRI);
    r.Normale(0, 1, 0);
    r.Vertice(0, H / 2, 0);
    r.Vertice(0, H / 2, D);
    r.Vertice(W, H / 2, D);
    r.Vertice(W, H / 2, 0);
    r.Normale(0, 0, 1);
    r.Vertice(0, 0.8f * H, D / 7);
    r.Vertice(W, 0.8f * H, D / 7);
    r.Vertice(W, H, D / 7);
    r.Vertice(0, H, D / 7);
    r.Fine();
}

#include "furniture/Armadi2.h"

#include "furniture/Scatola.h"

CArmadi2::CArmadi2()
{
    m_nCategoria = CATEGORIA_ARMADI;
    m_nTipo = 1;
}

void CArmadi2::CostruisciMaglia(CRegistratore& r, const CContestoDisegno&) const
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    r.Normalizza(true);
    r.Colore(GetColore1());
    ApplicaCollocazione(r, *this);

    // The upper left compartment is open at the front: its shelves and the
    // back panel show, so culling stays off.
    r.Scatola(0, W, H - H / 50, H, 0, D);                                   // top
    r.Scatola(0, W / 50, 0, H, 0, D);                                       // left side
    r.Scatola(2 * W / 3, W, 0, H, 0, D);                                    // column
    r.Scatola(0, 2 * W / 3, 0, 3 * H / 8, 0.08f * D, D);                    // drawers
    r.Scatola(W / 50, W / 50 + 2 * W / 3, 7 * H / 12, 7 * H / 12 + H / 50, D / 50, D);
    r.Scatola(W / 50, W / 50 + 2 * W / 3, 19 * H / 24, 19 * H / 24 + H / 50, D / 50, D);
    r.Scatola(0, 2 * W / 3, 0, H, 0, D / 45);                               // back

    r.Colore(GetColore2());
    r.Cubo(W / 3, 3 * H / 32, D + 0.05f, 0.08f);
    r.Cubo(W / 3, 9 * H / 32, D + 0.05f, 0.08f);
    r.Cubo(2 * W / 3 + 0.05f, 2 * H / 3, D + 0.05f, 0.08f);

    r.Colore(0, 0, 0);
    r.Linea(2.5f);
    const float z = D + 0.01f;
    r.Inizia(CRegistratore::LINEE);
    r.Vertice(W / 50, 3 * H / 16, z);
    r.Vertice(2 * W / 3, 3 * H / 16, z);
    r.Vertice(2 * W / 3, 3 * H / 8, z);
    r.Vertice(49 * W / 50, 3 * H / 8, z);
    r.Vertice(2 * W / 3, 3 * H / 8, z);
    r.Vertice(2 * W / 3, H / 50, z);
    r.Fine();
    r.Linea(1.0f);
}

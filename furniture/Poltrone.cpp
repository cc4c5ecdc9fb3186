#include "furniture/Poltrone.h"

#include "furniture/Scatola.h"

CPoltrone::CPoltrone()
{
    m_nCategoria = CATEGORIA_SEDIE;
    m_nTipo = 1;
}

void CPoltrone::CostruisciMaglia(CRegistratore& r, const CContestoDisegno&) const
{
    const float W = GetLarghezza(), H = GetAltezza(), D = GetProfondita();
    r.Culling(true);
    r.Normalizza(true);
    r.Colore(GetColore1());
    ApplicaCollocazione(r, *this);

    r.Scatola(0, W, 0, H, 0, D / 5);                  // backrest
    r.Scatola(0, W / 5, 0, 2 * H / 3, D / 5, D);      // armrests
    r.Scatola(4 * W / 5, W, 0, 2 * H / 3, D / 5, D);
    r.Scatola(W / 5, 4 * W / 5, 0, H / 3, D / 5, D);  // cushion
}

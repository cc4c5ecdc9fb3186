#include "model/Appunti.h"

#include "model/Archivio.h"
#include "model/Contenitori.h"
#include "model/Limiti.h"
#include "model/Oggetto.h"

#include <cmath>
#include <cstring>

std::vector<std::uint8_t> CodificaOggetto(COggetto& oggetto)
{
    CArchivio ar;
    ar.ScriviInt32(oggetto.GetCategoria());
    ar.ScriviInt32(oggetto.GetTipo());
    oggetto.Serialize(ar);
    return ar.GetBuffer();
}

std::unique_ptr<COggetto> DecodificaOggetto(const std::uint8_t* pDati, std::size_t nDimensione,
                                            std::string& errore)
{
    // Read as a one-piece object block, so every check of the loader applies.
    std::vector<std::uint8_t> blocco(nDimensione + 1, 1);
    if (pDati && nDimensione > 0)
        std::memcpy(blocco.data() + 1, pDati, nDimensione);
    CArchivio ar(blocco.data(), blocco.size());
    CContenitori letti;
    if (!letti.Leggi(ar, false, errore))
        return nullptr;
    if (ar.IsDanneggiato())
    {
        errore = ar.GetDanno();
        return nullptr;
    }
    if (ar.GetRestanti() > 0)
    {
        errore = FormattaTesto("dopo l'oggetto seguono altri %zu byte", ar.GetRestanti());
        return nullptr;
    }
    std::unique_ptr<COggetto> pOggetto(letti.Stacca(1));
    // A number that is not finite can be neither drawn nor dragged back.
    for (const float f : {pOggetto->GetX(), pOggetto->GetY(), pOggetto->GetZ(),
                          pOggetto->GetLarghezza(), pOggetto->GetAltezza(),
                          pOggetto->GetProfondita(), pOggetto->GetRotazione()})
        if (!std::isfinite(f))
        {
            errore = "una misura o la posizione dell'oggetto non \u00e8 un numero";
            return nullptr;
        }
    return pOggetto;
}

void SpostaCopia(COggetto& copia, float W, float D)
{
    constexpr float SCOSTAMENTO = 0.25f;
    if (copia.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
    {
        // Along the wall, as a drag east and south would slide it.
        const int nParete = copia.GetParete();
        const float fVerso = (nParete == 1 || nParete == 2) ? 1.0f : -1.0f;
        copia.SetX(copia.GetX() + fVerso * SCOSTAMENTO);
    }
    else
    {
        copia.SetX(copia.GetX() + SCOSTAMENTO);
        copia.SetY(copia.GetY() + SCOSTAMENTO);
    }
    PortaNeiLimiti(copia, LimitiNellaStanza(copia, W, D));
}

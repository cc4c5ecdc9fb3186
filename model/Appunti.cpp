#include "model/Appunti.h"

#include "model/Archivio.h"
#include "model/Contenitori.h"
#include "model/Limiti.h"
#include "model/Oggetto.h"
#include "model/Stanza.h"

#include <cmath>

namespace
{
// A size of the piece that no room could hold, or "" when all fit.
std::string MisuraFuoriScala(const COggetto& o)
{
    const struct
    {
        const char* pNome;
        float f;
    } aMisure[] = {{"la larghezza", o.GetLarghezza()},
                   {"l'altezza", o.GetAltezza()},
                   {"la profondit\u00e0", o.GetProfondita()}};
    for (const auto& m : aMisure)
    {
        if (m.f < 0.0f)
            return FormattaTesto("%s dell'oggetto \u00e8 negativa (%g m)", m.pNome, m.f);
        if (m.f > LATO_MASSIMO_STANZA)
            return FormattaTesto("%s dell'oggetto (%g m) supera i %g m della stanza pi\u00f9 grande",
                                 m.pNome, m.f, LATO_MASSIMO_STANZA);
    }
    // A window's height above the floor is a length too.
    if (std::fabs(o.GetZ()) > LATO_MASSIMO_STANZA)
        return FormattaTesto("l'altezza dal pavimento dell'oggetto (%g m) supera i %g m della "
                             "stanza pi\u00f9 grande",
                             o.GetZ(), LATO_MASSIMO_STANZA);
    return {};
}

// The same turn within [0, 360).
float AngoloRidotto(float fAngolo)
{
    float r = std::fmod(fAngolo, 360.0f);
    if (r < 0.0f)
        r += 360.0f;
    return r >= 360.0f ? 0.0f : r;  // -1e-9 + 360 rounds to 360
}
}  // namespace

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
    CArchivio ar(pDati, nDimensione);
    const int nCategoria = ar.LeggiInt32();
    const int nTipo = ar.LeggiInt32();
    if (ar.IsFineInattesa())
    {
        errore = FormattaTesto("i dati sono lunghi %zu byte: mancano perfino i codici di "
                               "famiglia e tipo",
                               nDimensione);
        return nullptr;
    }
    std::unique_ptr<COggetto> pOggetto(nCategoria == CATEGORIA_LUCE ? nullptr
                                                                     : CreaOggetto(nCategoria, nTipo));
    if (!pOggetto)
    {
        errore = FormattaTesto("i codici famiglia %d e tipo %d non indicano alcun tipo di oggetto",
                               nCategoria, nTipo);
        return nullptr;
    }
    // Every record of a kind has one length: that of a blank one.
    CArchivio vuoto;
    pOggetto->Serialize(vuoto);
    const std::size_t nAtteso = 8 + vuoto.GetBuffer().size();
    if (nDimensione != nAtteso)
    {
        errore = FormattaTesto("i dati sono lunghi %zu byte, ma un oggetto \"%s\" ne occupa %zu",
                               nDimensione, NomeTipo(nCategoria, nTipo), nAtteso);
        return nullptr;
    }
    pOggetto->Serialize(ar);
    errore = ar.IsDanneggiato() ? ar.GetDanno() : DannoRecord(*pOggetto);
    if (!errore.empty())
    {
        if (!ar.IsDanneggiato())
            errore = "l'oggetto " + errore;
        return nullptr;
    }
    // A number that is not finite can be neither drawn nor dragged back.
    for (const float f : {pOggetto->GetX(), pOggetto->GetY(), pOggetto->GetZ(),
                          pOggetto->GetLarghezza(), pOggetto->GetAltezza(),
                          pOggetto->GetProfondita(), pOggetto->GetRotazione()})
        if (!std::isfinite(f))
        {
            errore = "una misura o la posizione dell'oggetto non \u00e8 un numero";
            return nullptr;
        }
    errore = MisuraFuoriScala(*pOggetto);
    if (!errore.empty())
        return nullptr;
    pOggetto->SetRotazione(AngoloRidotto(pOggetto->GetRotazione()));
    pOggetto->Deseleziona();
    return pOggetto;
}

bool SpostaCopia(COggetto& copia, float W, float D, std::string& errore)
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
    if (std::isfinite(copia.GetX()) && std::isfinite(copia.GetY()))
        return true;
    errore = "la posizione della copia nella stanza non \u00e8 un numero";
    return false;
}

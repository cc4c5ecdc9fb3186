// libFuzzer target of the clipboard's private format: any bytes another
// program put there go through what a paste and a later copy do. A piece
// that is taken must land somewhere finite in the room, and its own bytes
// must be taken again as the same piece.
#include "model/Appunti.h"
#include "model/Oggetto.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
bool TuttoFinito(const COggetto& o)
{
    for (const float f : {o.GetX(), o.GetY(), o.GetZ(), o.GetLarghezza(), o.GetAltezza(),
                          o.GetProfondita(), o.GetRotazione()})
        if (!std::isfinite(f))
            return false;
    return true;
}

// Pastes into a W x D room, then copies and pastes the copy's bytes again.
void IncollaECopia(const std::uint8_t* pDati, std::size_t nDimensione, float W, float D)
{
    std::string errore;
    std::unique_ptr<COggetto> pPezzo = DecodificaOggetto(pDati, nDimensione, errore);
    if (pPezzo && !SpostaCopia(*pPezzo, W, D, errore))
        pPezzo.reset();
    if (!pPezzo)
    {
        if (errore.empty())
            std::abort();  // every refusal says why
        return;
    }
    const float fAngolo = pPezzo->GetRotazione();
    if (!TuttoFinito(*pPezzo) || fAngolo < 0.0f || fAngolo >= 360.0f)
        std::abort();
    const std::vector<std::uint8_t> copia = CodificaOggetto(*pPezzo);
    std::unique_ptr<COggetto> pDiNuovo = DecodificaOggetto(copia.data(), copia.size(), errore);
    if (!pDiNuovo || CodificaOggetto(*pDiNuovo) != copia)
        std::abort();  // copy and paste disagree about a sound piece
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDati, std::size_t nDimensione)
{
    IncollaECopia(pDati, nDimensione, 12.0f, 10.0f);
    // A room smaller than most pieces: the bounds cross.
    IncollaECopia(pDati, nDimensione, 0.5f, 0.3f);
    return 0;
}

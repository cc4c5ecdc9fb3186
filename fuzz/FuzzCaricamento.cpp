// libFuzzer target of the document loader: any bytes go through the same
// read a file takes, into a fresh scene that is then thrown away. A valid
// file must also save back to bytes that load again and save identically.
#include "model/Scena.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// Loads bytes that were saved, which must load, and saves them again.
std::vector<std::uint8_t> CaricaESalva(const std::vector<std::uint8_t>& dati)
{
    CScena scena(false);
    std::string errore;
    if (!scena.Leggi(dati.data(), dati.size(), errore))
        std::abort();
    return scena.Scrivi();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDati, std::size_t nDimensione)
{
    CScena scena(false);
    std::string errore;
    if (!scena.Leggi(pDati, nDimensione, errore))
    {
        if (errore.empty())
            std::abort();  // every refusal must say why
        return 0;
    }
    // What loads saves back to bytes that load again and save identically.
    // Every load reverses the furnishings and the lights (each read goes to
    // the head of its list, as the format has it), so it takes two round
    // trips to come back to the same bytes; one keeps the length.
    const std::vector<std::uint8_t> salvato = scena.Scrivi();
    const std::vector<std::uint8_t> rovesciato = CaricaESalva(salvato);
    if (rovesciato.size() != salvato.size() || CaricaESalva(rovesciato) != salvato)
        std::abort();
    return 0;
}

// libFuzzer target of the document loader: any bytes go through the same
// read a file takes, into a fresh scene that is then thrown away. A valid
// file must also save back and load again.
#include "model/Scena.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

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
    const std::vector<std::uint8_t> salvato = scena.Scrivi();
    CScena riletta(false);
    if (!riletta.Leggi(salvato.data(), salvato.size(), errore))
        std::abort();
    return 0;
}

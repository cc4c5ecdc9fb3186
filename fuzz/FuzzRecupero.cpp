// libFuzzer target of the descriptions of recovery copies ("<id>.info" in
// the user's data folder), which the editor reads at every start: any text
// is either refused or read into a description that writes back and reads
// again the same.
#include "model/CopiaRecupero.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
bool Uguali(const CCopiaAbbandonata& a, const CCopiaAbbandonata& b)
{
    return a.percorsoDocumento == b.percorsoDocumento && a.nOra == b.nOra &&
           a.nProcesso == b.nProcesso && a.identita == b.identita;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDati, std::size_t nDimensione)
{
    CCopiaAbbandonata copia;
    if (!CCopiaRecupero::LeggiDescrizione(
            std::string(reinterpret_cast<const char*>(pDati), nDimensione), copia))
        return 0;
    const std::string& p = copia.percorsoDocumento;
    if ((!p.empty() && p[0] != '/') || p.find('\0') != std::string::npos || copia.nOra < 0)
        std::abort();
    CCopiaAbbandonata riletta;
    if (!CCopiaRecupero::LeggiDescrizione(
            CCopiaRecupero::Descrizione(p, copia.identita, copia.nProcesso, copia.nOra), riletta) ||
        !Uguali(copia, riletta))
        std::abort();
    return 0;
}

// Open and save of the fullest document (255 furnishings, 8 lights):
// median microseconds. Needs no window: the file code touches no GL.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Scena.h"

#include <cstdio>
#include <string>
#include <vector>

int main()
{
    CScena piena(false);
    scena_di_prova::Piena(piena);
    const std::vector<std::uint8_t> file = piena.Scrivi();
    std::printf("documento pieno: %zu byte\n", file.size());

    std::size_t nDimensione = 0;
    const double fSalva = misura::MedianaMicrosecondi(
        [&] { nDimensione += piena.Scrivi().size(); }, 2000, 50);

    // Opening: a fresh scene read whole, then swapped into the document's.
    CScena documento(false);
    bool bTutteLette = true;
    const double fApri = misura::MedianaMicrosecondi(
        [&]
        {
            CScena letta(false);
            std::string errore;
            bTutteLette = letta.Leggi(file.data(), file.size(), errore) && bTutteLette;
            documento.Scambia(letta);
        },
        2000, 50);

    if (!bTutteLette || nDimensione == 0)
    {
        std::fprintf(stderr, "the full document did not load\n");
        return 1;
    }
    misura::Stampa("apri (Leggi + Scambia), 255 oggetti e 8 luci", fApri);
    misura::Stampa("salva (Scrivi), 255 oggetti e 8 luci", fSalva);
    return 0;
}

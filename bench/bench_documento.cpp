// Open and save of the fullest document (255 furnishings, 8 lights):
// median microseconds, the room checked to come back whole. Needs no
// window: the file code touches no GL.
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
    const double fCpuSalva = misura::MedianaCpu();

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

    // Read back, the document holds the room: its pieces once more in the
    // order the file gives them, so written twice it is the file again.
    CScena riletta(false);
    std::string errore;
    const std::vector<std::uint8_t> scritto = documento.Scrivi();
    if (!bTutteLette || nDimensione != 2050 * file.size() ||
        !riletta.Leggi(scritto.data(), scritto.size(), errore) || riletta.Scrivi() != file)
        misura::Fallisci("the full document did not load or save whole");
    misura::Stampa("apri (Leggi + Scambia), 255 oggetti e 8 luci", fApri);
    misura::Stampa("salva (Scrivi), 255 oggetti e 8 luci", fSalva, fCpuSalva);
    return 0;
}

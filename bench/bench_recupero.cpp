// A recovery copy of the fullest room (255 furnishings, 8 lights) as the
// event loop sees it: the room turned into bytes and handed to the writer,
// which does the disk work on its own thread. The whole write, disk flushes
// included, is measured too, for comparison. Each copy is read back.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "app/Recupero.h"
#include "model/Oggetto.h"
#include "model/SalvataggioSicuro.h"
#include "model/Scena.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    // Copies go to a home of the run's own, never the user's.
    char modello[] = "/tmp/lavedo_bench_XXXXXX";
    const char* pCasa = mkdtemp(modello);
    if (!pCasa)
        return 2;
    setenv("HOME", pCasa, 1);
    setenv("XDG_DATA_HOME", (std::string(pCasa) + "/dati").c_str(), 1);
    if (!misura::AvviaApplicazione(argc, argv, 800, 600) || !CRecupero::Get() || !g_pDoc)
        return 1;
    CScena& doc = *g_pDoc;
    doc.SvuotaScena();
    scena_di_prova::Piena(doc);
    COggetto* pPezzo = nullptr;
    doc.m_Oggetti.GetElemento(1, pPezzo);
    CRecupero& recupero = *CRecupero::Get();

    // The one copy in a folder, read back: it must hold the bytes expected.
    const auto Copia = [](const std::string& cartella, const std::vector<std::uint8_t>& attesi,
                          const char* pCosa) {
        std::vector<std::uint8_t> dati;
        std::error_code errore;
        for (const auto& e : std::filesystem::directory_iterator(cartella, errore))
            if (e.path().extension() == ".lav")
                LeggiFileIntero(e.path().string(), 1 << 20, dati);
        if (dati != attesi)
            misura::Fallisci(std::string(pCosa) + ": the copy on disk is not the room");
    };

    // Each copy follows a change, as the timer's would; the thread's last
    // copy must be the room as it ended.
    float fX = 1.0f;
    const double fCiclo = misura::MedianaMicrosecondi(
        [&] {
            fX = fX > 5.0f ? 1.0f : fX + 0.01f;
            pPezzo->SetX(fX);
            doc.SetModificato();
            recupero.ScriviCopia();
        },
        200, 10);
    misura::Stampa("copia di recupero vista dal ciclo degli eventi (limite 2000)", fCiclo);
    recupero.Attendi();
    Copia(recupero.GetCartella(), doc.Scrivi(), "the writing thread");

    CCopiaRecupero diretta(recupero.GetCartella() + "/misura");
    const std::vector<std::uint8_t> dati = doc.Scrivi();
    const double fDisco = misura::MedianaMicrosecondi(
        [&] { diretta.ScriviOra(dati, "/misura.lav", {}); }, 50, 3, [&] {
            Copia(recupero.GetCartella() + "/misura", dati, "a write on the caller's thread");
            diretta.Rimuovi();
        });
    misura::Stampa("copia di recupero scritta sul disco, nel suo thread", fDisco);
    std::printf("documento pieno: %zu byte\n", dati.size());
    doc.m_bModificato = false;
    misura::ChiudiApplicazione();
    std::error_code errore;
    std::filesystem::remove_all(pCasa, errore);
    if (fCiclo > 2000.0)
        misura::Fallisci("recovery copy too slow");
    return 0;
}

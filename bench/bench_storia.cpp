// Undo history and clipboard on the fullest room (255 furnishings, 8
// lights): recording a step, one undo and one redo, copy and paste, and the
// memory 100 steps take. Median microseconds.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <cstdio>
#include <unistd.h>

namespace
{
constexpr int PASSI = CLavedoDoc::MASSIMO_PASSI;

CLavedoDoc& Doc()
{
    return *static_cast<CLavedoDoc*>(g_pDoc);
}

void Comando(int nId)
{
    wxCommandEvent evento(wxEVT_MENU, nId);
    Doc().ProcessEvent(evento);
}

// Resident memory in kilobytes.
long Residente()
{
    long nPagine = 0, nResidenti = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r"))
    {
        if (std::fscanf(f, "%ld %ld", &nPagine, &nResidenti) != 2)
            nResidenti = 0;
        std::fclose(f);
    }
    return nResidenti * sysconf(_SC_PAGESIZE) / 1024;
}

COggetto* SelezionaPrimo()
{
    COggetto* p = nullptr;
    Doc().m_Oggetti.GetElemento(1, p);
    GetLavedoView()->m_pOggettoSelezionato = p;
    GetLavedoView()->SetOggettoSelezionato(true);
    return p;
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
    {
        std::fprintf(stderr, "the editor's GL window did not start\n");
        return 1;
    }
    misura::ImpostaVista(VISTA_PIANTINA);
    Doc().SvuotaScena();
    Doc().ImpostaStanzaPredefinita();
    scena_di_prova::Piena(Doc());
    Doc().AzzeraStoria();
    const std::size_t nFile = Doc().Scrivi().size();

    // Recording: a piece moved, then the step; 100 of them fill the history.
    const long nPrima = Residente();
    int nPasso = 0;
    const double fRegistra = misura::MedianaMicrosecondi(
        [&] {
            SelezionaPrimo()->SetX(static_cast<float>(1 + nPasso++ % 9));
            Doc().RegistraPasso("spostamento");
        },
        PASSI - 3);
    const long nDopo = Residente();

    const double fAnnulla =
        misura::MedianaMicrosecondi([&] { Doc().Storia().Undo(); }, PASSI - 3);
    const double fRipeti =
        misura::MedianaMicrosecondi([&] { Doc().Storia().Redo(); }, PASSI - 3);

    // Copy puts both forms on the system clipboard; paste reads it back,
    // places the copy and records the step. The room is kept one short of
    // full by undoing each paste, so the undo's median is taken off.
    SelezionaPrimo();
    const double fCopia = misura::MedianaMicrosecondi([&] { Comando(ID_MODIFICA_COPIA); }, 200);
    Doc().m_Oggetti.Rimuovi(Doc().m_Oggetti.GetNumero());
    Doc().AzzeraStoria();
    const auto Incolla = [&](int nId) {
        return misura::MedianaMicrosecondi(
            [&] {
                SelezionaPrimo();
                Comando(nId);
                Doc().Storia().Undo();
            },
            200) - fAnnulla;
    };
    const double fIncolla = Incolla(ID_MODIFICA_INCOLLA);
    const double fDuplica = Incolla(ID_MODIFICA_DUPLICA);

    std::printf("fullest room: %zu bytes a state\n", nFile);
    misura::Stampa("record one step (Scrivi, compare, store)", fRegistra);
    misura::Stampa("undo one step", fAnnulla);
    misura::Stampa("redo one step", fRipeti);
    misura::Stampa("copy (both clipboard forms)", fCopia);
    misura::Stampa("paste (clipboard read, place, record)", fIncolla);
    misura::Stampa("duplicate (place, record)", fDuplica);
    std::printf("targets: undo or redo <= 1000 us, copy or paste <= 1000 us, record <= 500 us\n");
    std::printf("%d steps: %zu KB of states, resident memory grew by %ld KB\n", PASSI,
                (PASSI + 1) * nFile / 1024, nDopo - nPrima);
    Doc().SvuotaScena();
    Doc().AzzeraStoria();
    misura::ChiudiApplicazione();
    return 0;
}

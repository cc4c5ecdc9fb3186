// Undo history and clipboard on the fullest room (255 furnishings, 8
// lights): recording a step, one undo and one redo, copy and paste, and the
// memory 100 steps take. Median microseconds; each operation is checked to
// have done its work (step recorded, room back to its state, clipboard
// filled, piece added), or the run fails.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "app/Appunti.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <cstdio>
#include <unistd.h>

namespace
{
constexpr int PASSI = CStoria::MASSIMO_PASSI;

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

    std::printf("fullest room: %zu bytes a state\n", nFile);
    // Recording: a piece moved, then the step; 100 of them fill the history.
    // State k of the history has the newest piece at X0 (k = 0) or at
    // 1 + (k - 1) % 9: each undo and redo is checked to reach its state.
    const float fX0 = SelezionaPrimo()->GetX();
    const auto XDelPasso = [fX0](int k) { return k ? static_cast<float>(1 + (k - 1) % 9) : fX0; };
    int nStato = 0;
    const auto Controlla = [&](const char* pPasso) {
        COggetto* p = nullptr;
        Doc().m_Oggetti.GetElemento(1, p);
        if (!p || p->GetX() != XDelPasso(nStato))
            misura::Fallisci(std::string(pPasso) + " did not reach its state of the room");
    };
    const long nPrima = Residente();
    const double fRegistra = misura::MedianaMicrosecondi(
        [&] {
            SelezionaPrimo()->SetX(XDelPasso(++nStato));
            Doc().RegistraPasso("spostamento");
        },
        PASSI - 3, 3, [&] {
            if (!Doc().Storia().CanUndo() || Doc().Storia().CanRedo())
                misura::Fallisci("the step was not recorded");
        });
    const long nDopo = Residente();
    misura::Stampa("record one step (Scrivi, compare, store)", fRegistra);
    misura::Stampa("undo one step", misura::MedianaMicrosecondi(
                                        [&] { Doc().Storia().Undo(), --nStato; }, PASSI - 3, 3,
                                        [&] { Controlla("undo"); }));
    misura::Stampa("redo one step", misura::MedianaMicrosecondi(
                                        [&] { Doc().Storia().Redo(), ++nStato; }, PASSI - 3, 3,
                                        [&] { Controlla("redo"); }));

    // Copy puts both forms on the system clipboard; paste reads it back,
    // places the copy and records the step. The room is kept one short of
    // full by undoing each paste, untimed.
    SelezionaPrimo();
    misura::Stampa("copy (both clipboard forms)",
                   misura::MedianaMicrosecondi([&] { Comando(ID_MODIFICA_COPIA); }, 200, 3, [&] {
                       std::vector<std::uint8_t> dati;
                       if (!LeggiDagliAppunti(dati) || dati != Doc().CopiaSelezionato())
                           misura::Fallisci("copy left the clipboard without the piece");
                   }));
    Doc().m_Oggetti.Rimuovi(Doc().m_Oggetti.GetNumero());
    Doc().AzzeraStoria();
    const int nPezzi = Doc().m_Oggetti.GetNumero();
    const auto Incolla = [&](const char* pNome, int nId) {
        misura::Stampa(pNome, misura::MedianaMicrosecondi(
                                  [&] {
                                      SelezionaPrimo();
                                      Comando(nId);
                                  },
                                  200, 0, [&] {
                                      if (Doc().m_Oggetti.GetNumero() != nPezzi + 1)
                                          misura::Fallisci(std::string(pNome) + " added no piece");
                                      Doc().Storia().Undo();
                                      if (Doc().m_Oggetti.GetNumero() != nPezzi)
                                          misura::Fallisci("undo left the added piece");
                                  }));
    };
    Incolla("paste (clipboard read, place, record)", ID_MODIFICA_INCOLLA);
    Incolla("duplicate (place, record)", ID_MODIFICA_DUPLICA);

    std::printf("targets: undo or redo <= 1000 us, copy or paste <= 1000 us, record <= 500 us\n");
    std::printf("%d steps: %zu KB of states, resident memory grew by %ld KB\n", PASSI,
                (PASSI + 1) * nFile / 1024, nDopo - nPrima);
    Doc().SvuotaScena();
    Doc().AzzeraStoria();
    misura::ChiudiApplicazione();
    return 0;
}

// Placing precisely on the fullest scene (255 furnishings) at 1024 x 768:
// a plan drag step with and without the distances on screen, and one
// arrow-key move of the selected piece, each with its repaint, read back
// and checked: the piece moved, the frame drawn, the distances on it.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int RIPETIZIONI = 60;

// The first frame of a kind must be drawn, every later one equal to it.
void Fotogramma(const char* pNome, std::uint32_t& nImpronta)
{
    const misura::CFotogramma f = misura::LeggiFotogramma(1024, 768);
    if (nImpronta == 0 && (f.QuotaDisegnata() < 0.05 || f.Colori() < 8))
        misura::Fallisci(std::string(pNome) + ": the frame is not the plan of the room");
    if (nImpronta == 0)
        nImpronta = f.Impronta();
    else if (f.Impronta() != nImpronta)
        misura::Fallisci(std::string(pNome) + ": the same step painted different frames");
}

// Medians of drag steps without and with the distances, taken in turn so
// that whatever else loads the machine weighs on both alike. The piece goes
// 1 pixel right and back: the frames with the distances must differ from
// the same place drawn without them, and the piece must move.
void PassiDiTrascinamento(COggetto& pezzo, double& fSenza, double& fCon, double& fCpuSenza,
                          double& fCpuCon)
{
    CLavedoView& v = *GetLavedoView();
    v.OnRButtonDown(400, 400);
    int nPasso = 0;
    auto passo = [&](bool bQuote) {
        v.m_bQuote = bQuote;
        v.OnMouseMove(400 + (++nPasso % 2), 400);
        v.Renderizza();
        glFinish();
    };
    passo(false);  // to 401
    const float fX = pezzo.GetX();
    passo(false);  // back to 400, where the steps with the distances go
    if (pezzo.GetX() == fX)
        misura::Fallisci("the drag step did not move the piece");
    const std::uint32_t nSenzaQuote = misura::LeggiFotogramma(1024, 768).Impronta();
    std::uint32_t aImpronte[2] = {0, 0};
    std::vector<double> aSenza, aCon, aCpuSenza, aCpuCon;
    for (int i = 0; i < 3 * RIPETIZIONI; ++i)
    {
        aSenza.push_back(misura::MedianaMicrosecondi([&] { passo(false); }, 1, 0));
        aCpuSenza.push_back(misura::MedianaCpu());
        Fotogramma("drag step without distances", aImpronte[0]);
        aCon.push_back(misura::MedianaMicrosecondi([&] { passo(true); }, 1, 0));
        aCpuCon.push_back(misura::MedianaCpu());
        Fotogramma("drag step with distances", aImpronte[1]);
    }
    if (aImpronte[1] == nSenzaQuote)
        misura::Fallisci("the distances were not drawn");
    v.OnRButtonUp(400, 400);
    auto mediana = [](std::vector<double>& a) {
        std::nth_element(a.begin(), a.begin() + static_cast<long>(a.size() / 2), a.end());
        return a[a.size() / 2];
    };
    fSenza = mediana(aSenza);
    fCon = mediana(aCon);
    fCpuSenza = mediana(aCpuSenza);
    fCpuCon = mediana(aCpuCon);
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
    {
        std::fprintf(stderr, "the editor's GL window did not start\n");
        return 1;
    }
    g_pDoc->SvuotaScena();
    g_pDoc->ImpostaStanzaPredefinita();
    scena_di_prova::Piena(*g_pDoc);
    misura::ImpostaVista(VISTA_PIANTINA);
    CLavedoView& v = *GetLavedoView();
    v.m_bQuote = true;
    v.Renderizza();
    glFinish();

    // The newest piece selected, as after a pick.
    COggetto* pOggetto = nullptr;
    g_pDoc->m_Oggetti.GetElemento(1, pOggetto);
    v.m_pOggettoSelezionato = pOggetto;
    v.SetOggettoSelezionato(true);
    pOggetto->Seleziona();

    v.Renderizza();  // the first paint with distances makes the glyphs
    double fSenza = 0.0, fCon = 0.0, fCpuSenza = 0.0, fCpuCon = 0.0;
    PassiDiTrascinamento(*pOggetto, fSenza, fCon, fCpuSenza, fCpuCon);
    misura::Stampa("plan drag step, 255 furnishings, no distances", fSenza, fCpuSenza);
    misura::Stampa("plan drag step, 255 furnishings, with distances", fCon, fCpuCon);
    std::printf("ratio with / without distances: %.2f (target <= 1.2)\n", fCon / fSenza);

    // Right and Left in turn, so that the piece never reaches a wall; each
    // press must move it, and paint one of two frames.
    int nPasso = 0;
    float fPrima = pOggetto->GetX();
    std::uint32_t aImpronte[2] = {0, 0};
    const double fTasto = misura::MedianaMicrosecondi(
        [&] {
            wxKeyEvent evento(wxEVT_KEY_DOWN);
            evento.m_keyCode = ++nPasso % 2 ? WXK_RIGHT : WXK_LEFT;
            evento.m_isRepeat = false;  // wxKeyEvent leaves it unset
            evento.SetEventObject(v.GetCanvas());
            v.OnKeyDown(evento);
            v.Renderizza();
            glFinish();
        },
        RIPETIZIONI, 3, [&] {
            if ((pOggetto->GetX() > fPrima) != (nPasso % 2 == 1))
                misura::Fallisci("the arrow key did not move the piece");
            fPrima = pOggetto->GetX();
            Fotogramma("arrow-key move", aImpronte[nPasso % 2]);
        });
    misura::Stampa("arrow-key move + repaint, 255 furnishings, with distances", fTasto);
    // Within one frame at 60 Hz: a full repaint on a software renderer is
    // most of it.
    std::printf("key move: %.0f us (target under 16000 us): %s\n", fTasto,
                fTasto < 16000 ? "met" : "MISSED");
    g_pDoc->SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

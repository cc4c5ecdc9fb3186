// Placing precisely on the fullest scene (255 furnishings) at 1024 x 768:
// a plan drag step with and without the distances on screen, and one
// arrow-key move of the selected piece, each with its repaint.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr int RIPETIZIONI = 60;

// Medians of drag steps without and with the distances, taken in turn so
// that whatever else loads the machine weighs on both alike.
void PassiDiTrascinamento(double& fSenza, double& fCon)
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
    std::vector<double> aSenza, aCon;
    for (int i = 0; i < 3 * RIPETIZIONI; ++i)
    {
        aSenza.push_back(misura::MedianaMicrosecondi([&] { passo(false); }, 1, 0));
        aCon.push_back(misura::MedianaMicrosecondi([&] { passo(true); }, 1, 0));
    }
    v.OnRButtonUp(400, 400);
    auto mediana = [](std::vector<double>& a) {
        std::nth_element(a.begin(), a.begin() + static_cast<long>(a.size() / 2), a.end());
        return a[a.size() / 2];
    };
    fSenza = mediana(aSenza);
    fCon = mediana(aCon);
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
    double fSenza = 0.0, fCon = 0.0;
    PassiDiTrascinamento(fSenza, fCon);
    misura::Stampa("plan drag step, 255 furnishings, no distances", fSenza);
    misura::Stampa("plan drag step, 255 furnishings, with distances", fCon);
    std::printf("ratio with / without distances: %.2f (target <= 1.2)\n", fCon / fSenza);

    // Right and Left in turn, so that the piece never reaches a wall.
    int nPasso = 0;
    float fPrima = 0.0f;
    const double fTasto = misura::MedianaMicrosecondi(
        [&] {
            fPrima = pOggetto->GetX();
            wxKeyEvent evento(wxEVT_KEY_DOWN);
            evento.m_keyCode = ++nPasso % 2 ? WXK_RIGHT : WXK_LEFT;
            evento.m_isRepeat = false;  // wxKeyEvent leaves it unset
            evento.SetEventObject(v.GetCanvas());
            v.OnKeyDown(evento);
            v.Renderizza();
            glFinish();
        },
        RIPETIZIONI, 3, [&] {
            if (pOggetto->GetX() == fPrima)
                misura::Fallisci("an arrow key did not move the piece");
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

// One pick in 3D and one in the plan over the fullest scene (255
// furnishings), on an empty spot and on a crowded one, and one step of a
// plan drag (move plus repaint), at 1024 x 768.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <wx/dialog.h>
#include <wx/modalhook.h>

namespace
{
constexpr int RIPETIZIONI = 60;

// Answers the multiple-hit choice at once, so that a crowded pick is timed
// without a person in front of it.
class CRispostaImmediata : public wxModalDialogHook
{
protected:
    int Enter(wxDialog*) override { return wxID_CANCEL; }
    void Exit(wxDialog*) override {}
};

void Modo(int nVista)
{
    misura::ImpostaVista(nVista);
    GetLavedoView()->Renderizza();  // sets the projection of the mode
    glFinish();
}

// A point of the window where a pick hits exactly nColpi pieces (-1: more
// than one).
wxPoint CercaPunto(int nVista, int nColpi)
{
    Modo(nVista);
    CLavedoView& v = *GetLavedoView();
    for (int y = 300; y < 760; y += 7)
        for (int x = 100; x < 1000; x += 11)
        {
            v.m_nModoRender = MODO_SELEZIONE;
            v.EseguiSelezione(x, y);
            if (nColpi < 0 ? v.m_nColpiti > 1 : v.m_nColpiti == nColpi)
                return {x, y};
        }
    return {512, 384};
}

// nColpi hits expected: 0 on an empty spot, 1 where CercaPunto found one,
// -1 for "more than one" on a crowded spot.
double Selezione(int nVista, wxPoint punto, const char* pNome, int nColpiAttesi)
{
    const int x = punto.x, y = punto.y;
    Modo(nVista);
    CLavedoView& v = *GetLavedoView();
    int nColpiti = 0;
    const double f = misura::MedianaMicrosecondi(
        [&] {
            v.m_nModoRender = MODO_SELEZIONE;
            v.EseguiSelezione(x, y);
            nColpiti = v.m_nColpiti;
        },
        RIPETIZIONI);
    const std::string nome = std::string(pNome) + " (" + std::to_string(nColpiti) + " hits)";
    if (nColpiAttesi >= 0 ? nColpiti != nColpiAttesi : nColpiti < 2)
        misura::Fallisci(nome + ": not the number of hits aimed at");
    if (nColpiAttesi == 1)
    {
        // The piece found is the one under the pointer: moved out of the
        // way, the same pick finds nothing.
        COggetto* pTrovato = v.GetOggettoSelezionato();
        if (!pTrovato)
            misura::Fallisci(nome + ": the single hit selected nothing");
        const float fX = pTrovato->GetX();
        pTrovato->SetX(fX + 1000.0f);
        v.m_nModoRender = MODO_SELEZIONE;
        v.EseguiSelezione(x, y);
        pTrovato->SetX(fX);
        if (v.m_nColpiti != 0)
            misura::Fallisci(nome + ": the piece selected is not the one under the pointer");
    }
    misura::Stampa(nome, f);
    return f;
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
        misura::Fallisci("the editor's GL window could not be set up for timing");
    CRispostaImmediata risposta;
    risposta.Register();
    g_pDoc->SvuotaScena();
    g_pDoc->ImpostaStanzaPredefinita();
    scena_di_prova::Piena(*g_pDoc);

    // Empty and single-hit spots time the pick itself; on a crowded spot
    // the time also holds building the choice dialog (answered at once).
    const double f3DVuoto =
        Selezione(VISTA_3D, {512, 5}, "3D pick, 255 furnishings, empty spot", 0);
    const double f3DUno =
        Selezione(VISTA_3D, CercaPunto(VISTA_3D, 1), "3D pick, 255 furnishings", 1);
    Selezione(VISTA_3D, {512, 450}, "3D pick + choice dialog, crowded spot", -1);
    const double fPiantaVuoto =
        Selezione(VISTA_PIANTINA, {1020, 5}, "plan pick, 255 furnishings, empty spot", 0);
    const double fPiantaUno =
        Selezione(VISTA_PIANTINA, CercaPunto(VISTA_PIANTINA, 1), "plan pick, 255 furnishings", 1);
    Selezione(VISTA_PIANTINA, CercaPunto(VISTA_PIANTINA, -1), "plan pick + choice dialog, crowded spot", -1);

    // A plan drag step: the newest piece selected, the pointer moved back
    // and forth by a pixel, the whole scene painted.
    Modo(VISTA_PIANTINA);
    CLavedoView& v = *GetLavedoView();
    COggetto* pOggetto = nullptr;
    g_pDoc->m_Oggetti.GetElemento(1, pOggetto);
    v.m_pOggettoSelezionato = pOggetto;
    v.SetOggettoSelezionato(true);
    pOggetto->Seleziona();
    const float fXPrima = pOggetto->GetX();
    v.OnRButtonDown(400, 400);
    int nPasso = 0;
    const char* const pTrascina = "plan drag step (move + repaint), 255 furnishings";
    const double fTrascina = misura::MedianaMicrosecondi(
        [&] {
            v.OnMouseMove(400 + (++nPasso % 2), 400);
            v.Renderizza();
            glFinish();
        },
        RIPETIZIONI, 3, [&] {
            if (misura::LeggiFotogramma(1024, 768).QuotaDisegnata() < 0.3)
                misura::Fallisci(std::string(pTrascina) + ": the plan was not drawn");
        });
    // An odd number of steps leaves the pointer one pixel right of where it
    // pressed: the piece must have followed by one pixel's worth of metres.
    const float fSpostamento = pOggetto->GetX() - fXPrima;
    v.OnRButtonUp(400, 400);
    if (nPasso % 2 != 1 || std::fabs(fSpostamento - v.MetriPerPixel()) > 1e-3f)
        misura::Fallisci(std::string(pTrascina) + ": the piece did not follow the pointer");
    misura::Stampa(pTrascina, fTrascina);

    const double fPeggiore = std::max(std::max(f3DVuoto, f3DUno), std::max(fPiantaVuoto, fPiantaUno));
    std::printf("slowest pick: %.0f us (target under 5000 us)\n", fPeggiore);
    risposta.Unregister();
    g_pDoc->SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

// Quitting with unsaved changes as a user does: open a sample room, drag a
// piece, "&Esci", OK at the confirmation. A program of its own, as the quit
// takes away the one frame the other window tests share; under the
// sanitizers any use of the view after it is gone ends the run.
#include "Ambiente.h"
#include "Risposte.h"
#include "app/LavedoApp.h"
#include "app/LavedoDoc.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "model/Oggetto.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <wx/testing.h>

using namespace ambiente;

namespace
{
void GestoreAsserzioni(const wxString& file, int riga, const wxString& funzione,
                       const wxString& condizione, const wxString& messaggio)
{
    ADD_FAILURE() << "wx assertion at " << file << ":" << riga << " in " << funzione << ": "
                  << condizione << " " << messaggio;
}

void Mouse(wxWindow& finestra, wxEventType tipo, int x, int y)
{
    wxMouseEvent evento(tipo);
    evento.SetPosition(wxPoint(x, y));
    evento.SetEventObject(&finestra);
    finestra.GetEventHandler()->ProcessEvent(evento);
}

// Everything the window system may still send the GL window while its
// frame waits to be destroyed: a paint, a resize, pointer motion.
void EventiAllaFinestra(CCanvasGL& canvas)
{
    canvas.Refresh(false);
    canvas.Update();
    wxSizeEvent dimensione(wxSize(300, 200));
    dimensione.SetEventObject(&canvas);
    canvas.GetEventHandler()->ProcessEvent(dimensione);
    Mouse(canvas, wxEVT_RIGHT_DOWN, 100, 100);
    Mouse(canvas, wxEVT_MOTION, 120, 110);
    Mouse(canvas, wxEVT_RIGHT_UP, 120, 110);
    wxMouseCaptureLostEvent persa;
    persa.SetEventObject(&canvas);
    canvas.GetEventHandler()->ProcessEvent(persa);
}
}  // namespace

TEST(Uscita, EsciDopoAverSpostatoUnPezzo)
{
    ASSERT_TRUE(Documento().Apri("esempi/soggiorno.lav", false));
    ImpostaClient(800, 600);
    COggetto* pPezzo = nullptr;
    Documento().m_Oggetti.GetElemento(1, pPezzo);
    ASSERT_NE(pPezzo, nullptr);
    pPezzo->Seleziona();
    Vista().m_pOggettoSelezionato = pPezzo;
    Vista().SetOggettoSelezionato(true);

    // The piece is dragged through the GL window with the right button.
    CCanvasGL& canvas = *Vista().GetCanvas();
    Mouse(canvas, wxEVT_RIGHT_DOWN, 200, 200);
    Mouse(canvas, wxEVT_MOTION, 230, 220);
    Mouse(canvas, wxEVT_RIGHT_UP, 230, 220);
    Pompa();
    ASSERT_TRUE(Documento().m_bModificato);

    wxCommandEvent esci(wxEVT_MENU, wxID_EXIT);
    esci.SetEventObject(&Cornice());
    // One question, answered OK: the room is discarded and the frame goes.
    wxTEST_DIALOG(Cornice().GetEventHandler()->ProcessEvent(esci),
                  CPremiPulsante<CConfermaNuovoDlg>(wxID_OK));
    EXPECT_EQ(g_pView, nullptr);
    EXPECT_EQ(g_pDoc, nullptr);
    EXPECT_EQ(canvas.GetVista(), nullptr);
    EventiAllaFinestra(canvas);

    for (int i = 0; i < 100 && !wxTopLevelWindows.empty(); ++i)
    {
        Pompa();
        wxTheApp->ProcessIdle();
        wxMilliSleep(5);
    }
    EXPECT_TRUE(wxTopLevelWindows.empty());
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new CLavedoApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv))
        return 2;
    wxSetAssertHandler(GestoreAsserzioni);
    InizializzaGlut();
    if (!wxTheApp->CallOnInit())
        return 3;
    for (int i = 0; i < 400 && !Vista().RendiCorrente(); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    if (!Vista().IsGLPronto())
    {
        std::fprintf(stderr, "The GL window never reached the screen\n");
        return 4;
    }
    const int nRisultato = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return nRisultato;
}

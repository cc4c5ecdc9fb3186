// The end of a run: the document takes its view with it while the frame,
// and the GL window in it, can still be asked to paint (a menu closing over
// it, as "Esci" chosen from the keyboard does).
#include "Ambiente.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <gtest/gtest.h>

using namespace ambiente;

TEST(Chiusura, LaFinestraGLSopravviveAllaVista)
{
    CStatoVista* pVistaAttiva = g_pView;
    auto* pVista = new CLavedoView;
    auto* pCanvas = new CCanvasGL(&Cornice(), pVista);
    pCanvas->SetSize(20, 20, 40, 30);
    Pompa();
    delete pVista;
    g_pView = pVistaAttiva;  // a view sets and clears the global as it comes and goes

    pCanvas->Refresh();
    pCanvas->Update();
    Pompa();
    wxSizeEvent dimensione(wxSize(50, 40));
    pCanvas->GetEventHandler()->ProcessEvent(dimensione);
    wxMouseEvent clic(wxEVT_LEFT_DOWN);
    pCanvas->GetEventHandler()->ProcessEvent(clic);
    wxMouseCaptureLostEvent persa;
    pCanvas->GetEventHandler()->ProcessEvent(persa);
    pCanvas->Destroy();
    Pompa();
    EXPECT_EQ(g_pView, pVistaAttiva);
}

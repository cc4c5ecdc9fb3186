// Start-up and quit of the whole program, in a process of their own: the
// start-up with a room named on the command line, before the window reaches
// the screen, with a copy an editor left behind to offer, and the quit,
// which takes away the one frame the other window tests share. Under the
// sanitizers any use of the view after it is gone ends the run.
#include "Ambiente.h"
#include "Risposte.h"
#include "app/Comandi.h"
#include "app/LavedoApp.h"
#include "app/LavedoDoc.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "dialogs/RipristinoDlg.h"
#include "model/CopiaRecupero.h"
#include "model/Oggetto.h"
#include "model/Texture.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <wx/listbox.h>
#include <wx/testing.h>
#include <wx/xrc/xmlres.h>

using namespace ambiente;

namespace
{
// GL functions the program called with no context current.
std::set<std::string> g_chiamateSenzaContesto;

template <class F>
F Originale(F, const char* pNome)
{
    if (!glXGetCurrentContext())
        g_chiamateSenzaContesto.insert(pNome);
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, pNome));
}
}  // namespace

// The GL entry points the document and the room use, watched: each notes a
// call without a current context, then goes on to the driver.
extern "C"
{
void glEnable(GLenum n) { Originale(&glEnable, "glEnable")(n); }
void glDisable(GLenum n) { Originale(&glDisable, "glDisable")(n); }
void glLightfv(GLenum l, GLenum n, const GLfloat* p) { Originale(&glLightfv, "glLightfv")(l, n, p); }
void glMaterialf(GLenum f, GLenum n, GLfloat v) { Originale(&glMaterialf, "glMaterialf")(f, n, v); }
void glBindTexture(GLenum t, GLuint n) { Originale(&glBindTexture, "glBindTexture")(t, n); }
void glTexParameteri(GLenum t, GLenum n, GLint v)
{
    Originale(&glTexParameteri, "glTexParameteri")(t, n, v);
}
}

namespace
{
// The sample room named on the command line.
const char* const STANZA_DI_AVVIO = "esempi/cucina.lav";

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

TEST(Avvio, NessunaChiamataGLPrimaCheLaFinestraSiaSulloSchermo)
{
    EXPECT_EQ(g_chiamateSenzaContesto, std::set<std::string>{});
    // Once on screen, GL is in line with the room that was opened: its two
    // lights drive GL_LIGHT0 and GL_LIGHT1, lighting itself is off, and the
    // textures filter as the room says.
    ASSERT_EQ(Documento().GetFilename(), wxString(STANZA_DI_AVVIO));
    ASSERT_EQ(Documento().m_Luci.GetNumero(), 2);
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + n)) == GL_TRUE, n < 2) << n;
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLint nFiltro = 0;
    glBindTexture(GL_TEXTURE_2D, g_aTexture[5]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &nFiltro);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(static_cast<unsigned int>(nFiltro), Documento().m_Stanza.GetFiltroMin());
}

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

    wxCommandEvent esci(wxEVT_MENU, ID_ESCI);
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

namespace
{
// The framework's complaints, which would reach the user as message boxes.
// The framework owns the log target, so what it saw is kept outside it.
std::vector<wxString> g_erroriFramework;
class CRegistroErrori : public wxLog
{
protected:
    void DoLogTextAtLevel(wxLogLevel nLivello, const wxString& testo) override
    {
        if (nLivello <= wxLOG_Warning)
            g_erroriFramework.push_back(testo);
    }
};

// The lines the start offered of the copies editors left behind. Each copy
// is deleted, so the room named on the command line stays open.
std::vector<wxString> g_offerte;
class COffertaAllAvvio : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* pDialogo) override
    {
        auto* pElenco = dynamic_cast<wxListBox*>(pDialogo->FindWindow(XRCID("IDC_COPIE")));
        if (!dynamic_cast<CRipristinoDlg*>(pDialogo) || !pElenco)
            return wxID_NONE;
        for (unsigned int i = 0; i < pElenco->GetCount(); ++i)
            g_offerte.push_back(pElenco->GetString(i));
        wxCommandEvent evento(wxEVT_BUTTON, XRCID("IDC_ELIMINA"));
        evento.SetEventObject(pDialogo);
        pDialogo->ProcessWindowEvent(evento);
        return pDialogo->GetReturnCode();
    }
    void Exit(wxDialog*) override {}
};

// Another editor wrote a copy of the room and ended without removing it.
bool LasciaCopia(const char* pStanza)
{
    std::vector<std::uint8_t> dati;
    if (!LeggiFileIntero(pStanza, 1 << 20, dati).bRiuscito)
        return false;
    const pid_t pid = fork();
    if (pid == 0)
    {
        CCopiaRecupero altro(CCopiaRecupero::CartellaPredefinita());
        _exit(altro.ScriviOra(dati, pStanza, IdentitaFile(pStanza)).bRiuscito ? 0 : 1);
    }
    int nStato = 1;
    waitpid(pid, &nStato, 0);
    return nStato == 0;
}
}  // namespace

// The start offers the copy once, through the program's own start-up.
TEST(Avvio, LaCopiaDiUnEditorFinitoSiOffre)
{
    ASSERT_EQ(g_offerte.size(), 1u);
    EXPECT_TRUE(g_offerte[0].StartsWith("cucina.lav, ")) << g_offerte[0];
    EXPECT_TRUE(CCopiaRecupero::Abbandonate(CCopiaRecupero::CartellaPredefinita()).empty());
    EXPECT_FALSE(Documento().m_bModificato);
}

TEST(Avvio, UnaCasaCheNonEsisteNonFermaLAvvio)
{
    // The settings cannot be kept: said once, in Italian, in the status bar.
    wxFrame& cornice = Cornice();
    const wxString testo = cornice.GetStatusBar()->GetStatusText(cornice.GetStatusBarPane());
    EXPECT_TRUE(testo.StartsWith("Le impostazioni non verranno conservate")) << testo;
    EXPECT_NE(testo.Find("manca/.Lavedo"), wxNOT_FOUND) << testo;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // A home folder that does not exist, inside a temporary one: the
    // program starts all the same, creates nothing there, and never
    // touches the user's own settings.
    const CCasaTemporanea temporanea;
    if (!temporanea.IsPronta())
        return 2;
    // An editor that ended without warning left a copy of the room.
    setenv("XDG_DATA_HOME", (std::string(std::getenv("HOME")) + "/dati").c_str(), 1);
    if (!LasciaCopia(STANZA_DI_AVVIO))
        return 2;
    const std::string casa = std::string(std::getenv("HOME")) + "/manca";
    setenv("HOME", casa.c_str(), 1);
    wxApp::SetInstance(new CLavedoApp);
    int wxArgc = 2;
    char aStanza[64];
    std::snprintf(aStanza, sizeof aStanza, "%s", STANZA_DI_AVVIO);
    char* wxArgv[] = {argv[0], aStanza, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv))
        return 2;
    wxSetAssertHandler(GestoreAsserzioni);
    delete wxLog::SetActiveTarget(new CRegistroErrori);
    InizializzaGlut();
    COffertaAllAvvio offerta;
    offerta.Register();
    if (!wxTheApp->CallOnInit())
        return 3;
    const std::set<std::string> chiamate = g_chiamateSenzaContesto;
    for (int i = 0; i < 400 && (!Vista().RendiCorrente() || g_offerte.empty()); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    offerta.Unregister();
    if (!Vista().IsGLPronto())
    {
        std::fprintf(stderr, "The GL window never reached the screen\n");
        return 4;
    }
    // What the waiting above did with a context is not start-up's business.
    g_chiamateSenzaContesto = chiamate;
    int nRisultato = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    for (const wxString& errore : g_erroriFramework)
    {
        std::fprintf(stderr, "The framework complained: %s\n", errore.utf8_str().data());
        nRisultato = 1;
    }
    if (access(casa.c_str(), F_OK) == 0)
    {
        std::fprintf(stderr, "Something was created in the missing home folder\n");
        nRisultato = 1;
    }
    wxEntryCleanup();
    return nRisultato;
}

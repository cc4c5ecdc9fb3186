// Test program for everything that needs a window or GL: the real
// application starts under Xvfb, then the tests drive it.
#include "Ambiente.h"
#include "app/LavedoApp.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <wx/modalhook.h>
#include <wx/testing.h>

namespace
{
// A test that leaves a GL error behind has misused GL somewhere: name it,
// and fail the run, rather than let a later test trip over the error.
class CControlloErroriGL : public testing::EmptyTestEventListener
{
public:
    void OnTestEnd(const testing::TestInfo& test) override
    {
        for (GLenum nErrore = glGetError(); nErrore != GL_NO_ERROR; nErrore = glGetError())
        {
            std::fprintf(stderr, "GL error 0x%x left by %s.%s\n", nErrore, test.test_suite_name(),
                         test.name());
            m_bErrori = true;
        }
    }
    bool m_bErrori = false;
};

// A modal dialog no test expected would wait for a person forever: it fails
// the test and is cancelled instead. Hooks registered later (wxTEST_DIALOG,
// a test's own answers) are asked first, so only unexpected dialogs get here.
class CDialogoInatteso : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* pDialogo) override
    {
        if (ambiente::CDialogoAtteso::IsAtteso())
            return wxID_NONE;
        ADD_FAILURE() << "unexpected modal dialog \"" << pDialogo->GetTitle() << "\" ("
                      << pDialogo->GetClassInfo()->GetClassName() << ")";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

void GestoreAsserzioni(const wxString& file, int riga, const wxString& funzione,
                       const wxString& condizione, const wxString& messaggio)
{
    ADD_FAILURE() << "wx assertion at " << file << ":" << riga << " in " << funzione << ": "
                  << condizione << " " << messaggio;
}
}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The settings (window layout, last folder, recent files) go to a home
    // of the run's own: every run starts as a first start, and the user's
    // own settings are left alone.
    const ambiente::CCasaTemporanea casa;
    if (!casa.IsPronta())
        return 2;
    setenv("XDG_DATA_HOME", (std::string(std::getenv("HOME")) + "/dati").c_str(), 1);
    wxApp::SetInstance(new CLavedoApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv))
        return 2;
    ambiente::GestoreAsserzioniProgramma() = wxSetAssertHandler(GestoreAsserzioni);
    InizializzaGlut();
    if (!wxTheApp->CallOnInit())
        return 3;
    // Wait until the GL window is on screen and its context works.
    for (int i = 0; i < 400 && !ambiente::Vista().RendiCorrente(); ++i)
    {
        ambiente::Pompa();
        wxMilliSleep(5);
    }
    if (!ambiente::Vista().IsGLPronto())
    {
        fprintf(stderr, "The GL window never reached the screen\n");
        return 4;
    }
    ambiente::RegistraPrimoAvvio();
    // A right click in the plan opens a menu that waits for a person: the
    // tests that want it put their own in its place.
    ambiente::MenuPiantinaProgramma() =
        std::exchange(ambiente::Vista().m_fnMenuPiantina, [](const wxPoint&) {});
    glGetError();
    CDialogoInatteso dialogoInatteso;
    dialogoInatteso.Register();
    auto* pControllo = new CControlloErroriGL;
    testing::UnitTest::GetInstance()->listeners().Append(pControllo);
    int nRisultato = RUN_ALL_TESTS();
    if (pControllo->m_bErrori && nRisultato == 0)
        nRisultato = 1;
    dialogoInatteso.Unregister();
    if (wxWindow* pFinestra = wxTheApp->GetTopWindow())
        pFinestra->Destroy();
    ambiente::Pompa();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return nRisultato;
}

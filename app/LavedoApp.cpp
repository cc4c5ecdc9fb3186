#include "app/LavedoApp.h"

#include "app/AboutDlg.h"
#include "app/AiutoContesto.h"
#include "app/Cartelle.h"
#include "app/ConfigurazioneUtente.h"
#include "app/GestoreDocumenti.h"
#include "app/LavedoDoc.h"
#include "app/MainFrame.h"
#include "app/RigaComando.h"
#include "app/Recupero.h"
#include "model/Texture.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <malloc.h>
#include <wx/config.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/xrc/xmlres.h>

extern void InitXmlResource();

wxBEGIN_EVENT_TABLE(CLavedoApp, wxApp)
    EVT_MENU(wxID_ABOUT, CLavedoApp::OnAppAbout)
wxEND_EVENT_TABLE()

void RiferisciAsserzione(const wxString& file, int nRiga, const wxString& funzione,
                         const wxString& condizione, const wxString& messaggio)
{
    std::fprintf(stderr, "%s(%d): assert \"%s\" failed in %s(): %s\n",
                 static_cast<const char*>(file.utf8_str()), nRiga,
                 static_cast<const char*>(condizione.utf8_str()),
                 static_cast<const char*>(funzione.utf8_str()),
                 static_cast<const char*>(messaggio.utf8_str()));
    std::fflush(stderr);
}

CLavedoApp::CLavedoApp()
{
    // From the very start, in every build (the release build's start-up
    // would otherwise turn the checks off, the debug build's would show a
    // box); the tests put a handler of their own in its place.
    wxSetAssertHandler(RiferisciAsserzione);
}

void InizializzaGlut()
{
    static bool s_bFatto = false;
    if (s_bFatto)
        return;
    s_bFatto = true;
    int argc = 1;
    char nome[] = "lavedo";
    char* argv[] = {nome, nullptr};
    glutInit(&argc, argv);
}

void InizializzaRisorse()
{
    static bool s_bFatto = false;
    if (s_bFatto)
        return;
    s_bFatto = true;
    wxInitAllImageHandlers();
    // The help book is a zip archive.
    wxFileSystem::AddHandler(new wxArchiveFSHandler);
    wxXmlResource::Get()->InitAllHandlers();
    InitXmlResource();
}

wxString CLavedoApp::MessaggioTextureMancanti()
{
    if (g_aTextureMancanti.empty())
        return wxEmptyString;
    wxString elenco;
    for (const std::string& nome : g_aTextureMancanti)
        elenco += (elenco.empty() ? "" : ", ") + wxString(nome);
    const wxString cartella =
        g_sCartellaTextureLette.empty()
            ? wxString("nella cartella di lavoro")
            : "in " + wxString(g_sCartellaTextureLette.c_str(), *wxConvFileName);
    return wxString::Format(
        "Impossibile leggere %zu file di texture %s: %s.\n"
        "Le superfici che li usano saranno bianche. Reinstallare Lavedo98, oppure avviarlo "
        "dalla cartella che contiene i file tess00.ppm ... tess37.ppm.",
        g_aTextureMancanti.size(), cartella, elenco);
}

namespace
{
// The software GL driver copies every frame's vertex arrays into fresh
// buffers of some megabytes. Left to itself, glibc maps and unmaps each such
// block, and every page of it faults in again on the next frame: on a
// virtual machine that cost more than the drawing. Large blocks now come
// from the heap, and what is freed stays there for the next frame.
void TieniLaMemoriaDeiFotogrammi()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}
}  // namespace

bool CLavedoApp::OnInit()
{
    TieniLaMemoriaDeiFotogrammi();
    if (argc > 1 && argv[1].StartsWith("--"))
        return AvviaRigaComando();
    SetVendorName("Local AppWizard-Generated Applications");
    SetAppName("Lavedo");
    SetAppDisplayName("Lavedo98");
    CaricaTraduzioni();
    wxString impostazioniNonConservate;
    wxConfigBase::Set(CreaConfigurazione("Lavedo", "Local AppWizard-Generated Applications",
                                         impostazioniNonConservate));
    InizializzaRisorse();
    InizializzaGlut();
    wxHelpProvider::Set(new CAiutoContesto);
    // Started from a desktop menu the working folder is the home folder:
    // the room then reads the textures installed with the program.
    g_sCartellaTextureInstallate = std::string(CartellaDati().fn_str());

    CreaDocumento();
    auto* pGestore = static_cast<CGestoreDocumenti*>(m_pGestore);
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        pGestore->CaricaRecenti(*pConfig);

    auto* pFrame = new CMainFrame(m_pGestore);
    SetTopWindow(pFrame);
    if (!m_pGestore->CreateDocument(wxEmptyString, wxDOC_NEW) || !GetLavedoView() || !g_pDoc)
        return false;
    auto* pDoc = static_cast<CLavedoDoc*>(g_pDoc);
    pFrame->AttaccaVista(GetLavedoView()->GetCanvas());
    // A file named on the command line replaces the new room; one that
    // cannot be opened has been explained to the user, and the program ends.
    if (argc > 1 && !pDoc->Apri(argv[1], false))
        return false;

    pFrame->Show(true);
    pFrame->Raise();
    if (!impostazioniNonConservate.empty())
        pFrame->SetStatusText(impostazioniNonConservate, pFrame->GetStatusBarPane());
    CRecupero::Avvia(*pDoc);
    pDoc->m_fnFineModifiche = [](CLavedoDoc::FineModifiche fine) {
        if (CRecupero* pRecupero = CRecupero::Get())
            pRecupero->FineModifiche(fine == CLavedoDoc::DOCUMENTO_CHIUSO);
    };
    CallAfter([] {
        if (CRecupero* pRecupero = CRecupero::Get())
            pRecupero->OffriCopie();
    });
    const wxString mancanti = MessaggioTextureMancanti();
    if (!mancanti.empty())
        CallAfter([mancanti] { wxMessageBox(mancanti, "Lavedo98", wxOK | wxICON_WARNING); });
    return true;
}

void CLavedoApp::CreaDocumento()
{
    m_pGestore = new CGestoreDocumenti;
    new wxDocTemplate(m_pGestore, "Lavedo98", "*", "", "", "Lavedo98.Document",
                      "Lavedo Document", CLASSINFO(CLavedoDoc), CLASSINFO(CLavedoView));
    m_pGestore->SetMaxDocsOpen(1);
}

bool CLavedoApp::AvviaRigaComando()
{
    m_bRigaComando = true;
    wxArrayString argomenti = argv.GetArguments();
    argomenti.RemoveAt(0);
    if (RispondiSenzaFinestre(argomenti, m_nUscita))
        return true;
    // A line it could not use was answered above.
    COpzioniRiga opzioni;
    wxString errore;
    LeggiRigaComando(argomenti, opzioni, errore);
    // Settings and recent files stay as they are: nothing is written there.
    wxConfigBase::DontCreateOnDemand();
    InizializzaRisorse();
    InizializzaGlut();
    g_sCartellaTextureInstallate = std::string(CartellaDati().fn_str());
    CreaDocumento();
    static_cast<CGestoreDocumenti*>(m_pGestore)->m_bSenzaRecenti = true;
    // The view needs a frame to live in; it is never shown.
    SetTopWindow(new wxFrame(nullptr, wxID_ANY, "Lavedo98"));
    if (!m_pGestore->CreateDocument(wxEmptyString, wxDOC_NEW) || !GetLavedoView())
    {
        std::fputs("lavedo: impossibile preparare il documento.\n", stderr);
        m_nUscita = 1;
        return true;
    }
    m_nUscita = EseguiRigaComando(opzioni);
    return true;
}

int CLavedoApp::OnRun()
{
    if (m_bRigaComando)
    {
        if (wxWindow* pFinestra = GetTopWindow())
            pFinestra->Destroy();
        return m_nUscita;
    }
    return wxApp::OnRun();
}

int CLavedoApp::OnExit()
{
    if (wxConfigBase* pConfig = m_bRigaComando ? nullptr : wxConfigBase::Get())
        if (m_pGestore)
            static_cast<CGestoreDocumenti*>(m_pGestore)->SalvaRecenti(*pConfig);
    CRecupero::Termina();
    delete m_pGestore;
    m_pGestore = nullptr;
    delete wxHelpProvider::Set(nullptr);
    return wxApp::OnExit();
}

void CLavedoApp::OnAppAbout(wxCommandEvent&)
{
    CAboutDlg dlg;
    dlg.ShowModal();
}

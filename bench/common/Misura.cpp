#include "Misura.h"

#include "app/LavedoApp.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unordered_set>
#include <vector>
#include <wx/wx.h>

namespace misura
{
namespace
{
void Pompa()
{
    for (int i = 0; i < 5; ++i)
    {
        wxYield();
        wxTheApp->ProcessPendingEvents();
    }
}

double s_fMedianaCpu = 0.0;

// CPU time of the whole process (the renderer's threads included): on a
// machine shared with other work it varies far less than the wall clock.
double MicrosecondiCpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Whether GL really draws into the window: a red clear must read back red.
// A window that is not on screen, or whose paint never went through, reads
// black (or anything else) here while every GL call still "succeeds".
bool IsDisegnabile(CLavedoView& vista)
{
    if (!vista.RendiCorrente())
        return false;
    const wxSize dimensione = vista.GetCanvas()->GetClientSize();
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    GLubyte aPixel[3] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(dimensione.x / 2, dimensione.y / 2, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, aPixel);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    return aPixel[0] == 255 && aPixel[1] == 0 && aPixel[2] == 0;
}
}  // namespace

void Fallisci(const std::string& messaggio)
{
    std::fflush(stdout);
    std::fprintf(stderr, "BENCH FAILED: %s\n", messaggio.c_str());
    std::exit(1);
}

bool AvviaApplicazione(int argc, char** argv, int w, int h)
{
    // The editor writes its settings under HOME: never the user's own.
    static char s_aCasa[] = "/tmp/lavedo_bench_XXXXXX";
    if (!mkdtemp(s_aCasa))
        return false;
    setenv("HOME", s_aCasa, 1);
    wxApp::SetInstance(new CLavedoApp);
    int wxArgc = 1;
    char* wxArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit())
        return false;
    CLavedoView& vista = *GetLavedoView();
    wxFrame& cornice = *static_cast<wxFrame*>(wxTheApp->GetTopWindow());
    cornice.Show();
    cornice.Raise();
    for (int i = 0; i < 400 && !vista.RendiCorrente(); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    const wxSize attuale = vista.GetCanvas()->GetClientSize();
    const wxSize client = cornice.GetClientSize();
    cornice.SetClientSize(client.x + w - attuale.x, client.y + h - attuale.y);
    for (int i = 0; i < 100 && vista.GetCanvas()->GetClientSize() != wxSize(w, h); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    vista.OnSize(w, h);
    if (!vista.IsGLPronto())
    {
        std::fprintf(stderr, "the editor's GL window did not start\n");
        return false;
    }
    // One real paint of the canvas through the toolkit before any timing:
    // until then the GL window may not be drawn into at all.
    bool bDisegnabile = false;
    for (int i = 0; i < 200 && !bDisegnabile; ++i)
    {
        vista.GetCanvas()->Refresh(false);
        vista.GetCanvas()->Update();
        Pompa();
        bDisegnabile = IsDisegnabile(vista);
        if (!bDisegnabile)
            wxMilliSleep(10);
    }
    if (!bDisegnabile)
        std::fprintf(stderr, "the benchmark's GL window is not drawn into: a red clear "
                             "does not read back red\n");
    return bDisegnabile;
}

void ImpostaVista(int nVista)
{
    CLavedoView& v = *GetLavedoView();
    v.m_nVista = nVista;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 25.0f;
    v.m_fRotY = 30.0f;
    v.CentraEAdatta(g_pDoc->m_Stanza);
    v.RendiCorrente();
}

void ChiudiApplicazione()
{
    if (wxWindow* pFinestra = wxTheApp->GetTopWindow())
        pFinestra->Destroy();
    Pompa();
    wxTheApp->OnExit();
    wxEntryCleanup();
}

double MedianaMicrosecondi(const std::function<void()>& lavoro, int nRipetizioni,
                           int nRiscaldamento, const std::function<void()>& controllo)
{
    for (int i = 0; i < nRiscaldamento; ++i)
        lavoro();
    std::vector<double> tempi, tempiCpu;
    tempi.reserve(static_cast<size_t>(nRipetizioni));
    for (int i = 0; i < nRipetizioni; ++i)
    {
        const double fCpuInizio = MicrosecondiCpu();
        const auto inizio = std::chrono::steady_clock::now();
        lavoro();
        const auto fine = std::chrono::steady_clock::now();
        tempiCpu.push_back(MicrosecondiCpu() - fCpuInizio);
        tempi.push_back(std::chrono::duration<double, std::micro>(fine - inizio).count());
        if (controllo)
            controllo();
    }
    std::sort(tempiCpu.begin(), tempiCpu.end());
    s_fMedianaCpu = tempiCpu[tempiCpu.size() / 2];
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

std::uint32_t CFotogramma::Impronta() const
{
    std::uint32_t n = 2166136261u;
    for (const std::uint8_t b : aPixel)
        n = (n ^ b) * 16777619u;
    return n;
}

double CFotogramma::QuotaDisegnata() const
{
    std::size_t nDisegnati = 0;
    for (std::size_t i = 0; i + 2 < aPixel.size(); i += 3)
        nDisegnati += (aPixel[i] | aPixel[i + 1] | aPixel[i + 2]) != 0;
    return aPixel.empty() ? 0.0 : 3.0 * static_cast<double>(nDisegnati) / aPixel.size();
}

int CFotogramma::Colori() const
{
    std::unordered_set<std::uint32_t> colori;
    for (std::size_t i = 0; i + 2 < aPixel.size(); i += 3)
        colori.insert(aPixel[i] << 16 | aPixel[i + 1] << 8 | aPixel[i + 2]);
    return static_cast<int>(colori.size());
}

CFotogramma LeggiFotogramma(int w, int h)
{
    CFotogramma f;
    f.w = w;
    f.h = h;
    f.aPixel.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, f.aPixel.data());
    return f;
}

double MedianaDipinto(const std::string& nome, const std::function<void()>& dipingi,
                      const CAtteso& atteso, int nRipetizioni, std::uint32_t& nImpronta,
                      int nRiscaldamento)
{
    bool bPrimo = true;
    const double f = MedianaMicrosecondi(dipingi, nRipetizioni, nRiscaldamento, [&] {
        const CFotogramma fotogramma = LeggiFotogramma(atteso.w, atteso.h);
        const std::uint32_t n = fotogramma.Impronta();
        if (!bPrimo)
        {
            if (n != nImpronta)
                Fallisci(nome + ": the same scene painted twice gave different frames");
            return;
        }
        bPrimo = false;
        nImpronta = n;
        const double fQuota = fotogramma.QuotaDisegnata();
        const int nColori = fotogramma.Colori();
        char aTesto[200];
        std::snprintf(aTesto, sizeof aTesto,
                      ": the frame is not the drawing expected (%.1f%% of the pixels drawn, "
                      "need %.1f%%; %d colours, need %d)",
                      100.0 * fQuota, 100.0 * atteso.fQuotaMinima, nColori, atteso.nColoriMinimi);
        if (fQuota < atteso.fQuotaMinima || nColori < atteso.nColoriMinimi)
            Fallisci(nome + aTesto);
    });
    return f;
}

double MedianaCpu()
{
    return s_fMedianaCpu;
}

void Stampa(const std::string& nome, double fMicrosecondi)
{
    Stampa(nome, fMicrosecondi, s_fMedianaCpu);
}

void Stampa(const std::string& nome, double fMicrosecondi, double fCpu)
{
    std::printf("%-48s median %10.1f us (cpu %10.1f)\n", nome.c_str(), fMicrosecondi, fCpu);
}

void Stampa(const std::string& nome, double fMicrosecondi, std::uint32_t nImpronta)
{
    std::printf("%-48s median %10.1f us (cpu %10.1f)  frame %08x\n", nome.c_str(),
                fMicrosecondi, s_fMedianaCpu, nImpronta);
}
}  // namespace misura

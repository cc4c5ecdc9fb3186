#include "Misura.h"

#include "app/LavedoApp.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
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
}  // namespace

bool AvviaApplicazione(int argc, char** argv, int w, int h)
{
    wxApp::SetInstance(new CLavedoApp);
    int wxArgc = 1;
    char* wxArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit())
        return false;
    CLavedoView& vista = *GetLavedoView();
    for (int i = 0; i < 400 && !vista.RendiCorrente(); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    wxFrame& cornice = *static_cast<wxFrame*>(wxTheApp->GetTopWindow());
    const wxSize attuale = vista.GetCanvas()->GetClientSize();
    const wxSize client = cornice.GetClientSize();
    cornice.SetClientSize(client.x + w - attuale.x, client.y + h - attuale.y);
    for (int i = 0; i < 100 && vista.GetCanvas()->GetClientSize() != wxSize(w, h); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    vista.OnSize(w, h);
    return vista.IsGLPronto();
}

void ImpostaVista(int nVista)
{
    CLavedoView& v = *GetLavedoView();
    v.m_nVista = nVista;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 25.0f;
    v.m_fRotY = 30.0f;
    g_pDoc->CentraEAdatta();
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
                           int nRiscaldamento)
{
    for (int i = 0; i < nRiscaldamento; ++i)
        lavoro();
    std::vector<double> tempi;
    tempi.reserve(static_cast<size_t>(nRipetizioni));
    for (int i = 0; i < nRipetizioni; ++i)
    {
        const auto inizio = std::chrono::steady_clock::now();
        lavoro();
        const auto fine = std::chrono::steady_clock::now();
        tempi.push_back(std::chrono::duration<double, std::micro>(fine - inizio).count());
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

void Stampa(const std::string& nome, double fMicrosecondi)
{
    std::printf("%-48s median %10.1f us\n", nome.c_str(), fMicrosecondi);
}
}  // namespace misura

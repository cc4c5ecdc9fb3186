#include "Ambiente.h"

#include "app/LavedoDoc.h"
#include "model/Scena.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <algorithm>
#include <cmath>
#include <wx/filehistory.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace ambiente
{
void Pompa()
{
    for (int i = 0; i < 5; ++i)
    {
        wxYield();
        wxTheApp->ProcessPendingEvents();
    }
}

bool AspettaChe(const std::function<bool()>& bFatto, int nMillisecondi)
{
    const wxLongLong fine = wxGetLocalTimeMillis() + nMillisecondi;
    Pompa();
    while (!bFatto() && wxGetLocalTimeMillis() < fine)
    {
        wxMilliSleep(2);
        Pompa();
    }
    return bFatto();
}

CLavedoView& Vista()
{
    return *GetLavedoView();
}

CLavedoDoc& Documento()
{
    return *static_cast<CLavedoDoc*>(g_pDoc);
}

wxFrame& Cornice()
{
    return *static_cast<wxFrame*>(wxTheApp->GetTopWindow());
}

void ImpostaClient(int w, int h)
{
    CCanvasGL* pCanvas = Vista().GetCanvas();
    const wxSize attuale = pCanvas->GetClientSize();
    const wxSize cornice = Cornice().GetClientSize();
    Cornice().SetClientSize(cornice.x + (w - attuale.x), cornice.y + (h - attuale.y));
    for (int i = 0; i < 50 && pCanvas->GetClientSize() != wxSize(w, h); ++i)
    {
        Pompa();
        wxMilliSleep(5);
    }
    Pompa();
    Vista().OnSize(w, h);
    // The GL surface (an X window of its own) follows a little later; until
    // then a paint is clipped to its old size.
    const double f = pCanvas->GetContentScaleFactor();
    auto pronta = [&] {
        unsigned int gw = 0, gh = 0;
        Display* pDisplay = glXGetCurrentDisplay();
        const GLXDrawable superficie = glXGetCurrentDrawable();
        if (!pDisplay || !superficie)
            return true;
        glXQueryDrawable(pDisplay, superficie, GLX_WIDTH, &gw);
        glXQueryDrawable(pDisplay, superficie, GLX_HEIGHT, &gh);
        return gw == std::lround(w * f) && gh == std::lround(h * f);
    };
    if (Vista().RendiCorrente())
        AspettaChe(pronta, 1000);
}

void TogliDaiRecenti(const std::string& cartella)
{
    wxFileHistory* pStoria = Documento().GetDocumentManager()->GetFileHistory();
    for (std::size_t i = pStoria->GetCount(); i-- > 0;)
        if (pStoria->GetHistoryFile(i).StartsWith(wxString(cartella)))
            pStoria->RemoveFileFromHistory(i);
}

std::array<std::uint8_t, 3> Pixel(int x, int y)
{
    Vista().RendiCorrente();
    Vista().Renderizza();
    glFinish();
    return PixelSenzaDisegnare(x, y);
}

std::array<std::uint8_t, 3> PixelSenzaDisegnare(int x, int y)
{
    std::array<std::uint8_t, 3> p{};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

void Ripristina(int w, int h)
{
    Documento().m_bModificato = false;
    Documento().OnNewDocument();
    CLavedoView& v = Vista();
    if (v.m_nVista != VISTA_PIANTINA)
    {
        v.m_nVista = VISTA_PIANTINA;
        v.m_bImpostaProiezione = true;
    }
    v.m_fRotX = v.m_fRotY = 0.0f;
    v.m_fTraslX = v.m_fTraslY = 0.0f;
    v.m_fTraslZ = -15.0f;
    v.m_bWireframe = false;
    v.m_bAntialiasing = false;
    v.m_nModoRender = MODO_RENDER;
    // The plan's pixels without the measuring overlay, dragging without the
    // magnet: the tests of those turn them on.
    v.m_bQuote = false;
    v.m_bCalamita = false;
    ImpostaClient(w, h);
    v.RendiCorrente();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
}

CMappaPiantina MappaPiantina()
{
    CCanvasGL* pCanvas = Vista().GetCanvas();
    const double f = pCanvas->GetContentScaleFactor();
    const float w = static_cast<float>(std::lround(pCanvas->GetClientSize().x * f));
    const float h = static_cast<float>(std::lround(pCanvas->GetClientSize().y * f));
    const float W = Documento().m_Stanza.GetLarghezza(), D = Documento().m_Stanza.GetProfondita();
    const float m = MARGINE_PIANTA * static_cast<float>(f);
    const float s = std::min((w - 2 * m) / W, (h - 2 * m) / D);
    return {s, std::round((w - W * s) / 2), std::round((h - D * s) / 2), static_cast<float>(f), D, h};
}

std::array<int, 2> CMappaPiantina::Pixel(float x, float y) const
{
    return {static_cast<int>(std::floor(fX0 + x * fScala)),
            static_cast<int>(std::floor(fY0 + (fProfondita - y) * fScala))};
}

std::array<int, 2> CMappaPiantina::DallAngolo(int x, int y) const
{
    return {x + static_cast<int>(fX0), y + static_cast<int>(fY0)};
}

wxPoint CMappaPiantina::Punto(float x, float y) const
{
    return wxPoint(static_cast<int>(std::lround((fX0 + x * fScala) / fFattore)),
                   static_cast<int>(std::lround((fAltezza - fY0 - (fProfondita - y) * fScala) / fFattore)));
}

bool Vicino(const std::array<std::uint8_t, 3>& p, int r, int g, int b, int tolleranza)
{
    return std::abs(p[0] - r) <= tolleranza && std::abs(p[1] - g) <= tolleranza &&
           std::abs(p[2] - b) <= tolleranza;
}

::testing::AssertionResult ColoreA(bool bDisegna, int x, int y, int r, int g, int b)
{
    const auto p = bDisegna ? Pixel(x, y) : PixelSenzaDisegnare(x, y);
    if (Vicino(p, r, g, b, 3))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is (" << int(p[0])
                                         << ", " << int(p[1]) << ", " << int(p[2]) << ")";
}

std::function<void(const wxPoint&)>& MenuPiantinaProgramma()
{
    static std::function<void(const wxPoint&)> s_fnMenu;
    return s_fnMenu;
}

wxAssertHandler_t& GestoreAsserzioniProgramma()
{
    static wxAssertHandler_t s_pGestore = nullptr;
    return s_pGestore;
}

CCasaTemporanea::CCasaTemporanea()
{
    if (const char* p = std::getenv("HOME"))
    {
        m_vecchia = p;
        m_bVecchia = true;
    }
    char modello[] = "/tmp/lavedo_casa_XXXXXX";
    if (mkdtemp(modello))
    {
        m_percorso = modello;
        setenv("HOME", modello, 1);
    }
}

CCasaTemporanea::~CCasaTemporanea()
{
    if (m_bVecchia)
        setenv("HOME", m_vecchia.c_str(), 1);
    std::error_code errore;
    if (!m_percorso.empty())
        std::filesystem::remove_all(m_percorso, errore);
}

namespace
{
CPrimoAvvio s_PrimoAvvio;
}

void RegistraPrimoAvvio()
{
    CLavedoView& v = Vista();
    s_PrimoAvvio.aDocumento = Documento().Scrivi();
    s_PrimoAvvio.bModificato = Documento().m_bModificato;
    s_PrimoAvvio.nVista = v.m_nVista;
    s_PrimoAvvio.bLuci = v.m_bLuci;
    s_PrimoAvvio.bTextures = v.m_bTextures;
    s_PrimoAvvio.bSelezione = v.IsOggettoSelezionato();
    s_PrimoAvvio.bIlluminazioneGL = v.RendiCorrente() && glIsEnabled(GL_LIGHTING);
    s_PrimoAvvio.titolo = Cornice().GetTitle();
    s_PrimoAvvio.aCentro[0] = v.m_fCentroX;
    s_PrimoAvvio.aCentro[1] = v.m_fCentroY;
    s_PrimoAvvio.aCentro[2] = v.m_fCentroZ;
}

const CPrimoAvvio& PrimoAvvio()
{
    return s_PrimoAvvio;
}

namespace
{
int s_nDialoghiAttesi = 0;
}

CDialogoAtteso::CDialogoAtteso()
{
    ++s_nDialoghiAttesi;
}

CDialogoAtteso::~CDialogoAtteso()
{
    --s_nDialoghiAttesi;
}

bool CDialogoAtteso::IsAtteso()
{
    return s_nDialoghiAttesi > 0;
}

std::vector<std::uint8_t> BytePredefiniti()
{
    CScena s(false);
    s.ImpostaStanzaPredefinita();
    return s.Scrivi();
}
}  // namespace ambiente

// The window's first size, its remembered layout, docking the toolbars and
// where the file dialogs open.
#include "TestMouseAiuti.h"
#include "app/BarraStrumenti.h"
#include "app/Comandi.h"
#include "app/Disposizione.h"
#include "app/MainFrame.h"
#include "app/PannelloCatalogo.h"
#include "app/SceltaFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/memconf.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
CMainFrame& Frame()
{
    return dynamic_cast<CMainFrame&>(Cornice());
}

// Lets the toolbars take the shape of their new side (done while idle).
void LasciaSistemare()
{
    for (int i = 0; i < 5; ++i)
    {
        wxTheApp->ProcessIdle();
        Pompa();
    }
}

// The middle of the gripper of a bar, on the screen.
wxPoint Presa(CBarraStrumenti& barra)
{
    const wxRect primo = barra.GetToolRect(ID_VISTA_PIANTINA);
    const bool bOrizzontale = barra.GetSize().x > barra.GetSize().y;
    return barra.ClientToScreen(bOrizzontale ? wxPoint(primo.x / 2, primo.GetBottom() / 2)
                                             : wxPoint(primo.GetRight() / 2, primo.y / 2));
}

// A drag with the real pointer through the given screen points, a few
// pixels a step, released at the last.
void TrascinaIlPuntatore(std::initializer_list<wxPoint> aPunti)
{
    wxUIActionSimulator simulatore;
    wxPoint pt = *aPunti.begin();
    simulatore.MouseMove(pt);
    Attendi(50);
    simulatore.MouseDown(wxMOUSE_BTN_LEFT);
    Attendi(50);
    for (const wxPoint& meta : aPunti)
        while (pt != meta)
        {
            pt.x += std::clamp(meta.x - pt.x, -8, 8);
            pt.y += std::clamp(meta.y - pt.y, -8, 8);
            simulatore.MouseMove(pt);
            Attendi(3);
        }
    Attendi(50);
    simulatore.MouseUp(wxMOUSE_BTN_LEFT);
    Attendi(100);
    LasciaSistemare();
}

void RiportaInAlto(wxAuiManager& gestore, wxWindow* pBarra, int nPosizione)
{
    gestore.GetPane(pBarra).Dock().Top().Layer(10).Row(0).Position(nPosizione).Show();
    gestore.Update();
    LasciaSistemare();
}
}  // namespace

TEST(Disposizione, PrimoAvvioSecondoLoSchermo)
{
    struct Caso
    {
        wxRect area;
        wxRect atteso;
    };
    const Caso aCasi[] = {
        // Most of a large screen, centred.
        {{0, 0, 1600, 1200}, {120, 90, 1360, 1020}},
        // 85% would be too small for the status prompts: 1024 x 768.
        {{0, 0, 1100, 860}, {38, 46, 1024, 768}},
        // A screen smaller than that gets all of its work area.
        {{0, 30, 800, 570}, {0, 30, 800, 570}},
        // The area of a second screen, right of the first.
        {{1920, 0, 1280, 1024}, {1920 + 96, 77, 1088, 870}},
    };
    for (const Caso& c : aCasi)
        EXPECT_EQ(RettangoloIniziale(c.area), c.atteso) << c.area.x << "," << c.area.width;
}

TEST(Disposizione, FinestraRicordataSempreRaggiungibile)
{
    const std::vector<wxRect> aSchermi = {{0, 0, 1600, 1200}, {1600, 0, 1280, 1024}};
    struct Caso
    {
        wxRect salvata;
        wxRect attesa;
    };
    const Caso aCasi[] = {
        // On a screen: kept as it was.
        {{100, 50, 900, 700}, {100, 50, 900, 700}},
        {{1700, 20, 1000, 800}, {1700, 20, 1000, 800}},
        // Partly off the right edge, title still reachable: kept.
        {{1400, 100, 900, 700}, {1400, 100, 900, 700}},
        // On a screen that is gone: centred on the first.
        {{3200, 100, 900, 700}, {350, 250, 900, 700}},
        // Title bar above every screen: centred.
        {{100, -500, 900, 700}, {350, 250, 900, 700}},
        // Too small to use, or larger than its screen.
        {{10, 10, 50, 20}, {10, 10, 400, 300}},
        {{1650, 0, 4000, 3000}, {1650, 0, 1280, 1024}},
    };
    for (const Caso& c : aCasi)
        EXPECT_EQ(RettangoloRipristinato(c.salvata, aSchermi), c.attesa)
            << c.salvata.x << "," << c.salvata.y << " " << c.salvata.width;
}

TEST(Barre, LatoDoveSiAggancia)
{
    const wxRect area(100, 50, 800, 600);  // right 899, bottom 649
    struct Caso
    {
        wxPoint pt;
        int nLato;
    };
    const Caso aCasi[] = {
        {{103, 300}, wxAUI_DOCK_LEFT},   {{80, 300}, wxAUI_DOCK_LEFT},
        {{60, 300}, wxAUI_DOCK_NONE},    {{880, 300}, wxAUI_DOCK_RIGHT},
        {{500, 52}, wxAUI_DOCK_TOP},     {{500, 660}, wxAUI_DOCK_BOTTOM},
        {{500, 300}, wxAUI_DOCK_NONE},   {{131, 300}, wxAUI_DOCK_NONE},
        // Near a corner, the nearer edge.
        {{105, 60}, wxAUI_DOCK_LEFT},    {{115, 55}, wxAUI_DOCK_TOP},
        {{893, 640}, wxAUI_DOCK_RIGHT},
    };
    for (const Caso& c : aCasi)
        EXPECT_EQ(LatoDiAggancio(area, c.pt, 30), c.nLato) << c.pt.x << "," << c.pt.y;
}

TEST(Barre, LaBarraDellaVistaSiAgganciaASinistra)
{
    Ripristina();
    CMainFrame& f = Frame();
    wxAuiManager& gestore = f.GetGestoreBarre();
    CBarraStrumenti& vista = *f.m_wndVistaBar;
    wxAuiPaneInfo& pannello = gestore.GetPane(&vista);
    ASSERT_TRUE(pannello.IsOk());
    EXPECT_EQ(pannello.dock_direction, wxAUI_DOCK_TOP);
    Comando(ID_VISTA_WIREFRAMES);

    // By the gripper along the top row to the window's left edge, then
    // down along it, a few pixels inside.
    const wxPoint angolo = f.ClientToScreen(wxPoint(3, 0));
    const wxPoint presa = Presa(vista);
    TrascinaIlPuntatore({presa, wxPoint(angolo.x, presa.y), wxPoint(angolo.x, presa.y + 300)});

    EXPECT_FALSE(gestore.GetPane(&vista).IsFloating());
    EXPECT_EQ(gestore.GetPane(&vista).dock_direction, wxAUI_DOCK_LEFT);
    // Upright, left of the view, which keeps the rest of the window.
    const wxRect barra = vista.GetScreenRect();
    const wxRect canvas = Vista().GetCanvas()->GetScreenRect();
    EXPECT_GT(barra.height, 3 * barra.width);
    EXPECT_LE(barra.GetRight(), canvas.GetLeft());
    EXPECT_GT(canvas.width, f.GetClientSize().x - 2 * barra.width - f.GetCatalogo().GetSize().x);
    // The buttons keep their order and their state.
    const wxRect piantina = vista.GetToolRect(ID_VISTA_PIANTINA);
    const wxRect centra = vista.GetToolRect(ID_VISTA_CENTRA);
    EXPECT_LT(piantina.GetBottom(), centra.GetTop());
    EXPECT_EQ(piantina.x, centra.x);
    vista.UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_WIREFRAMES));
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_PIANTINA));
    // The view has taken its new size.
    EXPECT_EQ(Vista().m_fLarghezzaFinestra, static_cast<float>(canvas.width));

    Comando(ID_VISTA_WIREFRAMES);

    // Dropped over the view it floats, in a row; from there, back to the
    // top edge.
    const wxPoint centro = Vista().GetCanvas()->GetScreenRect().GetPosition() + wxPoint(300, 200);
    TrascinaIlPuntatore({Presa(vista), centro});
    EXPECT_TRUE(gestore.GetPane(&vista).IsFloating());
    EXPECT_GT(vista.GetSize().x, 3 * vista.GetSize().y);
    TrascinaIlPuntatore({Presa(vista), f.ClientToScreen(wxPoint(300, 5))});
    EXPECT_FALSE(gestore.GetPane(&vista).IsFloating());
    EXPECT_EQ(gestore.GetPane(&vista).dock_direction, wxAUI_DOCK_TOP);
    EXPECT_GT(vista.GetSize().x, 3 * vista.GetSize().y);
    RiportaInAlto(gestore, &vista, 1);
}

TEST(Disposizione, LaDisposizioneTornaAlRiavvio)
{
    Ripristina();
    CMainFrame& f = Frame();
    wxAuiManager& gestore = f.GetGestoreBarre();
    const wxRect prima = f.GetRect();

    // The view bar on the left, the file bar hidden, the catalogue on the
    // right, wider, then saved.
    gestore.GetPane(f.m_wndVistaBar).Left().Row(0).Position(0);
    gestore.GetPane(f.m_wndToolBar).Hide();
    gestore.GetPane(&f.GetCatalogo()).Right().BestSize(290, 300);
    gestore.Update();
    LasciaSistemare();
    // Widened by its edge: the dock's size changes, not the size it asked.
    gestore.GetPane(&f.GetCatalogo()).BestSize(CPannelloCatalogo::Pannello().best_size);
    wxMemoryConfig config;
    SalvaDisposizione(config, f, gestore);
    EXPECT_EQ(config.ReadLong("/Finestra/Larghezza", 0), prima.width);
    EXPECT_FALSE(config.ReadBool("/Finestra/Massimizzata", true));

    // Back as at a first start, then the saved layout again.
    RiportaInAlto(gestore, f.m_wndVistaBar, 1);
    RiportaInAlto(gestore, f.m_wndToolBar, 0);
    CaricaDisposizione(config, f, gestore);
    LasciaSistemare();
    EXPECT_EQ(gestore.GetPane(f.m_wndVistaBar).dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_GT(f.m_wndVistaBar->GetSize().y, 3 * f.m_wndVistaBar->GetSize().x);
    EXPECT_FALSE(gestore.GetPane(f.m_wndToolBar).IsShown());
    EXPECT_FALSE(StatoComando(ID_BARRA_STRUMENTI).bSpuntato);
    EXPECT_EQ(gestore.GetPane(&f.GetCatalogo()).dock_direction, wxAUI_DOCK_RIGHT);
    {
        // A new start: a frame whose docks have no size yet.
        wxFrame nuova(nullptr, wxID_ANY, "prova");
        wxAuiManager gestoreNuovo(&nuova);
        auto* pCatalogo = new wxPanel(&nuova);
        gestoreNuovo.AddPane(pCatalogo, CPannelloCatalogo::Pannello());
        gestoreNuovo.AddPane(new wxPanel(&nuova), wxAuiPaneInfo().CentrePane());
        CaricaDisposizione(config, nuova, gestoreNuovo);
        EXPECT_NEAR(pCatalogo->GetSize().x, 290, 4);
        gestoreNuovo.UnInit();
    }

    // The catalogue hidden by its command stays hidden.
    Comando(ID_VISTA_CATALOGO);
    EXPECT_FALSE(StatoComando(ID_VISTA_CATALOGO).bSpuntato);
    SalvaDisposizione(config, f, gestore);
    gestore.GetPane(&f.GetCatalogo()) = CPannelloCatalogo::Pannello().Window(&f.GetCatalogo());
    CaricaDisposizione(config, f, gestore);
    EXPECT_FALSE(f.GetCatalogo().IsShown());
    Comando(ID_VISTA_CATALOGO);
    EXPECT_TRUE(StatoComando(ID_VISTA_CATALOGO).bSpuntato);
    EXPECT_TRUE(f.GetCatalogo().IsShown());

    // A damaged entry moves nothing.
    RiportaInAlto(gestore, f.m_wndVistaBar, 1);
    config.Write("/Finestra/BarraVista", "name=BarraVista;dir=99;state=0");
    CaricaDisposizione(config, f, gestore);
    EXPECT_EQ(gestore.GetPane(f.m_wndVistaBar).dock_direction, wxAUI_DOCK_TOP);
    EXPECT_TRUE(gestore.GetPane(f.m_wndVistaBar).IsToolbar());

    RiportaInAlto(gestore, f.m_wndToolBar, 0);
    gestore.GetPane(&f.GetCatalogo()) = CPannelloCatalogo::Pannello().Window(&f.GetCatalogo());
    gestore.Update();
    f.SetSize(prima);
    Ripristina();
}

namespace
{
// Reads what the real file dialog is opened with, then cancels it.
class CLeggiDialogoFile : public wxExpectModalBase<wxFileDialog>
{
public:
    CLeggiDialogoFile(wxString& filtro, wxString& cartella) : m_filtro(filtro), m_cartella(cartella)
    {
    }

protected:
    int OnInvoked(wxFileDialog* pDialogo) const override
    {
        m_filtro = pDialogo->GetWildcard();
        m_cartella = pDialogo->GetDirectory();
        return wxID_CANCEL;
    }

private:
    wxString& m_filtro;
    wxString& m_cartella;
};
}  // namespace

TEST(SceltaFile, FiltriECartellaDellUltimoFile)
{
    wxConfigBase& config = *wxConfigBase::Get();
    config.DeleteEntry("/Impostazioni/UltimaCartella");
    scelta_file::g_fnAprire = nullptr;
    scelta_file::g_fnSalvare = nullptr;
    // A first start opens among the sample rooms (here: the source tree's).
    const wxString esempi = wxFileName::DirName(wxFileName::GetCwd() + "/esempi").GetPath();
    EXPECT_EQ(CartellaIniziale(), esempi);
    wxString filtro, cartella;
    wxTEST_DIALOG(EXPECT_TRUE(ScegliFileDaAprire().empty()), CLeggiDialogoFile(filtro, cartella));
    EXPECT_EQ(filtro, "Stanze di Lavedo98 (*.lav)|*.lav|Tutti i file (*)|*");
    EXPECT_EQ(cartella, esempi);

    // The folder of the file chosen last, by either dialog.
    const wxString altrove = wxFileName::GetTempDir();
    scelta_file::g_fnSalvare = [&](const wxString&) {
        return altrove + "/stanza senza estensione";
    };
    EXPECT_EQ(ScegliFileDaSalvare("Lavedo"), altrove + "/stanza senza estensione");
    scelta_file::g_fnSalvare = nullptr;
    EXPECT_EQ(CartellaIniziale(), altrove);
    wxTEST_DIALOG(ScegliFileDaSalvare("Lavedo"), CLeggiDialogoFile(filtro, cartella));
    EXPECT_EQ(cartella, altrove);
    EXPECT_EQ(filtro, FILTRO_FILE);

    // A folder that has gone: the samples again.
    config.Write("/Impostazioni/UltimaCartella", wxString::FromUTF8("/nessuna/cartella/cos\u00ec"));
    EXPECT_EQ(CartellaIniziale(), esempi);
    config.DeleteEntry("/Impostazioni/UltimaCartella");
}

// The help book, and context help on the windows and toolbar buttons.
#include "TestMouseAiuti.h"
#include "app/AiutoContesto.h"
#include "app/BarraStrumenti.h"
#include "app/Cartelle.h"
#include "app/Comandi.h"
#include "app/Guida.h"
#include "app/MainFrame.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <libintl.h>
#include <wx/html/helpwnd.h>
#include <wx/treectrl.h>
#include <vector>
#include <wx/evtloop.h>
#include <wx/filesys.h>
#include <wx/bookctrl.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/regex.h>
#include <wx/statusbr.h>
#include <wx/testing.h>
#include <wx/timer.h>
#include <wx/sstream.h>

#include <vector>

using namespace ambiente;
using namespace aiuti;

namespace
{
CMainFrame& Frame()
{
    return dynamic_cast<CMainFrame&>(Cornice());
}

wxString LeggiPagina(wxFileSystem& fs, const wxString& url)
{
    std::unique_ptr<wxFSFile> pFile(fs.OpenFile(url));
    if (!pFile)
        return wxString();
    wxString testo;
    wxStringOutputStream uscita(&testo, wxConvUTF8);
    pFile->GetStream()->Read(uscita);
    return testo;
}

// Every command's menu text without mnemonic, accelerator and trailing dots
// (the recent files are not commands).
void TestiDelleVoci(const wxMenu& menu, wxArrayString& testi)
{
    for (const wxMenuItem* p : menu.GetMenuItems())
    {
        if (p->IsSubMenu())
            TestiDelleVoci(*p->GetSubMenu(), testi);
        else if (!p->IsSeparator() && (p->GetId() < wxID_FILE1 || p->GetId() > wxID_FILE9))
        {
            wxString testo = wxMenuItem::GetLabelText(p->GetItemLabel());
            while (testo.EndsWith("."))
                testo.RemoveLast();
            testi.Add(testo);
        }
    }
}
}  // namespace

TEST(Guida, OgniPaginaElencataEsisteConImmaginiEAncore)
{
    ASSERT_FALSE(FileGuida().empty()) << "the build leaves lavedo98.htb next to the tests";
    CGuida guida(&Cornice(), FileGuida());
    ASSERT_TRUE(guida.Carica());
    const wxHtmlHelpData& dati = *guida.GetController().GetHelpData();
    ASSERT_EQ(dati.GetBookRecArray().size(), 1u);
    EXPECT_NE(dati.GetBookRecArray()[0].GetTitle().Find("Guida"), wxNOT_FOUND);
    const wxHtmlHelpDataItems& sommario = dati.GetContentsArray();
    const wxHtmlHelpDataItems& indice = dati.GetIndexArray();
    EXPECT_GE(sommario.GetCount(), 15u);
    EXPECT_GE(indice.GetCount(), 40u);

    wxFileSystem fs;
    wxRegEx immagine("<img src=\"([^\"]+)\"", wxRE_ICASE);
    int nImmagini = 0;
    for (const wxHtmlHelpDataItems* pElenco : {&sommario, &indice})
        for (size_t nVoce = 0; nVoce < pElenco->GetCount(); ++nVoce)
        {
            const wxHtmlHelpDataItem& voce = pElenco->Item(nVoce);
            const wxString pagina = voce.book->GetFullPath(voce.page.BeforeFirst('#'));
            const wxString testo = LeggiPagina(fs, pagina);
            ASSERT_FALSE(testo.empty()) << voce.name << " -> " << voce.page;
            // Accents arrive whole: the book is read as UTF-8.
            EXPECT_EQ(voce.name.Find(wxUniChar(0xFFFD)), wxNOT_FOUND) << voce.name;
            if (voce.page.Contains("#"))
            {
                EXPECT_NE(testo.Find("name=\"" + voce.page.AfterFirst('#') + "\""), wxNOT_FOUND)
                    << voce.page;
            }
            wxString resto = testo;
            while (immagine.Matches(resto))
            {
                const wxString src = immagine.GetMatch(resto, 1);
                std::unique_ptr<wxFSFile> pImmagine(fs.OpenFile(voce.book->GetFullPath(src)));
                EXPECT_TRUE(pImmagine) << src << " in " << voce.page;
                ++nImmagini;
                size_t nInizio = 0, nLunghezza = 0;
                immagine.GetMatch(&nInizio, &nLunghezza);
                resto = resto.Mid(nInizio + nLunghezza);
            }
        }
    EXPECT_GT(nImmagini, 0);

    // Every menu command has its entry in the index (undo and redo named
    // as with nothing done yet).
    Ripristina();
    wxArrayString comandi;
    const wxMenuBar& barra = *Cornice().GetMenuBar();
    for (size_t i = 0; i < barra.GetMenuCount(); ++i)
        TestiDelleVoci(*barra.GetMenu(i), comandi);
    EXPECT_GE(comandi.size(), 20u);
    for (const wxString& comando : comandi)
    {
        bool bTrovato = false;
        for (size_t nVoce = 0; nVoce < indice.GetCount(); ++nVoce)
            bTrovato = bTrovato || indice.Item(nVoce).name.StartsWith(comando);
        EXPECT_TRUE(bTrovato) << comando;
    }
}

TEST(Guida, LibroMancanteSpiegatoAllUtente)
{
    CGuida guida(&Cornice(), "/nessuna/cartella/lavedo98.htb");
    bool bMostrata = true;
    wxTEST_DIALOG(bMostrata = guida.MostraArgomenti(), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_FALSE(bMostrata);
}

TEST(AiutoContesto, OgniPuntoDelleBarreHaIlSuoAiuto)
{
    Ripristina();
    const CBarraStrumenti& vista = *Frame().m_wndVistaBar;
    const CBarraStrumenti& file = *Frame().m_wndToolBar;
    auto centro = [](const CBarraStrumenti& barra, int nId) {
        return barra.ClientToScreen(barra.GetToolRect(nId).GetPosition() +
                                    barra.GetToolRect(nId).GetSize() / 2);
    };
    struct Caso
    {
        const CBarraStrumenti* pBarra;
        int nId;
        const char* pNome;  // what the help must name
    };
    const Caso aCasi[] = {
        {&file, wxID_SAVE, "Salva"},
        {&vista, ID_VISTA_PIANTINA, "Piantina"},
        {&vista, ID_VISTA_SELEZIONA, "Seleziona"},  // after the first separator
        {&vista, ID_VISTA_CENTRA, "Centra"},        // the last button
    };
    for (const Caso& c : aCasi)
    {
        const wxPoint pt = centro(*c.pBarra, c.nId);
        EXPECT_EQ(c.pBarra->PulsanteInPunto(pt), c.nId) << c.pNome;
        const wxString aiuto = c.pBarra->GetHelpTextAtPoint(pt, wxHelpEvent::Origin_HelpButton);
        EXPECT_TRUE(aiuto.StartsWith(c.pNome)) << aiuto;
        EXPECT_GT(aiuto.length(), strlen(c.pNome) + 20) << aiuto;
    }
    // Between buttons and on the gripper: the bar's own help.
    const wxRect luci = vista.GetToolRect(ID_VISTA_LUCI);
    const wxPoint separatore = vista.ClientToScreen(wxPoint(luci.x - 3, luci.y + luci.height / 2));
    const wxPoint maniglia = vista.ClientToScreen(wxPoint(2, 2));
    for (const wxPoint& pt : {separatore, maniglia})
    {
        EXPECT_EQ(vista.PulsanteInPunto(pt), wxID_NONE);
        EXPECT_TRUE(vista.GetHelpTextAtPoint(pt, wxHelpEvent::Origin_HelpButton)
                        .StartsWith("Barra della vista"));
    }
}

// Shift+F1 as the user presses it, then the next click or key, whatever came
// between (the last tip still open, a menu that takes the mouse): the mode
// ends there, shows the help of what was clicked and gives the mouse back.
// Real input, sent from a timer: the mode may hold the test in a loop of its
// own. A mode still on after the steps is ended by a key sent to the frame,
// so that a fault fails the test instead of hanging it.
namespace
{
// Counts the releases of the left button that reach the program.
struct CRilasci : wxEventFilter
{
    int n = 0;
    CRilasci() { wxEvtHandler::AddFilter(this); }
    ~CRilasci() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& event) override
    {
        n += event.GetEventType() == wxEVT_LEFT_UP;
        return Event_Skip;
    }
};
}  // namespace

TEST(AiutoContesto, MaiuscF1PoiIlClicOUnTasto)
{
    // nTasto 0: a click on button nId (wxID_NONE: the file bar's gripper);
    // -1: the window system takes the mouse away, as the toolkit hears it.
    struct Passo { int nTasto, nModificatori, nId; };
    struct Caso { const char* pNome; std::vector<Passo> aPassi; const char* pAiuto; };
    const Passo f1 = {WXK_F1, wxMOD_SHIFT, 0}, esc = {WXK_ESCAPE, 0, 0};
    const Passo maniglia = {0, 0, wxID_NONE}, centra = {0, 0, ID_VISTA_CENTRA};
    const Caso aCasi[] = {
        {"a button", {f1, centra}, "Centra"},
        {"the gripper", {f1, maniglia}, "Barra degli strumenti"},
        {"the last tip still open", {f1, centra, f1, {0, 0, ID_VISTA_SELEZIONA}}, "Seleziona"},
        {"Escape", {f1, esc}, nullptr},
        {"Escape on the tip", {f1, centra, esc}, "Centra"},
        {"a menu opened by its key", {f1, {'f', wxMOD_ALT, 0}, esc, maniglia}, nullptr},
        {"the mouse taken away", {f1, {-1, 0, 0}, maniglia}, nullptr},
    };
    CMainFrame& f = Frame();
    CAiutoContesto& aiuto = *CAiutoContesto::Get();
    const std::string testoModo = "Selezionare un oggetto su cui si desiderano informazioni";
    wxGUIEventLoop ciclo;
    wxEventLoopActivator attivo(&ciclo);
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        Ripristina();
        aiuto.ChiudiSuggerimento();
        const wxString aiutoPrima = aiuto.GetUltimoAiuto();
        wxUIActionSimulator simulatore;
        simulatore.MouseMove(SulloSchermo(300, 300));
        Vista().GetCanvas()->SetFocus();
        Attendi(50);
        size_t nPasso = 0;
        int nAttese = 0;
        std::string testoInModo, testoDopo;
        bool bCursore = false, bCatturato = true, bFatto = false, bSuggerimento = false;
        CRilasci rilasci;
        int nRilasciPrima = 0;
        wxTimer timer;
        timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            const std::string testo = f.m_wndStatusBar->GetStatusText(0).utf8_string();
            const bool bDopoF1 = nPasso > 0 && c.aPassi[nPasso - 1].nTasto == WXK_F1;
            if (bDopoF1 && testo != testoModo && ++nAttese < 40)
                return;  // the mode is not on yet
            // A click is over once its release has arrived (the toolkit holds
            // the mouse until then) and, on a button, its tip is up.
            const Passo* pPrima = nPasso > 0 ? &c.aPassi[nPasso - 1] : nullptr;
            if (pPrima && pPrima->nTasto == 0 &&
                (rilasci.n == nRilasciPrima ||
                 (pPrima->nId != wxID_NONE && !aiuto.IsSuggerimentoAperto())) &&
                ++nAttese < 40)
                return;
            if (nPasso == 1)
            {
                testoInModo = testo;
                bCursore = f.GetCursor().IsOk();
            }
            if (nPasso < c.aPassi.size())
            {
                const Passo& p = c.aPassi[nPasso++];
                nAttese = 0;
                wxWindow* pCattura = wxWindow::GetCapture();
                if (p.nTasto < 0 && pCattura)
                    pCattura->GTKReleaseMouseAndNotify();
                else if (p.nTasto > 0)
                    simulatore.Char(p.nTasto, p.nModificatori);
                else if (p.nTasto == 0)
                {
                    nRilasciPrima = rilasci.n;
                    const bool bManiglia = p.nId == wxID_NONE;
                    const CBarraStrumenti& barra = bManiglia ? *f.m_wndToolBar : *f.m_wndVistaBar;
                    const wxRect r = bManiglia ? wxRect(1, 1, 3, 3) : barra.GetToolRect(p.nId);
                    simulatore.MouseMove(barra.ClientToScreen(r.GetPosition() + r.GetSize() / 2));
                    simulatore.MouseClick();
                }
                return;
            }
            if (++nAttese < 5)
                return;
            timer.Stop();
            testoDopo = testo;
            bCatturato = f.HasCapture();
            bSuggerimento = aiuto.IsSuggerimentoAperto();
            wxKeyEvent tasto(wxEVT_KEY_DOWN);
            tasto.SetEventObject(&f);
            if (testo == testoModo)
                f.GetEventHandler()->ProcessEvent(tasto);
            bFatto = true;
        });
        timer.Start(80);
        for (int i = 0; i < 1500 && !bFatto; ++i)
            Attendi(10);
        ASSERT_TRUE(bFatto);
        EXPECT_EQ(testoInModo, testoModo);
        EXPECT_TRUE(bCursore);
        EXPECT_EQ(testoDopo, "Per informazioni, premere F1");
        EXPECT_FALSE(bCatturato);
        if (c.pAiuto)
            EXPECT_TRUE(aiuto.GetUltimoAiuto().StartsWith(c.pAiuto)) << aiuto.GetUltimoAiuto();
        else
            EXPECT_EQ(aiuto.GetUltimoAiuto(), aiutoPrima);
        // The tip stays until a click, or Escape.
        EXPECT_EQ(bSuggerimento, c.pAiuto && c.aPassi.back().nTasto != WXK_ESCAPE);
        aiuto.ChiudiSuggerimento();
        Attendi(30);
        EXPECT_EQ(wxWindow::GetCapture(), nullptr);
        EXPECT_FALSE(f.GetCursor().IsOk());
    }
}

TEST(Guida, IlLettoreParlaItalianoEINumeriRestanoColPunto)
{
    CGuida guida(&Cornice(), FileGuida());
    ASSERT_TRUE(guida.MostraArgomenti());
    Pompa();
    wxHtmlHelpFrame* pFinestra = guida.GetController().GetFrame();
    ASSERT_NE(pFinestra, nullptr);
    // The tabs of the framework's own help reader.
    std::vector<wxString> schede;
    std::vector<wxWindow*> daVedere = {pFinestra};
    while (!daVedere.empty())
    {
        wxWindow* p = daVedere.back();
        daVedere.pop_back();
        if (auto* pSchede = dynamic_cast<wxBookCtrlBase*>(p))
            for (std::size_t i = 0; i < pSchede->GetPageCount(); ++i)
                schede.push_back(pSchede->GetPageText(i));
        for (wxWindow* pFiglio : p->GetChildren())
            daVedere.push_back(pFiglio);
    }
    EXPECT_EQ(schede, (std::vector<wxString>{"Sommario", "Indice", "Cerca"}));
    // The contents show every title whole, those in closed books too.
    wxTreeCtrl& albero = *guida.GetController().GetHelpWindow()->GetTreeCtrl();
    albero.ExpandAll();
    Pompa();
    int nTitoli = 0;
    const std::function<void(const wxTreeItemId&)> Verifica = [&](const wxTreeItemId& voce) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId v = albero.GetFirstChild(voce, cookie); v.IsOk();
             v = albero.GetNextChild(voce, cookie))
        {
            wxRect r;
            EXPECT_TRUE(albero.GetBoundingRect(v, r, true));
            EXPECT_LE(r.GetRight(), albero.GetClientSize().x) << albero.GetItemText(v);
            ++nTitoli;
            Verifica(v);
        }
    };
    Verifica(albero.GetRootItem());
    EXPECT_GT(nTitoli, 20);
    pFinestra->Close(true);
    Pompa();
    // The toolkit's own dialogs (file and colour choosers) speak Italian
    // too, whatever the user's language; the numbers keep their point.
    EXPECT_STREQ(dgettext("gtk30", "_Cancel"), "A_nnulla");
    EXPECT_STREQ(dgettext("gtk30", "_Open"), "_Apri");
    char testo[16];
    std::snprintf(testo, sizeof testo, "%.3f", std::atof("2.5"));
    EXPECT_STREQ(testo, "2.500");
}

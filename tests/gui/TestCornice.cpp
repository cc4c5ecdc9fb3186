// The main frame: menus, toolbars, accelerators, status bar and help.
#include "Risposte.h"
#include "TestMouseAiuti.h"
#include "app/Appunti.h"
#include "app/BarraStrumenti.h"
#include "app/Cartelle.h"
#include "app/Comandi.h"
#include "app/Guida.h"
#include "app/LavedoDoc.h"
#include "app/Icona.h"
#include "app/MainFrame.h"
#include "app/Pulsanti.h"
#include "dialogs/ConfermaNuovoDlg.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
CMainFrame& Frame()
{
    return dynamic_cast<CMainFrame&>(Cornice());
}

// Ids of a menu's entries in order, 0 for a rule.
void VerificaMenu(const wxMenu& menu, std::initializer_list<int> ids)
{
    ASSERT_EQ(menu.GetMenuItemCount(), ids.size());
    size_t i = 0;
    for (int nId : ids)
    {
        const wxMenuItem* p = menu.FindItemByPosition(i++);
        if (nId == 0)
            EXPECT_TRUE(p->IsSeparator()) << i;
        else
            EXPECT_EQ(p->GetId(), nId) << i;
    }
}

void PremiTasto(int nTasto, int nModificatori = wxMOD_NONE)
{
    wxUIActionSimulator simulatore;
    simulatore.MouseMove(SulloSchermo(50, 50));
    Vista().GetCanvas()->SetFocus();
    AspettaChe([] { return wxWindow::FindFocus() == Vista().GetCanvas(); });
    simulatore.Char(nTasto, nModificatori);
    InputArrivato(simulatore);
}
}  // namespace

TEST(CorniceMenu, VociEScorciatoie)
{
    const wxMenuBar& barra = *Frame().GetMenuBar();
    ASSERT_EQ(barra.GetMenuCount(), 5u);
    const char* aTitoli[] = {"&File", "&Inserisci", "&Modifica", "&Visualizza", "&?"};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(barra.GetMenuLabel(i), aTitoli[i]);

    // File: the recent-file list sits between the two last rules.
    const wxMenu& file = *barra.GetMenu(0);
    const int aFile[] = {wxID_NEW, wxID_OPEN, wxID_SAVE, wxID_SAVEAS, ID_FILE_ESPORTA_IMMAGINE,
                         ID_FILE_ESPORTA_PIANTINA, ID_FILE_ESPORTA_MODELLO, 0, ID_FILE_STAMPA,
                         ID_FILE_ANTEPRIMA, ID_FILE_IMPOSTA_PAGINA, 0};
    for (size_t i = 0; i < WXSIZEOF(aFile); ++i)
        EXPECT_EQ(file.FindItemByPosition(i)->GetId(), aFile[i] ? aFile[i] : wxID_SEPARATOR);
    EXPECT_EQ(file.FindItemByPosition(1)->GetItemLabel(), "&Apri...\tCtrl+A");
    EXPECT_EQ(file.FindItemByPosition(8)->GetItemLabel(), "Sta&mpa...\tCtrl+P");
    EXPECT_NE(file.FindItem(wxID_FILE1), nullptr);
    const size_t nUltima = file.GetMenuItemCount() - 1;
    EXPECT_EQ(file.FindItemByPosition(nUltima)->GetId(), ID_ESCI);
    EXPECT_TRUE(file.FindItemByPosition(nUltima - 1)->IsSeparator());

    const wxMenu& inserisci = *barra.GetMenu(1);
    ASSERT_EQ(inserisci.GetMenuItemCount(), 3u);
    VerificaMenu(*inserisci.FindItemByPosition(0)->GetSubMenu(),
                 {ID_INSERISCI_SEDIA, ID_INSERISCI_TAVOLO, ID_INSERISCI_MOBILE,
                  ID_INSERISCI_PORTA_FINESTRA});
    EXPECT_EQ(inserisci.FindItemByPosition(1)->GetItemLabel(), "Dal &catalogo...\tCtrl+K");
    EXPECT_EQ(inserisci.FindItemByPosition(2)->GetId(), ID_INSERISCI_LUCE);
    VerificaMenu(*barra.GetMenu(2),
                 {ID_MODIFICA_ANNULLA, ID_MODIFICA_RIPETI, 0, ID_MODIFICA_TAGLIA, ID_MODIFICA_COPIA,
                  ID_MODIFICA_INCOLLA, ID_MODIFICA_DUPLICA, 0, ID_MODIFICA_AGGIUNGI_CATALOGO,
                  ID_MODIFICA_RIMUOVI_CATALOGO, 0, ID_MODIFICA_OGGETTO, 0, ID_MODIFICA_LUCE, 0,
                  ID_IMPOSTAZIONI});
    VerificaMenu(*barra.GetMenu(3), {ID_VISTA_3D, ID_VISTA_PIANTINA, ID_VISTA_INTERNO, 0,
                                     ID_VISTA_WIREFRAMES, ID_VISTA_ANTIALIASING, ID_VISTA_TEXTURES, 0,
                                     ID_VISTA_QUOTE, ID_VISTA_CALAMITA, 0, ID_VISTA_CATALOGO,
                                     ID_BARRA_STRUMENTI, ID_BARRA_STATO});
    VerificaMenu(*barra.GetMenu(4), {ID_GUIDA_ARGOMENTI, 0, wxID_ABOUT});
    // Accented prompts reach the status bar intact.
    EXPECT_EQ(barra.GetMenu(2)->FindItem(ID_MODIFICA_LUCE)->GetHelp(),
              wxString::FromUTF8("Imposta le proprietà dell'illuminazione"));
}

TEST(CorniceMenu, ComandiDeiDialoghiAbilitati)
{
    Ripristina();
    for (int nId : {ID_INSERISCI_SEDIA, ID_INSERISCI_TAVOLO, ID_INSERISCI_MOBILE,
                    ID_INSERISCI_PORTA_FINESTRA, ID_MODIFICA_OGGETTO, ID_INSERISCI_LUCE,
                    ID_MODIFICA_LUCE, ID_IMPOSTAZIONI})
        EXPECT_TRUE(StatoComando(nId).bAbilitato) << nId;
}

TEST(CorniceBarre, OrdineEStiliDeiPulsanti)
{
    const CBarraStrumenti& file = *Frame().m_wndToolBar;
    ASSERT_EQ(file.GetToolCount(), 3u);
    const int aFile[] = {wxID_NEW, wxID_OPEN, wxID_SAVE};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(file.FindToolByIndex(i)->GetId(), aFile[i]);
    EXPECT_EQ(file.GetToolShortHelp(wxID_OPEN), "Apri");
    EXPECT_EQ(file.GetToolLongHelp(wxID_OPEN), "Apre un documento esistente");

    struct Caso
    {
        int nId;  // 0: separator
        bool bCasella;
        const char* pTooltip;
    };
    const Caso aVista[] = {
        {ID_VISTA_PIANTINA, true, "Piantina"},   {ID_VISTA_3D, true, "Vista3D"},
        {ID_VISTA_WIREFRAMES, true, "Wireframes"}, {0, false, nullptr},
        {ID_VISTA_SELEZIONA, true, "Seleziona"}, {ID_VISTA_ELIMINA, false, "Elimina"},
        {ID_VISTA_MODIFICA, false, "Modifica"},  {0, false, nullptr},
        {ID_VISTA_LUCI, true, "Luci"},           {ID_VISTA_TEXTURES, true, "Textures"},
        {ID_VISTA_ANTIALIASING, true, "Antialiasing"}, {0, false, nullptr},
        {ID_VISTA_ROTAZIONE, true, "Rotazione"}, {ID_VISTA_CENTRA, false, "Centra"},
    };
    const CBarraStrumenti& vista = *Frame().m_wndVistaBar;
    ASSERT_EQ(vista.GetToolCount(), WXSIZEOF(aVista));
    for (size_t i = 0; i < WXSIZEOF(aVista); ++i)
    {
        const wxAuiToolBarItem* p = vista.FindToolByIndex(static_cast<int>(i));
        if (aVista[i].nId == 0)
        {
            EXPECT_EQ(p->GetKind(), wxITEM_SEPARATOR) << i;
            continue;
        }
        EXPECT_EQ(p->GetId(), aVista[i].nId) << i;
        EXPECT_EQ(p->GetKind(), aVista[i].bCasella ? wxITEM_CHECK : wxITEM_NORMAL) << i;
        EXPECT_EQ(p->GetShortHelp(), aVista[i].pTooltip) << i;
        EXPECT_FALSE(p->GetLongHelp().empty()) << i;
        EXPECT_EQ(p->GetBitmapBundle().GetDefaultSize(), wxSize(16, 15)) << i;
        // A screen at 200% gets a picture drawn at that size, not the one of
        // 100% blown up.
        const wxBitmapBundle& pulsante = p->GetBitmapBundle();
        const wxImage doppia = pulsante.GetBitmap(wxSize(32, 30)).ConvertToImage();
        const wxImage ingrandita = wxBitmapBundle::FromBitmap(pulsante.GetBitmap(wxSize(16, 15)))
                                       .GetBitmap(wxSize(32, 30))
                                       .ConvertToImage();
        ASSERT_EQ(doppia.GetSize(), wxSize(32, 30)) << i;
        EXPECT_NE(memcmp(doppia.GetData(), ingrandita.GetData(), 32 * 30 * 3), 0) << i;
    }
    // The window's icon at every size of the desktop's theme.
    const wxIconBundle icone = Frame().GetIcons();
    for (const int nLato : LATI_ICONA)
        EXPECT_EQ(icone.GetIcon(wxSize(nLato, nLato), wxIconBundle::FALLBACK_NONE).GetWidth(), nLato);
    EXPECT_EQ(vista.GetToolLongHelp(ID_VISTA_CENTRA),
              "Visualizza la stanza al centro della finestra");

    // Every picture is drawn, and no two buttons look alike.
    std::vector<wxImage> immagini;
    for (int nId : std::initializer_list<int>{wxID_NEW, wxID_OPEN, wxID_SAVE, ID_VISTA_PIANTINA, ID_VISTA_3D,
                    ID_VISTA_WIREFRAMES, ID_VISTA_SELEZIONA, ID_VISTA_ELIMINA, ID_VISTA_MODIFICA,
                    ID_VISTA_LUCI, ID_VISTA_TEXTURES, ID_VISTA_ANTIALIASING, ID_VISTA_ROTAZIONE,
                    ID_VISTA_CENTRA})
    {
        wxImage immagine = BitmapPulsante(nId).GetBitmap(wxSize(16, 15)).ConvertToImage();
        int nPieni = 0;
        for (int y = 0; y < immagine.GetHeight(); ++y)
            for (int x = 0; x < immagine.GetWidth(); ++x)
                nPieni += !immagine.IsTransparent(x, y);
        EXPECT_GT(nPieni, 20) << nId;
        for (const wxImage& altra : immagini)
            EXPECT_NE(memcmp(altra.GetData(), immagine.GetData(), 16 * 15 * 3), 0) << nId;
        immagini.push_back(immagine);
    }
}

TEST(CorniceBarre, IPulsantiSeguonoLaVista)
{
    Ripristina();
    CBarraStrumenti& vista = *Frame().m_wndVistaBar;
    Comando(ID_VISTA_WIREFRAMES);
    vista.UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_WIREFRAMES));
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_PIANTINA));
    EXPECT_FALSE(vista.GetToolToggled(ID_VISTA_3D));
    EXPECT_FALSE(vista.GetToolEnabled(ID_VISTA_TEXTURES));
    EXPECT_FALSE(vista.GetToolEnabled(ID_VISTA_ELIMINA));
    Comando(ID_VISTA_3D);
    Comando(ID_VISTA_SELEZIONA);
    vista.UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_3D));
    EXPECT_FALSE(vista.GetToolToggled(ID_VISTA_PIANTINA));
    EXPECT_TRUE(vista.GetToolEnabled(ID_VISTA_TEXTURES));
    EXPECT_TRUE(vista.GetToolToggled(ID_VISTA_SELEZIONA));
    // A pick releases "Seleziona".
    Mouse(wxEVT_LEFT_DOWN, 5, 5);
    Mouse(wxEVT_LEFT_UP, 5, 5);
    vista.UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    EXPECT_FALSE(vista.GetToolToggled(ID_VISTA_SELEZIONA));
    Comando(ID_VISTA_WIREFRAMES);
}

TEST(CorniceBarre, MostraENascondeLeBarre)
{
    Ripristina();
    CMainFrame& f = Frame();
    const int nAltezza = Vista().GetCanvas()->GetSize().y;
    // Only the file bar hides; the view bar stays.
    wxAuiManager& gestore = f.GetGestoreBarre();
    Comando(ID_BARRA_STRUMENTI);
    EXPECT_FALSE(f.m_wndToolBar->IsShown());
    EXPECT_FALSE(gestore.GetPane(f.m_wndToolBar).IsShown());
    EXPECT_TRUE(f.m_wndVistaBar->IsShown());
    EXPECT_TRUE(gestore.GetPane(f.m_wndVistaBar).IsShown());
    EXPECT_FALSE(StatoComando(ID_BARRA_STRUMENTI).bSpuntato);
    Comando(ID_BARRA_STRUMENTI);
    EXPECT_TRUE(f.m_wndToolBar->IsShown());
    EXPECT_TRUE(gestore.GetPane(f.m_wndToolBar).IsShown());
    EXPECT_TRUE(StatoComando(ID_BARRA_STRUMENTI).bSpuntato);

    // The status bar's room goes to the view and comes back.
    // (The window system lays the frame out again in its own time.)
    auto altezzaDopo = [](auto condizione) {
        for (int i = 0; i < 100 && !condizione(Vista().GetCanvas()->GetSize().y); ++i)
            Attendi(5);
        return Vista().GetCanvas()->GetSize().y;
    };
    Comando(ID_BARRA_STATO);
    EXPECT_FALSE(f.m_wndStatusBar->IsShown());
    EXPECT_FALSE(StatoComando(ID_BARRA_STATO).bSpuntato);
    EXPECT_GT(altezzaDopo([&](int h) { return h > nAltezza; }), nAltezza);
    Comando(ID_BARRA_STATO);
    EXPECT_TRUE(f.m_wndStatusBar->IsShown());
    EXPECT_EQ(altezzaDopo([&](int h) { return h == nAltezza; }), nAltezza);
    Ripristina();
}

TEST(CorniceStato, RiquadriETesti)
{
    Ripristina();
    CMainFrame& f = Frame();
    wxStatusBar& barra = *f.m_wndStatusBar;
    ASSERT_EQ(barra.GetFieldsCount(), 5);
    EXPECT_EQ(barra.GetStatusText(0), "Per informazioni, premere F1");
    const wxString nessuno = wxString("Nessun oggetto selezionato") + wxString(' ', 46);
    ASSERT_EQ(nessuno.length(), 72u);

    struct Caso
    {
        const char* pNome;  // null: no selection
        const char* pAtteso;
    };
    // Names are Windows-1252 bytes in the objects.
    const Caso aCasi[] = {
        {nullptr, nullptr},
        {"Sedia di pap\xE0", "Oggetto selezionato: Sedia di papà — x 2.00 m, y 2.00 m, 0°"},
        {"", "Oggetto selezionato:  — x 2.00 m, y 2.00 m, 0°"},
    };
    for (const Caso& c : aCasi)
    {
        Ripristina();
        if (c.pNome)
            Seleziona(Aggiungi(CATEGORIA_SEDIE, 0, c.pNome, 2.0f, 2.0f, 0.5f, 0.5f));
        f.AggiornaBarraStato();
        EXPECT_EQ(barra.GetStatusText(1), c.pAtteso ? wxString::FromUTF8(c.pAtteso) : nessuno);
    }
    // The pane keeps the width of the idle text; the others fit theirs.
    wxRect riquadro;
    ASSERT_TRUE(barra.GetFieldRect(1, riquadro));
    EXPECT_GE(riquadro.width, barra.GetTextExtent(nessuno).x);
    // Emptying the scene leaves no name of a destroyed object behind.
    Documento().OnNewDocument();
    f.AggiornaBarraStato();
    EXPECT_EQ(barra.GetStatusText(1), nessuno);
    // While idle the pane follows by itself.
    Seleziona(Aggiungi(CATEGORIA_SEDIE, 0, "Sgabello", 2.0f, 2.0f, 0.5f, 0.5f));
    wxTheApp->ProcessIdle();
    EXPECT_EQ(barra.GetStatusText(1),
              wxString::FromUTF8("Oggetto selezionato: Sgabello — x 2.00 m, y 2.00 m, 0°"));
    for (int i = 2; i < 5; ++i)
    {
        const wxString testo = barra.GetStatusText(i);
        EXPECT_TRUE(testo.empty() || testo == "MA" || testo == "NUM" || testo == "BS") << testo;
    }
}

TEST(CorniceStato, IlPromptDelPulsanteSottoIlPuntatore)
{
    Ripristina();
    CMainFrame& f = Frame();
    for (CBarraStrumenti* pBarra : {f.m_wndToolBar, f.m_wndVistaBar})
    {
        const int nId = pBarra->FindToolByIndex(int(pBarra->GetToolCount()) - 1)->GetId();
        const wxRect r = pBarra->GetToolRect(nId);
        wxMouseEvent movimento(wxEVT_MOTION);
        movimento.SetPosition(r.GetPosition() + r.GetSize() / 2);
        pBarra->GetEventHandler()->ProcessEvent(movimento);
        EXPECT_EQ(f.m_wndStatusBar->GetStatusText(0), pBarra->GetToolLongHelp(nId));
        wxMouseEvent uscita(wxEVT_LEAVE_WINDOW);
        pBarra->GetEventHandler()->ProcessEvent(uscita);
        EXPECT_EQ(f.m_wndStatusBar->GetStatusText(0), "Per informazioni, premere F1");
    }
}

TEST(CorniceTasti, AiutoNuovoETastiDiModifica)
{
    Ripristina();
    // F1, the help topics and the help index open the help browser.
    ASSERT_FALSE(FileGuida().empty()) << "no help book: F1 would only explain that";
    wxHtmlHelpController& controller = Frame().GetGuida().GetController();
    for (int nId : {0, int(ID_GUIDA_ARGOMENTI), int(ID_GUIDA_INDICE)})
    {
        if (nId == 0)
            PremiTasto(WXK_F1);
        else
            Comando(nId);
        wxHtmlHelpFrame* pGuida = controller.GetFrame();
        ASSERT_NE(pGuida, nullptr) << nId;
        EXPECT_TRUE(pGuida->IsShown()) << nId;
        EXPECT_NE(pGuida->GetTitle().Find("Guida"), wxNOT_FOUND) << pGuida->GetTitle();
        pGuida->Close();
        Pompa();
    }

    // With nothing selected, copied or done yet, the editing keys change nothing.
    using Byte = std::vector<std::uint8_t>;
    const auto SvuotaAppunti = [] {
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->Clear();
        wxTheClipboard->Close();
    };
    SvuotaAppunti();
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 2.0f, 2.0f, 0.5f, 0.5f);
    Documento().AzzeraStoria();
    Documento().SetModificato();
    std::vector<Byte> aStati = {Documento().Scrivi()};
    const int aInerti[][2] = {{'C', wxMOD_CONTROL}, {'X', wxMOD_CONTROL}, {'V', wxMOD_CONTROL},
                              {'Z', wxMOD_CONTROL}, {WXK_INSERT, wxMOD_SHIFT}, {WXK_F6, 0}};
    for (const auto& t : aInerti)
        PremiTasto(t[0], t[1]);
    EXPECT_EQ(Documento().Scrivi(), aStati[0]);
    EXPECT_EQ(Vista().m_nVista, VISTA_PIANTINA);

    // Every shortcut of the Edit menu once, the chair selected: copying
    // fills the clipboard, the room goes back to an earlier state to the
    // byte or gains a piece.
    Seleziona(pSedia);
    enum { NUOVO = -1, APPUNTI = -2 };
    const int aTasti[][3] = {
        {'C', wxMOD_CONTROL, APPUNTI},    {WXK_INSERT, wxMOD_CONTROL, APPUNTI},
        {WXK_INSERT, wxMOD_SHIFT, NUOVO}, {'D', wxMOD_CONTROL, NUOVO},
        {'X', wxMOD_CONTROL, 1},          {'V', wxMOD_CONTROL, NUOVO},
        {WXK_DELETE, wxMOD_SHIFT, 1},     {'Z', wxMOD_CONTROL, 3},
        {'Y', wxMOD_CONTROL, 1},          {WXK_BACK, wxMOD_ALT, 3},
        {'Z', wxMOD_CONTROL | wxMOD_SHIFT, 1}};
    for (const auto& t : aTasti)
    {
        SCOPED_TRACE(testing::Message() << "key " << t[0] << ", modifiers " << t[1]);
        if (t[2] == APPUNTI)
            SvuotaAppunti();
        const int nPezzi = Documento().m_Oggetti.GetNumero();
        PremiTasto(t[0], t[1]);
        const Byte stanza = Documento().Scrivi();
        if (t[2] == NUOVO)
        {
            EXPECT_EQ(Documento().m_Oggetti.GetNumero(), nPezzi + 1);
            aStati.push_back(stanza);
        }
        else
        {
            EXPECT_EQ(stanza, aStati[t[2] == APPUNTI ? aStati.size() - 1 : t[2]]);
        }
        if (t[2] == APPUNTI)
        {
            Byte appunti;
            EXPECT_TRUE(LeggiDagliAppunti(appunti) && appunti == Documento().CopiaSelezionato());
        }
    }
    EXPECT_EQ(aStati.size(), 4u);

    // Ctrl+N is "Nuovo": a modified room asks first.
    const Byte prima = Documento().Scrivi();
    wxTEST_DIALOG(PremiTasto('N', wxMOD_CONTROL), CPremiPulsante<CConfermaNuovoDlg>(wxID_CANCEL));
    EXPECT_EQ(Documento().Scrivi(), prima);
    Ripristina();
}

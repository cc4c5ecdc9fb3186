// The catalogue's pane in the running editor: its pictures, where a piece
// goes, the keyboard's way, the plan's context menu and "I miei mobili".
#include "Compila.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "app/ListaCatalogo.h"
#include "app/MainFrame.h"
#include "app/MenuPiantina.h"
#include "app/PannelloCatalogo.h"
#include "dialogs/AttributiDlg.h"
#include "model/Appunti.h"
#include "model/Catalogo.h"
#include "model/Ingombro.h"
#include "view/Miniature.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/srchctrl.h>
#include <wx/statusbr.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>

using namespace ambiente;
using namespace aiuti;

namespace
{
CPannelloCatalogo& Pannello()
{
    return dynamic_cast<CMainFrame&>(Cornice()).GetCatalogo();
}

std::size_t VoceDi(const char* pNome)
{
    const auto& voci = Pannello().GetCatalogo().GetVoci();
    for (std::size_t i = 0; i < voci.size(); ++i)
        if (std::string(pNome) == voci[i].pPezzo->GetNome())
            return i;
    ADD_FAILURE() << pNome;
    return 0;
}

int Pezzi()
{
    return Documento().m_Oggetti.GetNumero();
}

COggetto* Nuovo()
{
    COggetto* p = nullptr;
    Documento().m_Oggetti.GetElemento(1, p);
    return p;
}

// Picks at a pixel of the window as the armed "Seleziona" does: GL's own
// selection says what lies under it.
COggetto* SottoIlPixel(int x, int y)
{
    Vista().m_nModoRender = MODO_SELEZIONE;
    Vista().EseguiSelezione(x, y);
    return Vista().GetOggettoSelezionato();
}

std::string FileMiei()
{
    return CartellaDatiUtente() + "/catalogo.lav";
}

wxString Stato()
{
    return Cornice().GetStatusBar()->GetStatusText(0);
}

// The notes a test leaves in the status bar go with it.
struct CStatoRipristinato
{
    const wxString testo = Stato();
    ~CStatoRipristinato() { Cornice().SetStatusText(testo, 0); }
};
}  // namespace

// Every ready piece has a picture of its own that shows it, drawn with the
// window's toggles and room left as they were.
TEST(PannelloCatalogo, OgniPezzoHaUnaSuaImmagine)
{
    Ripristina();
    CLavedoView& v = Vista();
    v.m_bWireframe = true;
    Documento().m_Stanza.SetPareti(PARETI_NESSUNA);
    std::vector<COggetto*> pezzi;
    for (const CVoceCatalogo& voce : Pannello().GetCatalogo().GetVoci())
        if (voce.nGruppo != GRUPPO_MIEI)
            pezzi.push_back(voce.pPezzo);
    std::vector<std::vector<std::uint8_t>> immagini;
    std::string errore;
    ASSERT_TRUE(DisegnaMiniature(v, pezzi, 64, immagini, errore)) << errore;
    EXPECT_TRUE(v.m_bWireframe);
    EXPECT_FALSE(v.m_bTextures);
    EXPECT_EQ(Documento().m_Stanza.GetPareti(), PARETI_NESSUNA);
    v.m_bWireframe = false;

    std::set<std::vector<std::uint8_t>> diverse;
    for (std::size_t i = 0; i < pezzi.size(); ++i)
    {
        SCOPED_TRACE(pezzi[i]->GetNome());
        ASSERT_EQ(immagini[i].size(), 64u * 64u * 3u);
        int nPezzo = 0;
        for (std::size_t p = 0; p < immagini[i].size(); p += 3)
            for (int k = 0; k < 3; ++k)
                if (std::abs(immagini[i][p + k] - COLORE_SFONDO_MINIATURA[k]) > 12)
                {
                    ++nPezzo;
                    break;
                }
        // Filling a good part of its picture, framed with room to spare.
        EXPECT_GT(nPezzo, 64 * 64 / 12);
        EXPECT_LT(nPezzo, 64 * 64 * 9 / 10);
        diverse.insert(immagini[i]);
        EXPECT_EQ(Pannello().Miniatura(i).GetLogicalSize(), wxSize(64, 64));
    }
    EXPECT_EQ(diverse.size(), pezzi.size());
    Ripristina();
}

// Where a piece from the catalogue lands: the centre of what the view
// shows, or where it was dropped on the plan or on the floor in 3D, which
// GL's own picking confirms; an opening by the nearest wall; a drop in the
// margin within the room. Each is selected, numbered and one undo step.
TEST(PannelloCatalogo, IlPezzoVaDoveLoSiMette)
{
    struct Caso
    {
        const char* pCaso;
        const char* pPezzo;
        int nVista;
        // A room point in the plan, a pixel of the window in 3D; NAN: the
        // view's middle.
        float x, y;
        int nParete;  // an opening's wall
    };
    const Caso aCasi[] = {
        {"plan, middle", "Sedia", VISTA_PIANTINA, NAN, NAN, 0},
        {"plan, drop", "Tavolo per sei", VISTA_PIANTINA, 3.0f, 7.5f, 0},
        {"plan, round table", "Tavolo rotondo", VISTA_PIANTINA, 9.0f, 2.0f, 0},
        {"plan, margin", "Divano a tre posti", VISTA_PIANTINA, -0.3f, 10.3f, 0},
        {"3D, middle", "Credenza", VISTA_3D, NAN, NAN, 0},
        {"3D, drop", "Mobiletto basso", VISTA_3D, 520, 430, 0},
        {"3D, drop on the left", "Poltrona", VISTA_3D, 250, 380, 0},
        {"door by the north wall", "Porta", VISTA_PIANTINA, 4.0f, 0.3f, 1},
        {"door by the east wall", "Porta", VISTA_PIANTINA, 11.8f, 6.0f, 2},
        {"window by the south wall", "Finestra", VISTA_PIANTINA, 6.0f, 9.9f, 3},
        {"window by the west wall", "Portafinestra", VISTA_PIANTINA, 0.2f, 5.0f, 4},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        Ripristina();
        CLavedoView& v = Vista();
        if (c.nVista == VISTA_3D)
        {
            v.m_nVista = VISTA_3D;
            v.m_bImpostaProiezione = true;
            v.m_fRotX = 40.0f;
            v.m_fRotY = 20.0f;
        }
        Documento().AzzeraStoria();
        Pannello().GetLista()->SetFocus();  // where a double click leaves it
        const wxSize client = v.GetCanvas()->GetClientSize();
        wxPoint punto(client.x / 2, client.y / 2);
        const std::size_t nVoce = VoceDi(c.pPezzo);
        if (std::isnan(c.x))
            ASSERT_TRUE(Pannello().InserisciVoce(nVoce));
        else
        {
            punto = c.nVista == VISTA_PIANTINA
                        ? MappaPiantina().Punto(c.x, c.y)
                        : wxPoint(static_cast<int>(c.x), static_cast<int>(c.y));
            const auto dati = CodificaOggetto(*Pannello().GetCatalogo().GetVoci()[nVoce].pPezzo);
            ASSERT_TRUE(Pannello().Rilascia(dati, punto.x, punto.y));
        }

        ASSERT_EQ(Pezzi(), 1);
        COggetto* pNuovo = Nuovo();
        EXPECT_EQ(std::string(pNuovo->GetNome()), std::string(c.pPezzo) + " 1");
        EXPECT_EQ(v.GetOggettoSelezionato(), pNuovo);
        EXPECT_TRUE(pNuovo->IsSelezionato());
        EXPECT_EQ(pNuovo->GetRotazione(), 0.0f);
        EXPECT_EQ(Documento().Storia().GetCurrentCommand()->GetName(), "inserimento");
        EXPECT_EQ(wxWindow::FindFocus(), v.GetCanvas());
        const CRiquadro r = RiquadroImpronta(*pNuovo, 12, 10);
        EXPECT_TRUE(r.fMinX >= 0 && r.fMaxX <= 12 && r.fMinY >= 0 && r.fMaxY <= 10);
        // Under the pointer, unless the pointer was outside the room.
        if (c.nParete)
        {
            EXPECT_EQ(pNuovo->GetParete(), c.nParete);
        }
        else if (!(c.x < 0))
        {
            EXPECT_EQ(SottoIlPixel(punto.x, punto.y), pNuovo);
        }
        Documento().Storia().Undo();
        EXPECT_EQ(Pezzi(), 0);
    }
}

// A full room, a drop above the horizon and bytes that are no piece are
// refused and change nothing.
TEST(PannelloCatalogo, InserimentiRifiutati)
{
    const CStatoRipristinato stato;
    Ripristina();
    const auto sedia = CodificaOggetto(*Pannello().GetCatalogo().GetVoci()[VoceDi("Sedia")].pPezzo);
    Vista().m_nVista = VISTA_3D;
    EXPECT_FALSE(Pannello().Rilascia(sedia, 300, 5));
    EXPECT_TRUE(Stato().Contains("pavimento")) << Stato();
    EXPECT_FALSE(Pannello().Rilascia(std::vector<std::uint8_t>(20, 7), 300, 400));
    EXPECT_TRUE(Stato().StartsWith("Impossibile inserire")) << Stato();
    EXPECT_EQ(Pezzi(), 0);

    while (Pezzi() < CContenitori::MASSIMO_ELEMENTI)
        Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 1, 1, 1, 1);
    Documento().AzzeraStoria();
    const auto prima = Documento().Scrivi();
    wxString messaggio;
    wxTEST_DIALOG(EXPECT_FALSE(Pannello().Rilascia(sedia, 300, 400)),
                  compila::CCompila<wxMessageDialog>([&](wxMessageDialog& d) {
                      messaggio = d.GetMessage();
                      d.SetReturnCode(wxID_OK);
                  }));
    EXPECT_EQ(messaggio, CAttributiDlg::TestoStanzaPiena());
    EXPECT_EQ(Documento().Scrivi(), prima);
    EXPECT_FALSE(Documento().Storia().CanUndo());
    Ripristina();
}

// The pane by the keyboard alone: Ctrl+K to the search, the name typed,
// Down into the list, Enter; then the plan's keys turn the new piece.
TEST(PannelloCatalogo, SoloConLaTastiera)
{
    Ripristina();
    wxUIActionSimulator simulatore;
    ASSERT_TRUE(ClicSullaVista(simulatore, 50, 50));
    CListaCatalogo& lista = *Pannello().GetLista();
    simulatore.Char('k', wxMOD_CONTROL);
    ASSERT_TRUE(AspettaChe([] {
        const wxWindow* p = wxWindow::FindFocus();
        return p && (p == Pannello().GetRicerca() || p->GetParent() == Pannello().GetRicerca());
    }));
    simulatore.Text("ARMADIO tre");
    ASSERT_TRUE(AspettaChe([&] { return lista.GetItemCount() == 1; }));
    simulatore.Char(WXK_DOWN);
    ASSERT_TRUE(AspettaChe([&] { return wxWindow::FindFocus() == &lista; }));
    EXPECT_EQ(lista.GetSelection(), 0);
    simulatore.Char(WXK_RETURN);
    ASSERT_TRUE(AspettaChe([] { return Pezzi() == 1; }));
    EXPECT_STREQ(Nuovo()->GetNome(), "Armadio a tre ante 1");
    ASSERT_TRUE(AspettaChe([] { return wxWindow::FindFocus() == Vista().GetCanvas(); }));
    simulatore.Char(WXK_PAGEUP);
    EXPECT_TRUE(AspettaChe([] { return Nuovo()->GetRotazione() == 1.0f; }));
    Pannello().GetRicerca()->ChangeValue("");
    Ripristina();
}

// The plan's context menu opens on a right click that did not move, while a
// right drag still moves the piece; its entries are the main menu's. A
// piece kept in "I miei mobili" is in the file for the next start and
// leaves it only once the user confirms; a damaged file is set aside.
TEST(PannelloCatalogo, MenuDellaPiantinaEIMieiMobili)
{
    const CStatoRipristinato stato;
    Ripristina();
    std::remove(FileMiei().c_str());
    Pannello().GetRicerca()->SetValue("");
    Pannello().CaricaMiei();
    CLavedoView& v = Vista();
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia di nonna", 3, 3, 0.5f, 0.5f);
    Seleziona(pSedia);
    ASSERT_TRUE(MenuPiantinaProgramma());
    std::vector<wxPoint> aMenu;
    const auto fnMenu = v.m_fnMenuPiantina;
    v.m_fnMenuPiantina = [&](const wxPoint& p) { aMenu.push_back(p); };
    Mouse(wxEVT_RIGHT_DOWN, 300, 200);
    Mouse(wxEVT_RIGHT_UP, 300, 200);
    Trascina(false, 300, 200, 340, 200);
    v.m_nVista = VISTA_3D;
    Mouse(wxEVT_RIGHT_DOWN, 300, 200);
    Mouse(wxEVT_RIGHT_UP, 300, 200);
    v.m_nVista = VISTA_PIANTINA;
    v.m_fnMenuPiantina = fnMenu;
    EXPECT_EQ(aMenu, std::vector<wxPoint>{wxPoint(300, 200)});
    EXPECT_NEAR(pSedia->GetX(), 3 + 40 * v.MetriPerPixel(), 1e-4);
    const std::unique_ptr<wxMenu> pMenu(CreaMenuPiantina());
    for (const wxMenuItem* pVoce : pMenu->GetMenuItems())
        EXPECT_TRUE(pVoce->IsSeparator() || StatoComando(pVoce->GetId()).bGestito)
            << pVoce->GetItemLabel();
    EXPECT_TRUE(StatoComando(ID_MODIFICA_AGGIUNGI_CATALOGO).bAbilitato);

    Comando(ID_MODIFICA_AGGIUNGI_CATALOGO);
    EXPECT_TRUE(Stato().Contains("Sedia di nonna")) << Stato();
    CCatalogo riavviato;
    EXPECT_EQ(riavviato.CaricaMiei(FileMiei()), "");
    ASSERT_TRUE(riavviato.IsMio(riavviato.GetVoci().size() - 1));
    EXPECT_STREQ(riavviato.GetVoci().back().pPezzo->GetNome(), "Sedia di nonna");
    EXPECT_TRUE(StatoComando(ID_MODIFICA_RIMUOVI_CATALOGO).bAbilitato);
    for (const int nRisposta : {wxID_NO, wxID_YES})
        wxTEST_DIALOG(Comando(ID_MODIFICA_RIMUOVI_CATALOGO),
                      wxExpectModal<wxMessageDialog>(nRisposta));
    CCatalogo dopo;
    dopo.CaricaMiei(FileMiei());
    EXPECT_EQ(dopo.GetVoci().size(), riavviato.GetVoci().size() - 1);
    EXPECT_TRUE(Stato().Contains("non \u00e8 pi\u00f9")) << Stato();

    std::ofstream(FileMiei()) << "niente di buono";
    Pannello().CaricaMiei();
    EXPECT_TRUE(Stato().Contains("messo da parte")) << Stato();
    EXPECT_FALSE(std::ifstream(FileMiei()).good());
    std::remove((CartellaDatiUtente() + "/catalogo-danneggiato.lav").c_str());
    Ripristina();
}

// Inserting, editing and deleting furniture through "Attributi" and
// "Selezione oggetto", driven from the menus with real control events.
#include "Compila.h"
#include "Dialoghi.h"
#include "Risposte.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "app/MainFrame.h"
#include "dialogs/SceltaColore.h"
#include "dialogs/AttributiDlg.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "dialogs/ErroreImmissioneDlg.h"
#include "dialogs/SelezioneDlg.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

using namespace ambiente;
using namespace aiuti;

namespace
{
// Answers a modal dialog with a function of the test's.
template <class T>
using CRisposta = compila::CCompila<T>;

wxTextCtrl* Edit(wxWindow& dlg, const char* pNome) { return XRCCTRL(dlg, pNome, wxTextCtrl); }
wxChoice* Elenco(wxWindow& dlg, const char* pNome) { return XRCCTRL(dlg, pNome, wxChoice); }

// Selects an entry as the user does: the list sends its change event.
void Scegli(wxWindow& dlg, const char* pNome, int nPosizione)
{
    wxCommandEvent evento(wxEVT_CHOICE, XRCID(pNome));
    evento.SetInt(nPosizione);
    Elenco(dlg, pNome)->Command(evento);
}

void Premi(wxWindow& dlg, int nId)
{
    wxCommandEvent evento(wxEVT_BUTTON, nId);
    evento.SetEventObject(dlg.FindWindow(nId));
    dlg.ProcessWindowEvent(evento);
}

void Scrivi(wxWindow& dlg, std::initializer_list<std::pair<const char*, const char*>> testi)
{
    for (const auto& [pEdit, pTesto] : testi)
        Edit(dlg, pEdit)->SetValue(wxString::FromUTF8(pTesto));
}

// Runs an insert command, fills its dialog and presses OK; the newest piece.
COggetto* Inserisci(int nComando, const std::function<void(CAttributiDlg&)>& fnCompila)
{
    wxTEST_DIALOG(Comando(nComando), CRisposta<CAttributiDlg>([&](CAttributiDlg& dlg) {
                      fnCompila(dlg);
                      Premi(dlg, wxID_OK);
                  }));
    COggetto* p = nullptr;
    Documento().m_Oggetti.GetElemento(1, p);
    return p;
}

void PreparaCreazione(int nFamiglia)
{
    Vista().m_bNuovoOggetto = true;
    Vista().m_nFamigliaNuovoOggetto = nFamiglia;
}

std::string Colore(const unsigned char* c)
{
    return wxString::Format("%d,%d,%d,%d", c[0], c[1], c[2], c[3]).ToStdString();
}

// Kind, place, depth, texture, wall and colours of a piece, in one line.
std::string Descrivi(const COggetto& o)
{
    return wxString::Format("%d/%d x%g y%g z%g p%g t%d w%d ", o.GetCategoria(), o.GetTipo(),
                            o.GetX(), o.GetY(), o.GetZ(), o.GetProfondita(), o.GetTexture(),
                            o.GetParete())
               .ToStdString() +
           Colore(o.GetColore1()) + " " + Colore(o.GetColore2());
}
}  // namespace

TEST(Attributi, InserireOgniFamigliaRispettaLaTabellaDeiTipi)
{
    // Width 1.2 and x 0 everywhere; a disabled edit is ignored, even a bad
    // text in it; a disabled list writes nothing.
    struct Caso
    {
        int nComando, nTipo;
        const char *pProfondita, *pZ, *pY;
        int nTexture, nParete;
        const char* pAtteso;
    } aCasi[] = {
        {ID_INSERISCI_TAVOLO, 0, "3", "1,5", "0", 38, 3, "3/0 x0.6 y0.6 z0 p0 t37 w0"},
        {ID_INSERISCI_TAVOLO, 1, ".8", "", "0", 5, 0, "3/1 x0 y0 z0 p0.8 t0 w0"},
        {ID_INSERISCI_PORTA_FINESTRA, 0, "1,5", "2", "1,5", 0, 0, "1/0 x0 y0 z0 p0 t-1 w1"},
        {ID_INSERISCI_PORTA_FINESTRA, 1, "2", "1.1", "7", 3, 3, "1/1 x0 y0 z1.1 p0 t0 w4"},
        {ID_INSERISCI_MOBILE, 1, "-.5", "1,5", "2", 9, 0, "0/1 x0 y2 z0 p-0.5 t0 w0"},
        {ID_INSERISCI_SEDIA, 1, "0,7", "x", "1", 2, 0, "2/1 x0 y1 z0 p0.7 t0 w0"},
    };
    for (const Caso& c : aCasi)
    {
        Ripristina();
        COggetto* p = Inserisci(c.nComando, [&](CAttributiDlg& dlg) {
            Scegli(dlg, "IDC_TIPO", c.nTipo);
            Scrivi(dlg, {{"IDC_NOME", "Pezzo"}, {"IDC_LARGHEZZA", "1.2"}, {"IDC_X", "0"},
                         {"IDC_PROFONDITA", c.pProfondita}, {"IDC_ALTEZZA_PAVIMENTO", c.pZ},
                         {"IDC_Y", c.pY}});
            Scegli(dlg, "IDC_TEXTURE", c.nTexture);
            Scegli(dlg, "IDC_PARETE", c.nParete);
        });
        ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 1) << c.pAtteso;
        EXPECT_EQ(Descrivi(*p), std::string(c.pAtteso) + " 255,255,255,170 255,255,255,170");
        EXPECT_STREQ(p->GetNome(), "Pezzo");
        EXPECT_FLOAT_EQ(p->GetLarghezza(), 1.2f) << c.pAtteso;
        // Selected and drawn so, as a pasted piece; the document modified.
        EXPECT_EQ(Vista().GetOggettoSelezionato(), p) << c.pAtteso;
        EXPECT_TRUE(p->IsSelezionato()) << c.pAtteso;
        EXPECT_TRUE(Documento().m_bModificato) << c.pAtteso;
    }
}

// Confirmed without a size typed, a new piece of any kind has sizes to be
// seen and picked by; the dialog says which point x and y place, and a
// typed angle turns the piece (not an opening, which stays in its wall).
TEST(Attributi, UnPezzoNuovoHaLeSueMisureEDiceDoveSiTrova)
{
    struct Caso
    {
        int nComando, nTipo, nParete;
        const char *pAngolo, *pPunto;
        float fAngolo;
    } aCasi[] = {
        {ID_INSERISCI_SEDIA, 0, 0, "450", "del pezzo", 90},
        {ID_INSERISCI_SEDIA, 1, 0, "-30", "del pezzo", 330},
        {ID_INSERISCI_TAVOLO, 0, 0, "15,5", "centro", 15.5f},
        {ID_INSERISCI_TAVOLO, 1, 0, "0", "del pezzo", 0},
        {ID_INSERISCI_MOBILE, 0, 0, "180", "del pezzo", 180},
        {ID_INSERISCI_MOBILE, 1, 0, "90", "del pezzo", 90},
        {ID_INSERISCI_PORTA_FINESTRA, 0, 2, "45", "sud-est", 0},
        {ID_INSERISCI_PORTA_FINESTRA, 1, 3, "45", "sud-ovest", 0},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << c.nComando << "/" << c.nTipo);
        Ripristina();
        wxString punto;
        bool bProfondita = false;
        COggetto* p = Inserisci(c.nComando, [&](CAttributiDlg& dlg) {
            Scegli(dlg, "IDC_TIPO", c.nTipo);
            Scegli(dlg, "IDC_PARETE", c.nParete);
            Scrivi(dlg, {{"IDC_ANGOLO", c.pAngolo}});
            punto = XRCCTRL(dlg, "IDC_PUNTO", wxStaticText)->GetLabel();
            bProfondita = Edit(dlg, "IDC_PROFONDITA")->IsEnabled();
        });
        ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 1);
        EXPECT_NE(punto.find(c.pPunto), wxString::npos) << punto;
        EXPECT_GT(p->GetLarghezza(), 0.0f);
        EXPECT_GT(p->GetAltezza(), 0.0f);
        // A depth the kind has not is stored as 0, as it always was.
        EXPECT_EQ(p->GetProfondita() > 0.0f, bProfondita);
        EXPECT_EQ(p->GetRotazione(), c.fAngolo);
    }
    // A size typed stays when the kind changes; one left as shown follows the kind.
    PreparaCreazione(CATEGORIA_ARMADI);
    CAttributiDlg dlg;
    Scrivi(dlg, {{"IDC_LARGHEZZA", "2"}});
    const wxString altezza = Edit(dlg, "IDC_ALTEZZA")->GetValue();
    Scegli(dlg, "IDC_TIPO", 1);
    EXPECT_EQ(Edit(dlg, "IDC_LARGHEZZA")->GetValue(), "2");
    EXPECT_NE(Edit(dlg, "IDC_ALTEZZA")->GetValue(), altezza);
}

TEST(Attributi, ModificaMostraIValoriELiRiscrive)
{
    Ripristina();
    COggetto* pFinestra = Aggiungi(CATEGORIA_PORTE_FINESTRE, 1, "Finestra", .5f, 0, 2.3f, 1);
    pFinestra->SetZ(2.3f);
    pFinestra->SetParete(4);
    Seleziona(pFinestra);
    wxTEST_DIALOG(Comando(ID_VISTA_MODIFICA), CRisposta<CAttributiDlg>([](CAttributiDlg& dlg) {
                      wxString testi;
                      for (const char* p : {"IDC_ALTEZZA_PAVIMENTO", "IDC_LARGHEZZA", "IDC_X"})
                          testi << Edit(dlg, p)->GetValue() << " ";
                      EXPECT_EQ(testi, "2.300 2.300 .500 ");
                      EXPECT_EQ(Elenco(dlg, "IDC_PARETE")->GetStringSelection(), "Ovest");
                      EXPECT_FALSE(Elenco(dlg, "IDC_TIPO")->IsEnabled());
                      EXPECT_EQ(Elenco(dlg, "IDC_TIPO")->GetStrings(), wxArrayString(1, "Finestra"));
                      EXPECT_TRUE(dlg.FindWindow(XRCID("IDC_ELIMINA"))->IsEnabled());
                      Premi(dlg, wxID_OK);
                  }));
    // Nothing typed, nothing changed: not even the colours' alpha.
    EXPECT_EQ(Descrivi(*pFinestra), "1/1 x0.5 y0 z2.3 p0 t0 w4 200,40,40,255 200,40,40,255");
    EXPECT_EQ(pFinestra->GetLarghezza(), 2.3f);
    // Editing leaves nothing selected and nothing marked.
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
    EXPECT_FALSE(pFinestra->IsSelezionato());
    EXPECT_TRUE(Documento().m_bModificato);
}

TEST(Attributi, UnNumeroNonValidoOAnnullaNonCreanoNulla)
{
    Ripristina();
    // A pointer left behind by a deleted object, the selection flag off.
    Seleziona(Aggiungi(CATEGORIA_SEDIE, 0, "Vecchia", 1, 1, 1, 1));
    Vista().SetOggettoSelezionato(false);
    Documento().m_Oggetti.Rimuovi(1);
    Documento().m_bModificato = false;
    // Fifty nines pass the text check but do not fit a float.
    for (const char* pTesto : {"1,5,0", "99999999999999999999999999999999999999999999999999"})
        wxTEST_DIALOG(Comando(ID_INSERISCI_MOBILE),
                      CRisposta<CAttributiDlg>([&](CAttributiDlg& dlg) {
                          // The status pane is asked while the dialog runs.
                          EXPECT_NE(CMainFrame::TestoSelezione().find("Nessun"), wxString::npos);
                          Scrivi(dlg, {{"IDC_PROFONDITA", pTesto}});
                          Premi(dlg, wxID_OK);
                          EXPECT_EQ(dlg.GetReturnCode(), 0) << pTesto;
                          EXPECT_EQ(Edit(dlg, "IDC_PROFONDITA")->GetValue(), pTesto);
                          Premi(dlg, wxID_CANCEL);
                      }),
                      CPremiPulsante<CErroreImmissioneDlg>(wxID_OK));
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 0);
    EXPECT_FALSE(Documento().m_bModificato);
    EXPECT_FALSE(Vista().IsOggettoSelezionato());

    // A full room refuses one more piece, and keeps the dialog open.
    while (Documento().m_Oggetti.GetNumero() < CContenitori::MASSIMO_ELEMENTI)
        Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 1, 1, 1, 1);
    PreparaCreazione(CATEGORIA_SEDIE);
    CAttributiDlg dlg;
    wxTEST_DIALOG(Premi(dlg, wxID_OK), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(dlg.GetReturnCode(), 0);
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), CContenitori::MASSIMO_ELEMENTI);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
}

TEST(Attributi, IlSelettoreDiColoreConservaOgniSceltaConfermata)
{
    // The chooser's answers in turn (confirmed, colour), and the result.
    const std::vector<std::pair<bool, unsigned long>> aRisposte[] = {
        {{true, 0x0000FF}}, {{true, 0}}, {{true, 0x00FF00}, {false, 0x123456}}, {{false, 0}}};
    const char* const aAttesi[] = {"255,0,0,170", "0,0,0,170", "0,255,0,170", "10,20,30,255"};
    for (size_t i = 0; i < 4; ++i)
    {
        Ripristina();
        COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 1, 1, 1, 1);
        const unsigned char aMemorizzato[4] = {10, 20, 30, 255};
        p->SetColore1(aMemorizzato);
        Seleziona(p);
        size_t nRisposta = 0;
        scelta_colore::g_fnScegli = [&](unsigned long nIniziale, unsigned long& nScelto) {
            EXPECT_EQ(nIniziale, 0x1E140Au);  // the stored colour
            nScelto = aRisposte[i][nRisposta].second;
            return aRisposte[i][nRisposta++].first;
        };
        wxTEST_DIALOG(Comando(ID_VISTA_MODIFICA), CRisposta<CAttributiDlg>([&](CAttributiDlg& dlg) {
                          for (size_t n = 0; n < aRisposte[i].size(); ++n)
                              Premi(dlg, XRCID("IDC_COLORE1"));
                          // The button shows the colour it will store.
                          const wxImage campione =
                              XRCCTRL(dlg, "IDC_COLORE1", wxButton)->GetBitmap().ConvertToImage();
                          ASSERT_TRUE(campione.IsOk());
                          const int x = campione.GetWidth() / 3, y = campione.GetHeight() / 2;
                          const wxString mostrato =
                              wxString::Format("%d,%d,%d", campione.GetRed(x, y),
                                               campione.GetGreen(x, y), campione.GetBlue(x, y));
                          EXPECT_EQ(mostrato, wxString(aAttesi[i]).BeforeLast(','));
                          Premi(dlg, wxID_OK);
                      }));
        scelta_colore::g_fnScegli = nullptr;
        EXPECT_EQ(Colore(p->GetColore1()), aAttesi[i]) << i;
    }
}

TEST(Selezione, ElencaInOrdineDiContenitoreEApreGliAttributi)
{
    Ripristina();
    const char* const aNomi[] = {"Sedia 1", "Tavolo 1", "Armadio 1"};
    const int aComandi[] = {ID_INSERISCI_SEDIA, ID_INSERISCI_TAVOLO, ID_INSERISCI_MOBILE};
    COggetto* pArmadio = nullptr;
    for (int i = 0; i < 3; ++i)
        pArmadio = Inserisci(aComandi[i], [&](CAttributiDlg& dlg) {
            Scrivi(dlg, {{"IDC_NOME", aNomi[i]}});
            Scegli(dlg, "IDC_TIPO", i == 2 ? 1 : 0);
        });
    wxArrayString elenco;
    wxString tipi, nome;
    wxTEST_DIALOG(
        Comando(ID_MODIFICA_OGGETTO), CRisposta<CSelezioneDlg>([&](CSelezioneDlg& dlg) {
            elenco = Elenco(dlg, "IDC_OGGETTO")->GetStrings();
            tipi = XRCCTRL(dlg, "IDC_TIPO", wxStaticText)->GetLabel();
            Scegli(dlg, "IDC_OGGETTO", 2);
            tipi += " " + XRCCTRL(dlg, "IDC_TIPO", wxStaticText)->GetLabel();
            Premi(dlg, wxID_OK);
        }),
        CRisposta<CAttributiDlg>([&](CAttributiDlg& dlg) {
            nome = Edit(dlg, "IDC_NOME")->GetValue();
            // A cancelled confirmation keeps the dialog open.
            Premi(dlg, XRCID("IDC_ELIMINA"));
            EXPECT_EQ(dlg.GetReturnCode(), 0);
            Premi(dlg, XRCID("IDC_ELIMINA"));
        }),
        CPremiPulsante<CConfermaEliminaDlg>(wxID_CANCEL),
        CPremiPulsante<CConfermaEliminaDlg>(wxID_OK));
    EXPECT_EQ(wxJoin(elenco, ';'), "Armadio 1;Tavolo 1;Sedia 1");
    EXPECT_EQ(tipi, "Armadio Sedia");
    EXPECT_EQ(nome, "Sedia 1");
    // The chair is gone; nothing is selected or marked.
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 2);
    EXPECT_EQ(Vista().m_pOggettoSelezionato, nullptr);
    EXPECT_FALSE(Vista().IsOggettoSelezionato() || pArmadio->IsSelezionato());
    EXPECT_FALSE(StatoComando(ID_VISTA_MODIFICA).bAbilitato);

    // An empty room: OK opens nothing.
    Ripristina();
    wxTEST_DIALOG(Comando(ID_MODIFICA_OGGETTO),
                  CRisposta<CSelezioneDlg>([](CSelezioneDlg& dlg) { Premi(dlg, wxID_OK); }));
}

TEST(Attributi, QuelloCheMemorizzaSiRiapreByteperByte)
{
    Ripristina();
    const char* const aMisure[] = {"-3.5", "1000000000000000000000000000000", "0,25"};
    const char* const aPosizioni[] = {"", ".", "-", "0", "-3.5", "725"};
    int n = 0;
    for (int nComando : {ID_INSERISCI_SEDIA, ID_INSERISCI_TAVOLO, ID_INSERISCI_MOBILE,
                         ID_INSERISCI_PORTA_FINESTRA})
        for (int nTipo : {0, 1})
            Inserisci(nComando, [&](CAttributiDlg& dlg) {
                Scegli(dlg, "IDC_TIPO", nTipo);
                for (const char* pEdit : {"IDC_ALTEZZA", "IDC_LARGHEZZA", "IDC_PROFONDITA"})
                    Scrivi(dlg, {{pEdit, aMisure[n++ % 3]}});
                for (const char* pEdit : {"IDC_ALTEZZA_PAVIMENTO", "IDC_X", "IDC_Y", "IDC_ANGOLO"})
                    Scrivi(dlg, {{pEdit, aPosizioni[n++ % 6]}});
                Scrivi(dlg, {{"IDC_NOME", nTipo ? "" : "Caff\xC3\xA8 \xE2\x82\xAC"}});
                Scegli(dlg, "IDC_TEXTURE", nTipo ? 0 : 38);
                Scegli(dlg, "IDC_PARETE", 3);
            });
    ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 8);

    const wxString percorso = wxFileName::CreateTempFileName("lavedo");
    ASSERT_TRUE(Documento().SalvaSu(percorso));
    wxFFile file(percorso, "rb");
    std::vector<std::uint8_t> salvato(static_cast<size_t>(file.Length()));
    file.Read(salvato.data(), salvato.size());
    file.Close();
    wxRemoveFile(percorso);
    // Each reading reverses the order: two bring back the saved bytes.
    std::vector<std::uint8_t> dati = salvato;
    for (int i = 0; i < 2; ++i)
    {
        CScena letta(false);
        std::string errore;
        ASSERT_TRUE(letta.Leggi(dati.data(), dati.size(), errore)) << errore;
        dati = letta.Scrivi();
    }
    EXPECT_EQ(dati, salvato);
}

TEST(Attributi, TastieraInvioEMnemonici)
{
    Ripristina();
    PreparaCreazione(CATEGORIA_TAVOLI);
    CAttributiDlg dlg;
    Scegli(dlg, "IDC_TIPO", 1);
    wxTextCtrl* pAltezza = Edit(dlg, "IDC_ALTEZZA");
    wxTextCtrl* pLarghezza = Edit(dlg, "IDC_LARGHEZZA");
    wxTextCtrl* pX = Edit(dlg, "IDC_X");
    // The focus lands on a field with its whole text selected.
    const auto Selezionato = [](wxTextCtrl* p) {
        long nDa = 0, nA = 0;
        p->GetSelection(&nDa, &nA);
        return wxWindow::FindFocus() == p && nDa == 0 && nA == p->GetLastPosition();
    };
    dialoghi::PremiTasto(dlg, pX, 'Z', wxMOD_ALT);
    EXPECT_TRUE(Selezionato(pAltezza));
    dialoghi::PremiTasto(dlg, pAltezza, 'X', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), pX);
    dialoghi::PremiTasto(dlg, pX, 'G', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), Edit(dlg, "IDC_ANGOLO"));
    dialoghi::PremiTasto(dlg, pX, 'T', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), Elenco(dlg, "IDC_TEXTURE"));

    // Enter with a text that is no number, then a width of 0: each refusal
    // says so and puts the focus on its field; a decimal comma is a number.
    pX->SetValue("0,45");
    Edit(dlg, "IDC_Y")->SetValue("12a");
    wxTEST_DIALOG(dialoghi::PremiTasto(dlg, pAltezza, WXK_RETURN),
                  CPremiPulsante<CErroreImmissioneDlg>(wxID_OK));
    EXPECT_TRUE(Selezionato(Edit(dlg, "IDC_Y")));
    Edit(dlg, "IDC_Y")->SetValue("1");
    pLarghezza->SetValue("0,0");
    wxString messaggio;
    wxTEST_DIALOG(dialoghi::PremiTasto(dlg, pAltezza, WXK_RETURN),
                  CRisposta<wxMessageDialog>([&](wxMessageDialog& d) {
                      messaggio = d.GetMessage();
                      d.SetReturnCode(wxID_OK);
                  }));
    EXPECT_TRUE(messaggio.StartsWith("La larghezza massima non pu")) << messaggio;
    EXPECT_TRUE(Selezionato(pLarghezza));
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 0);
    pLarghezza->SetValue("1,2");
    dialoghi::PremiTasto(dlg, pX, WXK_RETURN);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 1);
    COggetto* p = nullptr;
    Documento().m_Oggetti.GetElemento(1, p);
    EXPECT_EQ(p->GetLarghezza(), 1.2f);
    EXPECT_EQ(p->GetX(), 0.45f);
    dlg.Hide();
    Pompa();
}

TEST(Attributi, ImpaginazioneDiOgniFamigliaEDellaSelezione)
{
    // Wider than the test's main window: away from the screen's edge the
    // dialog can be centred on it.
    Ripristina();
    const wxPoint posizione = Cornice().GetPosition();
    Cornice().Move(300, 200);
    COggetto* pTavolo = Aggiungi(CATEGORIA_TAVOLI, 1, "Tavolo di cucina", 1, 1, 1, 1);
    for (int n = 0; n <= 4; ++n)
    {
        PreparaCreazione(n);
        Vista().m_bNuovoOggetto = n < 4;  // the last run edits the table
        Vista().m_pOggettoSelezionato = pTavolo;
        CAttributiDlg dlg;
        dialoghi::VerificaImpaginazione(dlg);
        dialoghi::Fotografa(dlg, ("dialogo_attributi_" + std::to_string(n)).c_str());
    }
    CSelezioneDlg dlg;
    dialoghi::VerificaImpaginazione(dlg);
    dialoghi::Fotografa(dlg, "dialogo_selezione");
    Cornice().Move(posizione);
    for (int i = 0; i < 50 && Cornice().GetPosition() != posizione; ++i)
        Pompa();
    Ripristina();
}

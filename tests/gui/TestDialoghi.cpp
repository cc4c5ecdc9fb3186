// What every dialog shares: texts shown whole, centred on the main window,
// Enter, Escape, the close box and group-box mnemonics, and a template
// that cannot be loaded.
#include "Ambiente.h"
#include "Compila.h"
#include "Dialoghi.h"
#include "Risposte.h"
#include "TestMouseAiuti.h"
#include "app/AboutDlg.h"
#include "app/Comandi.h"
#include "app/MainFrame.h"
#include "app/MenuPiantina.h"
#include "dialogs/AttributiDlg.h"
#include "dialogs/EsportaImmagineDlg.h"
#include "dialogs/EsportaPiantinaDlg.h"
#include "dialogs/ImpostazioniDlg.h"
#include "dialogs/LuciDlg.h"
#include "dialogs/NuovaLuceDlg.h"
#include "dialogs/SelezioneDlg.h"
#include "dialogs/SelezioneLuciDlg.h"
#include "dialogs/TroppeLuciDlg.h"
#include "dialogs/Nomi.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "dialogs/FileModificatoDlg.h"
#include "dialogs/RipristinoDlg.h"
#include "dialogs/ErroreImmissioneDlg.h"
#include "dialogs/SelezioneMultiplaDlg.h"
#include "model/Contenitori.h"
#include "app/LavedoDoc.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"
#include "ScenaDiProva.h"

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/mstream.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xml/xml.h>

using namespace dialoghi;

namespace
{
// A template of our own, to press keys on a group box and a label.
const char* const MODELLO_PROVA = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxDialog" name="IDD_PROVA">
    <title>Prova</title>
    <style>wxCAPTION|wxSYSTEM_MENU|wxCLOSE_BOX</style>
    <object class="wxButton" name="wxID_OK"><label>&amp;OK</label>
      <pos>100,70d</pos><size>40,14d</size><default>1</default></object>
    <object class="wxButton" name="wxID_CANCEL"><label>&amp;Annulla</label>
      <pos>145,70d</pos><size>40,14d</size></object>
    <object class="wxStaticText" name="wxID_STATIC"><label>&amp;Nome:</label>
      <pos>10,12d</pos><size>20,8d</size></object>
    <object class="wxTextCtrl" name="IDC_NOME"><pos>40,10d</pos><size>60,12d</size></object>
    <object class="wxStaticBox" name="wxID_STATIC"><label>&amp;Gruppo</label>
      <pos>10,28d</pos><size>120,36d</size></object>
    <object class="wxTextCtrl" name="IDC_PRIMO"><pos>20,42d</pos><size>40,12d</size></object>
    <object class="wxTextCtrl" name="IDC_SECONDO"><pos>70,42d</pos><size>40,12d</size></object>
  </object>
</resource>)";

class CDialogoProva : public CDialogo
{
public:
    explicit CDialogoProva(const char* pModello = "IDD_PROVA")
    {
        static bool s_bCaricato = false;
        if (!s_bCaricato)
        {
            wxMemoryInputStream flusso(MODELLO_PROVA, std::strlen(MODELLO_PROVA));
            auto* pDocumento = new wxXmlDocument(flusso);
            s_bCaricato = wxXmlResource::Get()->LoadDocument(pDocumento, "prova.xrc");
        }
        CaricaModello(pModello, 195, 90);
        if (!IsModelloCaricato())
            return;
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ++m_nOK; Termina(wxID_OK); }, wxID_OK);
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ++m_nAnnulla; Termina(wxID_CANCEL); },
             wxID_CANCEL);
        PreparaCampoNome(Controllo<wxTextCtrl>("IDC_NOME"));
    }
    int m_nOK = 0;
    int m_nAnnulla = 0;
};
}  // namespace

TEST(Dialoghi, OgniTestoSiLeggeInteroAlCentroDellaFinestra)
{
    // One at a time: the pictures are taken from the screen.
    const std::pair<std::function<wxDialog*()>, const char*> aDialoghi[] = {
        {[] { return new CAboutDlg; }, "dialogo_informazioni"},
        {[] { return new CConfermaNuovoDlg; }, "dialogo_conferma"},
        {[] { return new CConfermaEliminaDlg; }, "dialogo_conferma_eliminazione"},
        {[] { return new CSelezioneMultiplaDlg; }, "dialogo_selezione_multipla"},
        {[] { return new CErroreImmissioneDlg; }, "dialogo_errore_immissione"},
        {[] {
             return new CRipristinoDlg({wxString::FromUTF8("soggiorno con divano letto.lav, "
                                                           "07/12/2026 14:03:12"),
                                        "Nuova stanza, 07/12/2026 15:20:45"});
         },
         "dialogo_ripristino"},
        {[] { return new CFileModificatoDlg("soggiorno con divano letto.lav"); },
         "dialogo_file_modificato"},
    };
    for (const auto& [fnCrea, pNome] : aDialoghi)
    {
        std::unique_ptr<wxDialog> pDialogo(fnCrea());
        VerificaImpaginazione(*pDialogo);
        Fotografa(*pDialogo, pNome);
    }
}

TEST(Dialoghi, InvioConfermaEscEChiusuraAnnullano)
{
    {
        CDialogoProva dlg;
        PremiTasto(dlg, dlg.FindWindow(XRCID("IDC_PRIMO")), WXK_RETURN);
        EXPECT_EQ(dlg.m_nOK, 1);
        EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    }
    {
        // Enter on a focused button presses that button.
        CDialogoProva dlg;
        PremiTasto(dlg, dlg.FindWindow(wxID_CANCEL), WXK_RETURN);
        EXPECT_EQ(dlg.m_nOK, 0);
        EXPECT_EQ(dlg.m_nAnnulla, 1);
    }
    {
        CDialogoProva dlg;
        PremiTasto(dlg, dlg.FindWindow(XRCID("IDC_NOME")), WXK_ESCAPE);
        EXPECT_EQ(dlg.m_nAnnulla, 1);
        EXPECT_EQ(dlg.GetReturnCode(), wxID_CANCEL);
    }
    {
        CDialogoProva dlg;
        dlg.Show();
        dlg.Close();
        ambiente::Pompa();
        EXPECT_EQ(dlg.m_nAnnulla, 1);
        EXPECT_EQ(dlg.m_nOK, 0);
    }
    {
        // Where Annulla has the focus, a reflexive Enter keeps the work; in
        // a list Enter presses the default button, whichever it is.
        const auto Invio = [](wxDialog& dlg, int nFuoco) {
            PremiTasto(dlg, dlg.FindWindow(nFuoco), WXK_RETURN);
            for (int i = 0; i < 100 && dlg.GetReturnCode() == 0; ++i)  // a busy machine
            {
                ambiente::Pompa();
                wxMilliSleep(10);
            }
            return dlg.GetReturnCode();
        };
        CConfermaNuovoDlg conferma;
        EXPECT_EQ(Invio(conferma, wxID_CANCEL), wxID_CANCEL);
        EXPECT_FALSE(conferma.m_bConfermato);
        CFileModificatoDlg modificato("x.lav");
        EXPECT_EQ(Invio(modificato, wxID_CANCEL), wxID_CANCEL);
        EXPECT_EQ(modificato.m_nRisposta, CFileModificatoDlg::ANNULLA);
        CRipristinoDlg ripristino({"a.lav", "b.lav"});
        EXPECT_EQ(Invio(ripristino, XRCID("IDC_COPIE")), wxID_OK);
        EXPECT_EQ(ripristino.m_nScelta, 0);
    }
    {
        // Escape cancels, never OK: on the question before a room is
        // discarded, and on a box without a cancel button.
        CConfermaNuovoDlg conferma;
        CErroreImmissioneDlg errore;
        for (wxDialog* pDialogo : {static_cast<wxDialog*>(&conferma), static_cast<wxDialog*>(&errore)})
        {
            SCOPED_TRACE(pDialogo->GetClassInfo()->GetClassName());
            pDialogo->SetReturnCode(0);
            PremiTasto(*pDialogo, pDialogo->FindWindow(wxID_OK), WXK_ESCAPE);
            EXPECT_EQ(pDialogo->GetReturnCode(), wxID_CANCEL);
        }
        EXPECT_FALSE(conferma.m_bConfermato);
    }
}

TEST(Dialoghi, MnemoniciDiEtichetteERiquadri)
{
    CDialogoProva dlg;
    auto* pNome = dynamic_cast<wxTextCtrl*>(dlg.FindWindow(XRCID("IDC_NOME")));
    auto* pPrimo = dynamic_cast<wxTextCtrl*>(dlg.FindWindow(XRCID("IDC_PRIMO")));
    ASSERT_TRUE(pNome && pPrimo);
    pPrimo->ChangeValue("1.5");
    PremiTasto(dlg, pNome, 'G', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), pPrimo);
    long nDa = 0, nA = 0;
    pPrimo->GetSelection(&nDa, &nA);
    EXPECT_EQ(nA - nDa, 3);
    PremiTasto(dlg, pPrimo, 'N', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), pNome);
    EXPECT_EQ(dlg.m_nOK + dlg.m_nAnnulla, 0);
}

TEST(Dialoghi, IlCampoNomeTieneCioCheIlFileConserva)
{
    CDialogoProva dlg;
    auto* pNome = dynamic_cast<wxTextCtrl*>(dlg.FindWindow(XRCID("IDC_NOME")));
    ASSERT_NE(pNome, nullptr);
    pNome->SetValue(wxString::FromUTF8("Caff\xC3\xA8 \xE2\x82\xAC \xE6\x97\xA5"));
    EXPECT_EQ(pNome->GetValue(), wxString::FromUTF8("Caff\xC3\xA8 \xE2\x82\xAC ?"));
    pNome->SetValue(wxString('x', 60));
    EXPECT_EQ(pNome->GetValue().length(), 49u);
}

TEST(Dialoghi, UnModelloMancanteLoDiceENonParte)
{
    wxString messaggio;
    CDialogo::s_fnModelloMancante = [&messaggio](const wxString& m) { messaggio = m; };
    CDialogoProva dlg("IDD_NON_ESISTE");
    CDialogo::s_fnModelloMancante = nullptr;
    EXPECT_FALSE(dlg.IsModelloCaricato());
    EXPECT_NE(messaggio.find("IDD_NON_ESISTE"), wxString::npos);
    EXPECT_EQ(dlg.ShowModal(), wxID_CANCEL);
}

TEST(Dialoghi, UnNomeLettoDaFileSiVedeOvunqueIntero)
{
    // 0x81 is undefined in the file's code page; the name is the longest
    // a file holds.
    const std::string nome = "Sedia\x81" + std::string(43, 'm');
    ambiente::Ripristina();
    COggetto* pSedia = CreaOggetto(CATEGORIA_SEDIE, 0);
    pSedia->SetNome(nome.c_str());
    ambiente::Documento().m_Oggetti.Aggiungi(pSedia);
    CStatoVista& vista = ambiente::Vista();
    vista.m_pOggettoSelezionato = pSedia;
    vista.SetOggettoSelezionato(true);
    vista.m_nColpiti = 1;
    vista.m_aBufferSelezione[3] = 1;

    const wxString atteso = NomeInTesto(nome.c_str());
    EXPECT_TRUE(atteso.StartsWith(wxString::FromUTF8("Sedia\xEF\xBF\xBDmmm")));
    EXPECT_NE(CMainFrame::TestoSelezione().find(atteso), wxString::npos);
    {
        CConfermaEliminaDlg dlg;
        const auto* pEtichetta = dynamic_cast<wxStaticText*>(dlg.FindWindow(XRCID("IDC_NOME")));
        ASSERT_NE(pEtichetta, nullptr);
        EXPECT_EQ(pEtichetta->GetLabel(), atteso);
        VerificaImpaginazione(dlg);
    }
    {
        CSelezioneMultiplaDlg dlg;
        const auto* pElenco = dynamic_cast<wxChoice*>(dlg.FindWindow(XRCID("IDC_OGGETTO")));
        ASSERT_NE(pElenco, nullptr);
        EXPECT_EQ(pElenco->GetString(0), atteso);
    }
    vista.m_nColpiti = 0;
    ambiente::Ripristina();
}

namespace
{
// How many number fields a dialog lets the user change.
int CampiNumerici(const wxWindow& dlg)
{
    int n = 0;
    for (const wxWindow* p : dlg.GetChildren())
        if (const auto* pEdit = dynamic_cast<const wxTextCtrl*>(p))
            n += pEdit->IsEnabled() && pEdit->GetName() != "IDC_NOME";
    return n;
}

// OK on the room's settings, on every piece's attributes and on every
// light, changing nothing; the number fields confirmed are counted.
void ConfermaOgniDialogo(int& nCampi)
{
    using compila::CCompila;
    const auto OK = [&nCampi](auto& dlg) {
        nCampi += CampiNumerici(dlg);
        compila::Premi(dlg, wxID_OK);
    };
    wxTEST_DIALOG(aiuti::Comando(ID_IMPOSTAZIONI), CCompila<CImpostazioniDlg>(OK));
    CLavedoDoc& doc = ambiente::Documento();
    for (int p = 1; p <= doc.m_Oggetti.GetNumero(); ++p)
    {
        COggetto* pOggetto = nullptr;
        doc.m_Oggetti.GetElemento(static_cast<std::uint8_t>(p), pOggetto);
        aiuti::Seleziona(pOggetto);
        wxTEST_DIALOG(aiuti::Comando(ID_VISTA_MODIFICA), CCompila<CAttributiDlg>(OK));
    }
    for (int p = 0; p < doc.m_Luci.GetNumero(); ++p)
        wxTEST_DIALOG(aiuti::Comando(ID_MODIFICA_LUCE),
                      CCompila<CSelezioneLuciDlg>([p](CSelezioneLuciDlg& dlg) {
                          compila::Seleziona(dlg, "IDC_LUCE", p);
                          compila::Premi(dlg, wxID_OK);
                      }),
                      CCompila<CLuciDlg>(OK));
}
}  // namespace

// OK without an edit, on every dialog and twice over, leaves the room byte
// for byte as it was: rooms read from files, and a room typed by hand.
TEST(Dialoghi, ConfermareSenzaModificheNonCambiaUnByte)
{
    using compila::CCompila;
    using compila::Premi;
    using compila::Scrivi;
    const auto Digitata = [] {
        wxTEST_DIALOG(aiuti::Comando(ID_IMPOSTAZIONI),
                      CCompila<CImpostazioniDlg>([](CImpostazioniDlg& dlg) {
                          Scrivi(dlg, "IDC_LARGHEZZA", "5,4");
                          Scrivi(dlg, "IDC_PROFONDITA", "4.2");
                          Scrivi(dlg, "IDC_ALTEZZA", "2.7");
                          Premi(dlg, wxID_OK);
                      }));
        for (const char* pX : {"0.9", "2,3", "1.9999"})
            wxTEST_DIALOG(aiuti::Comando(ID_INSERISCI_MOBILE),
                          CCompila<CAttributiDlg>([pX](CAttributiDlg& dlg) {
                              for (const char* pEdit : {"IDC_X", "IDC_Y", "IDC_LARGHEZZA"})
                                  Scrivi(dlg, pEdit, pX);
                              Scrivi(dlg, "IDC_ANGOLO", "33.3");
                              Premi(dlg, wxID_OK);
                          }));
        wxTEST_DIALOG(aiuti::Comando(ID_INSERISCI_LUCE),
                      CCompila<CNuovaLuceDlg>([](CNuovaLuceDlg& dlg) {
                          Scrivi(dlg, "IDC_X", "0,1");
                          Scrivi(dlg, "IDC_Z", "2.3");
                          Premi(dlg, wxID_OK);
                      }));
    };
    std::vector<std::pair<const char*, std::function<void()>>> aStanze = {{"typed", Digitata}};
    for (const char* pFile : {"esempi/soggiorno.lav", "esempi/camera.lav", "esempi/cucina.lav"})
        aStanze.emplace_back(pFile,
                             [pFile] { ASSERT_TRUE(ambiente::Documento().Apri(pFile, false)); });
    int nCampi = 0;
    for (const auto& [pNome, fnStanza] : aStanze)
    {
        SCOPED_TRACE(pNome);
        ambiente::Ripristina();
        fnStanza();
        const std::vector<std::uint8_t> prima = ambiente::Documento().Scrivi();
        for (int nVolta = 0; nVolta < 2; ++nVolta)
            ConfermaOgniDialogo(nCampi);
        EXPECT_EQ(ambiente::Documento().Scrivi(), prima);
    }
    EXPECT_GT(nCampi, 150);
    ambiente::Ripristina();
}

// Alt and a letter reach one command only, in every menu and every dialog.
TEST(Dialoghi, OgniLetteraUnSoloComandoInMenuEDialoghi)
{
    const auto Lettera = [](const wxString& testo) -> wxChar {
        const size_t n = testo.find('&');
        return n != wxString::npos && n + 1 < testo.length()
                   ? static_cast<wxChar>(wxTolower(testo[n + 1]))
                   : 0;
    };
    int nControllati = 0;
    const auto Unica = [&](const wxString& dove, const std::vector<wxString>& testi) {
        std::map<wxChar, wxString> usate;
        for (const wxString& t : testi)
            if (const wxChar c = Lettera(t))
            {
                EXPECT_TRUE(usate.emplace(c, t).second)
                    << dove << ": \"" << t << "\" and \"" << usate[c] << "\"";
                ++nControllati;
            }
    };
    const std::function<void(const wxString&, const wxMenu&)> Menu = [&](const wxString& nome,
                                                                         const wxMenu& menu) {
        std::vector<wxString> voci;
        for (const wxMenuItem* pVoce : menu.GetMenuItems())
        {
            voci.push_back(pVoce->GetItemLabel());
            if (pVoce->GetSubMenu())
                Menu(pVoce->GetItemLabel(), *pVoce->GetSubMenu());
        }
        Unica(nome, voci);
    };
    const wxMenuBar& barra = *ambiente::Cornice().GetMenuBar();
    std::vector<wxString> titoli;
    for (size_t i = 0; i < barra.GetMenuCount(); ++i)
    {
        titoli.push_back(barra.GetMenuLabel(i));
        Menu(barra.GetMenuLabel(i), *barra.GetMenu(i));
    }
    Unica("menu bar", titoli);
    Menu("plan context menu", *std::unique_ptr<wxMenu>(CreaMenuPiantina()));

    ambiente::Ripristina();
    CLavedoDoc& doc = ambiente::Documento();
    doc.m_Luci.Aggiungi(scena_di_prova::Luce("Luce", 1, 1, 1, false));
    doc.m_Luci.GetElemento(1, ambiente::Vista().m_pLuceCorrente);
    ambiente::Vista().m_bNuovoOggetto = true;
    const std::function<wxDialog*()> aDialoghi[] = {
        [] { return new CAttributiDlg; },
        [] { return new CAboutDlg; },
        [] { return new CImpostazioniDlg; },
        [] { return new CNuovaLuceDlg; },
        [] { return new CLuciDlg; },
        [] { return new CSelezioneLuciDlg; },
        [] { return new CTroppeLuciDlg; },
        [] { return new CSelezioneDlg; },
        [] { return new CSelezioneMultiplaDlg; },
        [] { return new CConfermaNuovoDlg; },
        [] { return new CConfermaEliminaDlg; },
        [] { return new CErroreImmissioneDlg; },
        [] { return new CFileModificatoDlg("x.lav"); },
        [] { return new CRipristinoDlg({"a.lav"}); },
        [] { return new CEsportaImmagineDlg(&ambiente::Cornice(), VISTA_3D, 800, 600); },
        [] { return new CEsportaPiantinaDlg(&ambiente::Cornice(), false); },
        [] { return new CEsportaPiantinaDlg(&ambiente::Cornice(), true); },
    };
    for (const auto& fnCrea : aDialoghi)
    {
        std::unique_ptr<wxDialog> pDialogo(fnCrea());
        std::vector<wxString> testi;
        for (const wxWindow* p : pDialogo->GetChildren())
            if (dynamic_cast<const wxStaticText*>(p) || dynamic_cast<const wxButton*>(p) ||
                dynamic_cast<const wxCheckBox*>(p) || dynamic_cast<const wxRadioButton*>(p) ||
                dynamic_cast<const wxStaticBox*>(p))
                testi.push_back(p->GetLabel());
        Unica(pDialogo->GetTitle(), testi);
    }
    EXPECT_GT(nControllati, 100);
    ambiente::Ripristina();
}

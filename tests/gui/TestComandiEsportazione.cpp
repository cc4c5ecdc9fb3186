// The File menu's export commands: their dialogs, the file chooser and the
// files written.
#include "Dialoghi.h"
#include "TestEsportazioneAiuti.h"
#include "app/Comandi.h"
#include "app/SceltaFile.h"
#include "dialogs/EsportaImmagineDlg.h"
#include "dialogs/EsportaPiantinaDlg.h"

#include <dlfcn.h>
#include <wx/choice.h>
#include <wx/spinctrl.h>
#include <wx/testing.h>

using namespace aiuti_esportazione;

// The File menu: each command asks its dialog, then the chooser, and writes
// what was asked for; a room too large for the sheet is refused before any
// file is chosen. The dialogs show their texts whole.
TEST(Esportazione, ComandiDelMenuFile)
{
    CCartella cartella;
    std::vector<wxString> errori;
    wxString titoloScelto;
    scelta_file::g_fnErrore = [&](const wxString& m) { errori.push_back(m); };
    scelta_file::g_fnEsportare = [&](const wxString& t, const wxString&, const wxString& nome) {
        titoloScelto = t;
        return wxString(cartella / std::string(nome.utf8_str()));
    };
    Prepara(VISTA_PIANTINA);
    auto comando = [](int nId) {
        wxCommandEvent evento(wxEVT_MENU, nId);
        Cornice().GetEventHandler()->ProcessEvent(evento);
        Pompa();
    };
    struct CImmagine : wxExpectModalBase<CEsportaImmagineDlg>
    {
        int OnInvoked(CEsportaImmagineDlg* d) const override
        {
            dialoghi::VerificaImpaginazione(*d);
            EXPECT_EQ(d->m_pVista->GetString(0), "Piantina");  // the current view first
            d->m_pVista->SetSelection(1);
            d->m_pLarghezza->SetValue(123);
            d->m_pAltezza->SetValue(45);
            return wxID_OK;
        }
    };
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_IMMAGINE), CImmagine());
    EXPECT_EQ(titoloScelto, "Esporta immagine");
    wxImage immagine(cartella / "Lavedo.png", wxBITMAP_TYPE_PNG);
    EXPECT_EQ(immagine.GetSize(), wxSize(123, 45));

    struct CPiantina : wxExpectModalBase<CEsportaPiantinaDlg>
    {
        int nScala;
        explicit CPiantina(int n) : nScala(n) {}
        int OnInvoked(CEsportaPiantinaDlg* d) const override
        {
            dialoghi::VerificaImpaginazione(*d);
            d->m_pScala->SetSelection(nScala);
            return wxID_OK;
        }
    };
    titoloScelto.clear();
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_PIANTINA), CPiantina(0));  // 1:20 on A4: too large
    ASSERT_EQ(errori.size(), 1u);
    EXPECT_NE(errori[0].Find("1:50"), wxNOT_FOUND) << errori[0];
    EXPECT_TRUE(titoloScelto.empty());
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_PIANTINA), CPiantina(3));  // fitted
    EXPECT_EQ(titoloScelto, "Esporta piantina");
    EXPECT_EQ(Leggi(cartella / "Lavedo.pdf").substr(0, 5), "%PDF-");
    comando(ID_FILE_ESPORTA_MODELLO);
    EXPECT_EQ(titoloScelto, "Esporta modello 3D");
    EXPECT_EQ(Leggi(cartella / "Lavedo.glb").substr(0, 4), "glTF");
    EXPECT_EQ(errori.size(), 1u);

    CEsportaPiantinaDlg stampa(&Cornice(), true);
    dialoghi::VerificaImpaginazione(stampa);
    // Enter in a list or a spinner presses OK, as in every dialog; the
    // buttons speak Italian whatever the toolkit's own stock texts say.
    using FTesto = const char* (*)(void*);
    const auto fnTesto = reinterpret_cast<FTesto>(dlsym(RTLD_DEFAULT, "gtk_button_get_label"));
    ASSERT_NE(fnTesto, nullptr);
    EXPECT_STREQ(fnTesto(stampa.FindWindow(wxID_CANCEL)->GetHandle()), "_Annulla");
    const auto InvioPremeOK = [](wxDialog& dlg, wxWindow* pFuoco) {
        int nOK = 0;
        dlg.Bind(wxEVT_BUTTON, [&nOK](wxCommandEvent& e) {
            nOK += e.GetId() == wxID_OK;
            e.Skip();
        });
        dialoghi::PremiTasto(dlg, pFuoco, WXK_RETURN);
        return nOK == 1 && !dlg.IsShown();
    };
    CEsportaImmagineDlg vista(&Cornice(), VISTA_3D, 800, 600);
    EXPECT_TRUE(InvioPremeOK(vista, vista.m_pVista));
    CEsportaImmagineDlg lato(&Cornice(), VISTA_3D, 800, 600);
    EXPECT_TRUE(InvioPremeOK(lato, lato.m_pLarghezza));
    CEsportaPiantinaDlg piantina(&Cornice(), false);
    EXPECT_TRUE(InvioPremeOK(piantina, piantina.m_pScala));
    scelta_file::g_fnErrore = nullptr;
    scelta_file::g_fnEsportare = nullptr;
}

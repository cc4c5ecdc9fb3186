// The light dialogs through the frame's commands: what each one sends to
// GL at once, the GL light each light drives, the limit of eight, and
// coordinates that are refused before anything changes.
#include "Compila.h"
#include "Dialoghi.h"
#include "Risposte.h"
#include "ScenaDiProva.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "dialogs/ErroreImmissioneDlg.h"
#include "dialogs/LuciDlg.h"
#include "dialogs/NuovaLuceDlg.h"
#include "dialogs/SelezioneLuciDlg.h"
#include "dialogs/TroppeLuciDlg.h"
#include "model/Luci.h"
#include "model/Scena.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

using namespace ambiente;
using namespace compila;
using Vettore = std::array<GLfloat, 4>;

namespace
{
Vettore LuceGL(int n, GLenum nParametro)
{
    Vettore v{};
    glGetLightfv(static_cast<GLenum>(GL_LIGHT0 + n), nParametro, v.data());
    return v;
}

bool AccesaGL(int n)
{
    return glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + n)) == GL_TRUE;
}

GLfloat LucentezzaGL()
{
    GLfloat f = -1;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &f);
    return f;
}

void InserisciLuce(std::function<void(CNuovaLuceDlg&)> fnPassi)
{
    wxTEST_DIALOG(aiuti::Comando(ID_INSERISCI_LUCE), CCompila<CNuovaLuceDlg>(fnPassi));
    Vista().RendiCorrente();
}

void InserisciLuce(const wxString& nome, const char* pX)
{
    InserisciLuce([&](CNuovaLuceDlg& dlg) {
        Scrivi(dlg, "IDC_NOME", nome);
        Scrivi(dlg, "IDC_X", pX);
        Premi(dlg, wxID_OK);
    });
}

// Chooses list entry nScelta in "Selezione illuminazione" and fills in the
// light dialog with the given steps.
void ModificaLuce(int nScelta, std::function<void(CLuciDlg&)> fnPassi,
                  wxArrayString* pElenco = nullptr)
{
    wxTEST_DIALOG(aiuti::Comando(ID_MODIFICA_LUCE),
                  CCompila<CSelezioneLuciDlg>([&](CSelezioneLuciDlg& dlg) {
                      if (pElenco)
                          *pElenco = XRCCTRL(dlg, "IDC_LUCE", wxChoice)->GetStrings();
                      Seleziona(dlg, "IDC_LUCE", nScelta);
                      Premi(dlg, wxID_OK);
                  }),
                  CCompila<CLuciDlg>(fnPassi));
    Vista().RendiCorrente();
}

class DialoghiLuci : public testing::Test
{
protected:
    void SetUp() override { Ripristina(720, 700); }
    void TearDown() override { Ripristina(720, 700); }
};
}  // namespace

TEST_F(DialoghiLuci, NuoveLuciAcceseEModificateInGLNeiLoroNumeri)
{
    InserisciLuce([](CNuovaLuceDlg& dlg) {
        EXPECT_EQ(Edit(dlg, "IDC_X").GetValue() + Edit(dlg, "IDC_Z").GetValue(), "1.01.0");
        EXPECT_TRUE(XRCCTRL(dlg, "IDC_POSIZIONALE", wxRadioButton)->GetValue());
        Scrivi(dlg, "IDC_NOME", "Prima");
        Premi(dlg, wxID_OK);
    });
    EXPECT_EQ(LuceGL(0, GL_POSITION), (Vettore{1, 1, 1, 1}));
    EXPECT_EQ(LuceGL(0, GL_DIFFUSE), (Vettore{1, 1, 1, 1}));
    EXPECT_EQ(LuceGL(0, GL_SPECULAR), (Vettore{1, 1, 1, 1}));
    EXPECT_FLOAT_EQ(LucentezzaGL(), 90.0f);
    EXPECT_TRUE(AccesaGL(0));
    EXPECT_TRUE(g_pDoc->m_bModificato);
    InserisciLuce("Seconda", "2");
    InserisciLuce(wxString('x', 60), "3");
    EXPECT_EQ(LuceGL(2, GL_POSITION)[0], 3.0f);
    EXPECT_TRUE(AccesaGL(1) && AccesaGL(2));

    // Newest first; the oldest, at list position 2, drives GL_LIGHT0.
    wxArrayString elenco;
    ModificaLuce(
        2,
        [](CLuciDlg& dlg) {
            EXPECT_EQ(Edit(dlg, "IDC_NOME").GetValue(), "Prima");
            Scrivi(dlg, "IDC_X", "2.5");
            Scrivi(dlg, "IDC_Y", "3");
            Scrivi(dlg, "IDC_Z", "0.5");
            Scegli(dlg, "IDC_DIREZIONALE");
            Spunta(dlg, "IDC_DISATTIVA_SPECULARE", true);
            Spunta(dlg, "IDC_ACCESA", false);
            Spunta(dlg, "IDC_FISSA", false);
            Premi(dlg, wxID_OK);
        },
        &elenco);
    const wxString aAtteso[] = {wxString('x', 49), "Seconda", "Prima"};
    EXPECT_EQ(elenco, wxArrayString(3, aAtteso));
    EXPECT_EQ(LuceGL(0, GL_POSITION), (Vettore{2.5f, 0.5f, 3, 0}));
    EXPECT_EQ(LuceGL(0, GL_SPECULAR), (Vettore{0, 0, 0, 1}));
    EXPECT_FLOAT_EQ(LucentezzaGL(), 0.0f);
    EXPECT_FALSE(AccesaGL(0));
    EXPECT_TRUE(AccesaGL(1) && AccesaGL(2));
    COggetto* pPrima = nullptr;
    g_pDoc->m_Luci.GetElemento(3, pPrima);
    EXPECT_FALSE(pPrima->GetFissa());

    // And back: the specular component and the light return at once.
    ModificaLuce(2, [](CLuciDlg& dlg) {
        EXPECT_TRUE(XRCCTRL(dlg, "IDC_DIREZIONALE", wxRadioButton)->GetValue());
        Spunta(dlg, "IDC_DISATTIVA_SPECULARE", false);
        Spunta(dlg, "IDC_ACCESA", true);
        Premi(dlg, wxID_OK);
    });
    EXPECT_EQ(LuceGL(0, GL_SPECULAR), (Vettore{1, 1, 1, 1}));
    EXPECT_FLOAT_EQ(LucentezzaGL(), 90.0f);
    EXPECT_TRUE(AccesaGL(0));
}

TEST_F(DialoghiLuci, LaNonaLuceNonEntra)
{
    for (int i = 0; i < MASSIMO_LUCI; ++i)
        g_pDoc->m_Luci.Aggiungi(scena_di_prova::Luce("Luce", 1, 1, 1, false));
    wxTEST_DIALOG(aiuti::Comando(ID_INSERISCI_LUCE), CPremiPulsante<CTroppeLuciDlg>(wxID_OK));
    EXPECT_EQ(g_pDoc->m_Luci.GetNumero(), MASSIMO_LUCI);
    EXPECT_FALSE(g_pDoc->m_bModificato);
}

TEST_F(DialoghiLuci, CoordinateRifiutatePrimaDiCambiareQualcosa)
{
    for (const char* pTesto : {"1,5,0", "abc", "999999999999999999999999999999999999999999999"})
    {
        SCOPED_TRACE(pTesto);
        wxTEST_DIALOG(aiuti::Comando(ID_INSERISCI_LUCE),
                      CCompila<CNuovaLuceDlg>([&](CNuovaLuceDlg& dlg) {
                          Scrivi(dlg, "IDC_Y", pTesto);
                          Premi(dlg, wxID_OK);  // refused: the dialog stays
                          Premi(dlg, wxID_CANCEL);
                      }),
                      CPremiPulsante<CErroreImmissioneDlg>(wxID_OK));
        EXPECT_EQ(g_pDoc->m_Luci.GetNumero(), 0);
    }
    InserisciLuce("Luce", "1");
    g_pDoc->m_bModificato = false;
    wxTEST_DIALOG(aiuti::Comando(ID_MODIFICA_LUCE), CPremiPulsante<CSelezioneLuciDlg>(wxID_OK),
                  CCompila<CLuciDlg>([](CLuciDlg& dlg) {
                      Scrivi(dlg, "IDC_NOME", "Altra");
                      Spunta(dlg, "IDC_ACCESA", false);
                      Scrivi(dlg, "IDC_Z", "1.5,0");
                      Premi(dlg, wxID_OK);
                      Premi(dlg, wxID_CANCEL);
                  }),
                  CPremiPulsante<CErroreImmissioneDlg>(wxID_OK));
    COggetto* pLuce = nullptr;
    g_pDoc->m_Luci.GetElemento(1, pLuce);
    EXPECT_STREQ(pLuce->GetNome(), "Luce");
    EXPECT_TRUE(pLuce->GetAccesa() && AccesaGL(0));
    EXPECT_FALSE(g_pDoc->m_bModificato);
}

TEST_F(DialoghiLuci, TastieraEImpaginazione)
{
    Ripristina(1000, 900);  // the light dialog is wider than a smaller main window
    g_pDoc->m_Luci.Aggiungi(scena_di_prova::Luce("Lampada", 1, 2, 3, false));
    g_pDoc->m_Luci.GetElemento(1, Vista().m_pLuceCorrente);
    {
        CSelezioneLuciDlg dlg;
        dialoghi::VerificaImpaginazione(dlg);
        dialoghi::Fotografa(dlg, "dialogo_selezione_luci");
        dialoghi::PremiTasto(dlg, dlg.FindWindow(wxID_CANCEL), 'F', wxMOD_ALT);
        EXPECT_EQ(wxWindow::FindFocus(), XRCCTRL(dlg, "IDC_LUCE", wxChoice));
    }
    {
        CLuciDlg dlg;
        dialoghi::VerificaImpaginazione(dlg);
        dialoghi::Fotografa(dlg, "dialogo_luci");
        dialoghi::PremiTasto(dlg, &Edit(dlg, "IDC_NOME"), 'Y', wxMOD_ALT);
        EXPECT_EQ(wxWindow::FindFocus(), &Edit(dlg, "IDC_Y"));
    }
    {
        CTroppeLuciDlg dlg;
        dialoghi::VerificaImpaginazione(dlg);
        dialoghi::Fotografa(dlg, "dialogo_troppe_luci");
    }
    CNuovaLuceDlg dlg;
    dialoghi::VerificaImpaginazione(dlg);
    dialoghi::Fotografa(dlg, "dialogo_nuova_luce");
    dialoghi::PremiTasto(dlg, &Edit(dlg, "IDC_X"), WXK_RETURN);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    EXPECT_EQ(g_pDoc->m_Luci.GetNumero(), 2);
}

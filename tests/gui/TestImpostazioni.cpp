// The room settings dialog: what it shows, what OK does to the room, the
// camera and the plan, and that a refused size or Annulla changes nothing.
#include "Compila.h"
#include "Dialoghi.h"
#include "Risposte.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "dialogs/SceltaColore.h"
#include "dialogs/ErroreImmissioneDlg.h"
#include "dialogs/ImpostazioniDlg.h"
#include "model/Scena.h"
#include "model/Texture.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace ambiente;
using namespace compila;
using Colore = std::array<float, 4>;

namespace
{
Colore ColoreDi(const float* p)
{
    return {p[0], p[1], p[2], p[3]};
}

wxString Voce(wxWindow& dlg, const char* pNome)
{
    return XRCCTRL(dlg, pNome, wxChoice)->GetStringSelection();
}

void ApriImpostazioni(std::function<void(CImpostazioniDlg&)> fnPassi)
{
    wxTEST_DIALOG(aiuti::Comando(ID_IMPOSTAZIONI), CCompila<CImpostazioniDlg>(fnPassi));
}

class Impostazioni : public testing::Test
{
protected:
    void SetUp() override { Ripristina(800, 600); }
    void TearDown() override
    {
        scelta_colore::g_fnScegli = nullptr;
        Vista().RendiCorrente();
        g_pDoc->m_Stanza.SetFiltroMin(GL_NEAREST);
        Ripristina(800, 600);
    }
};
}  // namespace

TEST_F(Impostazioni, ConfermataSenzaModificheMostraTroncatoRicentraEModifica)
{
    CStanza& stanza = g_pDoc->m_Stanza;
    stanza.SetLarghezza(12.3456f);
    stanza.SetTexturePareti(21);  // list entry 22
    Vista().RendiCorrente();
    stanza.SetFiltroMin(GL_LINEAR);
    ApriImpostazioni([](CImpostazioniDlg& dlg) {
        EXPECT_EQ(Edit(dlg, "IDC_LARGHEZZA").GetValue(), "12.345");
        EXPECT_EQ(Voce(dlg, "IDC_TEXTURE_PARETI"), "24 Legno scuro5");
        const wxChoice* pPavimento = XRCCTRL(dlg, "IDC_TEXTURE_PAVIMENTO", wxChoice);
        EXPECT_EQ(pPavimento->GetString(22), "24 Legno scuro6");
        EXPECT_EQ(pPavimento->GetCount(), 39u);
        EXPECT_EQ(Voce(dlg, "IDC_FILTRO_MIN") + Voce(dlg, "IDC_FILTRO_MAG"), "LinearNearest");
        EXPECT_EQ(Voce(dlg, "IDC_PARETI"), "Tutte");
        Premi(dlg, wxID_OK);
    });
    EXPECT_EQ(stanza.GetLarghezza(), 12.3456f);  // shown cut, not stored cut
    EXPECT_EQ(stanza.GetTexturePareti(), 21);
    ASSERT_TRUE(Vista().RendiCorrente());
    GLint nFiltro = 0;
    glBindTexture(GL_TEXTURE_2D, g_aTexture[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &nFiltro);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(nFiltro, GL_LINEAR);
    EXPECT_FLOAT_EQ(Vista().m_fCentroX, -12.3456f / 2.0f);
    EXPECT_FLOAT_EQ(Vista().m_fScala, 56.0f);  // min(760 / 12.3456, 560 / 10) inside the margin
    EXPECT_TRUE(g_pDoc->m_bModificato);
}

TEST_F(Impostazioni, UnaMisuraRifiutataOAnnullaLascianoLaStanzaComEra)
{
    unsigned long nAperto = 0;
    scelta_colore::g_fnScegli = [&](unsigned long nIniziale, unsigned long& nScelto) {
        nAperto = nIniziale;
        nScelto = 0;  // black, confirmed
        return true;
    };
    CStanza& stanza = g_pDoc->m_Stanza;
    const Colore pareti = ColoreDi(stanza.GetColorePareti());
    for (const char* pLarghezza :
         {"0", "-2", "", "10,5,0", "1e3", "1000.5", "99999999999999999999999999999999999999999"})
    {
        SCOPED_TRACE(pLarghezza);
        wxTEST_DIALOG(aiuti::Comando(ID_IMPOSTAZIONI),
                      CCompila<CImpostazioniDlg>([pLarghezza](CImpostazioniDlg& dlg) {
                          Premi(dlg, "IDC_COLORE_PARETI");
                          Seleziona(dlg, "IDC_TEXTURE_PAVIMENTO", 3);
                          Scrivi(dlg, "IDC_LARGHEZZA", pLarghezza);
                          Scrivi(dlg, "IDC_PROFONDITA", "6");
                          Premi(dlg, wxID_OK);  // refused: the error box, the dialog stays
                          Premi(dlg, wxID_CANCEL);
                      }),
                      CPremiPulsante<CErroreImmissioneDlg>(wxID_OK));
        EXPECT_EQ(ColoreDi(stanza.GetColorePareti()), pareti);
        EXPECT_EQ(stanza.GetLarghezza() + stanza.GetProfondita(), 22.0f);
        EXPECT_EQ(stanza.GetTexturePavimento(), -1);
        EXPECT_FALSE(g_pDoc->m_bModificato);
    }
    EXPECT_EQ(nAperto, 0x808080u);  // a stored 0.502 opens at 128
}

TEST_F(Impostazioni, NeroConfermatoSiTieneUnaSceltaAnnullataNo)
{
    unsigned long nColore = 0;  // black
    scelta_colore::g_fnScegli = [&](unsigned long, unsigned long& nScelto) {
        nScelto = nColore;
        return nColore != 0x00FF00;  // green stands for a cancel
    };
    ApriImpostazioni([&](CImpostazioniDlg& dlg) {
        Premi(dlg, "IDC_COLORE_PARETI");
        nColore = 0x0000FF;  // red
        Premi(dlg, "IDC_COLORE_PAVIMENTO");
        nColore = 0x00FF00;
        Premi(dlg, "IDC_COLORE_PAVIMENTO");
        Premi(dlg, "IDC_COLORE_SOFFITTO");
        Premi(dlg, wxID_OK);
    });
    const CStanza& stanza = g_pDoc->m_Stanza;
    EXPECT_EQ(ColoreDi(stanza.GetColorePareti()), (Colore{0, 0, 0, 1}));
    EXPECT_EQ(ColoreDi(stanza.GetColorePavimento()), (Colore{1, 0, 0, 1}));
    EXPECT_EQ(ColoreDi(stanza.GetColoreSoffitto()), (Colore{0.753f, 0.753f, 0.753f, 1}));
}

TEST_F(Impostazioni, TastieraEImpaginazione)
{
    Ripristina(1000, 900);  // the dialog is taller than a smaller main window
    CImpostazioniDlg dlg;
    dialoghi::VerificaImpaginazione(dlg);
    dialoghi::Fotografa(dlg, "dialogo_impostazioni");
    wxTextCtrl* pLarghezza = &Edit(dlg, "IDC_LARGHEZZA");
    dialoghi::PremiTasto(dlg, pLarghezza, 'P', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), XRCCTRL(dlg, "IDC_PARETI", wxChoice));
    dialoghi::PremiTasto(dlg, nullptr, 'D', wxMOD_ALT);
    EXPECT_EQ(wxWindow::FindFocus(), pLarghezza);
    pLarghezza->ChangeValue("8");
    Scrivi(dlg, "IDC_ALTEZZA", "3");
    Scrivi(dlg, "IDC_PROFONDITA", "6");
    dialoghi::PremiTasto(dlg, pLarghezza, WXK_RETURN);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    const CStanza& s = g_pDoc->m_Stanza;
    EXPECT_EQ(Colore({s.GetLarghezza(), s.GetAltezza(), s.GetProfondita(), 0}),
              Colore({8, 3, 6, 0}));
}

TEST_F(Impostazioni, StanzaDaFileDiMisuraNullaSiDisegnaSenzaErrori)
{
    // As older editors saved them: the file opens and draws in both modes.
    for (const Colore& m : {Colore{0, 0, 0, 0}, Colore{-3, 2, -1, 0}})
    {
        CScena scritta(false);
        scritta.m_Stanza.SetLarghezza(m[0]);
        scritta.m_Stanza.SetProfondita(m[1]);
        scritta.m_Stanza.SetAltezza(m[2]);
        const auto dati = scritta.Scrivi();
        CScena letta(false);
        std::string errore;
        ASSERT_TRUE(letta.Leggi(dati.data(), dati.size(), errore)) << errore;
        g_pDoc->Scambia(letta);
        g_pView->CentraEAdatta(g_pDoc->m_Stanza);
        for (const int nVista : {VISTA_PIANTINA, VISTA_3D})
        {
            Vista().m_nVista = nVista;
            Vista().m_bImpostaProiezione = true;
            Pixel(400, 300);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << nVista;
        }
        EXPECT_TRUE(std::isfinite(Vista().m_fScala) && Vista().m_fScala > 0.0f);
        EXPECT_TRUE(std::isfinite(Vista().m_fCentroX + Vista().m_fCentroY + Vista().m_fCentroZ));
    }
}

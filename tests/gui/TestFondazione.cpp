// Start-up, the new-document command and the paint pass in both modes.
#include "Ambiente.h"
#include "Risposte.h"
#include "app/AboutDlg.h"
#include "app/LavedoApp.h"
#include "app/LavedoDoc.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "model/Luci.h"
#include "model/Texture.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cmath>
#include <string>
#include <gtest/gtest.h>

using namespace ambiente;

namespace
{
void InviaComando(int nId)
{
    wxCommandEvent evento(wxEVT_MENU, nId);
    Cornice().GetEventHandler()->ProcessEvent(evento);
    Pompa();
}

// A room that differs from the default in every way the new command resets.
void Sporca(CLavedoDoc& doc)
{
    doc.m_Stanza.SetLarghezza(5.0f);
    doc.m_Stanza.SetPareti(PARETI_NESSUNA);
    doc.m_Stanza.SetTexturePavimento(3);
    COggetto* p = CreaOggetto(CATEGORIA_SEDIE, 0);
    doc.m_Oggetti.Aggiungi(p);
    p->Seleziona();
    Vista().m_pOggettoSelezionato = p;
    Vista().SetOggettoSelezionato(true);
    doc.m_Luci.Aggiungi(CreaOggetto(CATEGORIA_LUCE, 0));
    Vista().m_bLuci = true;
    Vista().m_bTextures = true;
    doc.SetModificato();
}
}  // namespace

TEST(Avvio, LaPrimaStanzaEVuotaNellaPiantina)
{
    // Taken by the test program at start, before any test could set it.
    const CPrimoAvvio& avvio = PrimoAvvio();
    EXPECT_EQ(avvio.aDocumento, BytePredefiniti());
    EXPECT_FALSE(avvio.bModificato);
    EXPECT_EQ(avvio.nVista, VISTA_PIANTINA);
    EXPECT_FALSE(avvio.bLuci);
    EXPECT_FALSE(avvio.bTextures);
    EXPECT_FALSE(avvio.bSelezione);
    EXPECT_EQ(avvio.titolo, "Lavedo - Lavedo98");
    EXPECT_FLOAT_EQ(avvio.aCentro[0], -6.0f);
    EXPECT_FLOAT_EQ(avvio.aCentro[1], -1.75f);
    EXPECT_FLOAT_EQ(avvio.aCentro[2], -5.0f);
    EXPECT_FALSE(avvio.bIlluminazioneGL);
    // The 38 stock textures are GL texture objects, made once.
    for (unsigned int nTexture : g_aTexture)
        EXPECT_TRUE(glIsTexture(nTexture));
}

TEST(Nuovo, SenzaModificheNonChiedeERiparte)
{
    Ripristina();
    CLavedoDoc& doc = Documento();
    Sporca(doc);
    doc.m_bModificato = false;
    CScena* pDoc = g_pDoc;
    CStatoVista* pView = g_pView;
    const unsigned int nPrimaTexture = g_aTexture[0];
    InviaComando(wxID_NEW);  // no dialog may open: wxTEST_DIALOG is not armed
    EXPECT_EQ(doc.Scrivi(), BytePredefiniti());
    EXPECT_FALSE(Vista().m_bLuci);
    EXPECT_FALSE(Vista().m_bTextures);
    EXPECT_FALSE(Vista().IsOggettoSelezionato());
    EXPECT_EQ(Vista().m_pOggettoSelezionato, nullptr);
    // One document, one view, one context and texture set for the whole run.
    EXPECT_EQ(g_pDoc, pDoc);
    EXPECT_EQ(g_pView, pView);
    EXPECT_EQ(g_aTexture[0], nPrimaTexture);
    EXPECT_TRUE(glIsTexture(nPrimaTexture));
}

TEST(Nuovo, ModificatoChiedeEAnnullaNonCambiaNulla)
{
    Ripristina();
    CLavedoDoc& doc = Documento();
    Sporca(doc);
    const std::vector<std::uint8_t> sporco = doc.Scrivi();
    wxTEST_DIALOG(InviaComando(wxID_NEW), CPremiPulsante<CConfermaNuovoDlg>(wxID_CANCEL));
    EXPECT_TRUE(doc.m_bModificato);
    EXPECT_EQ(doc.Scrivi(), sporco);
    EXPECT_TRUE(Vista().IsOggettoSelezionato());
    EXPECT_TRUE(Vista().m_bLuci);

    wxTEST_DIALOG(InviaComando(wxID_NEW), CPremiPulsante<CConfermaNuovoDlg>(wxID_OK));
    EXPECT_FALSE(doc.m_bModificato);
    EXPECT_EQ(doc.Scrivi(), BytePredefiniti());
    EXPECT_FALSE(Vista().IsOggettoSelezionato());
    EXPECT_EQ(Vista().m_pOggettoSelezionato, nullptr);
}

TEST(Vista3D, PavimentoEPareteNeiLoroColori)
{
    Ripristina(800, 600);
    CLavedoView& v = Vista();
    v.m_nVista = VISTA_3D;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 30.0f;  // looking down on the floor
    Documento().m_Stanza.SetPareti(PARETI_DUE);
    // Floor centre and the middle of the north wall, projected by hand.
    EXPECT_TRUE(Vicino(Pixel(400, 250), 255, 255, 255));
    EXPECT_TRUE(Vicino(PixelSenzaDisegnare(400, 393), 128, 128, 128));
    EXPECT_TRUE(Vicino(PixelSenzaDisegnare(5, 5), 0, 0, 0));

    const float aVerde[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    Documento().m_Stanza.SetColorePareti(aVerde);
    EXPECT_TRUE(Vicino(Pixel(400, 393), 0, 255, 0));

    // "Nessuna" draws the floor alone: the wall's place shows the background.
    Documento().m_Stanza.SetPareti(PARETI_NESSUNA);
    EXPECT_TRUE(Vicino(Pixel(400, 393), 0, 0, 0));
    EXPECT_TRUE(Vicino(PixelSenzaDisegnare(400, 250), 255, 255, 255));
    Ripristina();
}

TEST(Vista3D, LeDuePareteSeguonoLaRotazione)
{
    Ripristina(800, 600);
    CLavedoView& v = Vista();
    v.m_nVista = VISTA_3D;
    v.m_bImpostaProiezione = true;
    Documento().m_Stanza.SetPareti(PARETI_DUE);
    const struct
    {
        float fRotY;
        int nPrima;
    } aCasi[] = {{0, 4}, {100, 5}, {190, 6}, {300, 7}, {-30, 4}, {359.9f, 7}, {-200, 4}, {450, 5}};
    for (const auto& caso : aCasi)
    {
        v.m_fRotY = caso.fRotY;
        Pixel(0, 0);
        EXPECT_EQ(Documento().m_Stanza.GetPrimaParete(), caso.nPrima) << caso.fRotY;
    }
    Ripristina();
}

TEST(Vista3D, IlDisegnoDellaStanzaRipristinaLoStato)
{
    Ripristina(800, 600);
    CLavedoView& v = Vista();
    v.m_nVista = VISTA_3D;
    v.m_bImpostaProiezione = true;
    v.m_bTextures = true;
    Documento().m_Stanza.SetTexturePareti(0);
    Documento().m_Stanza.SetTexturePavimento(99);  // out of range: drawn plain
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_COLOR_MATERIAL);
    // The far wall, filled from behind even in wireframe, shows its texture
    // rather than its plain grey or the background; the paint leaves the
    // capabilities as it found them.
    const auto parete = Pixel(400, 250);
    EXPECT_FALSE(Vicino(parete, 128, 128, 128) || Vicino(parete, 0, 0, 0))
        << int(parete[0]) << ", " << int(parete[1]) << ", " << int(parete[2]);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint aModo[2];
    glGetIntegerv(GL_POLYGON_MODE, aModo);
    EXPECT_EQ(aModo[0], GL_LINE);
    EXPECT_EQ(aModo[1], GL_LINE);
    Ripristina();
}

TEST(Dimensioni, UnaFinestraSenzaAltezzaNonRompeNulla)
{
    Ripristina(800, 600);
    const float fScala = Vista().m_fScala;
    Vista().OnSize(800, 0);
    EXPECT_TRUE(std::isfinite(Vista().m_fScala));
    EXPECT_EQ(Vista().m_fScala, fScala);
    Vista().m_nVista = VISTA_3D;
    Vista().m_bImpostaProiezione = true;
    Vista().Renderizza();
    Vista().OnSize(0, 0);
    Vista().Renderizza();
    GLdouble aProiezione[16];
    glGetDoublev(GL_PROJECTION_MATRIX, aProiezione);
    for (double d : aProiezione)
        EXPECT_TRUE(std::isfinite(d));
    Vista().m_nVista = VISTA_PIANTINA;
    Vista().OnSize(800, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    Ripristina();
}

TEST(Avvio, UnSoloMessaggioPerLeTextureMancanti)
{
    const std::vector<std::string> salvate = g_aTextureMancanti;
    g_aTextureMancanti.clear();
    EXPECT_TRUE(CLavedoApp::MessaggioTextureMancanti().empty());
    g_aTextureMancanti = {"tess03.ppm", "tess17.ppm"};
    const wxString messaggio = CLavedoApp::MessaggioTextureMancanti();
    EXPECT_NE(messaggio.Find("tess03.ppm"), wxNOT_FOUND);
    EXPECT_NE(messaggio.Find("tess17.ppm"), wxNOT_FOUND);
    EXPECT_NE(messaggio.Find("Impossibile leggere 2 file"), wxNOT_FOUND);
    g_aTextureMancanti = salvate;
}

namespace
{
// Reads the About box as it would open and closes it with OK.
class CLeggiInformazioni : public wxExpectModalBase<CAboutDlg>
{
public:
    explicit CLeggiInformazioni(wxArrayString& testi) : m_Testi(testi) {}

protected:
    int OnInvoked(CAboutDlg* pDialogo) const override
    {
        m_Testi.push_back(pDialogo->GetTitle());
        for (wxWindow* pFiglio : pDialogo->GetChildren())
            if (dynamic_cast<wxStaticText*>(pFiglio) || dynamic_cast<wxButton*>(pFiglio))
                m_Testi.push_back(pFiglio->GetLabel());
        return wxID_OK;
    }

private:
    wxArrayString& m_Testi;
};
}  // namespace

TEST(Avvio, LeInformazioniSulProgrammaPassanoPerLApplicazione)
{
    wxArrayString testi;
    wxTEST_DIALOG(InviaComando(wxID_ABOUT), CLeggiInformazioni(testi));
    ASSERT_FALSE(testi.empty());
    EXPECT_EQ(testi[0], "Informazioni su Lavedo");
    for (const char* pAtteso : {"Lavedo Versione 1.0", "Realizzato da", "OK"})
        EXPECT_NE(testi.Index(pAtteso), wxNOT_FOUND) << pAtteso;
    EXPECT_EQ(testi.size(), 5u);  // caption, three texts, the button
}

// In the program users run, a toolkit assertion (here the very one of a mouse
// released by a window that does not hold it) is a line on standard error,
// and the program goes on: no box in English, no stop.
TEST(Avvio, UnAsserzioneDelToolkitVaSuStandardError)
{
    ASSERT_EQ(GestoreAsserzioniProgramma(), &RiferisciAsserzione);
    ASSERT_EQ(wxWindow::GetCapture(), nullptr);
    const wxAssertHandler_t pDelTest = wxSetAssertHandler(GestoreAsserzioniProgramma());
    testing::internal::CaptureStderr();
    Cornice().ReleaseMouse();
    const std::string testo = testing::internal::GetCapturedStderr();
    wxSetAssertHandler(pDelTest);
    for (const char* pParte : {"wincmn.cpp(", "failed in ReleaseMouse()", "is not captured"})
        EXPECT_NE(testo.find(pParte), std::string::npos) << pParte << " in: " << testo;
}

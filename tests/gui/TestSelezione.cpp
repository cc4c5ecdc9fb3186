// Picking in GL selection mode in the plan and in 3D, the multiple-hit
// choice and what a pick leaves behind.
#include "Risposte.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "app/MainFrame.h"
#include "dialogs/SelezioneMultiplaDlg.h"

#include "ScenaDiProva.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/choice.h>
#include <wx/modalhook.h>
#include <wx/stattext.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
// The client size of the 3D tests' predicted points; the plan's points are
// given in metres.
constexpr int W_CLIENT = 600, H_CLIENT = 500;

void ArmaEClicca(int x, int y)
{
    Comando(ID_VISTA_SELEZIONA);
    ASSERT_EQ(Vista().m_nModoRender, MODO_SELEZIONE);
    Mouse(wxEVT_LEFT_DOWN, x, y);
    Mouse(wxEVT_LEFT_UP, x, y);
    Pompa();
}

// The same at room point (X, Y) of the plan, in metres.
void ArmaEClicca(float X, float Y)
{
    const wxPoint p = MappaPiantina().Punto(X, Y);
    ArmaEClicca(p.x, p.y);
}

// Answers the multiple-hit choice: notes the list, picks an entry (or
// none) and confirms, or leaves with Escape.
class CSceltaMultipla : public wxExpectModalBase<CSelezioneMultiplaDlg>
{
public:
    CSceltaMultipla(int nScelta, bool bConferma, std::vector<wxString>& elenco, wxString& tipo)
        : m_nScelta(nScelta), m_bConferma(bConferma), m_Elenco(elenco), m_Tipo(tipo)
    {
    }

protected:
    int OnInvoked(CSelezioneMultiplaDlg* pDlg) const override
    {
        auto* pScelta = XRCCTRL(*pDlg, "IDC_OGGETTO", wxChoice);
        for (unsigned i = 0; i < pScelta->GetCount(); ++i)
            m_Elenco.push_back(pScelta->GetString(i));
        if (m_nScelta >= 0)
        {
            pScelta->SetSelection(m_nScelta);
            wxCommandEvent cambio(wxEVT_CHOICE, pScelta->GetId());
            cambio.SetEventObject(pScelta);
            cambio.SetInt(m_nScelta);
            pScelta->ProcessWindowEvent(cambio);
        }
        m_Tipo = XRCCTRL(*pDlg, "IDC_TIPO", wxStaticText)->GetLabel();
        if (m_bConferma)
        {
            wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
            ok.SetEventObject(pDlg);
            pDlg->ProcessWindowEvent(ok);
        }
        else
        {
            wxKeyEvent esc(wxEVT_CHAR_HOOK);
            esc.m_keyCode = WXK_ESCAPE;
            esc.SetEventObject(pDlg);
            pDlg->ProcessWindowEvent(esc);
        }
        return pDlg->GetReturnCode();
    }

private:
    int m_nScelta;
    bool m_bConferma;
    std::vector<wxString>& m_Elenco;
    wxString& m_Tipo;
};
}  // namespace

TEST(SelezionePiantina, UnColpoSelezionaENessunoDeseleziona)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* pMobile = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 2.0f, 2.0f, 1.0f, 1.0f);
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 6.0f, 6.0f, 0.5f, 0.5f);
    COggetto* pPorta = Aggiungi(CATEGORIA_PORTE_FINESTRE, 0, "Porta", 4.0f, 0.0f, 1.0f, 0.0f);
    pPorta->SetParete(1);

    struct Caso
    {
        float x, y;
        COggetto* pAtteso;
    };
    // Each piece where the plan mapping puts it; the floor between is empty.
    const Caso aCasi[] = {
        {2.5f, 2.5f, pMobile}, {6.25f, 6.25f, pSedia}, {11.0f, 9.0f, nullptr},
        {2.8f, 2.8f, pMobile}, {4.6f, 2.5f, nullptr}, {6.25f, 6.25f, pSedia},
    };
    for (const Caso& c : aCasi)
    {
        ArmaEClicca(c.x, c.y);
        EXPECT_EQ(Vista().m_nModoRender, MODO_RENDER) << "one click disarms";
        EXPECT_EQ(Vista().GetOggettoSelezionato(), c.pAtteso) << c.x << "," << c.y;
        EXPECT_EQ(Vista().IsOggettoSelezionato(), c.pAtteso != nullptr);
        // Only the selection is marked, so only it is stippled.
        for (COggetto* p : {pMobile, pSedia, pPorta})
            EXPECT_EQ(p->IsSelezionato(), p == c.pAtteso) << c.x << "," << c.y;
        EXPECT_FALSE(Vista().m_bSelezioneLuce);
        EXPECT_FALSE(StatoComando(ID_VISTA_SELEZIONA).bSpuntato);
    }
    // A click when not armed picks nothing.
    const wxPoint mobile = MappaPiantina().Punto(2.5f, 2.5f);
    Mouse(wxEVT_LEFT_DOWN, mobile.x, mobile.y);
    Mouse(wxEVT_LEFT_UP, mobile.x, mobile.y);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pSedia);
}

TEST(SelezionePiantina, ColpiMultipliScelgonoNellaFinestra)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* pMobile = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 2.0f, 2.0f, 1.0f, 1.0f);
    COggetto* pTavolo = Aggiungi(CATEGORIA_TAVOLI, 1, "Tavolo di cucina", 2.5f, 2.5f, 1.0f, 1.0f);
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia di pap\xE0", 2.6f, 2.6f, 0.5f, 0.5f);
    Seleziona(pSedia);

    // Confirming the second entry: listed newest first, as the container.
    std::vector<wxString> elenco;
    wxString tipo;
    wxTEST_DIALOG(ArmaEClicca(2.8f, 2.8f), CSceltaMultipla(2, true, elenco, tipo));
    ASSERT_EQ(elenco.size(), 3u);
    EXPECT_EQ(elenco[0], wxString::FromUTF8("Sedia di papà"));
    EXPECT_EQ(elenco[1], "Tavolo di cucina");
    EXPECT_EQ(elenco[2], "Mobiletto");
    EXPECT_EQ(tipo, "Mobiletto");
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pMobile);
    EXPECT_TRUE(pMobile->IsSelezionato());
    EXPECT_FALSE(pSedia->IsSelezionato());
    EXPECT_FALSE(pTavolo->IsSelezionato());
    EXPECT_EQ(Vista().m_nModoRender, MODO_RENDER);

    // Leaving with Escape selects nothing and the old selection is unmarked.
    elenco.clear();
    wxTEST_DIALOG(ArmaEClicca(2.8f, 2.8f), CSceltaMultipla(-1, false, elenco, tipo));
    EXPECT_EQ(elenco.size(), 3u);
    EXPECT_EQ(tipo, "Sedia");  // the first entry's kind
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
    EXPECT_FALSE(pMobile->IsSelezionato());
}

TEST(SelezionePiantina, PiuDiSediciOggettiSonoTuttiOfferti)
{
    // Twenty pieces on one spot: every one is offered, none is lost.
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* aPezzi[20];
    for (int i = 0; i < 20; ++i)
    {
        const std::string nome = "Pezzo " + std::to_string(i);
        aPezzi[i] = Aggiungi(CATEGORIA_ARMADI, 1, nome.c_str(), 4.0f, 4.0f, 1.0f, 1.0f);
    }
    std::vector<wxString> elenco;
    wxString tipo;
    wxTEST_DIALOG(ArmaEClicca(4.5f, 4.5f), CSceltaMultipla(19, true, elenco, tipo));
    ASSERT_EQ(elenco.size(), 20u);
    EXPECT_EQ(Vista().m_nColpiti, 20);
    EXPECT_EQ(elenco.front(), "Pezzo 19");
    EXPECT_EQ(elenco.back(), "Pezzo 0");
    EXPECT_EQ(tipo, "Armadio");
    EXPECT_EQ(Vista().GetOggettoSelezionato(), aPezzi[0]);
}

TEST(Selezione3D, ColpisceDietroLaPareteESenzaStanza)
{
    Ripristina(W_CLIENT, H_CLIENT);
    // In the middle of the room; the default camera looks at it through
    // the south wall.
    COggetto* pMobile = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 5.5f, 4.5f, 1.0f, 1.0f);
    Comando(ID_VISTA_3D);
    ASSERT_EQ(Vista().m_nVista, VISTA_3D);

    // Its centre (6, 0.5, 5) is 15 m before the eye and 1.25 m below it.
    ArmaEClicca(300, 286);
    EXPECT_EQ(Vista().m_nColpiti, 1) << "neither the room nor the lights are picked";
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pMobile);
    EXPECT_EQ(Vista().m_nModoRender, MODO_RENDER);

    // High up in the window there is only the room: no hit.
    ArmaEClicca(300, 40);
    EXPECT_EQ(Vista().m_nColpiti, 0);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
    EXPECT_FALSE(pMobile->IsSelezionato());

    // The camera transform counts: orbited by 180 degrees it is still there
    // (the room turns about its centre), moved sideways it is not.
    Vista().m_fRotY = 180.0f;
    ArmaEClicca(300, 286);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pMobile);
    Vista().m_fTraslX = 4.0f;
    ArmaEClicca(300, 286);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
}

TEST(SelezioneStato, LaSelezioneNonDisturbaIlDisegno)
{
    for (int nVista : {VISTA_PIANTINA, VISTA_3D})
    {
        Ripristina(W_CLIENT, H_CLIENT);
        Aggiungi(CATEGORIA_TAVOLI, 0, "Tondo", 6.0f, 5.0f, 1.2f, 0.0f);
        Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 5.5f, 4.5f, 1.0f, 1.0f)->SetAltezza(2.0f);
        if (nVista == VISTA_3D)
            Comando(ID_VISTA_3D);
        Pixel(0, 0);  // a paint sets the projection
        GLint nModo = 0, nPila = 0;
        GLfloat aProiezione[16], aModello[16];
        glGetIntegerv(GL_MATRIX_MODE, &nModo);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &nPila);
        glGetFloatv(GL_PROJECTION_MATRIX, aProiezione);
        glGetFloatv(GL_MODELVIEW_MATRIX, aModello);
        const GLboolean bProfondita = glIsEnabled(GL_DEPTH_TEST);

        // Both pieces are under (6, 5) in the plan; in 3D the line of sight
        // through (300, 272) crosses the cabinet's front and the table top.
        std::vector<wxString> elenco;
        wxString tipo;
        const wxPoint punto = nVista == VISTA_3D ? wxPoint(300, 272) : MappaPiantina().Punto(6, 5);
        wxTEST_DIALOG(ArmaEClicca(punto.x, punto.y), CSceltaMultipla(0, true, elenco, tipo));
        EXPECT_EQ(elenco.size(), 2u) << nVista;
        ASSERT_TRUE(Vista().RendiCorrente());
        GLint nModoDopo = 0, nPilaDopo = 0, nRender = 0;
        GLfloat aProiezioneDopo[16], aModelloDopo[16];
        glGetIntegerv(GL_MATRIX_MODE, &nModoDopo);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &nPilaDopo);
        glGetIntegerv(GL_RENDER_MODE, &nRender);
        glGetFloatv(GL_PROJECTION_MATRIX, aProiezioneDopo);
        glGetFloatv(GL_MODELVIEW_MATRIX, aModelloDopo);
        EXPECT_EQ(nModoDopo, nModo);
        EXPECT_EQ(nPilaDopo, nPila);
        EXPECT_EQ(nRender, GL_RENDER);
        EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST), bProfondita);
        EXPECT_FALSE(glIsEnabled(GL_CULL_FACE)) << "the furniture's own state is undone";
        for (int i = 0; i < 16; ++i)
        {
            EXPECT_FLOAT_EQ(aProiezioneDopo[i], aProiezione[i]) << nVista << " " << i;
            EXPECT_FLOAT_EQ(aModelloDopo[i], aModello[i]) << nVista << " " << i;
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST(SelezioneFinestra, ClicVeroSelezionaEMostraIlNome)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia di pap\xE0", 2.0f, 2.0f, 1.0f, 1.0f);
    Comando(ID_VISTA_SELEZIONA);
    wxUIActionSimulator simulatore;
    const wxPoint punto = MappaPiantina().Punto(2.5f, 2.5f);
    simulatore.MouseMove(SulloSchermo(punto.x, punto.y));
    Pompa();
    simulatore.MouseClick(wxMOUSE_BTN_LEFT);
    EXPECT_TRUE(InputArrivato(simulatore));
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pSedia);
    EXPECT_EQ(Vista().m_nModoRender, MODO_RENDER);
    auto& cornice = dynamic_cast<CMainFrame&>(Cornice());
    cornice.AggiornaBarraStato();
    EXPECT_EQ(cornice.m_wndStatusBar->GetStatusText(1),
              wxString::FromUTF8("Oggetto selezionato: Sedia di papà — x 2.00 m, y 2.00 m, 0°"));
}

namespace
{
// Answers every modal dialog at once with Cancel (the choice among hits).
class CAnnullaTutto : public wxModalDialogHook
{
protected:
    int Enter(wxDialog*) override { return wxID_CANCEL; }
    void Exit(wxDialog*) override {}
};

// The names a pick at (x, y) hits when every piece is drawn: the reference
// the view's pick, which skips pieces far from the pointer, must match.
std::vector<GLuint> ColpiDiRiferimento(int x, int y)
{
    CLavedoView& v = Vista();
    std::vector<GLuint> aBuffer(4 * 256);
    GLint aViewport[4];
    glGetIntegerv(GL_VIEWPORT, aViewport);
    glSelectBuffer(static_cast<GLsizei>(aBuffer.size()), aBuffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, aViewport[3] - y, 3.0, 3.0, aViewport);
    gluPerspective(60.0, v.m_fLarghezzaFinestra / v.m_fAltezzaFinestra, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(v.m_fTraslX, v.m_fTraslY, v.m_fTraslZ);
    glRotatef(v.m_fRotX, 1.0f, 0.0f, 0.0f);
    glRotatef(v.m_fRotY, 0.0f, 1.0f, 0.0f);
    glTranslatef(v.m_fCentroX, v.m_fCentroY, v.m_fCentroZ);
    CContenitori& oggetti = Documento().m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    for (GLuint i = 1; p; ++i)
    {
        glLoadName(i);
        p->Disegna(v.ContestoDisegno());
        oggetti.GetSuccessivo(p);
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint nColpi = glRenderMode(GL_RENDER);
    std::vector<GLuint> nomi;
    for (GLint k = 0; k < nColpi; ++k)
        nomi.push_back(aBuffer[static_cast<size_t>(4 * k + 3)]);
    return nomi;
}
}  // namespace

TEST(Selezione3D, SaltareIPezziLontaniNonCambiaIColpi)
{
    Ripristina(W_CLIENT, H_CLIENT);
    scena_di_prova::Piena(Documento());
    Comando(ID_VISTA_3D);
    Pixel(0, 0);
    CAnnullaTutto annulla;
    annulla.Register();
    struct Camera
    {
        float fRotX, fRotY, fTraslZ;
    };
    // From outside, from above, and from inside the room among the pieces.
    const Camera aCamere[] = {{0.0f, 0.0f, -15.0f}, {35.0f, 120.0f, -12.0f}, {10.0f, 250.0f, -2.0f}};
    int nConColpi = 0;
    for (const Camera& c : aCamere)
    {
        Vista().m_fRotX = c.fRotX;
        Vista().m_fRotY = c.fRotY;
        Vista().m_fTraslZ = c.fTraslZ;
        for (int y = 20; y < H_CLIENT; y += 60)
            for (int x = 20; x < W_CLIENT; x += 60)
            {
                // Straight to the pick: a repaint of the full scene per
                // click would only slow the test down.
                Vista().m_nModoRender = MODO_SELEZIONE;
                Vista().EseguiSelezione(x, y);
                std::vector<GLuint> nomi;
                for (int k = 0; k < Vista().m_nColpiti; ++k)
                    nomi.push_back(Vista().m_aBufferSelezione[4 * k + 3]);
                ASSERT_TRUE(Vista().RendiCorrente());
                EXPECT_EQ(nomi, ColpiDiRiferimento(x, y)) << x << "," << y << " yaw " << c.fRotY;
                nConColpi += !nomi.empty();
            }
    }
    annulla.Unregister();
    EXPECT_GT(nConColpi, 30);  // the grid does cross the furniture
}

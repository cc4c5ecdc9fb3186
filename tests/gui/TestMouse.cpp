// Camera and object manipulation by mouse and timer, through the view's
// real handlers and, end to end, through the window system.
#include "TestMouseAiuti.h"
#include "app/Comandi.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ambiente;
using namespace aiuti;

namespace
{
// 600 x 500 pixels inside the margin over the 12 x 10 room: 50 pixels a
// metre, 0.02 m a pixel.
constexpr int W_CLIENT = 640, H_CLIENT = 540;

void InVista3D()
{
    Ripristina(W_CLIENT, H_CLIENT);
    Comando(ID_VISTA_3D);
    ASSERT_EQ(Vista().m_nVista, VISTA_3D);
}
}  // namespace

TEST(MouseCamera, OrbitaConAvvolgimento)
{
    struct Caso
    {
        float fRotY, fRotX;
        int dx, dy;
        float fAttesaY, fAttesaX;
    };
    // Three pixels a degree; past 360 to 0 and below 0 to 360, without carry.
    const Caso aCasi[] = {
        {359.0f, 0.0f, 6, 0, 0.0f, 0.0f},   {1.0f, 0.0f, -6, 0, 360.0f, 0.0f},
        {10.0f, 20.0f, 3, -6, 11.0f, 18.0f}, {0.0f, 359.0f, 0, 6, 0.0f, 0.0f},
        {0.0f, 1.0f, 0, -6, 0.0f, 360.0f},  {360.0f, 360.0f, 0, 0, 360.0f, 360.0f},
    };
    for (const Caso& c : aCasi)
    {
        InVista3D();
        Vista().m_fRotY = c.fRotY;
        Vista().m_fRotX = c.fRotX;
        Trascina(true, 300, 250, 300 + c.dx, 250 + c.dy, 1);
        EXPECT_FLOAT_EQ(Vista().m_fRotY, c.fAttesaY) << c.fRotY << " by " << c.dx;
        EXPECT_FLOAT_EQ(Vista().m_fRotX, c.fAttesaX) << c.fRotX << " by " << c.dy;
        EXPECT_EQ(Vista().m_bTrascinaSinistro, 0);
    }
}

TEST(MouseCamera, CarrelloEPanoramica)
{
    InVista3D();
    // Down by 16 pixels: 2 m nearer; right by 8: the scene 1 m to the right.
    Trascina(false, 300, 250, 308, 266);
    EXPECT_FLOAT_EQ(Vista().m_fTraslZ, -13.0f);
    EXPECT_FLOAT_EQ(Vista().m_fTraslX, 1.0f);
    EXPECT_FLOAT_EQ(Vista().m_fTraslY, 0.0f);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, 0.0f);
    // Unlimited either way.
    Trascina(false, 300, 0, 300, 2000);
    EXPECT_FLOAT_EQ(Vista().m_fTraslZ, 237.0f);
    EXPECT_FALSE(Documento().m_bModificato);  // the camera is not the document
}

TEST(MouseCamera, PassoDelTimer)
{
    // Five degrees a tick; above 360 it restarts at 5, 360 itself stays.
    const float aCasi[][2] = {{360.0f, 5.0f}, {355.0f, 360.0f}, {0.0f, 5.0f}, {357.5f, 5.0f}};
    wxTimer timer;
    for (const auto& c : aCasi)
    {
        Vista().m_fRotY = c[0];
        wxTimerEvent evento(timer);
        Vista().OnTimer(evento);
        EXPECT_FLOAT_EQ(Vista().m_fRotY, c[1]) << c[0];
    }
}

TEST(MouseCamera, LaRotazioneGiraDaSolaFinoAlloStop)
{
    InVista3D();
    Comando(ID_VISTA_ROTAZIONE);
    EXPECT_TRUE(Vista().IsRotazioneAttiva());
    EXPECT_TRUE(AspettaChe([] { return Vista().m_fRotY > 0.0f; }));
    Comando(ID_VISTA_ROTAZIONE);
    EXPECT_FALSE(Vista().IsRotazioneAttiva());
    const float fFerma = Vista().m_fRotY;
    Attendi(60);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, fFerma);
}

TEST(MouseTrascinamento, QualiPulsantiIniziano)
{
    struct Caso
    {
        bool b3D, bSelezione;
        int nAttesoSinistro, nAttesoDestro;
    };
    const Caso aCasi[] = {
        {false, false, 0, 0},
        {false, true, 1, 1},
        {true, false, 1, 1},
        {true, true, 1, 1},
    };
    for (const Caso& c : aCasi)
    {
        if (c.b3D)
            InVista3D();
        else
            Ripristina(W_CLIENT, H_CLIENT);
        if (c.bSelezione)
            Seleziona(Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 2.0f, 2.0f, 1.0f, 1.0f));
        Mouse(wxEVT_LEFT_DOWN, 100, 100);
        Mouse(wxEVT_RIGHT_DOWN, 100, 100);
        EXPECT_EQ(Vista().m_bTrascinaSinistro, c.nAttesoSinistro) << c.b3D << c.bSelezione;
        EXPECT_EQ(Vista().m_bTrascinaDestro, c.nAttesoDestro) << c.b3D << c.bSelezione;
        // While the drag lasts the window holds the mouse.
        EXPECT_EQ(Vista().GetCanvas()->HasCapture(), c.nAttesoSinistro == 1);
        Mouse(wxEVT_LEFT_UP, 100, 100);
        EXPECT_EQ(Vista().m_bTrascinaSinistro, 0);
        Mouse(wxEVT_RIGHT_UP, 100, 100);
        EXPECT_EQ(Vista().m_bTrascinaDestro, 0);
        EXPECT_FALSE(Vista().GetCanvas()->HasCapture());
    }
}

TEST(MouseTrascinamento, ConDuePulsantiValeSoloIlSinistro)
{
    InVista3D();
    Mouse(wxEVT_LEFT_DOWN, 300, 250);
    Mouse(wxEVT_RIGHT_DOWN, 300, 250);
    Mouse(wxEVT_MOTION, 330, 250);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, 10.0f);
    EXPECT_FLOAT_EQ(Vista().m_fTraslX, 0.0f);
    Mouse(wxEVT_LEFT_UP, 330, 250);
    // The right drag goes on from where it began.
    Mouse(wxEVT_MOTION, 346, 250);
    EXPECT_FLOAT_EQ(Vista().m_fTraslX, 46.0f / 8.0f);
    Mouse(wxEVT_RIGHT_UP, 346, 250);
}

TEST(MousePiantina, LimitiDelMobileRuotato)
{
    struct Caso
    {
        float fAngolo;
        float fMinX, fMaxX, fMinY, fMaxY;
    };
    // A 1 x 1 cabinet in the 12 x 10 room, by angle; the footprint spans
    // L (cos a, -sin a) and P (sin a, cos a) from its reference corner.
    const Caso aCasi[] = {
        {0.0f, 0.0f, 11.0f, 0.0f, 9.0f},
        {90.0f, 0.0f, 11.0f, 1.0f, 10.0f},
        {180.0f, 1.0f, 12.0f, 1.0f, 10.0f},
        {270.0f, 1.0f, 12.0f, 0.0f, 9.0f},
        {45.0f, 0.0f, 12.0f - 1.4142135f, 0.70710677f, 10.0f - 0.70710677f},
    };
    for (const Caso& c : aCasi)
    {
        Ripristina(W_CLIENT, H_CLIENT);
        COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 5.0f, 5.0f, 1.0f, 1.0f, c.fAngolo);
        Seleziona(p);
        Trascina(false, 300, 250, -3000, -3000);  // far up and left
        EXPECT_NEAR(p->GetX(), c.fMinX, 1e-5) << c.fAngolo;
        EXPECT_NEAR(p->GetY(), c.fMinY, 1e-5) << c.fAngolo;
        Trascina(false, 300, 250, 3000, 3000);  // far down and right
        EXPECT_NEAR(p->GetX(), c.fMaxX, 1e-5) << c.fAngolo;
        EXPECT_NEAR(p->GetY(), c.fMaxY, 1e-5) << c.fAngolo;
        EXPECT_FLOAT_EQ(p->GetRotazione(), c.fAngolo);  // moving does not turn it
    }
}

TEST(MousePiantina, SeguePuntatoreEScala)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* p = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 5.0f, 5.0f, 0.5f, 0.5f);
    Seleziona(p);
    // 50 pixels a metre: right 25 and down 50 move it 0.5 m east, 1 m south.
    Trascina(false, 300, 250, 325, 300, 5);
    EXPECT_NEAR(p->GetX(), 5.5f, 1e-5);
    EXPECT_NEAR(p->GetY(), 6.0f, 1e-5);
    // A scale taken from the depth: 600 x 400 inside the margin gives
    // 40 px/m.
    ImpostaClient(640, 440);
    ASSERT_TRUE(Vista().m_bScalaDaProfondita);
    ASSERT_FLOAT_EQ(Vista().m_fScala, 40.0f);
    Trascina(false, 100, 100, 100, 140);
    EXPECT_NEAR(p->GetY(), 7.0f, 1e-5);
}

TEST(MousePiantina, TavoloTondoTenutoDalRaggio)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* p = Aggiungi(CATEGORIA_TAVOLI, 0, "Tondo", 6.0f, 5.0f, 1.2f, 0.0f);
    Seleziona(p);
    Trascina(false, 300, 250, -3000, -3000);
    EXPECT_NEAR(p->GetX(), 0.6f, 1e-5);
    EXPECT_NEAR(p->GetY(), 0.6f, 1e-5);
    Trascina(false, 300, 250, 3000, 3000);
    EXPECT_NEAR(p->GetX(), 11.4f, 1e-5);
    EXPECT_NEAR(p->GetY(), 9.4f, 1e-5);
}

TEST(MousePiantina, PorteEFinestreLungoLaParete)
{
    struct Caso
    {
        int nParete;
        int dx, dy;   // pixels of the drag
        float fAttesaX;
    };
    // A 0.8 m opening from x = 2: walls 1 and 3 follow horizontal motion,
    // 2 and 4 vertical; each stops at the length of its wall less 0.8.
    const Caso aCasi[] = {
        {1, 3000, 0, 11.2f},  {1, 0, 3000, 2.0f},   {1, -3000, 0, 0.0f}, {3, 3000, 0, 0.0f},
        {3, -3000, 0, 11.2f}, {2, 0, 3000, 9.2f},   {2, 3000, 0, 2.0f},  {2, 0, -3000, 0.0f},
        {4, 0, 3000, 0.0f},   {4, 0, -3000, 9.2f},  {3, 50, 0, 1.0f},    {2, 0, 50, 3.0f},
    };
    for (const Caso& c : aCasi)
    {
        Ripristina(W_CLIENT, H_CLIENT);
        COggetto* p = Aggiungi(CATEGORIA_PORTE_FINESTRE, 0, "Porta", 2.0f, 0.0f, 0.8f, 0.0f);
        p->SetParete(c.nParete);
        Seleziona(p);
        Trascina(false, 300, 250, 300 + c.dx, 250 + c.dy);
        EXPECT_NEAR(p->GetX(), c.fAttesaX, 1e-5) << "wall " << c.nParete << " by " << c.dx
                                                 << "," << c.dy;
        EXPECT_TRUE(Documento().m_bModificato);
    }
}

TEST(MousePiantina, RuotaOggettoEAvvolge)
{
    struct Caso
    {
        float fAngolo;
        int dx;
        float fAtteso;
    };
    // Two and a half pixels a degree; vertical motion is ignored.
    const Caso aCasi[] = {
        {10.0f, 25, 20.0f}, {10.0f, -25, 0.0f}, {2.0f, -10, 360.0f}, {359.0f, 5, 0.0f},
    };
    for (const Caso& c : aCasi)
    {
        Ripristina(W_CLIENT, H_CLIENT);
        COggetto* p = Aggiungi(CATEGORIA_SEDIE, 1, "Poltrona", 5.0f, 5.0f, 1.0f, 1.0f, c.fAngolo);
        Seleziona(p);
        Trascina(true, 300, 250, 300 + c.dx, 400, 1);
        EXPECT_NEAR(p->GetRotazione(), c.fAtteso, 1e-4) << c.fAngolo << " by " << c.dx;
        EXPECT_FLOAT_EQ(p->GetX(), 5.0f);
        EXPECT_TRUE(Documento().m_bModificato);
    }
}

TEST(MousePiantina, AncheIlMovimentoAnnullatoModificaIlDocumento)
{
    struct Caso
    {
        int nCategoria;
        bool bSinistro;
    };
    // Pushed against the corner it stays put; a door does not turn at all.
    const Caso aCasi[] = {{CATEGORIA_ARMADI, false}, {CATEGORIA_PORTE_FINESTRE, true}};
    for (const Caso& c : aCasi)
    {
        Ripristina(W_CLIENT, H_CLIENT);
        COggetto* p = Aggiungi(c.nCategoria, 0, "Pezzo", 0.0f, 0.0f, 1.0f, 1.0f);
        Seleziona(p);
        ASSERT_FALSE(Documento().m_bModificato);
        Trascina(c.bSinistro, 300, 250, 250, 200, 1);
        EXPECT_FLOAT_EQ(p->GetX(), 0.0f);
        EXPECT_FLOAT_EQ(p->GetY(), 0.0f);
        EXPECT_FLOAT_EQ(p->GetRotazione(), 0.0f);
        EXPECT_TRUE(Documento().m_bModificato) << c.nCategoria;
    }
}

TEST(MousePiantina, SenzaSelezioneIlTrascinamentoNonToccaNulla)
{
    // A drag begun in 3D goes on in the plan, but only acts on a selection;
    // an emptied scene leaves none behind to act on.
    InVista3D();
    COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", 3.0f, 3.0f, 1.0f, 1.0f);
    Seleziona(p);
    Mouse(wxEVT_RIGHT_DOWN, 300, 250);
    Comando(ID_VISTA_PIANTINA);
    ASSERT_EQ(Vista().m_nVista, VISTA_PIANTINA);
    Documento().m_bModificato = false;
    Documento().OnNewDocument();  // destroys the selected cabinet
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
    Mouse(wxEVT_MOTION, 350, 300);
    Mouse(wxEVT_RIGHT_UP, 350, 300);
    EXPECT_FALSE(Documento().m_bModificato);
}

// End to end through the window system: pointer moves and presses.
TEST(MouseFinestra, OrbitaTrascinandoNellaFinestra)
{
    InVista3D();
    Pompa();
    wxUIActionSimulator simulatore;
    simulatore.MouseMove(SulloSchermo(200, 200));
    Pompa();
    simulatore.MouseDown(wxMOUSE_BTN_LEFT);
    ASSERT_TRUE(AspettaChe([] { return Vista().m_bTrascinaSinistro == 1; }));
    // Each step waits for its own motion: the toolkit may merge motions
    // still queued, never lose one.
    for (int i = 1; i <= 5; ++i)
    {
        simulatore.MouseMove(SulloSchermo(200 + 6 * i, 200));
        EXPECT_TRUE(AspettaChe([i] { return std::fabs(Vista().m_fRotY - 2.0f * i) < 1e-4f; }))
            << i << ": " << Vista().m_fRotY;
    }
    simulatore.MouseUp(wxMOUSE_BTN_LEFT);
    EXPECT_TRUE(AspettaChe([] { return Vista().m_bTrascinaSinistro == 0; }));
    EXPECT_NEAR(Vista().m_fRotY, 10.0f, 1e-4);
}

TEST(MouseFinestra, RilascioFuoriDallaFinestraChiudeIlTrascinamento)
{
    InVista3D();
    Pompa();
    wxUIActionSimulator simulatore;
    simulatore.MouseMove(SulloSchermo(300, 250));
    Pompa();
    simulatore.MouseDown(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(AspettaChe([] { return Vista().m_bTrascinaDestro == 1; }));
    // Well outside the frame, then released there.
    const wxRect cornice = Cornice().GetScreenRect();
    simulatore.MouseMove(cornice.GetRight() + 40, cornice.GetBottom() + 40);
    simulatore.MouseUp(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(AspettaChe([] { return Vista().m_bTrascinaDestro == 0; }));
    EXPECT_FALSE(Vista().GetCanvas()->HasCapture());
    // Moving back over the window no longer moves the camera.
    const float fTraslZ = Vista().m_fTraslZ;
    simulatore.MouseMove(SulloSchermo(300, 100));
    EXPECT_TRUE(InputArrivato(simulatore));
    EXPECT_FLOAT_EQ(Vista().m_fTraslZ, fTraslZ);
}

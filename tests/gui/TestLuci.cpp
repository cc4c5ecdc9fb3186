// Lights: the one routine that hands a light to GL, the GL light each
// light drives, the plan square, and the per-frame re-positioning of the
// lights that are not fixed.
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Luci.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace ambiente;

namespace
{
std::array<GLfloat, 4> Leggi(GLenum nLuce, GLenum nParametro)
{
    std::array<GLfloat, 4> v{};
    glGetLightfv(nLuce, nParametro, v.data());
    return v;
}

void AttesoVettore(const std::array<GLfloat, 4>& v, const std::array<GLfloat, 4>& atteso,
                   const char* pCosa)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(v[static_cast<size_t>(i)], atteso[static_cast<size_t>(i)], 1e-4f)
            << pCosa << " [" << i << "]";
}

class Luci : public testing::Test
{
protected:
    void SetUp() override
    {
        Ripristina(720, 700);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override
    {
        Ripristina(720, 700);
    }
};
}  // namespace

TEST_F(Luci, OgniLuceGuidaLaSuaLuceGLAncheSpenta)
{
    CContenitori& luci = Documento().m_Luci;
    luci.Aggiungi(scena_di_prova::Luce("Prima", 1.0f, 2.0f, 3.0f, false));
    luci.Aggiungi(scena_di_prova::Luce("Seconda", 4.0f, 5.0f, 2.5f, true));
    COggetto* pTerza = scena_di_prova::Luce("Terza", 7.0f, 8.0f, 1.5f, false);
    luci.Aggiungi(pTerza);
    COggetto* pSeconda = nullptr;
    luci.GetElemento(2, pSeconda);
    ASSERT_NE(pSeconda, nullptr);
    pSeconda->SetAccesa(false);
    Documento().ApplicaLuci();

    // Oldest first: position (X, Z, Y, w), w 0 only for a directional light.
    AttesoVettore(Leggi(GL_LIGHT0, GL_POSITION), {1.0f, 3.0f, 2.0f, 1.0f}, "prima");
    AttesoVettore(Leggi(GL_LIGHT1, GL_POSITION), {4.0f, 2.5f, 5.0f, 0.0f}, "seconda");
    AttesoVettore(Leggi(GL_LIGHT2, GL_POSITION), {7.0f, 1.5f, 8.0f, 1.0f}, "terza");
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));  // off, but keeps its number
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    for (GLenum n = GL_LIGHT3; n <= GL_LIGHT7; ++n)
        EXPECT_FALSE(glIsEnabled(n)) << "GL light " << n - GL_LIGHT0;

    // Switching it on again through the one routine enables the same light.
    pSeconda->SetAccesa(true);
    ApplicaLuce(*pSeconda, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    // Outside the eight GL lights nothing is touched.
    ApplicaLuce(*pTerza, 8);
    ApplicaLuce(*pTerza, -1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Luci, ComponentiSpenteSonoNere)
{
    const float aAmbiente[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    const float aDiffusa[4] = {0.5f, 0.6f, 0.7f, 0.8f};
    const float aSpeculare[4] = {0.9f, 0.8f, 0.7f, 0.6f};
    const std::array<GLfloat, 4> nero = {0, 0, 0, 1};
    struct CCaso
    {
        bool bAmbiente, bDiffusa, bSpeculare;  // switched off
    };
    const CCaso aCasi[] = {{false, false, false}, {true, false, false}, {false, true, false},
                           {false, false, true},  {true, true, true}};
    for (const CCaso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "off: " << c.bAmbiente << c.bDiffusa << c.bSpeculare);
        CLuci luce;
        luce.SetAmbiente(aAmbiente);
        luce.SetDiffusa(aDiffusa);
        luce.SetSpeculare(aSpeculare);
        luce.SetDisattivaAmbiente(c.bAmbiente);
        luce.SetDisattivaDiffusa(c.bDiffusa);
        luce.SetDisattivaSpeculare(c.bSpeculare);
        ApplicaLuce(luce, 4);
        AttesoVettore(Leggi(GL_LIGHT4, GL_AMBIENT),
                      c.bAmbiente ? nero : std::array<GLfloat, 4>{0.1f, 0.2f, 0.3f, 0.4f},
                      "ambient");
        AttesoVettore(Leggi(GL_LIGHT4, GL_DIFFUSE),
                      c.bDiffusa ? nero : std::array<GLfloat, 4>{0.5f, 0.6f, 0.7f, 0.8f},
                      "diffuse");
        AttesoVettore(Leggi(GL_LIGHT4, GL_SPECULAR),
                      c.bSpeculare ? nero : std::array<GLfloat, 4>{0.9f, 0.8f, 0.7f, 0.6f},
                      "specular");
        for (const GLenum nFaccia : {GL_FRONT, GL_BACK})
        {
            GLfloat fLucentezza = -1;
            glGetMaterialfv(nFaccia, GL_SHININESS, &fLucentezza);
            EXPECT_FLOAT_EQ(fLucentezza, c.bSpeculare ? 0.0f : 90.0f);
        }
        EXPECT_TRUE(glIsEnabled(GL_LIGHT4));
    }
    glDisable(GL_LIGHT4);
}

TEST_F(Luci, QuadratoInPiantinaSoloPerLeLuciNonFisse)
{
    // 60 px per metre, room 10 m deep: a light at (0, 0) covers x 0..18 and
    // y 582..600; one at (5, 5) x 300..318, y 282..300.
    Ripristina(760, 700);
    CContenitori& luci = Documento().m_Luci;
    luci.Aggiungi(scena_di_prova::Luce("Angolo", 0.0f, 0.0f, 2.0f, true));
    COggetto* pFissa = scena_di_prova::Luce("Fissa", 5.0f, 5.0f, 2.0f, true);
    pFissa->SetFissa(true);
    luci.Aggiungi(pFissa);
    ASSERT_FLOAT_EQ(Vista().m_fScala, 60.0f);

    // Yellow at alpha 170 over the black background; pixels from the
    // room's south-west corner.
    const CMappaPiantina mappa = MappaPiantina();
    auto colore = [&](bool bDisegna, int x, int y, int r, int g, int b) {
        const std::array<int, 2> q = mappa.DallAngolo(x, y);
        return ColoreA(bDisegna, q[0], q[1], r, g, b);
    };
    for (const auto& q : {std::array<int, 2>{9, 591}, {3, 584}, {16, 597}})
        EXPECT_TRUE(colore(true, q[0], q[1], 170, 170, 0));
    for (const auto& q : {std::array<int, 2>{21, 591}, {9, 579}})
        EXPECT_TRUE(colore(false, q[0], q[1], 0, 0, 0));
    EXPECT_TRUE(colore(false, 309, 291, 0, 0, 0));  // fixed: absent

    pFissa->SetFissa(false);
    EXPECT_TRUE(colore(true, 309, 291, 170, 170, 0));
}

TEST_F(Luci, LeLuciNonFisseSiMuovonoConLaStanza)
{
    // Lights applied with no camera; then a 3D paint with a turned camera
    // sends the moving light's position again under the camera transform.
    CContenitori& luci = Documento().m_Luci;
    COggetto* pFissa = scena_di_prova::Luce("Fissa", 1.0f, 2.0f, 3.0f, false);
    pFissa->SetFissa(true);
    luci.Aggiungi(pFissa);
    luci.Aggiungi(scena_di_prova::Luce("Mobile", 4.0f, 5.0f, 2.0f, false));
    luci.Aggiungi(scena_di_prova::Luce("Sole", 6.0f, 7.0f, 3.0f, true));
    Documento().ApplicaLuci();

    CLavedoView& v = Vista();
    v.m_nVista = VISTA_3D;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 20.0f;
    v.m_fRotY = 75.0f;
    g_pView->CentraEAdatta(Documento().m_Stanza);

    // The camera matrix as the paint builds it.
    GLfloat m[16];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(v.m_fTraslX, v.m_fTraslY, v.m_fTraslZ);
    glRotatef(v.m_fRotX, 1, 0, 0);
    glRotatef(v.m_fRotY, 0, 1, 0);
    glTranslatef(v.m_fCentroX, v.m_fCentroY, v.m_fCentroZ);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glPopMatrix();
    auto Trasforma = [&](std::array<GLfloat, 4> p) {
        std::array<GLfloat, 4> r{};
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 4; ++k)
                r[static_cast<size_t>(i)] += m[k * 4 + i] * p[static_cast<size_t>(k)];
        return r;
    };

    v.RendiCorrente();
    v.Renderizza();
    AttesoVettore(Leggi(GL_LIGHT0, GL_POSITION), {1.0f, 3.0f, 2.0f, 1.0f}, "fixed");
    AttesoVettore(Leggi(GL_LIGHT1, GL_POSITION), Trasforma({4.0f, 2.0f, 5.0f, 1.0f}),
                  "moving, positional");
    AttesoVettore(Leggi(GL_LIGHT2, GL_POSITION), Trasforma({6.0f, 3.0f, 7.0f, 0.0f}),
                  "moving, directional");
}

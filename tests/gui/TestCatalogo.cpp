// Furniture catalogue: GL state each kind leaves, plan symbols at the pixels
// the plan mapping predicts, the openings' wall frames and visibility, and
// texture indexes a damaged file may hold.
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "furniture/Tavoli2.h"
#include "model/Contenitori.h"
#include "model/Texture.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <iterator>
#include <memory>
#include <vector>

using namespace ambiente;

namespace
{
// The 3D tests' viewport: 60 pixels a metre across the default 12 x 10 room.
constexpr int LARGHEZZA = 720, ALTEZZA = 700;
// The plan's window: 60 pixels a metre inside the margin, with the north
// wall 600 pixels above the south wall.
constexpr int W_PIANTA = LARGHEZZA + 2 * static_cast<int>(MARGINE_PIANTA), H_PIANTA = ALTEZZA;

// The colour at a plan pixel given from the room's south-west corner.
testing::AssertionResult InPiantina(bool bDisegna, std::array<int, 2> q, int r, int g, int b)
{
    const std::array<int, 2> p = MappaPiantina().DallAngolo(q[0], q[1]);
    return ColoreA(bDisegna, p[0], p[1], r, g, b);
}

std::unique_ptr<COggetto> Nuovo(int nCategoria, int nTipo)
{
    return std::unique_ptr<COggetto>(CreaOggetto(nCategoria, nTipo));
}

// Adds a piece to the document, which owns it from then on.
COggetto* Aggiungi(int nCategoria, int nTipo, float x, float y, float w, float d,
                   const unsigned char* pColore)
{
    COggetto* p = scena_di_prova::Mobile(nCategoria, nTipo, "Pezzo", x, y);
    p->SetLarghezza(w);
    p->SetProfondita(d);
    p->SetAltezza(2.0f);
    p->SetColore1(pColore);
    Documento().m_Oggetti.Aggiungi(p);
    return p;
}

struct CPunto3
{
    float x, y, z;
};

// Every vertex an object sends in 3D, in world coordinates: the object is
// drawn in feedback mode under an orthographic camera that maps world
// coordinates one to one onto window coordinates.
std::vector<CPunto3> Vertici3D(COggetto& oggetto)
{
    static GLfloat aBuffer[1 << 16];
    glViewport(0, 0, 1000, 1000);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-50, 50, -50, 50, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    glFeedbackBuffer(static_cast<GLsizei>(std::size(aBuffer)), GL_3D, aBuffer);
    glRenderMode(GL_FEEDBACK);
    oggetto.Disegna(Vista().ContestoDisegno());
    const GLint n = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    Vista().m_bImpostaProiezione = true;

    std::vector<CPunto3> vertici;
    auto Vertice = [&](GLint i) {
        vertici.push_back({(aBuffer[i] - 500.0f) / 10.0f, (aBuffer[i + 1] - 500.0f) / 10.0f,
                           50.0f * (1.0f - 2.0f * aBuffer[i + 2])});
    };
    for (GLint i = 0; i < n;)
    {
        const GLint nToken = static_cast<GLint>(aBuffer[i++]);
        int nVertici = 0;
        if (nToken == GL_POLYGON_TOKEN)
            nVertici = static_cast<int>(aBuffer[i++]);
        else if (nToken == GL_LINE_TOKEN || nToken == GL_LINE_RESET_TOKEN)
            nVertici = 2;
        else if (nToken == GL_POINT_TOKEN || nToken == GL_BITMAP_TOKEN ||
                 nToken == GL_DRAW_PIXEL_TOKEN || nToken == GL_COPY_PIXEL_TOKEN)
            nVertici = 1;
        else if (nToken == GL_PASS_THROUGH_TOKEN)
        {
            ++i;
            continue;
        }
        for (int v = 0; v < nVertici; ++v, i += 3)
            Vertice(i);
    }
    return vertici;
}

struct CScatola
{
    float x0, x1, y0, y1, z0, z1;
};

CScatola Ingombro(const std::vector<CPunto3>& vertici)
{
    CScatola s{1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f};
    for (const CPunto3& p : vertici)
    {
        s.x0 = std::min(s.x0, p.x), s.x1 = std::max(s.x1, p.x);
        s.y0 = std::min(s.y0, p.y), s.y1 = std::max(s.y1, p.y);
        s.z0 = std::min(s.z0, p.z), s.z1 = std::max(s.z1, p.z);
    }
    return s;
}

// Orthographic 3D camera at 60 pixels per metre over the client area, seen
// from the south (looking towards -z) or from above (north at the top).
void CameraOrtogonale(bool bDallAlto)
{
    const double fAltezza = ALTEZZA / 60.0;
    glViewport(0, 0, LARGHEZZA, ALTEZZA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (bDallAlto)
        glOrtho(0, 12, -fAltezza, 0, -50, 50);
    else
        glOrtho(0, 12, 0, fAltezza, -50, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (bDallAlto)
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Vista().m_bImpostaProiezione = true;
}

class Catalogo : public testing::Test
{
protected:
    void SetUp() override
    {
        Ripristina(W_PIANTA, H_PIANTA);
        ASSERT_FLOAT_EQ(Vista().m_fScala, 60.0f);
    }
    void TearDown() override
    {
        Vista().m_bTextures = false;
        Vista().m_bWireframe = false;
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        Vista().m_bImpostaProiezione = true;
    }
};

bool Abilitata(GLenum n)
{
    if (n == GL_LIGHT_MODEL_TWO_SIDE)
    {
        GLint v = 0;
        glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &v);
        return v != 0;
    }
    return glIsEnabled(n) == GL_TRUE;
}

void Imposta(GLenum n, bool b)
{
    if (n == GL_LIGHT_MODEL_TWO_SIDE)
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, b ? 1 : 0);
    else if (b)
        glEnable(n);
    else
        glDisable(n);
}
}  // namespace

// Every kind, drawn alone in 3D or as its plan symbol, leaves GL as it found
// it: capabilities, line width, matrix stack, no error.
TEST_F(Catalogo, OgniTipoLasciaLoStatoGLComeLoTrova)
{
    const GLenum aCap[] = {GL_TEXTURE_2D, GL_CULL_FACE, GL_NORMALIZE, GL_COLOR_MATERIAL,
                           GL_BLEND, GL_POLYGON_STIPPLE, GL_LIGHT_MODEL_TWO_SIDE};
    for (int nCategoria = 0; nCategoria < 4; ++nCategoria)
        for (int nTipo = 0; nTipo < 2; ++nTipo)
        {
            auto p = Nuovo(nCategoria, nTipo);
            p->SetTexture(5);
            p->SetZ(1.0f);
            for (const bool bTextures : {false, true})
                for (const bool bIniziale : {false, true})
                    for (const bool b3D : {true, false})
                    {
                        SCOPED_TRACE(testing::Message()
                                     << NomeTipo(nCategoria, nTipo) << " textures " << bTextures
                                     << " capabilities at start " << bIniziale << " 3D " << b3D);
                        Vista().m_bTextures = bTextures;
                        for (const GLenum n : aCap)
                            Imposta(n, bIniziale);
                        glLineWidth(2.0f);
                        GLint nPilaPrima = 0, nPilaDopo = 0;
                        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &nPilaPrima);
                        while (glGetError() != GL_NO_ERROR)
                        {
                        }
                        if (b3D)
                            p->Disegna(Vista().ContestoDisegno());
                        else
                            p->DisegnaPiantina(Vista().ContestoDisegno());
                        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
                        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &nPilaDopo);
                        EXPECT_EQ(nPilaDopo, nPilaPrima);
                        for (const GLenum n : aCap)
                            EXPECT_EQ(Abilitata(n), bIniziale) << "capability 0x" << std::hex << n;
                        GLfloat fLinea = 0;
                        glGetFloatv(GL_LINE_WIDTH, &fLinea);
                        EXPECT_FLOAT_EQ(fLinea, 2.0f);
                    }
        }
    glLineWidth(1.0f);
    for (const GLenum n : aCap)
        Imposta(n, false);
}

TEST_F(Catalogo, ImprontaInPiantinaAiPixelPrevisti)
{
    const unsigned char aRosso[4] = {255, 0, 0, 170};
    const unsigned char aVerde[4] = {0, 255, 0, 170};
    struct CCaso
    {
        const char* pNome;
        float x, y, r;
        std::vector<std::array<int, 2>> aDentro, aFuori;
    };
    const CCaso aCasi[] = {
        // X 2, W 1, D 0.5 at Y = 0: x 120..180, y 600 down to 570.
        {"contro la parete nord", 2.0f, 0.0f, 0.0f, {{150, 595}, {122, 572}, {178, 590}},
         {{150, 566}, {116, 585}, {184, 585}}},
        // R 90 turns the width northwards and the depth eastwards:
        // x 120..150, y 300..360 instead of x 120..180, y 270..300.
        {"ruotato di 90 gradi", 2.0f, 5.0f, 90.0f, {{135, 330}, {122, 358}, {148, 302}},
         {{165, 285}, {135, 290}, {155, 330}, {135, 365}}},
    };
    for (const CCaso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        Ripristina(W_PIANTA, H_PIANTA);
        COggetto* p = Aggiungi(CATEGORIA_SEDIE, 0, c.x, c.y, 1.0f, 0.5f, aRosso);
        p->SetRotazione(c.r);
        for (const auto& q : c.aDentro)
            EXPECT_TRUE(InPiantina(true, q, 170, 0, 0));
        for (const auto& q : c.aFuori)
            EXPECT_TRUE(InPiantina(true, q, 0, 0, 0));
    }

    // Translucent: the oldest piece is drawn last, over the newer one.
    Ripristina(W_PIANTA, H_PIANTA);
    Aggiungi(CATEGORIA_ARMADI, 1, 2.0f, 5.0f, 1.0f, 1.0f, aRosso);
    Aggiungi(CATEGORIA_TAVOLI, 1, 2.5f, 5.0f, 1.0f, 1.0f, aVerde);
    EXPECT_TRUE(InPiantina(true, {195, 270}, 0, 170, 0));    // green alone
    EXPECT_TRUE(InPiantina(true, {135, 270}, 170, 0, 0));    // red alone
    EXPECT_TRUE(InPiantina(true, {165, 270}, 170, 57, 0));   // red over green
}

TEST_F(Catalogo, TavoloTondoInPiantina)
{
    // Round table at the centre of the room, 2 m across: a disc of radius
    // 60 px around (360, 300); leg squares 8.4 px wide 30 px off each axis.
    const unsigned char aColore[4] = {0, 255, 255, 170};
    COggetto* p = Aggiungi(CATEGORIA_TAVOLI, 0, 6.0f, 5.0f, 2.0f, 0.0f, aColore);
    p->SetRotazione(30.0f);  // the legs turn, the disc stays a disc
    for (const auto& q : {std::array<int, 2>{360, 300}, {360, 355}, {305, 300}, {400, 330}})
        EXPECT_TRUE(InPiantina(true, q, 0, 170, 170));
    for (const auto& q : {std::array<int, 2>{360, 365}, {420, 360}, {296, 300}})
        EXPECT_TRUE(InPiantina(true, q, 0, 0, 0));

    // Filled, a leg square does not show on the top: no darker patch.
    p->SetRotazione(0.0f);
    EXPECT_TRUE(InPiantina(true, {330, 270}, 0, 170, 170));
    EXPECT_TRUE(InPiantina(true, {390, 330}, 0, 170, 170));

    // As outlines the leg squares appear: the lower edge of the square
    // centred at (330, 270) runs along y = 265.8, away from every spoke of
    // the disc's fan near x = 329..332.
    Vista().m_bWireframe = true;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    Pixel(0, 0);
    const std::array<int, 2> o = MappaPiantina().DallAngolo(0, 0);
    int nAccesi = 0;
    for (int x = 329; x <= 332; ++x)
        for (int y = 264; y <= 266; ++y)
            if (!Vicino(PixelSenzaDisegnare(x + o[0], y + o[1]), 0, 0, 0, 20))
                ++nAccesi;
    EXPECT_GE(nAccesi, 3);
    // The same spot of a table without legs drawn (rotated by 45 degrees the
    // squares move onto the diagonals' ends, off this row).
    p->SetRotazione(45.0f);
    Pixel(0, 0);
    nAccesi = 0;
    for (int x = 329; x <= 332; ++x)
        for (int y = 264; y <= 266; ++y)
            if (!Vicino(PixelSenzaDisegnare(x + o[0], y + o[1]), 0, 0, 0, 20))
                ++nAccesi;
    EXPECT_EQ(nAccesi, 0);
}

TEST_F(Catalogo, StrisceDiPorteEFinestreSuOgniParete)
{
    const unsigned char aBlu[4] = {0, 0, 255, 255};
    struct CCaso
    {
        int nTipo, nParete;
        float x;
        std::array<int, 2> dentro, fuori;
    };
    // X 2, W 1 at 60 px/m in a 720 x 600 room outline; strips 9 px deep.
    const CCaso aCasi[] = {
        {0, 1, 2.0f, {150, 595}, {150, 588}},  {0, 2, 2.0f, {715, 450}, {708, 450}},
        {0, 3, 2.0f, {570, 5}, {570, 12}},     {0, 4, 2.0f, {5, 150}, {12, 150}},
        {1, 1, 2.0f, {150, 595}, {185, 595}},  {1, 3, 2.0f, {570, 5}, {535, 5}},
        // On the south wall X runs westwards from the east end.
        {0, 3, 0.0f, {690, 5}, {655, 5}},
    };
    for (const CCaso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.nTipo << " wall " << c.nParete);
        Ripristina(W_PIANTA, H_PIANTA);
        COggetto* p = Aggiungi(CATEGORIA_PORTE_FINESTRE, c.nTipo, c.x, 0.0f, 1.0f, 0.0f, aBlu);
        p->SetParete(c.nParete);
        p->SetZ(1.0f);
        EXPECT_TRUE(InPiantina(true, c.dentro, 0, 0, 255));
        EXPECT_TRUE(InPiantina(false, c.fuori, 0, 0, 0));
    }

    // A wall number outside 1 to 4 draws nothing.
    Ripristina(W_PIANTA, H_PIANTA);
    COggetto* p = Aggiungi(CATEGORIA_PORTE_FINESTRE, 0, 2.0f, 0.0f, 1.0f, 0.0f, aBlu);
    p->SetParete(7);
    Pixel(0, 0);
    for (const auto& q : {std::array<int, 2>{150, 595}, {715, 450}, {570, 5}, {5, 150}})
        EXPECT_TRUE(InPiantina(false, q, 0, 0, 0));
}

TEST_F(Catalogo, AperturaNelSistemaDellaParete)
{
    // Door 1 m wide, 2 m high, plain leaf (its handle reaches 0.135 m into
    // the room, the leaf 0.1 m out of the wall's side).
    struct CCaso
    {
        int nTipo, nParete;
        float x;
        CScatola atteso;
    };
    const CCaso aCasi[] = {
        {0, 1, 2.0f, {2.0f, 3.0f, 0.0f, 2.0f, -0.06f, 0.175f}},
        {0, 2, 2.0f, {11.825f, 12.06f, 0.0f, 2.0f, 2.0f, 3.0f}},
        {0, 3, 2.0f, {9.0f, 10.0f, 0.0f, 2.0f, 9.825f, 10.06f}},
        {0, 4, 2.0f, {-0.06f, 0.175f, 0.0f, 2.0f, 7.0f, 8.0f}},
        // Against the east end of the south wall.
        {0, 3, 0.0f, {11.0f, 12.0f, 0.0f, 2.0f, 9.825f, 10.06f}},
        // A window 1 m above the floor: frame from y 1 to 3, latch 0.05 m out.
        {1, 1, 2.0f, {2.0f, 3.0f, 1.0f, 3.0f, 0.04f, 0.09f}},
        {1, 2, 2.0f, {11.91f, 11.96f, 1.0f, 3.0f, 2.0f, 3.0f}},
    };
    Vista().m_bTextures = false;
    for (const CCaso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.nTipo << " wall " << c.nParete
                                        << " X " << c.x);
        auto p = Nuovo(CATEGORIA_PORTE_FINESTRE, c.nTipo);
        p->SetX(c.x);
        p->SetLarghezza(1.0f);
        p->SetAltezza(2.0f);
        p->SetParete(c.nParete);
        p->SetZ(1.0f);
        const CScatola s = Ingombro(Vertici3D(*p));
        const float e = 0.01f;
        EXPECT_NEAR(s.x0, c.atteso.x0, e);
        EXPECT_NEAR(s.x1, c.atteso.x1, e);
        EXPECT_NEAR(s.y0, c.atteso.y0, e);
        EXPECT_NEAR(s.y1, c.atteso.y1, e);
        EXPECT_NEAR(s.z0, c.atteso.z0, e);
        EXPECT_NEAR(s.z1, c.atteso.z1, e);
    }
}

TEST_F(Catalogo, AperturaDisegnataSoloSullePareteVisibili)
{
    struct CCaso
    {
        const char* pNome;
        int nPareti;
        float fImbardata;
        bool aVisibile[4];  // walls 1 to 4
    };
    const CCaso aCasi[] = {
        {"Tutte", PARETI_TUTTE, 0.0f, {true, true, true, true}},
        {"Nessuna", PARETI_NESSUNA, 0.0f, {false, false, false, false}},
        {"Due, imbardata 0", PARETI_DUE, 0.0f, {true, true, false, false}},
        {"Due, imbardata 100", PARETI_DUE, 100.0f, {false, true, true, false}},
        {"Due, imbardata 190", PARETI_DUE, 190.0f, {false, false, true, true}},
        {"Due, imbardata 300", PARETI_DUE, 300.0f, {true, false, false, true}},
        {"Due, imbardata -30", PARETI_DUE, -30.0f, {true, true, false, false}},
    };
    Vista().m_nVista = VISTA_3D;
    for (const CCaso& c : aCasi)
    {
        Vista().m_fRotY = c.fImbardata;
        Documento().m_Stanza.SetPareti(c.nPareti);
        for (int nTipo = 0; nTipo < 2; ++nTipo)
            for (int nParete = 1; nParete <= 4; ++nParete)
            {
                auto p = Nuovo(CATEGORIA_PORTE_FINESTRE, nTipo);
                p->SetParete(nParete);
                p->SetX(1.0f);
                p->SetZ(1.0f);
                EXPECT_EQ(!Vertici3D(*p).empty(), c.aVisibile[nParete - 1])
                    << c.pNome << ", kind " << nTipo << ", wall " << nParete;
            }
    }
    Vista().m_fRotY = 0.0f;
    Vista().m_nVista = VISTA_PIANTINA;
}

TEST_F(Catalogo, VetroSempreConLaTexture)
{
    // Window on the north wall seen from the south, textures switched off:
    // the panes still show the glass (light blue), never the current colour.
    auto p = Nuovo(CATEGORIA_PORTE_FINESTRE, 1);
    p->SetParete(1);
    p->SetX(2.0f);
    p->SetZ(1.0f);
    p->SetLarghezza(2.0f);
    p->SetAltezza(2.0f);
    p->SetTexture(-1);
    const unsigned char aCornice[4] = {200, 0, 50, 255};
    p->SetColore2(aCornice);
    Vista().m_bTextures = false;
    CameraOrtogonale(false);
    glColor3ub(255, 0, 255);
    p->Disegna(Vista().ContestoDisegno());
    glFinish();
    // Left pane x 2.2..2.955, y 1.2..2.8; right pane x 3.045..3.8.
    for (const auto& q : {std::array<int, 2>{150, 120}, {162, 100}, {210, 150}})
    {
        const auto c = PixelSenzaDisegnare(q[0], q[1]);
        EXPECT_FALSE(Vicino(c, 255, 0, 255, 20)) << q[0] << "," << q[1];
        EXPECT_GT(c[2], 180) << q[0] << "," << q[1];
        EXPECT_GT(c[1], 180) << q[0] << "," << q[1];
    }
    // The frame around them is in the frame colour.
    EXPECT_TRUE(ColoreA(false, 123, 120, 200, 0, 50));
}

TEST_F(Catalogo, TextureFuoriIntervalloDisegnataSenzaTexture)
{
    // A damaged or foreign file may hold any index: the surface keeps its
    // colour and nothing outside the texture table is read.
    const unsigned char aColore[4] = {40, 200, 90, 255};
    struct CCaso
    {
        const char* pNome;
        int nCategoria, nTipo;
        bool bDallAlto;
        std::array<int, 2> punto;
    };
    const CCaso aCasi[] = {
        // Cabinet 2 x 2 x 0.5 at X 1, front seen from the south.
        {"Mobiletto", 0, 0, false, {90, 60}},
        // Round table 2 m across at (6, 5), top seen from above.
        {"Tavolo tondo", 3, 0, true, {360, 400}},
        // Door on the north wall at X 2, leaf seen from the south.
        {"Porta", 1, 0, false, {150, 30}},
    };
    Vista().m_bTextures = true;
    for (const CCaso& c : aCasi)
        for (const int nTexture : {99, -7, NUMERO_TEXTURE, -1})
        {
            SCOPED_TRACE(testing::Message() << c.pNome << " texture " << nTexture);
            auto p = Nuovo(c.nCategoria, c.nTipo);
            p->SetX(c.nCategoria == 3 ? 6.0f : c.nCategoria == 1 ? 2.0f : 1.0f);
            p->SetY(c.nCategoria == 3 ? 5.0f : 0.0f);
            p->SetLarghezza(2.0f);
            p->SetAltezza(2.0f);
            p->SetProfondita(0.5f);
            p->SetParete(1);
            p->SetColore1(aColore);
            p->SetTexture(nTexture);
            CameraOrtogonale(c.bDallAlto);
            p->Disegna(Vista().ContestoDisegno());
            glFinish();
            EXPECT_TRUE(ColoreA(false, c.punto[0], c.punto[1], 40, 200, 90));
        }
}

namespace
{
// A round table whose quadric GLU could not make.
class CTavoloSenzaQuadrica : public CTavoli2
{
public:
    CTavoloSenzaQuadrica()
    {
        gluDeleteQuadric(m_pQuadrica);
        m_pQuadrica = nullptr;
    }
};
}  // namespace

TEST_F(Catalogo, TavoloTondoSenzaQuadricaNonHaIlPiano)
{
    const unsigned char aColore[4] = {40, 200, 90, 255};
    CTavoloSenzaQuadrica tavolo;
    tavolo.SetX(6.0f);
    tavolo.SetY(5.0f);
    tavolo.SetLarghezza(2.0f);
    tavolo.SetAltezza(1.0f);
    tavolo.SetColore1(aColore);
    tavolo.SetTexture(3);
    for (const bool bTextures : {false, true})
    {
        Vista().m_bTextures = bTextures;
        CameraOrtogonale(true);
        tavolo.Disegna(Vista().ContestoDisegno());
        glFinish();
        // No top at the centre, the legs still there.
        EXPECT_TRUE(ColoreA(false, 360, 400, 0, 0, 0));
        EXPECT_TRUE(ColoreA(false, 330, 430, 200, 0, 50));
        EXPECT_FALSE(Vertici3D(tavolo).empty());
    }
    tavolo.DisegnaPiantina(Vista().ContestoDisegno());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Catalogo, CorniceDellaFinestraColorataConLeLuci)
{
    // Lit from the room, every side of the frame shows the frame colour:
    // none is seen from its back (which would take the grey back material).
    auto p = Nuovo(CATEGORIA_PORTE_FINESTRE, 1);
    p->SetParete(1);
    p->SetX(2.0f);
    p->SetZ(1.0f);
    p->SetLarghezza(2.0f);
    p->SetAltezza(2.0f);
    const unsigned char aCornice[4] = {200, 0, 50, 255};
    p->SetColore2(aCornice);
    CameraOrtogonale(false);
    const GLfloat aDirezione[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, aDirezione);
    // GL's own white light, whatever room lit it before.
    const GLfloat aNero[4] = {0.0f, 0.0f, 0.0f, 1.0f}, aBianco[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, aNero);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, aBianco);
    glLightfv(GL_LIGHT0, GL_SPECULAR, aBianco);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    p->Disegna(Vista().ContestoDisegno());
    glFinish();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    // Left, right, top and bottom sides of the outer frame.
    const std::array<int, 2> aLati[] = {{122, 120}, {238, 120}, {150, 177}, {150, 63}};
    const auto riferimento = PixelSenzaDisegnare(aLati[0][0], aLati[0][1]);
    EXPECT_GT(riferimento[0], 150) << int(riferimento[0]) << "," << int(riferimento[1]);
    EXPECT_LT(riferimento[1], 30) << int(riferimento[0]) << "," << int(riferimento[1]);
    for (const auto& q : aLati)
        EXPECT_TRUE(ColoreA(false, q[0], q[1], riferimento[0], riferimento[1], riferimento[2]));
}

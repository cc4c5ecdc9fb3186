// The floor a piece takes, the moves of the keys and the walls' magnet, in
// a 12 x 10 room.
#include "model/Contenitori.h"
#include "model/Ingombro.h"
#include "model/Oggetto.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
constexpr float W = 12.0f, D = 10.0f;

std::unique_ptr<COggetto> Pezzo(int nCategoria, int nTipo, float x, float y, float L, float P,
                                float fAngolo = 0.0f, int nParete = 0)
{
    std::unique_ptr<COggetto> p(CreaOggetto(nCategoria, nTipo));
    p->SetX(x);
    p->SetY(y);
    p->SetLarghezza(L);
    p->SetProfondita(P);
    p->SetRotazione(fAngolo);
    p->SetParete(nParete);
    return p;
}
}  // namespace

// The box of a footprint turned at any angle, of a disc and of an opening's
// strip on each wall; the distances to the walls follow from it.
TEST(Ingombro, RiquadroDiPezziRuotatiTondiEAperture)
{
    struct Caso
    {
        int nCategoria, nTipo, nParete;
        float x, y, L, P, fAngolo, fMinX, fMaxX, fMinY, fMaxY;
    };
    // A 2 x 1 cabinet at (2, 3): width along (cos a, -sin a), depth along (sin a, cos a).
    const Caso aCasi[] = {
        {CATEGORIA_ARMADI, 0, 0, 2, 3, 2, 1, 0, 2, 4, 3, 4},
        {CATEGORIA_ARMADI, 0, 0, 2, 3, 2, 1, 90, 2, 3, 1, 3},
        {CATEGORIA_ARMADI, 0, 0, 2, 3, 2, 1, 180, 0, 2, 2, 3},
        {CATEGORIA_ARMADI, 0, 0, 2, 3, 2, 1, 270, 1, 2, 3, 5},
        {CATEGORIA_ARMADI, 0, 0, 2, 3, 2, 1, 30, 2, 4.2320508f, 2, 3.8660254f},
        {CATEGORIA_SEDIE, 0, 0, 2, 3, 2, 1, 150, 0.2679492f, 2.5f, 1.1339746f, 3},
        {CATEGORIA_TAVOLI, 0, 0, 5, 5, 1.2f, 0, 40, 4.4f, 5.6f, 4.4f, 5.6f},
        {CATEGORIA_PORTE_FINESTRE, 0, 1, 1, 0, 0.8f, 0, 0, 1, 1.8f, 0, 0.15f},
        {CATEGORIA_PORTE_FINESTRE, 1, 2, 1, 0, 0.8f, 0, 0, 11.85f, 12, 1, 1.8f},
        {CATEGORIA_PORTE_FINESTRE, 0, 3, 1, 0, 0.8f, 0, 0, 10.2f, 11, 9.85f, 10},
        {CATEGORIA_PORTE_FINESTRE, 1, 4, 1, 0, 0.8f, 0, 0, 0, 0.15f, 8.2f, 9},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "family " << c.nCategoria << " wall " << c.nParete
                                        << " at " << c.fAngolo);
        const auto p = Pezzo(c.nCategoria, c.nTipo, c.x, c.y, c.L, c.P, c.fAngolo, c.nParete);
        const CRiquadro r = RiquadroImpronta(*p, W, D);
        EXPECT_NEAR(r.fMinX, c.fMinX, 1e-5);
        EXPECT_NEAR(r.fMaxX, c.fMaxX, 1e-5);
        EXPECT_NEAR(r.fMinY, c.fMinY, 1e-5);
        EXPECT_NEAR(r.fMaxY, c.fMaxY, 1e-5);
        const CDistanze d = DistanzeDaiMuri(r, W, D);
        EXPECT_NEAR(d.fOvest + d.fEst, W - (c.fMaxX - c.fMinX), 1e-5);
        EXPECT_NEAR(d.fNord + d.fSud, D - (c.fMaxY - c.fMinY), 1e-5);
        EXPECT_NEAR(d.fOvest, c.fMinX, 1e-5);
        EXPECT_NEAR(d.fNord, c.fMinY, 1e-5);
    }
}

// A side that comes within 5 cm of a wall ends flush with it, unless it was
// moving away; an opening slides only along its wall.
TEST(Ingombro, CalamitaAiMuriSoloAvvicinandosi)
{
    struct Caso
    {
        int nCategoria, nParete;
        float xPrima, yPrima, x, y, xAttesa, yAttesa;
    };
    // 1 x 1 cabinets (x from 0 to 11, y from 0 to 9), a door 0.8 wide.
    const Caso aCasi[] = {
        {CATEGORIA_ARMADI, 0, 0.06f, 5, 0.04f, 5, 0, 5},             // pulled west
        {CATEGORIA_ARMADI, 0, 0.03f, 5, 0.04f, 5, 0.04f, 5},         // leaving: free
        {CATEGORIA_ARMADI, 0, 0.2f, 5, 0.06f, 5, 0.06f, 5},          // out of reach
        {CATEGORIA_ARMADI, 0, 10.9f, 5, 10.97f, 5, 11, 5},           // pulled east
        {CATEGORIA_ARMADI, 0, 5, 0.1f, 5, 0.02f, 5, 0},              // north
        {CATEGORIA_ARMADI, 0, 0.1f, 8.9f, 0.03f, 8.99f, 0, 9},       // a corner: both
        {CATEGORIA_ARMADI, 0, 3, 8.96f, 3.5f, 8.96f, 3.5f, 9},       // along the wall
        {CATEGORIA_PORTE_FINESTRE, 2, 0.1f, 0, 0.04f, 0, 0, 0},      // east wall, north end
        {CATEGORIA_PORTE_FINESTRE, 1, 11.0f, 0, 11.16f, 0, 11.2f, 0},  // north wall, east end
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "from " << c.xPrima << "," << c.yPrima << " to " << c.x
                                        << "," << c.y);
        const bool bPorta = c.nCategoria == CATEGORIA_PORTE_FINESTRE;
        const auto p = Pezzo(c.nCategoria, 0, c.xPrima, c.yPrima, bPorta ? 0.8f : 1, 1, 0, c.nParete);
        const CRiquadro prima = RiquadroImpronta(*p, W, D);
        p->SetX(c.x);
        p->SetY(c.y);
        AttiraAiMuri(*p, prima, W, D);
        EXPECT_NEAR(p->GetX(), c.xAttesa, 1e-5);
        EXPECT_NEAR(p->GetY(), c.yAttesa, 1e-5);
    }

    struct Angolo
    {
        float fPrima, fDopo, fAtteso;
    };
    const Angolo aAngoli[] = {
        {10, 12.5f, 15}, {16, 15.5f, 15}, {15, 15.4f, 15.4f}, {20, 17.9f, 15},
        {19, 18.1f, 18.1f}, {359, 0, 0}, {358, 358.4f, 360}, {42, 43.6f, 45}, {44, 43.6f, 43.6f},
    };
    for (const Angolo& a : aAngoli)
        EXPECT_FLOAT_EQ(AttiraAngolo(a.fPrima, a.fDopo), a.fAtteso) << a.fPrima << " to " << a.fDopo;
}

// Metres with two decimals and a point, whatever the sign of a rounding.
TEST(Ingombro, TestiDiMisureEPosizione)
{
    EXPECT_EQ(TestoMetri(0.454f), "0.45");
    EXPECT_EQ(TestoMetri(-0.001f), "0.00");
    EXPECT_EQ(TestoMetri(11.999f), "12.00");
    const auto p = Pezzo(CATEGORIA_SEDIE, 0, 1.2f, 0.45f, 0.5f, 0.5f, 90);
    EXPECT_EQ(TestoPosizione(*p), "x 1.20 m, y 0.45 m, 90\xC2\xB0");
}

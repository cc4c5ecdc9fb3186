#include "model/Contenitori.h"
#include "model/Luci.h"
#include "model/Oggetto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Counts destructions, so tests can tell that removal really frees.
int g_nDistrutti = 0;

class CProva : public CLuci
{
public:
    explicit CProva(const char* pNome) { SetNome(pNome); }
    ~CProva() override { ++g_nDistrutti; }
};

std::vector<std::string> Cammina(CContenitori& c)
{
    std::vector<std::string> nomi;
    COggetto* p = nullptr;
    c.GetElemento(1, p);
    for (; p; c.GetSuccessivo(p))
        nomi.push_back(p->GetNome());
    return nomi;
}

std::string Nome(CContenitori& c, int nPosizione)
{
    COggetto* p = nullptr;
    c.GetElemento(static_cast<std::uint8_t>(nPosizione), p);
    return p ? p->GetNome() : "<null>";
}
}  // namespace

TEST(Contenitori, InserisceInTestaENumeraDaUno)
{
    CContenitori c;
    EXPECT_EQ(c.GetNumero(), 0);
    EXPECT_EQ(Nome(c, 1), "<null>");
    c.Aggiungi(new CProva("P"));
    c.Aggiungi(new CProva("Q"));
    c.Aggiungi(new CProva("R"));
    EXPECT_EQ(c.GetNumero(), 3);
    EXPECT_EQ(Nome(c, 1), "R");
    EXPECT_EQ(Nome(c, 3), "P");
    EXPECT_EQ(Nome(c, 0), "<null>");
    EXPECT_EQ(Nome(c, 4), "<null>");
    EXPECT_EQ(Cammina(c), (std::vector<std::string>{"R", "Q", "P"}));
    // Posizione is GetElemento's inverse; a stranger or null is at 0.
    COggetto* pQ = nullptr;
    c.GetElemento(2, pQ);
    CProva estraneo("Q");
    EXPECT_EQ(c.Posizione(pQ), 2);
    EXPECT_EQ(c.Posizione(&estraneo) + c.Posizione(nullptr), 0);
}

TEST(Contenitori, IlCursoreSiFermaInFondoEResta)
{
    CContenitori c;
    c.Aggiungi(new CProva("P"));
    c.Aggiungi(new CProva("Q"));
    COggetto* p = nullptr;
    c.GetElemento(2, p);
    EXPECT_STREQ(p->GetNome(), "P");
    c.GetSuccessivo(p);
    EXPECT_EQ(p, nullptr);
    c.GetSuccessivo(p);
    EXPECT_EQ(p, nullptr);
    // A position past the count leaves the cursor where it was: unset.
    c.GetElemento(9, p);
    c.GetSuccessivo(p);
    EXPECT_EQ(p, nullptr);
    // An unset cursor on a fresh container yields nothing.
    CContenitori vuoto;
    vuoto.GetSuccessivo(p);
    EXPECT_EQ(p, nullptr);
}

TEST(Contenitori, RimuoviDistruggeERiportaIlCursoreInTesta)
{
    g_nDistrutti = 0;
    CContenitori c;
    c.Aggiungi(new CProva("P"));
    c.Aggiungi(new CProva("Q"));
    c.Aggiungi(new CProva("R"));
    COggetto* p = nullptr;
    c.GetElemento(3, p);  // cursor on the last node

    c.Rimuovi(2);
    EXPECT_EQ(g_nDistrutti, 1);
    EXPECT_EQ(c.GetNumero(), 2);
    EXPECT_EQ(Nome(c, 1), "R");
    EXPECT_EQ(Nome(c, 2), "P");
    // The cursor moved to the head: the next element is the second one.
    c.Rimuovi(0);
    c.Rimuovi(3);
    EXPECT_EQ(c.GetNumero(), 2);
    c.GetElemento(2, p);
    c.Rimuovi(2);
    c.GetSuccessivo(p);
    EXPECT_EQ(p, nullptr);  // head R has no successor left

    c.Rimuovi(1);
    EXPECT_EQ(c.GetNumero(), 0);
    EXPECT_EQ(g_nDistrutti, 3);
    EXPECT_TRUE(Cammina(c).empty());
}

TEST(Contenitori, RifiutaIl256esimoElementoSenzaPerdereIlConto)
{
    g_nDistrutti = 0;
    {
        CContenitori c;
        for (int i = 0; i < CContenitori::MASSIMO_ELEMENTI; ++i)
            ASSERT_TRUE(c.Aggiungi(new CProva("x")));
        EXPECT_EQ(c.GetNumero(), 255);
        CProva* pRifiutato = new CProva("troppo");
        EXPECT_FALSE(c.Aggiungi(pRifiutato));
        EXPECT_EQ(c.GetNumero(), 255);
        EXPECT_EQ(Nome(c, 1), "x");
        EXPECT_EQ(Nome(c, 255), "x");
        delete pRifiutato;  // still the caller's
        EXPECT_FALSE(c.Aggiungi(nullptr));
    }
    // The container releases what it still holds when it goes.
    EXPECT_EQ(g_nDistrutti, 256);
}

TEST(Contenitori, ScambiaPassaIContenuti)
{
    CContenitori a, b;
    a.Aggiungi(new CProva("A"));
    b.Aggiungi(new CProva("B1"));
    b.Aggiungi(new CProva("B2"));
    a.Scambia(b);
    EXPECT_EQ(Cammina(a), (std::vector<std::string>{"B2", "B1"}));
    EXPECT_EQ(Cammina(b), (std::vector<std::string>{"A"}));
}

TEST(Contenitori, CreaOggettoDaiCodici)
{
    const struct
    {
        int nCategoria, nTipo;
        const char* pClasse;
    } aCasi[] = {
        {0, 0, "CArmadi1"}, {0, 1, "CArmadi2"}, {1, 0, "CPorte"},    {1, 1, "CFinestre"},
        {2, 0, "CSedie"},   {2, 1, "CPoltrone"}, {3, 0, "CTavoli2"}, {3, 1, "CTavoli1"},
        {-1, 0, "CLuci"},   {-1, 7, "CLuci"},   {4, 0, nullptr},     {0, 2, nullptr},
        {2, -1, nullptr},   {-2, 0, nullptr},
    };
    for (const auto& caso : aCasi)
    {
        COggetto* p = CreaOggetto(caso.nCategoria, caso.nTipo);
        if (!caso.pClasse)
        {
            EXPECT_EQ(p, nullptr) << caso.nCategoria << "/" << caso.nTipo;
            continue;
        }
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(p->GetRuntimeClass(), caso.pClasse);
        if (caso.nCategoria >= 0)
        {
            EXPECT_EQ(p->GetCategoria(), caso.nCategoria);
            EXPECT_EQ(p->GetTipo(), caso.nTipo);
        }
        delete p;
    }
}

// Byte layout of the document files, against bytes written by hand.
#include "TestFormatoAMano.h"
#include "model/Archivio.h"
#include "model/Contenitori.h"
#include "model/Luci.h"
#include "model/Oggetto.h"
#include "model/Scena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
using Byte = std::vector<std::uint8_t>;

COggetto* MobileProva(int nCategoria, int nTipo, const char* pNome, float x, float y,
                      int nTexture = -1)
{
    COggetto* p = CreaOggetto(nCategoria, nTipo);
    const unsigned char c1[4] = {10, 20, 30, 170}, c2[4] = {40, 50, 60, 170};
    p->SetNome(pNome);
    p->SetX(x);
    p->SetY(y);
    p->SetAltezza(0.9f);
    p->SetLarghezza(0.5f);
    p->SetProfondita(0.45f);
    p->SetRotazione(30.0f);
    p->SetColore1(c1);
    p->SetColore2(c2);
    p->SetTexture(nTexture);
    return p;
}

COggetto* LuceProva(const char* pNome, float x, float y, float z)
{
    COggetto* p = CreaOggetto(CATEGORIA_LUCE, 0);
    const float a[4] = {0.2f, 0.2f, 0.2f, 1.0f}, d[4] = {0.8f, 0.7f, 0.6f, 1.0f};
    p->SetNome(pNome);
    p->SetX(x);
    p->SetY(y);
    p->SetZ(z);
    p->SetAmbiente(a);
    p->SetDiffusa(d);
    return p;
}

std::vector<std::string> Nomi(CContenitori& c)
{
    std::vector<std::string> v;
    COggetto* p = nullptr;
    for (c.GetElemento(1, p); p; c.GetSuccessivo(p))
        v.push_back(p->GetNome());
    return v;
}

std::string Esadecimale(const Byte& b, std::size_t da, std::size_t n)
{
    std::string s;
    char a[4];
    for (std::size_t i = da; i < da + n && i < b.size(); ++i)
    {
        std::snprintf(a, sizeof a, "%02X ", b[i]);
        s += a;
    }
    if (!s.empty())
        s.pop_back();
    return s;
}

// Reads bytes into a fresh scene; fails the test with the loader's reason.
void Leggi(CScena& scena, const Byte& b)
{
    std::string errore;
    ASSERT_TRUE(scena.Leggi(b.data(), b.size(), errore)) << errore;
}
}  // namespace

TEST(Formato, TreEsempiDelFormatoByPerByte)
{
    // New room: 228 + 0 objects + 0 lights.
    CScena vuota(false);
    const Byte b = vuota.Scrivi();
    ASSERT_EQ(b.size(), 230u);
    EXPECT_EQ(b, a_mano::Stanza().u8(0).u8(0).b);
    const struct
    {
        std::size_t nOffset, n;
        const char* pAtteso;
    } aOffset[] = {
        {0, 12, "00 00 60 40 00 00 20 41 00 00 40 41"},
        {44, 16, "12 83 00 3F 12 83 00 3F 12 83 00 3F 00 00 80 3F"},
        {60, 8, "FF FF FF FF FF FF FF FF"},
        {68, 8, "04 00 00 00 02 00 00 00"},
        {76, 8, "00 26 00 00 00 26 00 00"},
        {228, 2, "00 00"},
    };
    for (const auto& o : aOffset)
        EXPECT_EQ(Esadecimale(b, o.nOffset, o.n), o.pAtteso) << "offset " << o.nOffset;

    // One chair: the entry starts at 229 with family 2, kind 0.
    CScena sedia(false);
    sedia.m_Oggetti.Aggiungi(MobileProva(CATEGORIA_SEDIE, 0, "Sedia", 1.5f, 2.5f, 4));
    const Byte bs = sedia.Scrivi();
    ASSERT_EQ(bs.size(), 324u);
    EXPECT_EQ(Esadecimale(bs, 228, 9), "01 02 00 00 00 00 00 00 00");
    EXPECT_EQ(bs, a_mano::Stanza().u8(1).accoda(a_mano::Mobile(2, 0, "Sedia", 1.5f, 2.5f, 4)).u8(0).b);

    // One window and one light.
    CScena fl(false);
    COggetto* pFinestra = CreaOggetto(CATEGORIA_PORTE_FINESTRE, 1);
    const unsigned char c1[4] = {255, 255, 255, 170}, c2[4] = {140, 90, 50, 170};
    pFinestra->SetNome("Finestra");
    pFinestra->SetX(5.0f);
    pFinestra->SetAltezza(1.4f);
    pFinestra->SetLarghezza(1.6f);
    pFinestra->SetColore1(c1);
    pFinestra->SetColore2(c2);
    pFinestra->SetTexture(37);
    pFinestra->SetParete(1);
    pFinestra->SetZ(1.0f);
    fl.m_Oggetti.Aggiungi(pFinestra);
    fl.m_Luci.Aggiungi(LuceProva("Luce", 6.0f, 5.0f, 3.0f));
    const Byte bf = fl.Scrivi();
    ASSERT_EQ(bf.size(), 462u);
    EXPECT_EQ(bf, a_mano::Stanza()
                      .u8(1)
                      .accoda(a_mano::Finestra("Finestra", 5.0f, 1, 1.0f))
                      .u8(1)
                      .accoda(a_mano::Luce("Luce", 6.0f, 5.0f, 3.0f))
                      .b);
}

TEST(Formato, OgniClasseScriveEHaIlSuoRecord)
{
    const struct
    {
        int nCategoria, nTipo;
        std::size_t nRecord;
        const char* pClasse;
    } aCasi[] = {
        {0, 0, 86, "CArmadi1"}, {0, 1, 86, "CArmadi2"}, {1, 0, 78, "CPorte"},
        {1, 1, 82, "CFinestre"}, {2, 0, 86, "CSedie"},  {2, 1, 86, "CPoltrone"},
        {3, 0, 86, "CTavoli2"}, {3, 1, 86, "CTavoli1"}, {-1, 0, 134, "CLuci"},
    };
    for (const auto& c : aCasi)
    {
        SCOPED_TRACE(c.pClasse);
        COggetto* p = CreaOggetto(c.nCategoria, c.nTipo);
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(p->GetRuntimeClass(), c.pClasse);
        // Distinct values in every field the record can hold.
        const unsigned char c1[4] = {1, 2, 3, 4}, c2[4] = {5, 6, 7, 8};
        const float a[4] = {0.1f, 0.2f, 0.3f, 0.4f}, d[4] = {0.5f, 0.6f, 0.7f, 0.8f},
                    s[4] = {0.9f, 1.0f, 1.1f, 1.2f};
        p->SetNome("Nome \xE8");
        p->SetX(1.25f);
        p->SetY(2.5f);
        p->SetZ(0.75f);
        p->SetAltezza(3.0f);
        p->SetLarghezza(4.0f);
        p->SetProfondita(5.0f);
        p->SetRotazione(60.0f);
        p->SetColore1(c1);
        p->SetColore2(c2);
        p->SetTexture(12);
        p->SetParete(3);
        p->SetAmbiente(a);
        p->SetDiffusa(d);
        p->SetSpeculare(s);
        p->SetAccesa(false);
        p->SetDisattivaDiffusa(true);
        p->SetDirezionale(false);
        p->SetFissa(false);
        CArchivio ar;
        p->Serialize(ar);
        ASSERT_EQ(ar.GetBuffer().size(), c.nRecord);

        CArchivio in(ar.GetBuffer().data(), ar.GetBuffer().size());
        COggetto* q = CreaOggetto(c.nCategoria, c.nTipo);
        q->Serialize(in);
        EXPECT_FALSE(in.IsGuasto());
        EXPECT_EQ(in.GetRestanti(), 0u);
        CArchivio di_nuovo;
        q->Serialize(di_nuovo);
        EXPECT_EQ(di_nuovo.GetBuffer(), ar.GetBuffer());
        EXPECT_STREQ(q->GetNome(), "Nome \xE8");
        EXPECT_EQ(q->GetX(), 1.25f);
        EXPECT_EQ(q->GetY(), p->GetY());
        EXPECT_EQ(q->GetZ(), p->GetZ());
        EXPECT_EQ(q->GetParete(), p->GetParete());
        EXPECT_EQ(q->GetAccesa(), p->GetAccesa());
        EXPECT_EQ(q->GetDisattivaDiffusa(), p->GetDisattivaDiffusa());
        EXPECT_EQ(q->GetDirezionale(), p->GetDirezionale());
        delete p;
        delete q;
    }

    // The furniture record's offsets, on a cabinet.
    COggetto* p = MobileProva(0, 1, "A", 1.5f, 2.5f, 7);
    CArchivio ar;
    p->Serialize(ar);
    delete p;
    const Byte voce = a_mano::Mobile(0, 1, "A", 1.5f, 2.5f, 7).b;
    EXPECT_EQ(ar.GetBuffer(), Byte(voce.begin() + 8, voce.end()));
}

TEST(Formato, RiletturaInverteLOrdineDiOggettiELuci)
{
    CScena scena(false);
    for (const char* pNome : {"P", "Q", "R"})
        scena.m_Oggetti.Aggiungi(MobileProva(CATEGORIA_TAVOLI, 1, pNome, 1, 1));
    for (const char* pNome : {"L1", "L2", "L3"})
        scena.m_Luci.Aggiungi(LuceProva(pNome, 1, 1, 1));
    ASSERT_EQ(Nomi(scena.m_Oggetti), (std::vector<std::string>{"R", "Q", "P"}));

    CScena letta(false);
    Leggi(letta, scena.Scrivi());
    EXPECT_EQ(Nomi(letta.m_Oggetti), (std::vector<std::string>{"P", "Q", "R"}));
    // The light at position p of n drives GL_LIGHT0 + n - p: L1 moves from
    // GL_LIGHT0 (position 3) to GL_LIGHT2 (position 1).
    EXPECT_EQ(Nomi(letta.m_Luci), (std::vector<std::string>{"L1", "L2", "L3"}));

    CScena due_volte(false);
    Leggi(due_volte, letta.Scrivi());
    EXPECT_EQ(Nomi(due_volte.m_Oggetti), (std::vector<std::string>{"R", "Q", "P"}));
}

TEST(Formato, FlagScrittiComeUnoELettiVeriSeNonZero)
{
    const std::int32_t aValori[] = {0, 1, 2, -1, 0x100, INT32_MIN};
    for (std::int32_t v : aValori)
    {
        SCOPED_TRACE(v);
        const Byte b = a_mano::Stanza()
                           .u8(0)
                           .u8(1)
                           .accoda(a_mano::Luce("L", 1, 2, 3, {v, v, v, v, v, v}))
                           .b;
        CScena scena(false);
        Leggi(scena, b);
        COggetto* l = nullptr;
        scena.m_Luci.GetElemento(1, l);
        ASSERT_NE(l, nullptr);
        const bool bAtteso = v != 0;
        EXPECT_EQ(l->GetAccesa(), bAtteso);
        EXPECT_EQ(l->GetDisattivaAmbiente(), bAtteso);
        EXPECT_EQ(l->GetDisattivaDiffusa(), bAtteso);
        EXPECT_EQ(l->GetDisattivaSpeculare(), bAtteso);
        EXPECT_EQ(l->GetDirezionale(), bAtteso);
        EXPECT_EQ(l->GetFissa(), bAtteso);
        const std::int32_t w = bAtteso ? 1 : 0;
        EXPECT_EQ(scena.Scrivi(),
                  a_mano::Stanza().u8(0).u8(1).accoda(a_mano::Luce("L", 1, 2, 3, {w, w, w, w, w, w})).b);
    }
}

TEST(Formato, FileScrittoAManoRiscrittoIdenticoConVociInvertite)
{
    // The bytes after a name's NUL are kept; the room's corners need not
    // agree with its sizes.
    a_mano::CFile stanza = a_mano::Stanza(6.0f, 4.0f, 2.7f);
    a_mano::CFile larghezza;
    larghezza.f32(7.0f);  // the width field says 7, the corners 6
    std::copy(larghezza.b.begin(), larghezza.b.end(), stanza.b.begin() + 8);
    const a_mano::CFile a = a_mano::Mobile(2, 1, "Poltrona \xE0", 1, 2, 3);
    a_mano::CFile bb;
    bb.i32(3).i32(0).nome("Tavolo", std::string("resto\xFF", 6)).f32(4).f32(0.75f).f32(1.2f);
    bb.rgba(9, 9, 9, 170).i32(-1).f32(3).f32(0).f32(1.2f).rgba(1, 1, 1, 170);
    const a_mano::CFile c = a_mano::Finestra("Finestra", 2, 4, 0.9f);
    const a_mano::CFile l1 = a_mano::Luce("Uno", 1, 1, 2, {1, 0, 1, 0, 0, 1});
    const a_mano::CFile l2 = a_mano::Luce("Due", 2, 2, 2, {0, 1, 0, 1, 1, 0});

    a_mano::CFile file = stanza;
    file.u8(3).accoda(a).accoda(bb).accoda(c).u8(2).accoda(l1).accoda(l2);
    a_mano::CFile atteso = stanza;
    atteso.u8(3).accoda(c).accoda(bb).accoda(a).u8(2).accoda(l2).accoda(l1);

    CScena scena(false);
    Leggi(scena, file.b);
    EXPECT_EQ(scena.Scrivi(), atteso.b);
}

TEST(Formato, NomeSenzaTerminatoreTagliatoA49Caratteri)
{
    const std::string lungo(50, 'x');
    a_mano::CFile voce;
    voce.i32(2).i32(0);
    voce.b.insert(voce.b.end(), lungo.begin(), lungo.end());
    const a_mano::CFile intero = a_mano::Mobile(2, 0, "", 0, 0);
    voce.b.insert(voce.b.end(), intero.b.begin() + 58, intero.b.end());
    CScena scena(false);
    Leggi(scena, a_mano::Stanza().u8(1).accoda(voce).u8(0).b);
    COggetto* p = nullptr;
    scena.m_Oggetti.GetElemento(1, p);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::string(p->GetNome()), std::string(49, 'x'));
}

// The sample rooms under resources/esempi/ and the fuzz seeds are built by
// the program's own code here. With LAVEDO_GENERA_ESEMPI=1 the test writes
// them again (run from resources/, as ctest does); otherwise it checks that
// the committed files are what the builders make, and load and save back as
// they were.
#include "ScenaDiProva.h"
#include "model/Appunti.h"
#include "model/Contenitori.h"
#include "model/CopiaRecupero.h"
#include "model/Limiti.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/SalvataggioSicuro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{
using Byte = std::vector<std::uint8_t>;

COggetto* Pezzo(CScena& s, int nCategoria, int nTipo, const char* pNome, float x, float y,
                float w, float d, float h, float fRotazione,
                std::initializer_list<unsigned char> c1, std::initializer_list<unsigned char> c2,
                int nTexture = -1)
{
    COggetto* p = scena_di_prova::Mobile(nCategoria, nTipo, pNome, x, y);
    p->SetLarghezza(w);
    p->SetProfondita(d);
    p->SetAltezza(h);
    p->SetRotazione(fRotazione);
    const unsigned char a1[4] = {c1.begin()[0], c1.begin()[1], c1.begin()[2], 170};
    const unsigned char a2[4] = {c2.begin()[0], c2.begin()[1], c2.begin()[2], 170};
    p->SetColore1(a1);
    p->SetColore2(a2);
    p->SetTexture(nTexture);
    s.m_Oggetti.Aggiungi(p);
    return p;
}

void Apertura(CScena& s, int nTipo, const char* pNome, float x, int nParete, float w, float h,
              float z, int nTexture)
{
    COggetto* p = Pezzo(s, CATEGORIA_PORTE_FINESTRE, nTipo, pNome, x, 0, w, 0, h, 0,
                        {150, 100, 60}, {240, 240, 240}, nTexture);
    p->SetParete(nParete);
    p->SetZ(z);
}

void Luce(CScena& s, const char* pNome, float x, float y, float z, bool bFissa)
{
    COggetto* l = scena_di_prova::Luce(pNome, x, y, z, false);
    l->SetFissa(bFissa);
    s.m_Luci.Aggiungi(l);
}

void Stanza(CScena& s, float W, float D, float H, int nPareti, int nPavimento)
{
    s.m_Stanza.SetLarghezza(W);
    s.m_Stanza.SetProfondita(D);
    s.m_Stanza.SetAltezza(H);
    s.m_Stanza.SetTexturePareti(nPareti);
    s.m_Stanza.SetTexturePavimento(nPavimento);
    // Two walls: switching to 3D shows the furniture at once.
    s.m_Stanza.SetPareti(PARETI_DUE);
}

void Soggiorno(CScena& s)
{
    Stanza(s, 6.0f, 5.0f, 2.8f, -1, 2);
    const float aPareti[4] = {0.93f, 0.89f, 0.80f, 1.0f};
    s.m_Stanza.SetColorePareti(aPareti);
    Apertura(s, 0, "Porta d'ingresso", 1.0f, 4, 0.9f, 2.1f, 0, 9);
    Apertura(s, 1, "Finestra sul giardino", 2.0f, 1, 1.6f, 1.4f, 0.9f, 37);
    Apertura(s, 1, "Portafinestra", 1.5f, 2, 1.2f, 2.2f, 0.0f, 37);
    // Turned by 180 degrees the reference corner is the back right one: the
    // pieces against the south wall face north, into the room.
    Pezzo(s, CATEGORIA_ARMADI, 0, "Mobile TV", 3.8f, 5.0f, 1.6f, 0.45f, 0.55f, 180,
          {60, 40, 30}, {20, 20, 20}, 9);
    Pezzo(s, CATEGORIA_SEDIE, 1, "Poltrona rossa", 1.0f, 1.2f, 0.9f, 0.85f, 0.9f, 20,
          {170, 30, 40}, {90, 20, 20});
    Pezzo(s, CATEGORIA_SEDIE, 1, "Poltrona della nonna", 3.6f, 1.0f, 0.9f, 0.85f, 0.9f, 340,
          {170, 30, 40}, {90, 20, 20});
    Pezzo(s, CATEGORIA_TAVOLI, 0, "Tavolino da caff\xE8", 2.7f, 2.6f, 0.8f, 0.8f, 0.45f, 0,
          {210, 200, 180}, {60, 50, 40}, 3);
    Pezzo(s, CATEGORIA_TAVOLI, 1, "Tavolo da pranzo", 4.2f, 3.0f, 1.4f, 0.9f, 0.76f, 0,
          {140, 90, 50}, {70, 45, 25}, 7);
    // Two chairs each side of the table, facing it.
    const float aSedie[4][3] = {
        {4.35f, 2.5f, 0}, {5.0f, 2.5f, 0}, {5.45f, 4.4f, 180}, {4.8f, 4.4f, 180}};
    for (const auto& c : aSedie)
        Pezzo(s, CATEGORIA_SEDIE, 0, "Sedia", c[0], c[1], 0.45f, 0.45f, 0.9f, c[2],
              {140, 90, 50}, {70, 45, 25});
    Pezzo(s, CATEGORIA_ARMADI, 1, "Libreria", 1.9f, 5.0f, 1.8f, 0.4f, 2.2f, 180,
          {120, 80, 50}, {200, 180, 150}, 17);
    Luce(s, "Lampadario", 3.0f, 2.5f, 2.6f, false);
    Luce(s, "Luce della sera", 5.5f, 0.5f, 2.0f, true);
}

void Camera(CScena& s)
{
    Stanza(s, 4.5f, 4.0f, 2.7f, -1, 16);
    const float aPareti[4] = {0.80f, 0.86f, 0.95f, 1.0f};
    s.m_Stanza.SetColorePareti(aPareti);
    Apertura(s, 0, "Porta", 0.3f, 3, 0.8f, 2.1f, 0, 7);
    Apertura(s, 1, "Finestra", 1.2f, 2, 1.2f, 1.3f, 1.0f, 37);
    Pezzo(s, CATEGORIA_ARMADI, 1, "Armadio a quattro ante", 2.1f, 4.0f, 2.0f, 0.6f, 2.4f, 180,
          {230, 225, 215}, {120, 110, 100}, 20);
    Pezzo(s, CATEGORIA_ARMADI, 0, "Comodino sinistro", 1.0f, 0.6f, 0.5f, 0.4f, 0.5f, 0,
          {150, 110, 70}, {60, 40, 20}, 7);
    Pezzo(s, CATEGORIA_ARMADI, 0, "Comodino destro", 3.2f, 0.6f, 0.5f, 0.4f, 0.5f, 0,
          {150, 110, 70}, {60, 40, 20}, 7);
    // Against the south wall between the wardrobe and the door.
    Pezzo(s, CATEGORIA_TAVOLI, 1, "Scrivania", 2.25f, 3.4f, 1.0f, 0.6f, 0.75f, 0, {150, 110, 70},
          {60, 40, 20}, 7);
    Pezzo(s, CATEGORIA_SEDIE, 0, "Sedia della scrivania", 2.5f, 2.9f, 0.45f, 0.45f, 0.9f, 0,
          {40, 60, 120}, {30, 30, 30});
    Pezzo(s, CATEGORIA_SEDIE, 1, "Poltroncina", 0.3f, 2.0f, 0.8f, 0.75f, 0.85f, 90,
          {200, 170, 60}, {120, 90, 40});
    Luce(s, "Plafoniera", 2.25f, 2.0f, 2.6f, false);
}

void Cucina(CScena& s)
{
    Stanza(s, 4.0f, 3.5f, 2.7f, 13, 3);
    Apertura(s, 0, "Porta", 2.6f, 3, 0.8f, 2.1f, 0, -1);
    Apertura(s, 1, "Finestra sul lavello", 1.4f, 1, 1.0f, 1.2f, 1.1f, 37);
    // The worktop runs along the north wall, under the window, facing south.
    for (int i = 0; i < 4; ++i)
    {
        const std::string nome = "Mobile base " + std::to_string(i + 1);
        Pezzo(s, CATEGORIA_ARMADI, 0, nome.c_str(), 0.8f + 0.6f * static_cast<float>(i), 0.0f,
              0.6f, 0.6f, 0.9f, 0, {240, 240, 235}, {150, 150, 150}, 27);
    }
    Pezzo(s, CATEGORIA_ARMADI, 1, "Dispensa", 3.4f, 0.0f, 0.6f, 0.6f, 2.2f, 0, {240, 240, 235},
          {150, 150, 150}, 27);
    Pezzo(s, CATEGORIA_TAVOLI, 0, "Tavolo tondo", 2.0f, 2.05f, 1.1f, 1.1f, 0.76f, 0,
          {250, 250, 250}, {80, 80, 80});
    // One chair each side of the table, facing it: at 90 degrees a seat
    // faces east, at 270 west.
    const float aSedie[4][3] = {
        {1.79f, 1.03f, 0}, {3.02f, 1.84f, 270}, {2.21f, 3.07f, 180}, {0.98f, 2.26f, 90}};
    for (const auto& c : aSedie)
        Pezzo(s, CATEGORIA_SEDIE, 0, "Sedia impagliata", c[0], c[1], 0.42f, 0.42f, 0.88f, c[2],
              {200, 160, 90}, {110, 70, 30});
    Luce(s, "Luce sul tavolo", 2.0f, 2.05f, 2.3f, false);
    Luce(s, "Luce del piano di lavoro", 2.0f, 0.3f, 1.9f, true);
}

struct CEsempio
{
    const char* pFile;
    std::function<void(CScena&)> costruisci;
};

const CEsempio s_aEsempi[] = {
    {"esempi/soggiorno.lav", Soggiorno},
    {"esempi/camera.lav", Camera},
    {"esempi/cucina.lav", Cucina},
};

Byte Costruisci(const std::function<void(CScena&)>& costruisci)
{
    CScena s(false);
    costruisci(s);
    return s.Scrivi();
}

bool Carica(const char* pFile, CScena& scena)
{
    Byte b;
    const CEsitoFile esito = LeggiFileIntero(pFile, CScena::DIMENSIONE_MASSIMA_FILE, b);
    std::string errore;
    return esito.bRiuscito && scena.Leggi(b.data(), b.size(), errore);
}

struct CPunto
{
    float x, y;
};

bool NellaStanza(CPunto p, float W, float D)
{
    const float e = 1e-4f;
    return p.x >= -e && p.x <= W + e && p.y >= -e && p.y <= D + e;
}

void Scrivi(const std::string& percorso, const Byte& b)
{
    const CEsitoFile e = SalvaFileSicuro(percorso, b.data(), b.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
}
}  // namespace

namespace
{
// Seeds of the clipboard's and the recovery descriptions' fuzz targets:
// every piece of the demonstration room as it is copied, and descriptions
// of a saved room and of one never saved.
void ScriviSemiAppuntiERecupero()
{
    CScena scena(false);
    scena_di_prova::Dimostrativa(scena);
    int n = 0;
    COggetto* p = nullptr;
    for (scena.m_Oggetti.GetElemento(1, p); p; scena.m_Oggetti.GetSuccessivo(p))
        Scrivi("../fuzz/corpus-appunti/pezzo" + std::to_string(++n), CodificaOggetto(*p));
    CIdentitaFile identita;
    identita.bEsiste = true;
    identita.nDispositivo = 2049;
    identita.nInode = 1234567;
    identita.nDimensione = 1814;
    identita.nModificaNs = 1796794354702383477;
    for (const char* pPercorso : {"/home/anna/soggiorno.lav", ""})
    {
        const std::string testo = CCopiaRecupero::Descrizione(pPercorso, identita, 13217, 1796794354);
        Scrivi("../fuzz/corpus-recupero/" + std::string(*pPercorso ? "salvata" : "nuova"),
               Byte(testo.begin(), testo.end()));
    }
}
}  // namespace

TEST(Esempi, SiApronoETornanoIdenticiDopoDueSalvataggi)
{
    if (std::getenv("LAVEDO_GENERA_ESEMPI"))
    {
        for (const CEsempio& e : s_aEsempi)
        {
            Scrivi(e.pFile, Costruisci(e.costruisci));
            Scrivi(std::string("../fuzz/corpus/") + (e.pFile + 7), Costruisci(e.costruisci));
        }
        CScena vuota(false);
        Scrivi("../fuzz/corpus/vuota.lav", vuota.Scrivi());
        Scrivi("../fuzz/corpus/dimostrativa.lav", Costruisci(scena_di_prova::Dimostrativa));
        ScriviSemiAppuntiERecupero();
    }
    for (const CEsempio& e : s_aEsempi)
    {
        SCOPED_TRACE(e.pFile);
        Byte b;
        const CEsitoFile esito = LeggiFileIntero(e.pFile, CScena::DIMENSIONE_MASSIMA_FILE, b);
        ASSERT_TRUE(esito.bRiuscito) << esito.messaggio;
        EXPECT_TRUE(b == Costruisci(e.costruisci))
            << "the committed file and its builder here differ: write the files again with "
               "LAVEDO_GENERA_ESEMPI=1";
        CScena una(false), due(false);
        std::string errore;
        ASSERT_TRUE(una.Leggi(b.data(), b.size(), errore)) << errore;
        EXPECT_GT(una.m_Oggetti.GetNumero(), 5);
        EXPECT_GT(una.m_Luci.GetNumero(), 0);
        const Byte invertito = una.Scrivi();
        ASSERT_TRUE(due.Leggi(invertito.data(), invertito.size(), errore)) << errore;
        EXPECT_EQ(due.Scrivi(), b);
    }
}

// Every piece where dragging would let it stand, its footprint inside the
// walls, and cabinets and seats facing into the room, not into a wall.
TEST(Esempi, OgniPezzoStaDentroLaSuaStanza)
{
    const float e = 1e-4f;
    for (const CEsempio& esempio : s_aEsempi)
    {
        CScena scena(false);
        ASSERT_TRUE(Carica(esempio.pFile, scena)) << esempio.pFile;
        const float W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
        COggetto* p = nullptr;
        scena.m_Oggetti.GetElemento(1, p);
        for (; p; scena.m_Oggetti.GetSuccessivo(p))
        {
            SCOPED_TRACE(std::string(esempio.pFile) + ": " + p->GetNome());
            const CLimiti l = LimitiNellaStanza(*p, W, D);
            EXPECT_TRUE(p->GetX() >= l.fMinX - e && p->GetX() <= l.fMaxX + e) << p->GetX();
            if (l.bLimitaY)
            {
                EXPECT_TRUE(p->GetY() >= l.fMinY - e && p->GetY() <= l.fMaxY + e) << p->GetY();
            }
            const int nCategoria = p->GetCategoria();
            if (nCategoria == CATEGORIA_PORTE_FINESTRE ||
                (nCategoria == CATEGORIA_TAVOLI && p->GetTipo() == 0))
                continue;
            // The drag's bounds hold for angles of 0 to 360 degrees.
            const float fAngolo = p->GetRotazione();
            EXPECT_TRUE(fAngolo >= 0.0f && fAngolo <= 360.0f) << fAngolo;
            const float a = fAngolo * 3.1415927f / 180.0f, L = p->GetLarghezza(),
                        P = p->GetProfondita();
            const CPunto o{p->GetX(), p->GetY()}, w{L * std::cos(a), -L * std::sin(a)},
                d{P * std::sin(a), P * std::cos(a)};
            for (const CPunto& c : {o, CPunto{o.x + w.x, o.y + w.y}, CPunto{o.x + d.x, o.y + d.y},
                                    CPunto{o.x + w.x + d.x, o.y + w.y + d.y}})
                EXPECT_TRUE(NellaStanza(c, W, D)) << "corner " << c.x << ", " << c.y;
            if (nCategoria == CATEGORIA_TAVOLI)
                continue;
            // Half a metre in front of the middle of the front.
            const float k = 1.0f + 0.5f / P;
            const CPunto davanti{o.x + w.x / 2 + d.x * k, o.y + w.y / 2 + d.y * k};
            EXPECT_TRUE(NellaStanza(davanti, W, D)) << "faces a wall";
        }
    }
}

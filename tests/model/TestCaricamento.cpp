// Loading damaged files: every failure is a clear refusal, never a crash
// or a half-read scene.
#include "ScenaDiProva.h"
#include "TestFormatoAMano.h"
#include "model/Contenitori.h"
#include "model/Luci.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Stanza.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace
{
using Byte = std::vector<std::uint8_t>;

// Overwrites 4 bytes at nOffset with an int32 or a float.
void Metti(Byte& b, std::size_t nOffset, std::int32_t v)
{
    a_mano::CFile f;
    f.i32(v);
    std::copy(f.b.begin(), f.b.end(), b.begin() + static_cast<std::ptrdiff_t>(nOffset));
}

void MettiFloat(Byte& b, std::size_t nOffset, float v)
{
    a_mano::CFile f;
    f.f32(v);
    std::copy(f.b.begin(), f.b.end(), b.begin() + static_cast<std::ptrdiff_t>(nOffset));
}

// Checks what a scene that loaded holds: nothing a damaged file could put
// there survives validation.
void ControllaScenaValida(CScena& s)
{
    EXPECT_LE(s.m_Luci.GetNumero(), MASSIMO_LUCI);
    for (float f : {s.m_Stanza.GetLarghezza(), s.m_Stanza.GetProfondita(), s.m_Stanza.GetAltezza()})
        EXPECT_TRUE(std::isfinite(f));
    EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(s.m_Stanza.GetTexturePareti()));
    EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(s.m_Stanza.GetTexturePavimento()));
    COggetto* p = nullptr;
    for (s.m_Oggetti.GetElemento(1, p); p; s.m_Oggetti.GetSuccessivo(p))
    {
        EXPECT_NE(p->GetCategoria(), CATEGORIA_LUCE);
        EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(p->GetTexture()));
    }
    for (s.m_Luci.GetElemento(1, p); p; s.m_Luci.GetSuccessivo(p))
        EXPECT_EQ(p->GetCategoria(), CATEGORIA_LUCE);
}

Byte Dimostrativa()
{
    CScena s(false);
    scena_di_prova::Dimostrativa(s);
    return s.Scrivi();
}
}  // namespace

TEST(Caricamento, FileDanneggiatiRifiutatiConIlMotivo)
{
    // Room + one chair + one light; offsets of the fields changed below.
    const Byte buono = a_mano::Stanza()
                           .u8(1)
                           .accoda(a_mano::Mobile(2, 0, "Sedia", 1, 1, 5))
                           .u8(1)
                           .accoda(a_mano::Luce("Luce", 1, 1, 2))
                           .b;
    constexpr std::size_t VOCE = 229, LUCI = 229 + 94, LUCE = LUCI + 1;
    {
        CScena s(false);
        std::string e;
        ASSERT_TRUE(s.Leggi(buono.data(), buono.size(), e)) << e;
    }
    static const float NaN = std::numeric_limits<float>::quiet_NaN();
    static const float Inf = std::numeric_limits<float>::infinity();
    const struct
    {
        const char* pCaso;
        std::function<void(Byte&)> danneggia;
        const char* pMotivo;  // a piece of the message
    } aCasi[] = {
        {"vuoto", [](Byte& b) { b.clear(); }, "finisce prima della fine dei dati della stanza"},
        {"stanza tronca", [](Byte& b) { b.resize(200); }, "lungo 200 byte"},
        {"senza blocco oggetti", [](Byte& b) { b.resize(228); }, "prima del blocco degli oggetti"},
        {"senza blocco luci", [&](Byte& b) { b.resize(LUCI); }, "prima del blocco delle luci"},
        {"voce tronca", [&](Byte& b) { b.resize(VOCE + 50); }, "l'elemento 1 \xC3\xA8 incompleto"},
        {"conteggio troppo alto", [&](Byte& b) { b[228] = 2; b.resize(LUCI); },
         "dichiara 2 elementi"},
        {"famiglia sconosciuta", [&](Byte& b) { Metti(b, VOCE, 7); }, "famiglia 7"},
        {"tipo sconosciuto", [&](Byte& b) { Metti(b, VOCE + 4, 2); }, "tipo 2"},
        {"luce tra gli oggetti", [&](Byte& b) { Metti(b, VOCE, -1); }, "famiglia -1"},
        {"oggetto tra le luci", [&](Byte& b) { Metti(b, LUCE, 2); }, "non indicano una luce"},
        {"texture oggetto 38", [&](Byte& b) { Metti(b, VOCE + 8 + 66, 38); }, "texture 38"},
        {"texture oggetto -2", [&](Byte& b) { Metti(b, VOCE + 8 + 66, -2); }, "texture -2"},
        {"texture pareti 40", [](Byte& b) { Metti(b, 60, 40); }, "pareti 40"},
        {"texture pavimento -5", [](Byte& b) { Metti(b, 64, -5); }, "pavimento -5"},
        {"nove luci", [&](Byte& b) { b[LUCI] = 9; }, "dichiara 9 luci"},
        {"filtro 9730", [](Byte& b) { Metti(b, 76, 9730); }, "9730"},
        {"filtro min 0", [](Byte& b) { Metti(b, 80, 0); }, "vale 0"},
        {"larghezza NaN", [&](Byte& b) { MettiFloat(b, 8, NaN); }, "dimensioni della stanza"},
        {"altezza infinita", [&](Byte& b) { MettiFloat(b, 0, Inf); }, "dimensioni della stanza"},
        {"profondit\xC3\xA0 -infinito", [&](Byte& b) { MettiFloat(b, 4, -Inf); },
         "dimensioni della stanza"},
        {"angolo infinito", [](Byte& b) { MettiFloat(b, 84 + 3 * 4, Inf); },
         "dimensioni della stanza"},
        {"pareti 3", [](Byte& b) { Metti(b, 72, 3); }, "pareti visibili (3)"},
        {"prima parete 9", [](Byte& b) { Metti(b, 68, 9); }, "prima parete (9)"},
        {"byte in coda", [](Byte& b) { b.push_back(0); }, "altri 1 byte"},
        {"un altro file in coda", [&](Byte& b) { b.insert(b.end(), buono.begin(), buono.end()); },
         "non \xC3\xA8 un documento di Lavedo98"},
    };
    for (const auto& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        Byte b = buono;
        c.danneggia(b);
        CScena s(false);
        std::string errore;
        EXPECT_FALSE(s.Leggi(b.data(), b.size(), errore));
        EXPECT_NE(errore.find(c.pMotivo), std::string::npos) << errore;
    }

    // A door on wall 0 or 5 names no wall of the room.
    for (int nParete : {0, 5})
    {
        a_mano::CFile porta;
        porta.i32(1).i32(0).nome("Porta").f32(1).f32(2.1f).f32(0.9f).rgba(1, 2, 3, 4).i32(-1);
        porta.i32(nParete).rgba(5, 6, 7, 8);
        const Byte b = a_mano::Stanza().u8(1).accoda(porta).u8(0).b;
        CScena s(false);
        std::string errore;
        EXPECT_FALSE(s.Leggi(b.data(), b.size(), errore));
        EXPECT_NE(errore.find("parete " + std::to_string(nParete)), std::string::npos) << errore;
    }
}

TEST(Caricamento, StanzeDiMisuraNullaONegativaSiAprono)
{
    // Older settings dialogs stored sizes as typed: such files still open
    // and save back unchanged.
    const std::array<float, 3> aCasi[] = {{0.0f, 10.0f, 3.5f}, {12.0f, -10.0f, 3.5f},
                                          {12.0f, 10.0f, 0.0f}, {-0.0f, -1e30f, -2.0f}};
    for (const auto& [W, D, H] : aCasi)
    {
        SCOPED_TRACE(testing::Message() << W << " x " << D << " x " << H);
        const Byte b = a_mano::Stanza(W, D, H).u8(0).u8(0).b;
        CScena s(false);
        std::string errore;
        ASSERT_TRUE(s.Leggi(b.data(), b.size(), errore)) << errore;
        EXPECT_EQ(s.m_Stanza.GetLarghezza(), W);
        EXPECT_EQ(s.m_Stanza.GetProfondita(), D);
        EXPECT_EQ(s.m_Stanza.GetAltezza(), H);
        EXPECT_EQ(s.Scrivi(), b);
    }
}

TEST(Caricamento, OgniTroncamentoEsceConUnErrore)
{
    const Byte intero = Dimostrativa();
    for (std::size_t n = 0; n < intero.size(); ++n)
    {
        CScena s(false);
        std::string errore;
        ASSERT_FALSE(s.Leggi(intero.data(), n, errore)) << n;
        ASSERT_FALSE(errore.empty()) << n;
    }
    CScena s(false);
    std::string errore;
    EXPECT_TRUE(s.Leggi(intero.data(), intero.size(), errore)) << errore;
}

TEST(Caricamento, MutazioniCasualiFinisconoInErroreOScenaValida)
{
    const Byte intero = Dimostrativa();
    std::mt19937 gen(19980501u);
    int nLetti = 0, nRifiutati = 0;
    for (int i = 0; i < 5000; ++i)
    {
        Byte b = intero;
        const int nMutazioni = 1 + static_cast<int>(gen() % 4);
        for (int m = 0; m < nMutazioni; ++m)
        {
            const std::size_t nPos = gen() % b.size();
            switch (gen() % 5)
            {
            case 0:  // a random byte
                b[nPos] = static_cast<std::uint8_t>(gen());
                break;
            case 1:  // a flipped bit
                b[nPos] ^= static_cast<std::uint8_t>(1u << (gen() % 8));
                break;
            case 2:  // a bite out
                b.erase(b.begin() + static_cast<std::ptrdiff_t>(nPos),
                        b.begin() + static_cast<std::ptrdiff_t>(
                                        std::min(b.size(), nPos + 1 + gen() % 16)));
                break;
            case 3:  // bytes put in
                b.insert(b.begin() + static_cast<std::ptrdiff_t>(nPos), 1 + gen() % 8,
                         static_cast<std::uint8_t>(gen()));
                break;
            default:  // a count byte or code changed
                if (b.size() > 229)
                    b[228] = static_cast<std::uint8_t>(gen());
                break;
            }
            if (b.empty())
                b.push_back(0);
        }
        CScena s(false);
        std::string errore;
        if (s.Leggi(b.data(), b.size(), errore))
        {
            ++nLetti;
            ControllaScenaValida(s);
            // What loaded saves and loads again.
            const Byte salvato = s.Scrivi();
            CScena di_nuovo(false);
            ASSERT_TRUE(di_nuovo.Leggi(salvato.data(), salvato.size(), errore)) << errore;
        }
        else
        {
            ++nRifiutati;
            ASSERT_FALSE(errore.empty());
        }
    }
    // Both outcomes occur, or the mutations test nothing.
    EXPECT_GT(nLetti, 100);
    EXPECT_GT(nRifiutati, 100);
}

// The longest document a file can be: 255 furnishings of the kind with the
// longest record and 8 lights. The loader accepts it whole (the fuzzing's
// -max_len is this figure too), and two load-and-save rounds, each
// reversing the lists, give its bytes back.
TEST(Caricamento, IlDocumentoPiuLungoSiCaricaESiRisalva)
{
    std::size_t nRecordMassimo = 0;
    int nCategoriaLunga = 0, nTipoLungo = 0;
    for (int nCategoria = 0; nCategoria < 4; ++nCategoria)
        for (int nTipo = 0; nTipo < 2; ++nTipo)
        {
            CScena s(false);
            s.m_Oggetti.Aggiungi(scena_di_prova::Mobile(nCategoria, nTipo, "x", 1, 1));
            if (s.Scrivi().size() > nRecordMassimo)
            {
                nRecordMassimo = s.Scrivi().size();
                nCategoriaLunga = nCategoria;
                nTipoLungo = nTipo;
            }
        }
    CScena piena(false);
    for (int i = 0; i < CContenitori::MASSIMO_ELEMENTI; ++i)
        piena.m_Oggetti.Aggiungi(scena_di_prova::Mobile(nCategoriaLunga, nTipoLungo,
                                                        i % 2 ? "Pari" : "Dispari",
                                                        static_cast<float>(i), 1));
    for (int i = 0; i < 8; ++i)
        piena.m_Luci.Aggiungi(scena_di_prova::Luce("Luce", static_cast<float>(i), 1, 2, i % 2 == 1));
    const Byte salvato = piena.Scrivi();
    EXPECT_EQ(salvato.size(), CScena::DIMENSIONE_MASSIMA_FILE);
    EXPECT_EQ(salvato.size(), 25336u);

    Byte b = salvato;
    for (int nGiro = 0; nGiro < 2; ++nGiro)
    {
        CScena letta(false);
        std::string errore;
        ASSERT_TRUE(letta.Leggi(b.data(), b.size(), errore)) << errore;
        b = letta.Scrivi();
        EXPECT_EQ(b.size(), salvato.size());
        EXPECT_EQ(b == salvato, nGiro == 1) << nGiro;
    }
}

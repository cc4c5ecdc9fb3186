// A piece in the clipboard's private format: whatever the room file loader
// would refuse is refused here too, with a reason.
#include "model/Appunti.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace
{
std::vector<std::uint8_t> Pezzo(int nCategoria, int nTipo, const std::function<void(COggetto&)>& fn)
{
    std::unique_ptr<COggetto> p(CreaOggetto(nCategoria, nTipo));
    p->SetNome("Pezzo");
    fn(*p);
    return CodificaOggetto(*p);
}
}  // namespace

TEST(Appunti, DatiDanneggiatiRifiutatiConIlMotivo)
{
    const std::vector<std::uint8_t> sedia = Pezzo(CATEGORIA_SEDIE, 0, [](COggetto&) {});
    // Family and kind codes (little-endian), then 94 zero bytes.
    const auto Codici = [](std::uint8_t nCategoria, std::uint8_t nTipo, std::uint8_t nSegno) {
        std::vector<std::uint8_t> b = {nCategoria, nSegno, nSegno, nSegno, nTipo, 0, 0, 0};
        b.resize(8 + 94, 0);
        return b;
    };
    std::vector<std::uint8_t> lunga = sedia;
    lunga.push_back(0);
    struct Caso
    {
        const char* pNome;
        std::vector<std::uint8_t> dati;
        const char* pMotivo;
    };
    const Caso aCasi[] = {
        {"empty", {}, "mancano"},
        {"codes only", {2, 0, 0, 0, 0, 0, 0, 0}, "ne occupa 94"},
        {"one byte short", {sedia.begin(), sedia.end() - 1}, "ne occupa 94"},
        {"one byte more", lunga, "ne occupa 94"},
        {"unknown family", Codici(9, 0, 0), "famiglia 9"},
        {"a light", Codici(0xFF, 0xFF, 0xFF), "famiglia -1"},
        {"unknown kind", Codici(2, 7, 0), "tipo 7"},
        {"texture 40", Pezzo(CATEGORIA_ARMADI, 0, [](COggetto& o) { o.SetTexture(40); }),
         "texture 40"},
        {"wall 5", Pezzo(CATEGORIA_PORTE_FINESTRE, 1, [](COggetto& o) { o.SetParete(5); }),
         "parete 5"},
        {"x not a number", Pezzo(CATEGORIA_TAVOLI, 1, [](COggetto& o) { o.SetX(NAN); }),
         "non \u00e8 un numero"},
        // Another program's bytes: a wardrobe 2.5e38 m to the west, turned 1.9e21 degrees.
        {"sizes of no room",
         {0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x41, 0x32, 0x6D, 0x61, 0x44, 0x69,
          0x6F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x4D, 0xC4, 0xA7, 0x01, 0xD0, 0x62, 0x00, 0x00, 0x3F, 0xFF, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xCD, 0xCC, 0x40, 0x00, 0x00, 0x80, 0x3F, 0xFF,
          0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x4D, 0xC4, 0xA7, 0x01,
          0xD0, 0x62, 0x00, 0x00, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "negativa"},
        {"negative depth", Pezzo(CATEGORIA_SEDIE, 0, [](COggetto& o) { o.SetProfondita(-0.5f); }),
         "profondit\u00e0 dell'oggetto \u00e8 negativa"},
        {"wider than any room", Pezzo(CATEGORIA_TAVOLI, 0, [](COggetto& o) { o.SetLarghezza(1e30f); }),
         "larghezza dell'oggetto (1e+30 m) supera"},
        {"window far above the floor",
         Pezzo(CATEGORIA_PORTE_FINESTRE, 1, [](COggetto& o) { o.SetZ(-2e6f); }), "dal pavimento"},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        std::string errore;
        EXPECT_EQ(DecodificaOggetto(c.dati.data(), c.dati.size(), errore), nullptr);
        EXPECT_NE(errore.find(c.pMotivo), std::string::npos) << errore;
    }
    // The sound piece the damaged ones were made from is taken whole.
    std::string errore;
    std::unique_ptr<COggetto> p = DecodificaOggetto(sedia.data(), sedia.size(), errore);
    ASSERT_NE(p, nullptr) << errore;
    EXPECT_EQ(CodificaOggetto(*p), sedia);
}

// Any angle is the same turn within [0, 360); pasted at the far end of the
// world, a piece still lands inside the room.
TEST(Appunti, UnPezzoIncollatoHaAngoloEPosizioneDellaStanza)
{
    const float aAngoli[][2] = {{1.9e21f, std::fmod(1.9e21f, 360.0f)}, {-90, 270}, {360, 0},
                                {725, 5}, {-1e-9f, 0}};
    for (const auto& a : aAngoli)
    {
        SCOPED_TRACE(a[0]);
        const std::vector<std::uint8_t> b = Pezzo(CATEGORIA_ARMADI, 1, [&](COggetto& o) {
            o.SetRotazione(a[0]);
            o.SetX(-3e38f);
            o.SetY(3e38f);
        });
        std::string errore;
        std::unique_ptr<COggetto> p = DecodificaOggetto(b.data(), b.size(), errore);
        ASSERT_NE(p, nullptr) << errore;
        EXPECT_EQ(p->GetRotazione(), a[1]);
        ASSERT_TRUE(SpostaCopia(*p, 12, 10, errore)) << errore;
        EXPECT_TRUE(p->GetX() >= -1 && p->GetX() <= 13 && p->GetY() >= -1 && p->GetY() <= 11)
            << p->GetX() << ", " << p->GetY();
    }
}

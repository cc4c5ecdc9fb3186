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

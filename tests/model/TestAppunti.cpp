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
    const auto nulla = [](COggetto&) {};
    const std::vector<std::uint8_t> sedia = Pezzo(CATEGORIA_SEDIE, 0, nulla);
    const auto Codici = [](std::uint8_t nCategoria, std::uint8_t nTipo) {
        std::vector<std::uint8_t> b = {nCategoria, 0, 0, 0, nTipo, 0, 0, 0};
        b.resize(100, 0);
        return b;
    };
    struct Caso
    {
        const char* pNome;
        std::vector<std::uint8_t> dati;
    };
    const Caso aCasi[] = {
        {"empty", {}},
        {"codes only", {2, 0, 0, 0, 0, 0, 0, 0}},
        {"one byte short", {sedia.begin(), sedia.end() - 1}},
        {"one byte more", [&] { auto b = sedia; b.push_back(0); return b; }()},
        {"unknown family", Codici(9, 0)},
        {"a light", Codici(0xFF, 0xFF)},
        {"unknown kind", Codici(2, 7)},
        {"texture 40", Pezzo(CATEGORIA_ARMADI, 0, [](COggetto& o) { o.SetTexture(40); })},
        {"wall 5", Pezzo(CATEGORIA_PORTE_FINESTRE, 1, [](COggetto& o) { o.SetParete(5); })},
        {"x not a number", Pezzo(CATEGORIA_TAVOLI, 1, [](COggetto& o) { o.SetX(NAN); })},
        {"infinite width",
         Pezzo(CATEGORIA_SEDIE, 1, [](COggetto& o) { o.SetLarghezza(INFINITY); })},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        std::string errore;
        EXPECT_EQ(DecodificaOggetto(c.dati.data(), c.dati.size(), errore), nullptr);
        EXPECT_FALSE(errore.empty());
    }
    // The sound piece the damaged ones were made from is taken whole.
    std::string errore;
    std::unique_ptr<COggetto> p = DecodificaOggetto(sedia.data(), sedia.size(), errore);
    ASSERT_NE(p, nullptr) << errore;
    EXPECT_EQ(CodificaOggetto(*p), sedia);
}

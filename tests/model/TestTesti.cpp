#include "model/Testi.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace
{
std::string Testo(char* p)
{
    std::unique_ptr<char[]> pTesto(p);
    return pTesto.get();
}
}  // namespace

TEST(Testi, ControllaNumeroAccettaSoloDecimaliSemplici)
{
    const struct
    {
        const char* pTesto;
        bool bNumero;
    } aCasi[] = {
        {"12.5", true}, {"-3", true},  {"", true},     {"-", true},    {".", true},
        {"0.", true},   {"-.5", true}, {"1.2.3", false}, {"1,5", false}, {"+2", false},
        {"12a", false}, {"--1", false}, {" 1", false},  {"1e5", false},
    };
    for (const auto& caso : aCasi)
        EXPECT_EQ(ControllaNumero(caso.pTesto), caso.bNumero) << '"' << caso.pTesto << '"';
}

TEST(Testi, FloatInStringaTroncaATreDecimali)
{
    // Truncated from the shortest text that reads back as the float: the
    // float nearest 0.9 (0.89999998) shows as .900, as it was typed.
    const struct
    {
        float x;
        const char* pAtteso;
    } aCasi[] = {
        {12.0f, "12.000"}, {0.5f, ".500"},      {-0.25f, "-.250"}, {0.0f, ".000"},
        {1.9999f, "1.999"}, {2.3f, "2.300"},    {100.0f, "100.000"}, {-12.75f, "-12.750"},
        {3.5f, "3.500"},    {0.001f, ".001"}, {0.0009f, ".000"},    {10.0f, "10.000"},
        {0.9f, ".900"},     {4.2f, "4.200"},  {3.14159f, "3.141"},  {-0.0004f, "-.000"},
        {1e30f, "1000000000000000000000000000000.000"},
    };
    for (const auto& caso : aCasi)
        EXPECT_EQ(Testo(FloatInStringa(caso.x)), caso.pAtteso) << caso.x;
}

TEST(Testi, UnNumeroMostratoERiscrittoNonCambiaPiu)
{
    // Every text a user types with three decimals (0 to 60 m) shows again
    // as typed; any float, from a file or a drag, shows as a text that
    // reads back to a float which shows the same text again.
    int nCasi = 0;
    for (int n = 0; n <= 60000; n += 1)
    {
        char aTesto[32];
        std::snprintf(aTesto, sizeof aTesto, "%d.%03d", n / 1000, n % 1000);
        float f = 0.0f;
        ASSERT_TRUE(NumeroDaTesto(aTesto, f)) << aTesto;
        const std::string mostrato = Testo(FloatInStringa(f));
        ASSERT_EQ(n < 1000 ? "0" + mostrato : mostrato, aTesto);
        float fDaFile = 0.0f;
        const std::uint32_t nBit = 0x3C000000u + static_cast<std::uint32_t>(n) * 1237u;
        std::memcpy(&fDaFile, &nBit, sizeof fDaFile);
        float fRiletto = 0.0f;
        ASSERT_TRUE(NumeroDaTesto(Testo(FloatInStringa(fDaFile)).c_str(), fRiletto));
        ASSERT_EQ(Testo(FloatInStringa(fRiletto)), Testo(FloatInStringa(fDaFile))) << fDaFile;
        ++nCasi;
    }
    EXPECT_GT(nCasi, 60000);
}

TEST(Testi, NumeroTextureHaSempreDueCifre)
{
    EXPECT_EQ(Testo(NumeroTexture(0)), "00");
    EXPECT_EQ(Testo(NumeroTexture(7)), "07");
    EXPECT_EQ(Testo(NumeroTexture(37)), "37");
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(CifraInCarattere(i), '0' + i);
}

TEST(Testi, NumeroDaTestoRifiutaCioCheUnFloatNonContiene)
{
    const std::string cinquantaNove(50, '9');
    const std::string quasiMassimo = "340282346638528859811704183484516925440";
    const struct
    {
        std::string testo;
        bool bValido;
        float fValore;
    } aCasi[] = {
        {"2.5", true, 2.5f},     {"-3", true, -3.0f},         {"", true, 0.0f},
        {"-", true, 0.0f},       {".", true, 0.0f},           {"7.", true, 7.0f},
        {cinquantaNove, false, 0.0f}, {"-" + cinquantaNove, false, 0.0f},
        {quasiMassimo, true, FLT_MAX},
        // A decimal comma reads as the point; two separators do not.
        {"0,45", true, 0.45f},   {"-1,5", true, -1.5f},       {",5", true, 0.5f},
        {"1,2,3", false, 0.0f},  {"1.000,5", false, 0.0f},    {"1, 5", false, 0.0f},
    };
    for (const auto& caso : aCasi)
    {
        float f = -1.0f;
        EXPECT_EQ(NumeroDaTesto(caso.testo.c_str(), f), caso.bValido) << caso.testo;
        if (caso.bValido)
        {
            EXPECT_EQ(f, caso.fValore) << caso.testo;
        }
    }
}

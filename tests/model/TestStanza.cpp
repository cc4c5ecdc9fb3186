#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Stanza.h"
#include "model/Texture.h"
#include "view/StatoVista.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Stanza, ISetterSpostanoGliAngoliEIGetterLiLeggono)
{
    CStanza stanza(false);
    EXPECT_EQ(stanza.GetLarghezza(), 12.0f);
    EXPECT_EQ(stanza.GetProfondita(), 10.0f);
    EXPECT_EQ(stanza.GetAltezza(), 3.5f);
    stanza.SetLarghezza(7.0f);
    stanza.SetProfondita(4.5f);
    stanza.SetAltezza(2.7f);
    EXPECT_EQ(stanza.GetLarghezza(), 7.0f);
    EXPECT_EQ(stanza.GetProfondita(), 4.5f);
    EXPECT_EQ(stanza.GetAltezza(), 2.7f);
    EXPECT_EQ(stanza.GetPareti(), PARETI_TUTTE);
    EXPECT_EQ(stanza.GetPrimaParete(), 4);
    EXPECT_EQ(stanza.GetTexturePareti(), -1);
    EXPECT_EQ(stanza.GetTexturePavimento(), -1);
    EXPECT_EQ(stanza.GetFiltroMag(), 0x2600u);
    EXPECT_EQ(stanza.GetFiltroMin(), 0x2600u);
    EXPECT_FLOAT_EQ(stanza.GetColoreSoffitto()[0], 0.753f);
    EXPECT_FLOAT_EQ(stanza.GetColorePareti()[2], 0.502f);
    EXPECT_EQ(stanza.GetColorePavimento()[3], 1.0f);
}

TEST(Stanza, IndiciDiTextureAmmessi)
{
    EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(-1));
    EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(0));
    EXPECT_TRUE(CStanza::IsIndiceTextureAmmesso(37));
    EXPECT_FALSE(CStanza::IsIndiceTextureAmmesso(38));
    EXPECT_FALSE(CStanza::IsIndiceTextureAmmesso(-2));
}

// The committed texture files are raw 64 x 64 RGB: exactly 12,288 bytes.
TEST(Texture, IFileDellaCartellaDiLavoroSonoCompleti)
{
    CStanza::LeggiTexture();
    EXPECT_TRUE(g_aTextureMancanti.empty());
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
    {
        char nome[16];
        std::snprintf(nome, sizeof nome, "tess%02d.ppm", i);
        EXPECT_EQ(fs::file_size(nome), 12288u) << nome;
    }
}

TEST(Texture, FileMancantiDiventanoBianchiEBreviCompletatiCon255)
{
    const fs::path precedente = fs::current_path();
    const fs::path cartella = fs::temp_directory_path() / ("lavedo_tex_" + std::to_string(getpid()));
    fs::create_directories(cartella);
    {
        std::ofstream breve(cartella / "tess05.ppm", std::ios::binary);
        breve << "ABC";
        std::ofstream intero(cartella / "tess06.ppm", std::ios::binary);
        intero << std::string(12288, '\x10');
    }
    fs::current_path(cartella);
    CStanza::LeggiTexture();
    fs::current_path(precedente);

    EXPECT_EQ(g_aTextureMancanti.size(), 36u);
    EXPECT_EQ(g_aTextureMancanti.front(), "tess00.ppm");
    EXPECT_EQ(g_aTextureMancanti.back(), "tess37.ppm");
    EXPECT_EQ(g_aImmaginiTexture[5][0], 'A');
    EXPECT_EQ(g_aImmaginiTexture[5][2], 'C');
    EXPECT_EQ(g_aImmaginiTexture[5][3], 255);
    EXPECT_EQ(g_aImmaginiTexture[5][BYTE_IMMAGINE - 1], 255);
    EXPECT_EQ(g_aImmaginiTexture[6][BYTE_IMMAGINE - 1], 0x10);
    EXPECT_EQ(g_aImmaginiTexture[0][0], 255);
    EXPECT_EQ(g_aImmaginiTexture[37][BYTE_IMMAGINE - 1], 255);

    fs::remove_all(cartella);
    CStanza::LeggiTexture();  // leave the real set for other tests
    EXPECT_TRUE(g_aTextureMancanti.empty());
}

// Started from a desktop menu the working folder holds no textures: the set
// installed with the program is read instead, and only a set the working
// folder does hold overrides it.
TEST(Texture, LaCartellaDiLavoroPrimaPoiQuellaInstallata)
{
    const fs::path precedente = fs::current_path();
    const fs::path base =
        fs::temp_directory_path() / ("lavedo_inst_" + std::to_string(getpid()));
    const fs::path lavoro = base / "lavoro";
    const fs::path installate = base / "share" / "lavedo98";
    const fs::path vuota = base / "vuota";
    for (const fs::path& p : {lavoro, installate, vuota})
        fs::create_directories(p);
    auto scrivi = [](const fs::path& cartella, int nTexture, char cValore) {
        char nome[16];
        std::snprintf(nome, sizeof nome, "tess%02d.ppm", nTexture);
        std::ofstream(cartella / nome, std::ios::binary) << std::string(BYTE_IMMAGINE, cValore);
    };
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
        scrivi(installate, i, '\x20');

    struct Caso
    {
        bool bLavoroHaTess00;
        fs::path installata;  // empty: no installed set known
        std::string letta;    // the folder the set comes from
        size_t nMancanti;
        unsigned char nPrimoByte;
    };
    const Caso aCasi[] = {
        {false, installate, installate.string(), 0, 0x20},
        {true, installate, "", 37, 0x10},  // a set of one's own, even incomplete
        {false, vuota, vuota.string(), 38, 255},
        {false, "", "", 38, 255},
    };
    fs::current_path(lavoro);
    for (const Caso& c : aCasi)
    {
        fs::remove(lavoro / "tess00.ppm");
        if (c.bLavoroHaTess00)
            scrivi(lavoro, 0, '\x10');
        g_sCartellaTextureInstallate = c.installata.string();
        CStanza::LeggiTexture();
        EXPECT_EQ(g_sCartellaTextureLette, c.letta) << c.installata;
        EXPECT_EQ(g_aTextureMancanti.size(), c.nMancanti) << c.installata;
        EXPECT_EQ(g_aImmaginiTexture[0][0], c.nPrimoByte) << c.installata;
        EXPECT_EQ(g_aImmaginiTexture[37][BYTE_IMMAGINE - 1], c.nMancanti ? 255 : 0x20);
    }
    fs::current_path(precedente);
    fs::remove_all(base);
    g_sCartellaTextureInstallate.clear();
    CStanza::LeggiTexture();  // leave the real set for other tests
    EXPECT_TRUE(g_aTextureMancanti.empty());
}

TEST(RegolaScala, PrendeIlMinimoTraLarghezzaEProfondita)
{
    const struct
    {
        float w, h, W, D, fScala;
        bool bProfondita;
    } aCasi[] = {
        {800, 600, 12, 10, 60.0f, true},   // width first, then depth decides
        {600, 400, 12, 10, 40.0f, true},
        {800, 400, 12, 10, 40.0f, true},
        {1200, 600, 12, 10, 60.0f, true},
        {1200, 2000, 12, 10, 100.0f, false},
        {800, 600, 10, 10, 60.0f, true},   // wider window, square room: depth
        {600, 800, 10, 10, 60.0f, false},  // taller window, square room: width
        {500, 500, 10, 10, 50.0f, false},  // square window and room: width
        {500, 500, 10, 20, 25.0f, true},
    };
    for (const auto& caso : aCasi)
    {
        CStatoVista vista;
        vista.m_fLarghezzaFinestra = caso.w;
        vista.m_fAltezzaFinestra = caso.h;
        vista.ApplicaRegolaScala(caso.W, caso.D);
        EXPECT_NEAR(vista.m_fScala, caso.fScala, 1e-4) << caso.w << "x" << caso.h;
        EXPECT_EQ(vista.m_bScalaDaProfondita, caso.bProfondita) << caso.w << "x" << caso.h;
    }
}

// The window's size and the mouse come in the toolkit's pixels, GL works in
// the screen's: at any scale the plan fills the window inside the margin,
// centred, and a pixel of mouse motion covers the same metres.
TEST(RegolaScala, FattoreDelloSchermoMargineECentro)
{
    struct Caso
    {
        int w, h;
        double fFattore;
        float fW, fH, fScala, fX0, fY0, fMouse, fMetri;
    };
    // 1 / 56.1 m a pixel of the mouse at each scale, but for the rounding.
    const Caso aCasi[] = {
        {801, 601, 1.0, 801, 601, 56.1f, 64, 20, 101, 1 / 56.1f},
        {801, 601, 1.5, 1202, 902, 84.2f, 96, 30, 151.5f, 1.5f / 84.2f},  // 1201.5 rounds up
        {801, 601, 2.0, 1602, 1202, 112.2f, 128, 40, 202, 1 / 56.1f},
        {60, 50, 2.0, 120, 100, 5.0f, 30, 25, 202, 0.4f},  // a quarter of a side at most
        {801, 601, 0.0, 801, 601, 56.1f, 64, 20, 101, 1 / 56.1f},  // no factor: 100%
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << c.fFattore);
        CStatoVista vista;
        vista.ImpostaFinestra(c.w, c.h, c.fFattore);
        vista.ApplicaRegolaScala(12, 10);
        EXPECT_EQ(vista.m_fLarghezzaFinestra, c.fW);
        EXPECT_EQ(vista.m_fAltezzaFinestra, c.fH);
        EXPECT_NEAR(vista.m_fScala, c.fScala, 1e-3);
        EXPECT_EQ(vista.m_fOrigineX, c.fX0);
        EXPECT_EQ(vista.m_fOrigineY, c.fY0);
        EXPECT_FLOAT_EQ(vista.Fisici(101), c.fMouse);
        EXPECT_FLOAT_EQ(vista.MetriPerPixel(), c.fMetri);
    }
}

TEST(RegolaScala, UnaFinestraOUnaStanzaVuotaNonDannoScaleInfinite)
{
    const float aCasi[][4] = {{0, 600, 12, 10}, {800, 0, 12, 10}, {0, 0, 12, 10},
                              {800, 600, 0, 10}, {800, 600, 12, 0}, {800, 600, -3, 10}};
    for (const auto& caso : aCasi)
    {
        CStatoVista vista;
        vista.m_fScala = 33.0f;
        vista.m_fLarghezzaFinestra = caso[0];
        vista.m_fAltezzaFinestra = caso[1];
        vista.ApplicaRegolaScala(caso[2], caso[3]);
        EXPECT_EQ(vista.m_fScala, 33.0f);
    }
}

TEST(Scena, SvuotareDimenticaLaSelezione)
{
    CStatoVista vista;
    CScena scena(false);
    COggetto* p = CreaOggetto(2, 0);
    scena.m_Oggetti.Aggiungi(p);
    p->Seleziona();
    vista.m_pOggettoSelezionato = p;
    vista.SetOggettoSelezionato(true);
    vista.m_pCorrente = p;
    scena.SvuotaScena();
    EXPECT_EQ(scena.m_Oggetti.GetNumero(), 0);
    EXPECT_FALSE(vista.IsOggettoSelezionato());
    EXPECT_EQ(vista.m_pOggettoSelezionato, nullptr);
    EXPECT_EQ(vista.GetOggettoSelezionato(), nullptr);
    EXPECT_EQ(vista.m_pCorrente, nullptr);
}

// The catalogue: its ready pieces, where an inserted piece goes, the search,
// and the user's own pieces in their file.
#include "model/Catalogo.h"

#include "CartellaTemporanea.h"
#include "ScenaDiProva.h"
#include "model/Appunti.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/StatoVista.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sys/stat.h>

namespace
{
using Byte = std::vector<std::uint8_t>;

Byte LeggiFile(const std::string& percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    return Byte(std::istreambuf_iterator<char>(f), {});
}

void ScriviFile(const std::string& percorso, const Byte& dati)
{
    std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(dati.data()),
                                                    static_cast<std::streamsize>(dati.size()));
}

// The pieces a room file on disk holds, newest first, as their own bytes.
std::vector<Byte> PezziNelFile(const std::string& percorso)
{
    const Byte dati = LeggiFile(percorso);
    CScena scena(false);
    std::string errore;
    EXPECT_TRUE(scena.LeggiNellOrdine(dati.data(), dati.size(), errore)) << errore;
    std::vector<Byte> pezzi;
    COggetto* p = nullptr;
    for (scena.m_Oggetti.GetElemento(1, p); p; scena.m_Oggetti.GetSuccessivo(p))
        pezzi.push_back(CodificaOggetto(*p));
    return pezzi;
}

}  // namespace

// Every ready piece is a sound piece of an existing kind that a new room
// holds, survives the room file unchanged, and shows real colours; the
// sizes the catalogue promises are those of real furniture.
TEST(CatalogoPronti, PezziValidiChePassanoDalFileEStannoNellaStanza)
{
    const CCatalogo catalogo;
    const auto& voci = catalogo.GetVoci();
    ASSERT_GE(voci.size(), 20u);
    std::set<std::string> nomi;
    std::set<int> gruppi;
    CScena stanza(false);
    for (const CVoceCatalogo& v : voci)
    {
        COggetto& p = *v.pPezzo;
        SCOPED_TRACE(p.GetNome());
        gruppi.insert(v.nGruppo);
        EXPECT_TRUE(nomi.insert(p.GetNome()).second);
        EXPECT_NE(NomeTipo(p.GetCategoria(), p.GetTipo()), nullptr);
        const bool bApertura = p.GetCategoria() == CATEGORIA_PORTE_FINESTRE;
        const bool bTondo = p.GetCategoria() == CATEGORIA_TAVOLI && p.GetTipo() == 0;
        EXPECT_GT(p.GetLarghezza(), 0.0f);
        EXPECT_GT(p.GetAltezza(), 0.0f);
        EXPECT_EQ(p.GetProfondita() > 0.0f, !bApertura && !bTondo);
        // The default room: 12 x 10, 3.5 high; an opening within its wall.
        EXPECT_LE(p.GetLarghezza(), 10.0f);
        EXPECT_LE(p.GetProfondita(), 10.0f);
        EXPECT_LE(p.GetZ() + p.GetAltezza(), 3.5f);
        // No white pieces on the pane's light pictures.
        for (const unsigned char* c : {p.GetColore1(), p.GetColore2()})
            EXPECT_LT(std::min({c[0], c[1], c[2]}), 220) << int(c[0]) << "," << int(c[1]);
        EXPECT_TRUE(p.GetTexture() == -1 || CStanza::IsIndiceTextureAmmesso(p.GetTexture()));
        // A trailing number would be taken for a count by the names in the room.
        EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(nomi.rbegin()->back())));
        const Byte dati = CodificaOggetto(p);
        std::string errore;
        std::unique_ptr<COggetto> pCopia = DecodificaOggetto(dati.data(), dati.size(), errore);
        ASSERT_TRUE(pCopia) << errore;
        EXPECT_EQ(CodificaOggetto(*pCopia), dati);
        stanza.m_Oggetti.Aggiungi(pCopia.release());
    }
    EXPECT_EQ(gruppi,
              (std::set<int>{GRUPPO_SEDUTE, GRUPPO_TAVOLI, GRUPPO_MOBILI, GRUPPO_APERTURE}));
    const Byte file = stanza.Scrivi();
    CScena riletta(false);
    std::string errore;
    ASSERT_TRUE(riletta.LeggiNellOrdine(file.data(), file.size(), errore)) << errore;
    EXPECT_EQ(riletta.Scrivi(), file);

    // The sizes of real furniture, as the pane shows them.
    const std::map<std::string, std::string> aMisure = {
        {"Sedia", "45 \u00d7 50 \u00d7 90 cm"},
        {"Poltrona", "85 \u00d7 85 \u00d7 90 cm"},
        {"Tavolo per quattro", "120 \u00d7 80 \u00d7 75 cm"},
        {"Tavolo per sei", "160 \u00d7 90 \u00d7 75 cm"},
        {"Tavolo rotondo", "\u00d8 100 \u00d7 75 cm"},
        {"Tavolino rotondo", "\u00d8 50 \u00d7 55 cm"},
        {"Mobile TV", "180 \u00d7 45 \u00d7 50 cm"},
        {"Armadio a due ante", "100 \u00d7 60 \u00d7 220 cm"},
        {"Armadio a tre ante", "150 \u00d7 60 \u00d7 230 cm"},
        {"Porta", "80 \u00d7 210 cm"},
        {"Porta d'ingresso", "90 \u00d7 210 cm"},
        {"Finestra", "120 \u00d7 120 cm, a 90 cm da terra"},
        {"Portafinestra", "120 \u00d7 220 cm"},
    };
    std::map<std::string, std::string> mostrate;
    for (const CVoceCatalogo& v : voci)
        if (aMisure.count(v.pPezzo->GetNome()))
            mostrate[v.pPezzo->GetNome()] = TestoMisure(*v.pPezzo);
    EXPECT_EQ(mostrate, aMisure);
}

// Where a piece from the catalogue goes in a 12 x 10 room: its footprint's
// centre on the point, within the walls; an opening into the nearest wall,
// centred along it.
TEST(CatalogoInserimento, PuntoDellaStanzaEParetePiuVicina)
{
    struct Caso
    {
        const char* pCaso;
        int nCategoria, nTipo;
        float w, d, x, y;
        float fX, fY;
        int nParete;
    };
    const Caso aCasi[] = {
        {"chair at the centre", CATEGORIA_SEDIE, 0, 0.45f, 0.5f, 6, 5, 5.775f, 4.75f, 0},
        {"round table: its centre", CATEGORIA_TAVOLI, 0, 1.0f, 0, 6, 5, 6, 5, 0},
        {"beyond the north-west corner", CATEGORIA_ARMADI, 1, 1.0f, 0.6f, -3, -2, 0, 0, 0},
        {"beyond the south-east corner", CATEGORIA_TAVOLI, 1, 1.6f, 0.9f, 30, 20, 10.4f, 9.1f, 0},
        {"round table held by its radius", CATEGORIA_TAVOLI, 0, 1.0f, 0, 0.1f, 9.9f, 0.5f, 9.5f, 0},
        {"door by the north wall", CATEGORIA_PORTE_FINESTRE, 0, 0.8f, 0, 3, 0.5f, 2.6f, 0, 1},
        {"door by the east wall", CATEGORIA_PORTE_FINESTRE, 0, 0.8f, 0, 11.5f, 4, 3.6f, 0, 2},
        {"window by the south wall", CATEGORIA_PORTE_FINESTRE, 1, 1.2f, 0, 3, 9.8f, 8.4f, 0, 3},
        {"window by the west wall", CATEGORIA_PORTE_FINESTRE, 1, 1.2f, 0, 0.2f, 2, 7.4f, 0, 4},
        {"door past a corner", CATEGORIA_PORTE_FINESTRE, 0, 0.8f, 0, 11.9f, 0.1f, 11.2f, 0, 1},
        {"door dropped outside", CATEGORIA_PORTE_FINESTRE, 0, 0.8f, 0, 6, 14, 5.6f, 0, 3},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        std::unique_ptr<COggetto> p(CreaOggetto(c.nCategoria, c.nTipo));
        p->SetLarghezza(c.w);
        p->SetProfondita(c.d);
        p->SetRotazione(40.0f);
        p->SetParete(2);
        ASSERT_TRUE(PosizionaNuovo(*p, c.x, c.y, 12, 10));
        EXPECT_NEAR(p->GetX(), c.fX, 1e-4);
        EXPECT_NEAR(p->GetY(), c.fY, 1e-4);
        EXPECT_EQ(p->GetRotazione(), 0.0f);
        EXPECT_EQ(p->GetParete(), c.nParete);
    }
    std::unique_ptr<COggetto> p(CreaOggetto(CATEGORIA_SEDIE, 0));
    EXPECT_FALSE(PosizionaNuovo(*p, NAN, 1, 12, 10));
    EXPECT_FALSE(PosizionaNuovo(*p, 1, INFINITY, 12, 10));
}

// The floor point under a pixel of the window, for drops and the view's
// centre: the plan's mapping inside its margin at 100% and 200%, and in 3D
// the line of sight down to the floor (worked out by hand).
TEST(CatalogoInserimento, PuntoDelPavimentoSottoIlPixel)
{
    const float t = std::tan(3.14159265f / 6.0f);
    const float fDestra = 6 + 16.75f * 0.5f * t * 4 / 3;  // 4 / 3 the window's proportions
    struct Caso
    {
        const char* pCaso;
        int nVista;
        double fFattore;
        float fPitch, x, y;
        bool bTrovato;
        float fX, fY;
    };
    const Caso aCasi[] = {
        // 800 x 600 window, 20-pixel margin: 56 pixels a metre, corner (64, 20).
        {"plan centre", VISTA_PIANTINA, 1.0, 0, 400, 300, true, 6, 5},
        {"plan south-west corner", VISTA_PIANTINA, 1.0, 0, 64, 580, true, 0, 10},
        {"plan margin, outside", VISTA_PIANTINA, 1.0, 0, 8, 10, true, -1, -10 / 56.0f},
        {"plan at 200%", VISTA_PIANTINA, 2.0, 0, 400, 300, true, 6, 5},
        {"3D level, centre: the horizon", VISTA_3D, 1.0, 0, 400, 300, false, 0, 0},
        {"3D level, above the horizon", VISTA_3D, 1.0, 0, 400, 100, false, 0, 0},
        // From 15 m before the room's centre at its mid-height (1.75 m).
        {"3D level, below the centre", VISTA_3D, 1.0, 0, 400, 450, true, 6,
         20 - 1.75f / (0.5f * t)},
        // Straight down from 16.75 m over the centre.
        {"3D from above, centre", VISTA_3D, 1.0, 90, 400, 300, true, 6, 5},
        {"3D from above, right", VISTA_3D, 1.0, 90, 600, 300, true, fDestra, 5},
        {"3D from above at 200%", VISTA_3D, 2.0, 90, 600, 300, true, fDestra, 5},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        CStatoVista v;
        v.ImpostaFinestra(800, 600, c.fFattore);
        v.ApplicaRegolaScala(12, 10);
        v.m_nVista = c.nVista;
        v.SetCentroX(-6);
        v.SetCentroY(-1.75f);
        v.SetCentroZ(-5);
        v.m_fRotX = c.fPitch;
        float fX = -99, fY = -99;
        ASSERT_EQ(v.PuntoSulPavimento(c.x, c.y, 10, fX, fY), c.bTrovato);
        if (!c.bTrovato)
            continue;
        EXPECT_NEAR(fX, c.fX, 1e-3);
        EXPECT_NEAR(fY, c.fY, 1e-3);
        if (c.x == 400 && c.y == 300)
        {
            float fCX = -99, fCY = -99;
            ASSERT_TRUE(v.PuntoAlCentro(10, fCX, fCY));
            EXPECT_NEAR(fCX, fX, 1e-3);
            EXPECT_NEAR(fCY, fY, 1e-3);
        }
    }
}

// The search ignores case and accents and wants every word typed; a piece
// takes the first free number of its name.
TEST(CatalogoRicerca, MaiuscoleEAccentiNonContanoENomiNumerati)
{
    EXPECT_EQ(ChiaveRicerca("Perch\xE9 \xC0\xC8\xCC\xD2\xD9 \x8A\x9F\xFF \xC6\xDF 12"),
              "perche aeiou syy \xE6\xDF 12");
    const CCatalogo catalogo;
    const auto Nomi = [&](const std::string& ricerca) {
        std::string nomi;
        for (std::size_t i : catalogo.Cerca(ricerca))
            nomi += std::string(catalogo.GetVoci()[i].pPezzo->GetNome()) + ";";
        return nomi;
    };
    EXPECT_EQ(Nomi("SEDIA"), "Sedia;Sedia imbottita;");
    EXPECT_EQ(Nomi("  divano  TRE "), "Divano a tre posti;");
    EXPECT_EQ(Nomi("tavol\xEC""no rot"), "Tavolino rotondo;");
    EXPECT_EQ(Nomi("sedia tavolo"), "");
    EXPECT_EQ(catalogo.Cerca("").size(), catalogo.GetVoci().size());

    CContenitori stanza;
    using scena_di_prova::Mobile;
    const std::unique_ptr<COggetto> pSedia(Mobile(CATEGORIA_SEDIE, 0, "Sedia", 0, 0));
    const std::unique_ptr<COggetto> pMia(Mobile(CATEGORIA_SEDIE, 0, "Sedia 3", 0, 0));
    const std::unique_ptr<COggetto> pSenza(Mobile(CATEGORIA_ARMADI, 1, "", 0, 0));
    EXPECT_EQ(NomeNuovo(*pSedia, stanza), "Sedia 1");
    EXPECT_EQ(NomeNuovo(*pSenza, stanza), "Armadio 1");
    for (const char* pNome : {"Sedia 1", "Sedia 2", "Sedia 3"})
        stanza.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, pNome, 1, 1));
    EXPECT_EQ(NomeNuovo(*pSedia, stanza), "Sedia 4");
    EXPECT_EQ(NomeNuovo(*pMia, stanza), "Sedia 4");
}

// "I miei mobili" go to a room file that a new start reads back: pieces as
// they were kept, unplaced and unturned, newest first; a removal and a
// failed write each leave the file and the list as the other says.
TEST(CatalogoMiei, AndataERitornoNelFile)
{
    CCartellaTemporanea cartella("catalogo");
    const std::string file = cartella.File("dati/lavedo98/catalogo.lav");
    CCatalogo catalogo;
    EXPECT_EQ(catalogo.CaricaMiei(file), "");
    const std::size_t nPronti = catalogo.GetVoci().size();

    COggetto* pSedia = scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia di nonna", 3, 4);
    pSedia->SetRotazione(30);
    pSedia->Seleziona();
    std::unique_ptr<COggetto> pGuardia(pSedia);
    COggetto* pFinestra = scena_di_prova::Mobile(CATEGORIA_PORTE_FINESTRE, 1, "Obl\xF2", 2, 0);
    pFinestra->SetZ(1.3f);
    std::unique_ptr<COggetto> pGuardia2(pFinestra);
    ASSERT_TRUE(catalogo.AggiungiMio(*pSedia).bRiuscito);
    ASSERT_TRUE(catalogo.AggiungiMio(*pFinestra).bRiuscito);

    // What was kept: the chair as it was, at 0, 0 and 0 degrees.
    pSedia->SetX(0);
    pSedia->SetY(0);
    pSedia->SetRotazione(0);
    pFinestra->SetX(0);
    const std::vector<Byte> attesi = {CodificaOggetto(*pFinestra), CodificaOggetto(*pSedia)};
    EXPECT_EQ(PezziNelFile(file), attesi);
    CCatalogo riavviato;
    EXPECT_EQ(riavviato.CaricaMiei(file), "");
    ASSERT_EQ(riavviato.GetVoci().size(), nPronti + 2);
    for (std::size_t i = 0; i < 2; ++i)
    {
        EXPECT_TRUE(riavviato.IsMio(nPronti + i));
        EXPECT_FALSE(riavviato.GetVoci()[nPronti + i].pPezzo->IsSelezionato());
        EXPECT_EQ(CodificaOggetto(*riavviato.GetVoci()[nPronti + i].pPezzo), attesi[i]);
    }
    EXPECT_FALSE(riavviato.IsMio(0));
    EXPECT_FALSE(riavviato.RimuoviMio(0).bRiuscito);

    ASSERT_TRUE(riavviato.RimuoviMio(nPronti).bRiuscito);
    EXPECT_EQ(PezziNelFile(file), std::vector<Byte>{attesi[1]});
    EXPECT_EQ(riavviato.GetVoci().size(), nPronti + 1);

    // A file where the folder should be: nothing written, nothing changed.
    CCatalogo bloccato;
    bloccato.CaricaMiei(cartella.File("dati/lavedo98/catalogo.lav/x.lav"));
    const CEsitoFile esito = bloccato.AggiungiMio(*pSedia);
    EXPECT_FALSE(esito.bRiuscito);
    EXPECT_NE(esito.messaggio.find("catalogo.lav/x.lav"), std::string::npos) << esito.messaggio;
    EXPECT_EQ(bloccato.GetVoci().size(), nPronti);
    EXPECT_EQ(PezziNelFile(file), std::vector<Byte>{attesi[1]});

    // A room's worth at most: the next one is refused and the file stays.
    CScena piena(false);
    while (piena.m_Oggetti.GetNumero() < CCatalogo::MassimoMiei())
        piena.m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 0, 0));
    const Byte pieno = piena.Scrivi();
    ScriviFile(file, pieno);
    CCatalogo pienoDiMiei;
    EXPECT_EQ(pienoDiMiei.CaricaMiei(file), "");
    const CEsitoFile troppi = pienoDiMiei.AggiungiMio(*pSedia);
    EXPECT_FALSE(troppi.bRiuscito);
    EXPECT_NE(troppi.messaggio.find("255"), std::string::npos) << troppi.messaggio;
    EXPECT_EQ(LeggiFile(file), pieno);
}

// A file that cannot be used is set aside under a new name, whole, and the
// group starts empty; one that cannot even be set aside is never written
// over.
TEST(CatalogoMiei, FileDanneggiatoMessoDaParte)
{
    CCartellaTemporanea cartella("catalogo");
    const std::string file = cartella.File("catalogo.lav");
    CScena buona(false);
    buona.m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 0, 0));
    const Byte sano = buona.Scrivi();
    const struct
    {
        const char* pCaso;
        Byte dati;
        bool bCartella;
    } aCasi[] = {
        {"cut short", Byte(sano.begin(), sano.end() - 10), false},
        {"bytes after the lights", [&] { Byte b = sano; b.push_back(7); return b; }(), false},
        {"not a room", Byte(300, 0xFF), false},
        {"too long", Byte(CScena::DIMENSIONE_MASSIMA_FILE + 1, 0), false},
        {"a folder", {}, true},
    };
    int n = 0;
    for (const auto& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        if (c.bCartella)
            mkdir(file.c_str(), 0700);
        else
            ScriviFile(file, c.dati);
        CCatalogo catalogo;
        const std::size_t nPronti = catalogo.GetVoci().size();
        const std::string nota = catalogo.CaricaMiei(file);
        const std::string messo =
            cartella.File(++n == 1 ? "catalogo-danneggiato.lav"
                                   : "catalogo-danneggiato-" + std::to_string(n) + ".lav");
        EXPECT_NE(nota.find("messo da parte come \"" + messo + "\""), std::string::npos) << nota;
        EXPECT_EQ(catalogo.GetVoci().size(), nPronti);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(file)));
        struct stat st{};
        ASSERT_EQ(lstat(messo.c_str(), &st), 0);
        EXPECT_EQ(S_ISDIR(st.st_mode) ? Byte() : LeggiFile(messo), c.dati);
        // The next piece starts a sound file.
        ASSERT_TRUE(catalogo.AggiungiMio(*catalogo.GetVoci()[0].pPezzo).bRiuscito);
        EXPECT_EQ(PezziNelFile(file).size(), 1u);
        std::remove(file.c_str());
    }

    // Every name to set it aside is taken: the file stays as it is.
    ScriviFile(file, Byte(300, 0xFF));
    for (int k = n + 1; k < 100; ++k)
        ScriviFile(cartella.File("catalogo-danneggiato-" + std::to_string(k) + ".lav"), {});
    CCatalogo catalogo;
    const std::string nota = catalogo.CaricaMiei(file);
    EXPECT_NE(nota.find("n\u00e9 mettere da parte"), std::string::npos) << nota;
    const CEsitoFile esito = catalogo.AggiungiMio(*catalogo.GetVoci()[0].pPezzo);
    EXPECT_FALSE(esito.bRiuscito);
    EXPECT_EQ(esito.messaggio, nota);
    EXPECT_EQ(LeggiFile(file), Byte(300, 0xFF));
}

// The plan to scale in PDF and SVG, and on the printer's page, through the
// real view, GL and document.
#include "TestEsportazioneAiuti.h"
#include "app/PiantinaVettoriale.h"
#include "model/Ingombro.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

using namespace aiuti_esportazione;

// The plan on paper: the page of the chosen size, the room's walls exactly
// 1000 / N mm per metre apart in the PDF's own coordinates, the pieces at
// that scale inside them, the texts (names with accents, brackets and
// ampersands included) readable, the SVG well formed; a room that does not
// fit is refused naming the next scale.
TEST(Esportazione, PiantinaInScalaMisurataSulFoglio)
{
    struct Caso { const char* pFile; bool bA3, bOrizzontale; int nScala; const char* pPagina, *pRifiuto; };
    const Caso aCasi[] = {
        {"a3.pdf", true, true, 50, "1191 x 842", nullptr},
        {"a4.pdf", false, true, 100, "842 x 595", nullptr},
        {"adatta.pdf", false, false, 0, "595 x 842", nullptr},
        {"a4.svg", false, false, 0, nullptr, nullptr},
        {"no.pdf", false, false, 50, nullptr, "scala 1:100"},
        {"no.svg", true, false, 20, nullptr, "scala 1:50"},
    };
    Prepara(VISTA_PIANTINA);
    COggetto* pStrano = scena_di_prova::Mobile(CATEGORIA_TAVOLI, 0, "Tavolo & <sedie> (2)", 3, 3);
    Documento().m_Oggetti.Aggiungi(pStrano);
    const double W = Documento().m_Stanza.GetLarghezza(), D = Documento().m_Stanza.GetProfondita();
    CCartella cartella;
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pFile);
        const std::string percorso = cartella / c.pFile;
        esportazione::COpzioniPiantina opzioni;
        opzioni.bA3 = c.bA3;
        opzioni.bOrizzontale = c.bOrizzontale;
        opzioni.nScala = c.nScala;
        wxString errore;
        const bool bRiuscito =
            esportazione::EsportaPiantina(Vista(), percorso, "prova.lav", opzioni, errore);
        EXPECT_EQ(bRiuscito, c.pRifiuto == nullptr) << errore;
        if (c.pRifiuto)
        {
            EXPECT_NE(errore.Find(c.pRifiuto), wxNOT_FOUND) << errore;
            EXPECT_FALSE(wxFileExists(percorso));
            continue;
        }
        if (!c.pPagina)  // SVG
        {
            EXPECT_EQ(std::system(("xmllint --noout '" + percorso + "'").c_str()), 0);
            EXPECT_NE(Leggi(percorso).find("Tavolo &amp; &lt;sedie&gt; (2)"), std::string::npos);
            continue;
        }
        EXPECT_NE(Uscita("pdfinfo '" + percorso + "'").find(std::string("Page size:       ") +
                                                             c.pPagina),
                  std::string::npos);
        const std::string testo = Uscita("pdftotext -layout '" + percorso + "' -");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(testo, m, std::regex("prova\\.lav +- +Scala 1:(\\d+)")))
            << testo;
        const int nScala = std::stoi(m[1]);
        if (c.nScala)
        {
            EXPECT_EQ(nScala, c.nScala);
        }
        for (const char* pAtteso : {"Tavolo & <sedie> (2)", "Sedia di pap\xC3\xA0", "12,00 m"})
            EXPECT_NE(testo.find(pAtteso), std::string::npos) << pAtteso << " in:\n" << testo;
        // The walls: the widest black lines, in points.
        const std::string pdf = Leggi(percorso);
        const std::regex tratto("([\\d.]+) w\n0 0 0 RG\n([^S]*)S\n"), punto("([\\d.]+) ([\\d.]+) [ml]\n");
        double fSpessore = 0, x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        std::string muri;
        for (std::sregex_iterator i(pdf.begin(), pdf.end(), tratto), fine; i != fine; ++i)
            if (std::stod((*i)[1]) > fSpessore)
                fSpessore = std::stod((*i)[1]), muri = (*i)[2];
        for (std::sregex_iterator i(muri.begin(), muri.end(), punto), fine; i != fine; ++i)
        {
            x0 = std::min(x0, std::stod((*i)[1])), x1 = std::max(x1, std::stod((*i)[1]));
            y0 = std::min(y0, std::stod((*i)[2])), y1 = std::max(y1, std::stod((*i)[2]));
        }
        const double fPuntiPerMetro = 1000.0 / nScala * 72.0 / 25.4;
        EXPECT_NEAR(x1 - x0, W * fPuntiPerMetro, 0.05);
        EXPECT_NEAR(y1 - y0, D * fPuntiPerMetro, 0.05);
        // The pieces where the page's scale puts them, inside those walls.
        ASSERT_EQ(std::system(("pdftoppm -r 72 -png -singlefile '" + percorso + "' '" + percorso +
                               "'").c_str()), 0);
        ImpronteAlPosto(wxImage(percorso + ".png", wxBITMAP_TYPE_PNG), x0, y0, fPuntiPerMetro);
    }
}

// Paper shows every piece whatever its colour: a white piece on white paper
// by its outline, a door as a gap in the wall with its leaf and swing, a
// window as a double line; every text lies on the sheet, clear of the wall
// line, and each name inside or beside its footprint. In the PDF read back
// at 8 pixels a millimetre, and in the printout.
TEST(Esportazione, OgniPezzoSiVedeSullaCarta)
{
    Ripristina(400, 300);
    const float W = 5, D = 4;
    Documento().m_Stanza.SetLarghezza(W);
    Documento().m_Stanza.SetProfondita(D);
    struct CPezzo { int nCategoria, nTipo; const char* pNome; float x, y, w, d; int nParete; };
    const CPezzo aPezzi[] = {
        {CATEGORIA_ARMADI, 0, "Mobile bianco", 2, 1.5f, 1, 0.6f, 0},
        {CATEGORIA_TAVOLI, 0, "Tavolo tondo", 1, 3, 1, 0, 0},
        // At the east wall, hemmed in: its name goes out of the room if the sheet has room.
        {CATEGORIA_SEDIE, 0, "Sedia col nome lungo", 4.55f, 3, 0.45f, 0.45f, 0},
        {CATEGORIA_ARMADI, 1, "Credenza", 4, 2.6f, 0.5f, 1.2f, 0},
        {CATEGORIA_PORTE_FINESTRE, 0, "Porta bianca", 1, 0, 0.9f, 0, 2},
        {CATEGORIA_PORTE_FINESTRE, 1, "Finestra bianca", 1.5f, 0, 1.2f, 0, 1}};
    const unsigned char aBianco[4] = {255, 255, 255, 170};
    std::vector<COggetto*> pezzi;  // the document's
    for (const CPezzo& p : aPezzi)
    {
        COggetto* o = scena_di_prova::Mobile(p.nCategoria, p.nTipo, p.pNome, p.x, p.y);
        pezzi.push_back(o);
        o->SetLarghezza(p.w);
        o->SetProfondita(p.d);
        o->SetAltezza(1);
        o->SetParete(p.nParete);
        o->SetColore1(aBianco);
        Documento().m_Oggetti.Aggiungi(o);
    }
    // Room points that show ink or paper. The door (east wall, 1 to 1.9 m
    // from the north) hangs at its south end and swings into the room.
    struct CPunto { float x, y; bool bInchiostro; const char* pCosa; };
    const float u = 0.9f * (1 - std::sqrt(0.5f)), v = 0.9f * std::sqrt(0.5f);
    const CPunto aPunti[] = {
        {2.5f, 1.5f, true, "cabinet's north side"}, {3, 1.8f, true, "cabinet's east side"},
        {2.1f, 1.62f, false, "inside the white cabinet"}, {1.5f, 3, true, "round table's rim"},
        {W, 0.5f, true, "east wall"}, {W, 1.45f, false, "door's gap in the wall"},
        {W - 0.45f, 1.9f, true, "door's leaf"}, {W - v, 1 + u, true, "door's swing"},
        {1.75f, 0, true, "window's outer line"}, {1.75f, 0.15f, true, "window's inner line"},
        {1.75f, 0.075f, false, "between the window's lines"}};
    struct CCaso { const char* pFile; bool bOrizzontale; int nScala; };
    const CCaso aCasi[] = {{"a4.pdf", true, 50}, {"adatta.pdf", false, 0}, {nullptr, false, 0}};
    CCartella cartella;
    for (const CCaso& c : aCasi)
    {
        SCOPED_TRACE(c.pFile ? c.pFile : "printout");
        esportazione::CImpaginazione pagina;
        wxImage foglio;
        const std::string percorso = c.pFile ? cartella / c.pFile : "";
        if (!c.pFile)
            foglio = Stampa(pagina);
        else
        {
            esportazione::COpzioniPiantina opzioni;
            opzioni.bOrizzontale = c.bOrizzontale;
            opzioni.nScala = c.nScala;
            wxString errore;
            ASSERT_TRUE(esportazione::EsportaPiantina(Vista(), percorso, "prova.lav", opzioni, errore))
                << errore;
            ASSERT_TRUE(esportazione::Impagina(opzioni, W, D, pagina, errore));
            ASSERT_EQ(std::system(("pdftoppm -r 203.2 -png -singlefile '" + percorso + "' '" +
                                   percorso + "'").c_str()), 0);
            foglio = wxImage(percorso + ".png", wxBITMAP_TYPE_PNG);
        }
        ASSERT_TRUE(foglio.IsOk());
        const double k = pagina.MillimetriPerMetro();
        for (const CPunto& p : aPunti)
        {
            const int x = static_cast<int>(std::lround((pagina.fX + p.x * k) * 8));
            const int y = static_cast<int>(
                std::lround((pagina.fAltezzaFoglio - pagina.fY - (D - p.y) * k) * 8));
            int nScuro = 255;  // the darkest channel around the point
            for (int i = x - 1; i <= x + 1; ++i)
                for (int j = y - 1; j <= y + 1; ++j)
                    nScuro = std::min({nScuro, int(foglio.GetRed(i, j)), int(foglio.GetGreen(i, j)),
                                       int(foglio.GetBlue(i, j))});
            EXPECT_EQ(nScuro < 128, p.bInchiostro) << p.pCosa << ": darkest " << nScuro;
        }
        if (!c.pFile)
            continue;
        // The words as the PDF sets them, in points from the top left.
        const double f = 72 / 25.4, xM0 = pagina.fX * f, xM1 = (pagina.fX + pagina.fLarghezza) * f;
        const double yM0 = (pagina.fAltezzaFoglio - pagina.fY - pagina.fProfondita) * f;
        const double yM1 = (pagina.fAltezzaFoglio - pagina.fY) * f, m = 0.25 * f;  // half the wall
        const std::string testo = Uscita("pdftotext -bbox '" + percorso + "' -");
        const std::regex parola("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                "yMax=\"([\\d.]+)\">([^<]*)</word>");
        std::vector<std::pair<std::string, std::array<double, 4>>> parole;
        for (std::sregex_iterator i(testo.begin(), testo.end(), parola), fine; i != fine; ++i)
        {
            const std::array<double, 4> b = {std::stod((*i)[1]), std::stod((*i)[2]),
                                             std::stod((*i)[3]), std::stod((*i)[4])};
            parole.push_back({(*i)[5], b});
            EXPECT_TRUE(b[0] >= 0 && b[1] >= 0 && b[2] <= pagina.fLarghezzaFoglio * f &&
                        b[3] <= pagina.fAltezzaFoglio * f) << parole.back().first << " past the edge";
            const bool bDentro = b[0] > xM0 + m && b[2] < xM1 - m && b[1] > yM0 + m && b[3] < yM1 - m;
            const bool bFuori = b[2] < xM0 - m || b[0] > xM1 + m || b[3] < yM0 - m || b[1] > yM1 + m;
            EXPECT_TRUE(bDentro || bFuori) << parole.back().first << " crossed by a wall line";
        }
        EXPECT_GE(parole.size(), 20u);
        for (std::size_t nPezzo = 0; nPezzo < pezzi.size(); ++nPezzo)
        {
            // Each name, its words together, within 3 mm of its piece.
            const CPezzo& p = aPezzi[nPezzo];
            std::istringstream flusso(p.pNome);
            const std::vector<std::string> nome{std::istream_iterator<std::string>(flusso), {}};
            std::array<double, 4> b = {1e9, 1e9, -1e9, -1e9};
            for (std::size_t i = 0; i + nome.size() <= parole.size() && b[0] == 1e9; ++i)
                for (std::size_t j = 0; j < nome.size() && parole[i + j].first == nome[j]; ++j)
                    if (j + 1 == nome.size())
                        for (std::size_t n = i; n <= i + j; ++n)
                        {
                            const std::array<double, 4>& q = parole[n].second;
                            b = {std::min(b[0], q[0]), std::min(b[1], q[1]), std::max(b[2], q[2]),
                                 std::max(b[3], q[3])};
                        }
            CRiquadro r = RiquadroImpronta(*pezzi[nPezzo], W, D);
            if (p.nCategoria == CATEGORIA_PORTE_FINESTRE && p.nTipo == 0)
                r.fMinX = W - p.w;  // the door sweeps its width into the room
            const double yAlto = pagina.fAltezzaFoglio - pagina.fY - D * k;  // the north wall, mm
            EXPECT_TRUE(b[2] > (pagina.fX + r.fMinX * k - 3) * f &&
                        b[0] < (pagina.fX + r.fMaxX * k + 3) * f &&
                        b[3] > (yAlto + r.fMinY * k - 3) * f && b[1] < (yAlto + r.fMaxY * k + 3) * f)
                << p.pNome << " missing or away from its footprint";
        }
    }
}

// Pictures drawn off screen, the plan to scale in PDF and SVG, and the File
// menu's export commands, through the real view, GL and document.
#include "Ambiente.h"
#include "CartellaTemporanea.h"
#include "Dialoghi.h"
#include "ScenaDiProva.h"
#include "app/Comandi.h"
#include "app/Esportazione.h"
#include "app/LavedoDoc.h"
#include "app/SceltaFile.h"
#include "app/StampaPiantina.h"
#include "dialogs/EsportaImmagineDlg.h"
#include "dialogs/EsportaPiantinaDlg.h"
#include "model/Contenitori.h"
#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/spinctrl.h>
#include <wx/testing.h>

using namespace ambiente;

namespace
{
struct CCartella : CCartellaTemporanea
{
    CCartella() : CCartellaTemporanea("lavedo-esporta") {}
    std::string operator/(const std::string& nome) const { return File(nome); }
};

std::string Uscita(const std::string& comando)
{
    std::string testo;
    if (FILE* p = popen(comando.c_str(), "r"))
    {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
            testo.append(buffer, n);
        pclose(p);
    }
    return testo;
}

std::string Leggi(const std::string& percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void Prepara(int nVista)
{
    Ripristina(400, 300);
    scena_di_prova::Dimostrativa(Documento());
    CLavedoView& v = Vista();
    v.m_nVista = nVista;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 20.0f;
    v.m_fTraslZ = -4.0f;
    v.m_bTextures = true;
    Documento().CentraEAdatta();
    v.RendiCorrente();
    if (nVista == VISTA_3D)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

// Where the paper shows the pieces with a rectangular footprint: points a
// fifth in from each side are not white. (x0, y0) is the room's south-west
// corner in pixels from the lower left, at f pixels a metre.
void ImpronteAlPosto(const wxImage& foglio, double x0, double y0, double f)
{
    const float D = Documento().m_Stanza.GetProfondita();
    CContenitori& oggetti = Documento().m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    int nProve = 0;
    for (int i = 0; i < oggetti.GetNumero() && p; ++i, oggetti.GetSuccessivo(p))
    {
        const bool bRettangolo = p->GetCategoria() == CATEGORIA_ARMADI ||
                                 (p->GetCategoria() == CATEGORIA_TAVOLI && p->GetTipo() == 1);
        if (!bRettangolo || p->GetRotazione() != 0)
            continue;
        for (const float a : {0.2f, 0.8f})
            for (const float b : {0.2f, 0.8f})
            {
                ++nProve;
                const int x = static_cast<int>(x0 + (p->GetX() + a * p->GetLarghezza()) * f);
                const int y = foglio.GetHeight() - 1 -
                              static_cast<int>(y0 + (D - p->GetY() - b * p->GetProfondita()) * f);
                const int nSomma =
                    foglio.GetRed(x, y) + foglio.GetGreen(x, y) + foglio.GetBlue(x, y);
                EXPECT_LT(nSomma, 3 * 255 - 30)
                    << p->GetNome() << ": white paper at " << x << ", " << y;
            }
    }
    EXPECT_GE(nProve, 12) << "too few pieces looked for";
}

// The plan printed on an A4 page as the printer gets it, at 8 pixels a
// millimetre, the room at the largest scale that fits.
wxImage Stampa(esportazione::CImpaginazione& pagina)
{
    const int w = 210 * 8, h = 297 * 8;
    CStampaPiantina stampa(Vista(), "prova.lav", 20, false);
    wxBitmap foglio(w, h, 24);
    {
        wxMemoryDC dc(foglio);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        stampa.SetDC(&dc);
        stampa.SetPageSizePixels(w, h);
        stampa.SetPageSizeMM(210, 297);
        stampa.SetPaperRectPixels(wxRect(0, 0, w, h));
        stampa.SetPPIPrinter(203, 203);
        stampa.SetPPIScreen(96, 96);
        EXPECT_TRUE(stampa.OnPrintPage(1)) << stampa.GetErrore();
    }
    wxString errore;
    const CStanza& stanza = Documento().m_Stanza;
    EXPECT_TRUE(esportazione::Impagina(210, 297, 0, stanza.GetLarghezza(), stanza.GetProfondita(),
                                       pagina, errore));
    return foglio.ConvertToImage();
}
}  // namespace

// A picture is the view's own paint at the asked size: equal to the window's
// paint at the window's size, to the same picture drawn in one tile whatever
// the seams cross (2048 pixels a tile, or smaller tiles across the room), with
// the plan's walls where the fitting rule puts them (with no margin: a picture
// is not the window); the printout's pieces
// lie where the page's scale puts them. The window paints as before afterwards.
TEST(Esportazione, ImmagineComeLaVistaAQualsiasiMisura)
{
    struct Caso { int nVista, w, h; bool bComeFinestra; int nTassello; };
    const int STAMPA = -1;  // the printout of an A4 page
    const Caso aCasi[] = {
        {VISTA_3D, 400, 300, true, 128},         {VISTA_PIANTINA, 400, 300, false, 96},
        {VISTA_PIANTINA, 4100, 90, false, 2048}, {VISTA_PIANTINA, 60, 2500, false, 2048},
        {VISTA_3D, 16, 2300, false, 2048},       {STAMPA, 210 * 8, 297 * 8, false, 512}};
    CCartella cartella;
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "view " << c.nVista << ", " << c.w << " x " << c.h);
        Prepara(c.nVista == STAMPA ? VISTA_PIANTINA : c.nVista);
        esportazione::CImpaginazione pagina;
        wxImage aImmagini[2];  // in tiles, then in one
        for (const int nTassello : {c.nTassello, 8192})
        {
            CFuoriSchermo::s_nLatoTassello = nTassello;
            const std::string percorso = cartella / "immagine.png";
            wxString errore;
            if (c.nVista == STAMPA)
                aImmagini[nTassello == 8192] = Stampa(pagina);
            else if (esportazione::EsportaImmagine(Vista(), percorso, c.nVista, c.w, c.h, errore))
                aImmagini[nTassello == 8192] = wxImage(percorso, wxBITMAP_TYPE_PNG);
            EXPECT_TRUE(errore.empty()) << errore;
        }
        CFuoriSchermo::s_nLatoTassello = CFuoriSchermo::LATO_TASSELLO;
        const wxImage& immagine = aImmagini[0];
        ASSERT_EQ(immagine.GetSize(), wxSize(c.w, c.h));
        ASSERT_EQ(aImmagini[1].GetSize(), wxSize(c.w, c.h));
        int nDiversi = 0;
        const unsigned char *a = immagine.GetData(), *b = aImmagini[1].GetData();
        for (int i = 0; i < c.w * c.h * 3; i += 3)
            nDiversi += std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) +
                            std::abs(a[i + 2] - b[i + 2]) > 6;
        EXPECT_LE(nDiversi, c.w * c.h / 1000) << "the tiles differ from one whole picture";
        if (c.nVista == STAMPA)
        {
            ImpronteAlPosto(immagine, pagina.fX * 8, pagina.fY * 8,
                            pagina.MillimetriPerMetro() * 8);
            continue;
        }
        auto pixel = [&](int x, int y) {  // origin bottom left, as GL's
            return std::array<std::uint8_t, 3>{immagine.GetRed(x, c.h - 1 - y),
                                               immagine.GetGreen(x, c.h - 1 - y),
                                               immagine.GetBlue(x, c.h - 1 - y)};
        };
        int nAccesi = 0, nUguali = 0, nProve = 0;
        for (int y = 0; y < c.h; y += std::max(1, c.h / 20))
            for (int x = 0; x < c.w; x += std::max(1, c.w / 20), ++nProve)
            {
                const auto p = pixel(x, y);
                nAccesi += p[0] + p[1] + p[2] > 30;
                if (c.bComeFinestra)
                    nUguali += Vicino(Pixel(x, y), p[0], p[1], p[2], 2);
            }
        EXPECT_GT(nAccesi, c.nVista == VISTA_3D ? nProve / 10 : 0) << "blank picture";
        if (c.bComeFinestra)
        {
            EXPECT_GE(nUguali, nProve * 99 / 100) << "differs from the window's paint";
        }
        if (c.nVista != VISTA_PIANTINA)
            continue;
        const CStanza& stanza = Documento().m_Stanza;
        const float s = std::min(c.w / stanza.GetLarghezza(), c.h / stanza.GetProfondita());
        const int xDestra = static_cast<int>(stanza.GetLarghezza() * s) - 1;
        const int yMezzo = static_cast<int>(stanza.GetProfondita() * s / 2);
        const float* f = stanza.GetColorePavimento();
        for (const int x : {0, xDestra})
            EXPECT_TRUE(Vicino(pixel(x, yMezzo), std::lround(f[0] * 255), std::lround(f[1] * 255),
                               std::lround(f[2] * 255), 3))
                << "no wall at x = " << x;
        if (xDestra + 4 < c.w)
        {
            EXPECT_TRUE(Vicino(pixel(xDestra + 4, yMezzo), 0, 0, 0, 3)) << "drawn past the wall";
        }
    }
}

// The measuring overlay stays on screen: with it on, and drawn in the
// window first, a picture of the plan is the one drawn without it.
TEST(Esportazione, LeQuoteRestanoSulloSchermo)
{
    CCartella cartella;
    std::string aImmagini[2];
    for (const bool bQuote : {false, true})
    {
        Prepara(VISTA_PIANTINA);
        Vista().m_bQuote = bQuote;
        Pixel(0, 0);  // the window paints first, with the overlay when on
        const std::string percorso = cartella / (bQuote ? "con.png" : "senza.png");
        wxString errore;
        ASSERT_TRUE(esportazione::EsportaImmagine(Vista(), percorso, VISTA_PIANTINA, 400, 300, errore))
            << errore;
        aImmagini[bQuote] = Leggi(percorso);
    }
    Vista().m_bQuote = false;
    EXPECT_FALSE(aImmagini[0].empty());
    EXPECT_EQ(aImmagini[0], aImmagini[1]);
}

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

// The File menu: each command asks its dialog, then the chooser, and writes
// what was asked for; a room too large for the sheet is refused before any
// file is chosen. The dialogs show their texts whole.
TEST(Esportazione, ComandiDelMenuFile)
{
    CCartella cartella;
    std::vector<wxString> errori;
    wxString titoloScelto;
    scelta_file::g_fnErrore = [&](const wxString& m) { errori.push_back(m); };
    scelta_file::g_fnEsportare = [&](const wxString& t, const wxString&, const wxString& nome) {
        titoloScelto = t;
        return wxString(cartella / std::string(nome.utf8_str()));
    };
    Prepara(VISTA_PIANTINA);
    auto comando = [](int nId) {
        wxCommandEvent evento(wxEVT_MENU, nId);
        Cornice().GetEventHandler()->ProcessEvent(evento);
        Pompa();
    };
    struct CImmagine : wxExpectModalBase<CEsportaImmagineDlg>
    {
        int OnInvoked(CEsportaImmagineDlg* d) const override
        {
            dialoghi::VerificaImpaginazione(*d);
            EXPECT_EQ(d->m_pVista->GetString(0), "Piantina");  // the current view first
            d->m_pVista->SetSelection(1);
            d->m_pLarghezza->SetValue(123);
            d->m_pAltezza->SetValue(45);
            return wxID_OK;
        }
    };
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_IMMAGINE), CImmagine());
    EXPECT_EQ(titoloScelto, "Esporta immagine");
    wxImage immagine(cartella / "Lavedo.png", wxBITMAP_TYPE_PNG);
    EXPECT_EQ(immagine.GetSize(), wxSize(123, 45));

    struct CPiantina : wxExpectModalBase<CEsportaPiantinaDlg>
    {
        int nScala;
        explicit CPiantina(int n) : nScala(n) {}
        int OnInvoked(CEsportaPiantinaDlg* d) const override
        {
            dialoghi::VerificaImpaginazione(*d);
            d->m_pScala->SetSelection(nScala);
            return wxID_OK;
        }
    };
    titoloScelto.clear();
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_PIANTINA), CPiantina(0));  // 1:20 on A4: too large
    ASSERT_EQ(errori.size(), 1u);
    EXPECT_NE(errori[0].Find("1:50"), wxNOT_FOUND) << errori[0];
    EXPECT_TRUE(titoloScelto.empty());
    wxTEST_DIALOG(comando(ID_FILE_ESPORTA_PIANTINA), CPiantina(3));  // fitted
    EXPECT_EQ(titoloScelto, "Esporta piantina");
    EXPECT_EQ(Leggi(cartella / "Lavedo.pdf").substr(0, 5), "%PDF-");
    comando(ID_FILE_ESPORTA_MODELLO);
    EXPECT_EQ(titoloScelto, "Esporta modello 3D");
    EXPECT_EQ(Leggi(cartella / "Lavedo.glb").substr(0, 4), "glTF");
    EXPECT_EQ(errori.size(), 1u);

    CEsportaPiantinaDlg stampa(&Cornice(), true);
    dialoghi::VerificaImpaginazione(stampa);
    // Enter in a list or a spinner presses OK, as in every dialog; the
    // buttons speak Italian whatever the toolkit's own stock texts say.
    using FTesto = const char* (*)(void*);
    const auto fnTesto = reinterpret_cast<FTesto>(dlsym(RTLD_DEFAULT, "gtk_button_get_label"));
    ASSERT_NE(fnTesto, nullptr);
    EXPECT_STREQ(fnTesto(stampa.FindWindow(wxID_CANCEL)->GetHandle()), "_Annulla");
    const auto InvioPremeOK = [](wxDialog& dlg, wxWindow* pFuoco) {
        int nOK = 0;
        dlg.Bind(wxEVT_BUTTON, [&nOK](wxCommandEvent& e) {
            nOK += e.GetId() == wxID_OK;
            e.Skip();
        });
        dialoghi::PremiTasto(dlg, pFuoco, WXK_RETURN);
        return nOK == 1 && !dlg.IsShown();
    };
    CEsportaImmagineDlg vista(&Cornice(), VISTA_3D, 800, 600);
    EXPECT_TRUE(InvioPremeOK(vista, vista.m_pVista));
    CEsportaImmagineDlg lato(&Cornice(), VISTA_3D, 800, 600);
    EXPECT_TRUE(InvioPremeOK(lato, lato.m_pLarghezza));
    CEsportaPiantinaDlg piantina(&Cornice(), false);
    EXPECT_TRUE(InvioPremeOK(piantina, piantina.m_pScala));
    scelta_file::g_fnErrore = nullptr;
    scelta_file::g_fnEsportare = nullptr;
}

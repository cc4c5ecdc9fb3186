// Pictures of the view drawn off screen and written as PNG, through the
// real view, GL and document; the printout drawn the same way.
#include "TestEsportazioneAiuti.h"
#include "view/FuoriSchermo.h"
#include "view/ImmaginePng.h"

#include <array>
#include <cmath>
#include <cstdlib>

using namespace aiuti_esportazione;

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

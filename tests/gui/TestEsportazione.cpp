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
#include "dialogs/EsportaImmagineDlg.h"
#include "dialogs/EsportaPiantinaDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <wx/choice.h>
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
}  // namespace

// A picture is the view's own paint at the asked size: equal to the window's
// paint at the window's size, tiled without seams beyond 2048 pixels (the
// plan's walls where the fitting rule puts them), and the window paints as
// before afterwards.
TEST(Esportazione, ImmagineComeLaVistaAQualsiasiMisura)
{
    struct Caso { int nVista, w, h; bool bComeFinestra; };
    const Caso aCasi[] = {{VISTA_3D, 400, 300, true}, {VISTA_PIANTINA, 400, 300, true},
                          {VISTA_PIANTINA, 4100, 90, false}, {VISTA_PIANTINA, 60, 2500, false},
                          {VISTA_3D, 16, 2300, false}};
    CCartella cartella;
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "view " << c.nVista << ", " << c.w << " x " << c.h);
        Prepara(c.nVista);
        const std::string percorso = cartella / "immagine.png";
        wxString errore;
        ASSERT_TRUE(esportazione::EsportaImmagine(Vista(), percorso, c.nVista, c.w, c.h, errore))
            << errore;
        wxImage immagine(percorso, wxBITMAP_TYPE_PNG);
        ASSERT_EQ(immagine.GetWidth(), c.w);
        ASSERT_EQ(immagine.GetHeight(), c.h);
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

// The plan on paper: the page of the chosen size, the room's walls exactly
// 1000 / N mm per metre apart in the PDF's own coordinates, the texts (names
// with accents, brackets and ampersands included) readable, the SVG well
// formed; a room that does not fit is refused naming the next scale.
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
        // The walls: the last closed path before the texts, in points.
        const std::string pdf = Leggi(percorso);
        const std::regex rettangolo(
            "([\\d.]+) ([\\d.]+) m\n([\\d.]+) [\\d.]+ l\n[\\d.]+ ([\\d.]+) l\n[\\d.]+ [\\d.]+ l\n");
        std::smatch r, ultimo;
        for (auto i = pdf.cbegin(); std::regex_search(i, pdf.cend(), r, rettangolo); i = r[0].second)
            ultimo = r;
        ASSERT_FALSE(ultimo.empty());
        const double fPuntiPerMetro = 1000.0 / nScala * 72.0 / 25.4;
        EXPECT_NEAR(std::stod(ultimo[3]) - std::stod(ultimo[1]), W * fPuntiPerMetro, 0.05);
        EXPECT_NEAR(std::stod(ultimo[4]) - std::stod(ultimo[2]), D * fPuntiPerMetro, 0.05);
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
    scelta_file::g_fnErrore = nullptr;
    scelta_file::g_fnEsportare = nullptr;
}

// Placing precisely in the plan: the keys, the measuring overlay and the
// walls' magnet, through the view's real handlers.
#include "Risposte.h"
#include "ScenaDiProva.h"
#include "TestMouseAiuti.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "model/Ingombro.h"
#include "view/ComandiVista.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/config.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <vector>

using namespace ambiente;
using namespace aiuti;

namespace
{
// 600 x 500 pixels inside the margin over the 12 x 10 room: 50 pixels a
// metre.
constexpr int W_CLIENT = 640, H_CLIENT = 540;

// A drag of the selected piece with Alt held or not.
void TrascinaConAlt(bool bSinistro, int dx, bool bAlt)
{
    auto invia = [bAlt](wxEventType tipo, int x) {
        wxMouseEvent evento(tipo);
        evento.SetPosition(wxPoint(x, 250));
        evento.SetAltDown(bAlt);
        Vista().OnMouse(evento);
    };
    invia(bSinistro ? wxEVT_LEFT_DOWN : wxEVT_RIGHT_DOWN, 300);
    invia(wxEVT_MOTION, 300 + dx);
    invia(bSinistro ? wxEVT_LEFT_UP : wxEVT_RIGHT_UP, 300 + dx);
}
}  // namespace

// Arrows move 1 cm (Shift 10 cm), Up towards the north wall; openings only
// along their wall; Page Up/Down turn about the footprint's centre; every
// move stays within the room, and a stopped press changes nothing.
TEST(TastiPiantina, SpostanoERuotanoNeiLimiti)
{
    struct Caso
    {
        int nCategoria, nTipo, nParete;
        float x, y, L, fAngolo;
        int nTasto;
        bool bMaiusc;
        int nVolte;
        float xAtteso, yAtteso, fAngoloAtteso;
    };
    const int SX = WXK_LEFT, DX = WXK_RIGHT, SU = WXK_UP, GIU = WXK_DOWN;
    const Caso aCasi[] = {
        {CATEGORIA_SEDIE, 0, 0, 5, 5, 0.5f, 0, SX, false, 3, 4.97f, 5, 0},
        {CATEGORIA_SEDIE, 0, 0, 5, 5, 0.5f, 0, DX, true, 1, 5.1f, 5, 0},
        {CATEGORIA_SEDIE, 0, 0, 5, 5, 0.5f, 0, SU, false, 1, 5, 4.99f, 0},
        {CATEGORIA_SEDIE, 0, 0, 5, 5, 0.5f, 0, GIU, true, 3, 5, 5.3f, 0},
        // Openings: the arrows along their wall, in the sense the wall runs.
        {CATEGORIA_PORTE_FINESTRE, 0, 1, 2, 0, 0.8f, 0, DX, false, 1, 2.01f, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 0, 1, 2, 0, 0.8f, 0, GIU, true, 1, 2, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 1, 2, 2, 0, 0.8f, 0, GIU, false, 1, 2.01f, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 1, 2, 2, 0, 0.8f, 0, SX, false, 1, 2, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 0, 3, 2, 0, 0.8f, 0, DX, false, 1, 1.99f, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 1, 4, 2, 0, 0.8f, 0, SU, false, 1, 2.01f, 0, 0},
        {CATEGORIA_PORTE_FINESTRE, 1, 4, 2, 0, 0.8f, 0, WXK_PAGEUP, false, 1, 2, 0, 0},
        // Stopped by the walls: a 1 x 1 cabinet reaches x 0 to 11, y 0 to 9.
        {CATEGORIA_ARMADI, 0, 0, 0, 3, 1, 0, SX, false, 1, 0, 3, 0},
        {CATEGORIA_ARMADI, 0, 0, 10.95f, 3, 1, 0, DX, true, 1, 11, 3, 0},
        {CATEGORIA_ARMADI, 0, 0, 3, 0.04f, 1, 0, SU, true, 2, 3, 0, 0},
        {CATEGORIA_ARMADI, 0, 0, 3, 9, 1, 0, GIU, false, 1, 3, 9, 0},
        {CATEGORIA_ARMADI, 0, 0, 3, 5, 1, 90, SU, true, 50, 3, 1, 90},
        {CATEGORIA_PORTE_FINESTRE, 0, 1, 11.2f, 0, 0.8f, 0, DX, false, 1, 11.2f, 0, 0},
        {CATEGORIA_TAVOLI, 0, 0, 0.6f, 5, 1.2f, 0, SX, false, 1, 0.6f, 5, 0},
        // Turns: a 1 x 1 cabinet at (4, 4) keeps its centre (4.5, 4.5).
        {CATEGORIA_ARMADI, 0, 0, 4, 4, 1, 0, WXK_PAGEUP, true, 6, 4, 5, 90},
        {CATEGORIA_ARMADI, 0, 0, 4, 4, 1, 0, WXK_PAGEDOWN, false, 90, 5, 4, 270},
        {CATEGORIA_ARMADI, 0, 0, 4, 4, 1, 0, WXK_PAGEDOWN, true, 3, 4.5f, 4.5f - 0.70710677f, 315},
        {CATEGORIA_TAVOLI, 0, 0, 6, 5, 1.2f, 350, WXK_PAGEUP, true, 1, 6, 5, 5},
        // Against the north wall a turn is pushed back into the room.
        {CATEGORIA_ARMADI, 0, 0, 4, 0, 1, 0, WXK_PAGEUP, true, 3, 4.5f - 0.70710677f, 0.70710677f, 45},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "family " << c.nCategoria << " wall " << c.nParete << " at "
                                        << c.x << "," << c.y << " key " << c.nTasto << " x"
                                        << c.nVolte);
        Ripristina(W_CLIENT, H_CLIENT);
        COggetto* p = Aggiungi(c.nCategoria, c.nTipo, "Pezzo", c.x, c.y, c.L, c.L, c.fAngolo);
        p->SetParete(c.nParete);
        Seleziona(p);
        for (int i = 0; i < c.nVolte; ++i)
            EXPECT_FALSE(Tasto(c.nTasto, c.bMaiusc));
        EXPECT_NEAR(p->GetX(), c.xAtteso, 1e-3);
        EXPECT_NEAR(p->GetY(), c.yAtteso, 1e-3);
        EXPECT_NEAR(p->GetRotazione(), c.fAngoloAtteso, 1e-3);
        const bool bMosso = c.xAtteso != c.x || c.yAtteso != c.y || c.fAngoloAtteso != c.fAngolo;
        EXPECT_EQ(Documento().m_bModificato, bMosso);
    }
}

// The keys never reach a piece when there is none, in 3D, under a dialog,
// or for the frame's own combinations; Delete asks first, Shift+Delete cuts.
TEST(TastiPiantina, QuandoNonAgisconoEDelete)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* p = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 5, 5, 0.5f, 0.5f);
    EXPECT_TRUE(Tasto(WXK_RIGHT));  // nothing selected
    Seleziona(p);
    Comando(ID_VISTA_3D);
    Tasto(WXK_RIGHT);  // turns the camera, never the piece
    Comando(ID_VISTA_PIANTINA);
    EXPECT_TRUE(Tasto('A'));
    EXPECT_TRUE(Tasto(WXK_DELETE, true));
    wxDialog dlg(&Cornice(), wxID_ANY, "Prova");
    const CDialogoAtteso atteso;
    bool bSaltato = false;
    dlg.CallAfter([&] {
        bSaltato = Tasto(WXK_RIGHT);
        dlg.EndModal(wxID_CANCEL);
    });
    dlg.ShowModal();
    EXPECT_TRUE(bSaltato);
    EXPECT_FLOAT_EQ(p->GetX(), 5.0f);
    EXPECT_FALSE(Documento().m_bModificato);

    wxTEST_DIALOG(EXPECT_FALSE(Tasto(WXK_DELETE)), CPremiPulsante<CConfermaEliminaDlg>(wxID_OK));
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 0);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
}

// End to end: a click gives the GL window the keys, and the frame's
// accelerators leave the arrows to it.
TEST(TastiPiantina, DopoUnClicLeFrecceArrivano)
{
    Ripristina(W_CLIENT, H_CLIENT);
    COggetto* p = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 5, 5, 0.5f, 0.5f);
    Seleziona(p);
    wxUIActionSimulator simulatore;
    ASSERT_TRUE(ClicSullaVista(simulatore, 50, 50));
    simulatore.Char(WXK_RIGHT);
    simulatore.Char(WXK_DOWN, wxMOD_SHIFT);
    EXPECT_TRUE(InputArrivato(simulatore));
    EXPECT_NEAR(p->GetX(), 5.01f, 1e-4);
    EXPECT_NEAR(p->GetY(), 5.1f, 1e-4);
}

// The labels give the distances to the walls and the sizes, inside the
// window and never over the selected piece, wherever it stands.
TEST(QuotePiantina, DistanzeLeggibiliFuoriDallaSagoma)
{
    struct Caso
    {
        int nCategoria, nParete;
        float x, y, L, P, fAngolo;
        const char* aTesti[8];  // west, east, north, south (as there are), sizes, room
    };
    const Caso aCasi[] = {
        {CATEGORIA_SEDIE, 0, 5, 5, 0.5f, 0.5f, 0, {"5.00", "6.50", "5.00", "4.50", "0.50", "0.50", "12.00", "10.00"}},
        {CATEGORIA_ARMADI, 0, 0.02f, 0.03f, 1, 1, 0, {"0.02", "10.98", "0.03", "8.97", "1.00", "1.00", "12.00", "10.00"}},
        {CATEGORIA_ARMADI, 0, 2, 3, 2, 1, 30, {"2.00", "7.77", "2.00", "6.13", "2.00", "1.00", "12.00", "10.00"}},
        {CATEGORIA_ARMADI, 0, 11, 9, 1, 1, 0, {"11.00", "0.00", "9.00", "0.00", "1.00", "1.00", "12.00", "10.00"}},
        {CATEGORIA_TAVOLI, 0, 0.6f, 9.4f, 1.2f, 0, 0, {"0.00", "10.80", "8.80", "0.00", "1.20", "12.00", "10.00"}},
        {CATEGORIA_PORTE_FINESTRE, 2, 0.01f, 0, 0.8f, 0, 0, {"0.01", "9.19", "0.80", "12.00", "10.00"}},
        {CATEGORIA_PORTE_FINESTRE, 3, 0.04f, 0, 0.8f, 0, 0, {"11.16", "0.04", "0.80", "12.00", "10.00"}},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "family " << c.nCategoria << " at " << c.x << "," << c.y);
        Ripristina(W_CLIENT, H_CLIENT);
        Vista().m_bQuote = true;
        COggetto* p = Aggiungi(c.nCategoria, 0, "Pezzo", c.x, c.y, c.L, c.P, c.fAngolo);
        p->SetParete(c.nParete);
        Seleziona(p);
        Pixel(0, 0);  // paints
        const CQuote& q = Vista().GetQuote();
        const auto& aQuote = q.GetQuote();
        int n = 0;
        while (n < 8 && c.aTesti[n])
            ++n;
        ASSERT_EQ(static_cast<int>(aQuote.size()), n);
        for (int i = 0; i < n; ++i)
        {
            const CQuote::CRettangolo& r = aQuote[i].etichetta;
            EXPECT_STREQ(aQuote[i].aTesto, c.aTesti[i]);
            EXPECT_TRUE(aQuote[i].bEtichetta) << aQuote[i].aTesto;
            EXPECT_FALSE(r.Interseca(q.GetImpronta())) << aQuote[i].aTesto;
            EXPECT_TRUE(r.x0 >= 0 && r.y0 >= 0 && r.x1 <= W_CLIENT && r.y1 <= H_CLIENT) << aQuote[i].aTesto;
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(r.Interseca(aQuote[j].etichetta)) << aQuote[i].aTesto << " on " << aQuote[j].aTesto;
        }
    }
}

// No label covers another, in the fullest room and in the samples, with
// nothing or each piece selected in turn: the selected piece's name and
// measures always show, every label stays in the window, and where the
// plan is crowded some names are left out.
TEST(QuotePiantina, NessunaEtichettaSuUnAltra)
{
    const char* aStanze[] = {nullptr, "esempi/soggiorno.lav", "esempi/camera.lav", "esempi/cucina.lav"};
    int nLasciati = 0, nCasi = 0;
    for (const char* pStanza : aStanze)
    {
        SCOPED_TRACE(pStanza ? pStanza : "fullest room");
        Ripristina(W_CLIENT, H_CLIENT);
        if (pStanza)
            ASSERT_TRUE(Documento().Apri(pStanza, false));
        else
            scena_di_prova::Piena(Documento());
        Vista().m_bQuote = true;
        std::vector<COggetto*> aPezzi = {nullptr};
        COggetto* p = nullptr;
        Documento().m_Oggetti.GetElemento(1, p);
        for (; p; Documento().m_Oggetti.GetSuccessivo(p))
            aPezzi.push_back(p);
        for (size_t i = 0; i < aPezzi.size(); i += pStanza ? 1 : 17)
        {
            COggetto* pScelto = aPezzi[i];
            if (pScelto)
                Seleziona(pScelto);
            Pixel(0, 0);  // paints
            const CQuote& q = Vista().GetQuote();
            std::vector<CQuote::CRettangolo> aEtichette;
            for (const CQuote::CNome& n : q.GetNomi())
                aEtichette.push_back(n.etichetta);
            for (const CQuote::CQuota& d : q.GetQuote())
                if (d.bEtichetta)
                    aEtichette.push_back(d.etichetta);
            for (size_t a = 0; a < aEtichette.size(); ++a)
            {
                const CQuote::CRettangolo& r = aEtichette[a];
                EXPECT_TRUE(r.x0 >= 0 && r.y0 >= 0 && r.x1 <= W_CLIENT && r.y1 <= H_CLIENT) << a;
                for (size_t b = 0; b < a; ++b)
                    EXPECT_FALSE(r.Interseca(aEtichette[b])) << "label " << a << " on " << b << ", piece " << i;
            }
            if (pScelto)
            {
                ASSERT_FALSE(q.GetNomi().empty());
                EXPECT_STREQ(q.GetNomi().front().pNome, pScelto->GetNome()) << i;
                // The room's two sizes come last and may give way.
                for (size_t d = 0; d + 2 < q.GetQuote().size(); ++d)
                    EXPECT_TRUE(q.GetQuote()[d].bEtichetta) << q.GetQuote()[d].aTesto << ", piece " << i;
                Vista().AnnullaSelezione();
                pScelto->Deseleziona();
            }
            nLasciati += static_cast<int>(aPezzi.size() - 1 - q.GetNomi().size());
            ++nCasi;
        }
    }
    EXPECT_GT(nCasi, 40);
    EXPECT_GT(nLasciati, 0);
    Ripristina();
}

// "Quote" shows and hides the overlay (the room's width label in the floor
// colour at the top), and both toggles are remembered in the settings.
TEST(QuotePiantina, ComandiMostranoERicordano)
{
    Ripristina(W_CLIENT, H_CLIENT);
    wxConfigBase& config = *wxConfigBase::Get();
    const std::array<int, 2> nord = MappaPiantina().Pixel(6.0f, 0.0f);
    const int x = nord[0] - static_cast<int>(Vista().GetAtlante().LarghezzaEtichetta("12.00") / 2) + 1;
    const int y = nord[1] - 5;
    EXPECT_TRUE(ColoreA(true, x, y, 0, 0, 0));
    Comando(ID_VISTA_QUOTE);
    EXPECT_TRUE(StatoComando(ID_VISTA_QUOTE).bSpuntato);
    EXPECT_TRUE(config.ReadBool("/Piantina/Quote", false));
    EXPECT_TRUE(ColoreA(true, x, y, 255, 255, 255));
    Comando(ID_VISTA_QUOTE);
    EXPECT_FALSE(config.ReadBool("/Piantina/Quote", true));
    EXPECT_TRUE(ColoreA(true, x, y, 0, 0, 0));
    for (const bool b : {true, false})
    {
        Comando(ID_VISTA_CALAMITA);
        EXPECT_EQ(StatoComando(ID_VISTA_CALAMITA).bSpuntato, b);
        EXPECT_EQ(config.ReadBool("/Piantina/Calamita", !b), b);
    }
}

// With the magnet a piece near a wall ends flush and a turn near 15 degrees
// ends on it; Alt suspends it, and without it dragging is unchanged.
TEST(Calamita, TrascinamentiETastiConESenza)
{
    struct Caso
    {
        bool bCalamita, bAlt, bSinistro;
        int dx;  // pixels, 0.02 m each; 0: the Left key instead
        float xAtteso, fAngoloAtteso;
    };
    // A 1 x 1 cabinet at x 1 (0.055 for the key), angle 10.
    const Caso aCasi[] = {
        {false, false, false, -48, 0.04f, 10}, {true, false, false, -48, 0, 10},
        {true, true, false, -48, 0.04f, 10},   {true, false, false, -40, 0.2f, 10},
        {false, false, true, 10, 1, 14},       {true, false, true, 10, 1, 15},
        {true, true, true, 10, 1, 14},         {true, false, true, 25, 1, 20},
        {false, false, false, 0, 0.045f, 10},  {true, false, false, 0, 0, 10},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << "magnet " << c.bCalamita << " alt " << c.bAlt << " left "
                                        << c.bSinistro << " by " << c.dx);
        Ripristina(W_CLIENT, H_CLIENT);
        Vista().m_bCalamita = c.bCalamita;
        COggetto* p = Aggiungi(CATEGORIA_ARMADI, 0, "Mobiletto", c.dx ? 1.0f : 0.055f, 5, 1, 1, 10);
        Seleziona(p);
        if (c.dx)
            TrascinaConAlt(c.bSinistro, c.dx, c.bAlt);
        else
            Tasto(WXK_LEFT);
        EXPECT_NEAR(p->GetX(), c.xAtteso, 1e-4);
        EXPECT_NEAR(p->GetRotazione(), c.fAngoloAtteso, 1e-4);
    }
}

// The names' labels are kept whole between paints: after enough other
// names to fill that store and start it again, the plan looks as before,
// and without names it looks different.
TEST(QuotePiantina, NomiUgualiDopoMoltiAltri)
{
    Ripristina(W_CLIENT, H_CLIENT);
    Vista().m_bQuote = true;
    const char* aNomi[] = {"Armadio", "Tavolo tondo", "Sedia 2"};
    COggetto* aPezzi[3];
    for (int i = 0; i < 3; ++i)
        aPezzi[i] = Aggiungi(CATEGORIA_ARMADI, 0, aNomi[i], 1.0f + 3.5f * i, 2.0f + 3.0f * i, 1, 1);
    auto fotogramma = [] {
        Pixel(0, 0);  // paints
        std::vector<std::uint8_t> a(static_cast<size_t>(W_CLIENT) * H_CLIENT * 3);
        glReadPixels(0, 0, W_CLIENT, H_CLIENT, GL_RGB, GL_UNSIGNED_BYTE, a.data());
        return a;
    };
    const std::vector<std::uint8_t> aPrima = fotogramma();
    char aNome[64];
    for (int n = 0; n < 150; ++n)
    {
        for (int i = 0; i < 3; ++i)
        {
            std::snprintf(aNome, sizeof aNome, "Un nome lungo fra molti altri, numero %d-%d", n, i);
            aPezzi[i]->SetNome(aNome);
        }
        Pixel(0, 0);
    }
    for (int i = 0; i < 3; ++i)
        aPezzi[i]->SetNome(aNomi[i]);
    EXPECT_TRUE(fotogramma() == aPrima);
    for (COggetto* p : aPezzi)
        p->SetNome("");
    EXPECT_FALSE(fotogramma() == aPrima);
}

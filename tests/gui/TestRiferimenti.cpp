// The 3D view and the plan of the sample rooms and of the fullest room, lit
// and unlit, with textures on and off, against pictures committed under
// tests/gui/riferimenti/ (drawn by the frame as it was before it went out in
// batches). At most 0.1% of the pixels may differ by more than 2 levels in
// a channel. With LAVEDO_GENERA_RIFERIMENTI=1 the test writes the pictures
// again instead (run from resources/, as ctest does).
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/SalvataggioSicuro.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace ambiente;

namespace
{
constexpr int W = 480, H = 360;
const std::string CARTELLA = "../tests/gui/riferimenti/";

enum Stanza { SOGGIORNO, CAMERA, CUCINA, PIENA };
const char* const NOMI_STANZE[] = {"soggiorno", "camera", "cucina", "piena"};

struct CCaso
{
    Stanza nStanza;
    int nVista;
    bool bLuci, bTextures;
    float fImbardata = 30.0f;
    int nPareti = PARETI_DUE;
};

// The fullest room with no two pieces on the same spot: the faces of
// pieces that overlap lie in one plane and show whichever the last bit of
// rounding picks. The pieces 0.3 m a side, centred on a 17 x 12 grid; the
// doors and windows 0.6 m wide (narrower, a window's panes overlap), sixteen
// along each wall.
void Distribuisci()
{
    const CStanza& stanza = Documento().m_Stanza;
    const float RW = stanza.GetLarghezza(), RD = stanza.GetProfondita();
    int nCella = 0, nApertura = 0;
    COggetto* p = nullptr;
    Documento().m_Oggetti.GetElemento(1, p);
    for (; p; Documento().m_Oggetti.GetSuccessivo(p))
    {
        p->SetLarghezza(p->GetCategoria() == CATEGORIA_PORTE_FINESTRE ? 0.6f : 0.3f);
        p->SetProfondita(0.3f);
        if (p->GetCategoria() == CATEGORIA_PORTE_FINESTRE)
        {
            const int nParete = 1 + nApertura % 4;
            const float L = nParete % 2 ? RW : RD;
            p->SetParete(nParete);
            p->SetX(0.1f + static_cast<float>(nApertura++ / 4) * L / 16.0f);
            continue;
        }
        const float x = (static_cast<float>(nCella % 17) + 0.5f) * RW / 17.0f;
        const float y = (static_cast<float>(nCella / 17) + 0.5f) * RD / 12.0f;
        ++nCella;
        // The reference corner where the turned piece has its centre there.
        const float a = p->GetRotazione() * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
        const bool bTondo = p->GetCategoria() == CATEGORIA_TAVOLI && p->GetTipo() == 0;
        p->SetX(bTondo ? x : x - (0.15f * c + 0.15f * s));
        p->SetY(bTondo ? y : y - (-0.15f * s + 0.15f * c));
    }
}

void CaricaStanza(Stanza nStanza)
{
    Ripristina(W, H);
    if (nStanza == PIENA)
    {
        scena_di_prova::Piena(Documento());
        Distribuisci();
        // Eight lights at full strength turn everything white: dimmed and
        // tinted, a third of them fixed to the eye, each face shows its own.
        COggetto* pLuce = nullptr;
        Documento().m_Luci.GetElemento(1, pLuce);
        for (int k = 0; pLuce; ++k, Documento().m_Luci.GetSuccessivo(pLuce))
        {
            const float aAmbiente[4] = {0.03f, 0.03f, 0.03f, 1.0f};
            const float aDiffusa[4] = {0.1f + 0.03f * k, 0.12f, 0.22f - 0.02f * k, 1.0f};
            pLuce->SetAmbiente(aAmbiente);
            pLuce->SetDiffusa(aDiffusa);
            pLuce->SetFissa(k % 3 == 0);
        }
        return;
    }
    std::vector<std::uint8_t> b;
    std::string errore;
    CScena letta(false);
    const std::string percorso = std::string("esempi/") + NOMI_STANZE[nStanza] + ".lav";
    ASSERT_TRUE(LeggiFileIntero(percorso, CScena::DIMENSIONE_MASSIMA_FILE, b).bRiuscito);
    ASSERT_TRUE(letta.Leggi(b.data(), b.size(), errore)) << errore;
    Documento().SvuotaScena();
    Documento().Scambia(letta);
}

// The view of a case: from outside, a little from above, two walls shown
// unless the case says otherwise.
// Faces of one piece lying in one plane (a chair's backrest on its legs)
// show whichever the last bit of rounding picks, before as now: close up
// they would fill the picture with noise.
void Prepara(const CCaso& c)
{
    CaricaStanza(c.nStanza);
    CLavedoView& v = Vista();
    CStanza& stanza = Documento().m_Stanza;
    stanza.SetPareti(c.nPareti);
    g_pView->CentraEAdatta(Documento().m_Stanza);
    v.m_fRotX = 25.0f;
    v.m_fRotY = c.fImbardata;
    v.m_fTraslZ = -1.4f * std::max(stanza.GetLarghezza(), stanza.GetProfondita());
    if (c.nVista == VISTA_PIANTINA && c.nStanza == PIENA)
    {
        // One piece hatched, as after a pick.
        COggetto* p = nullptr;
        Documento().m_Oggetti.GetElemento(3, p);
        v.m_pOggettoSelezionato = p;
        v.SetOggettoSelezionato(true);
        p->Seleziona();
    }
    v.m_nVista = c.nVista;
    v.m_bImpostaProiezione = true;
    v.m_bLuci = c.bLuci && c.nVista == VISTA_3D;
    v.m_bTextures = c.bTextures;
    v.RendiCorrente();
    // Fixed lights keep the place they get here, in eye space.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Documento().ApplicaLuci();
    if (v.m_bLuci)
        glEnable(GL_LIGHTING);
    if (c.bTextures && c.nVista == VISTA_3D)
        glEnable(GL_TEXTURE_2D);
}

std::string Nome(const CCaso& c)
{
    std::string s = NOMI_STANZE[c.nStanza];
    if (c.nVista == VISTA_PIANTINA)
        return s + "-piantina";
    s += c.bLuci ? "-luci" : "-spente";
    s += c.bTextures ? "-texture" : "-tinta";
    if (c.nPareti == PARETI_TUTTE)
        s += "-chiusa";
    return c.fImbardata != 30.0f ? s + "-retro" : s;
}

// One paint of the view as a picture, rows top first.
wxImage Fotografa()
{
    Vista().Renderizza();
    glFinish();
    std::vector<unsigned char> aPixel(static_cast<size_t>(W) * H * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, aPixel.data());
    wxImage immagine(W, H);
    const size_t nRiga = static_cast<size_t>(W) * 3;
    for (int y = 0; y < H; ++y)
        std::copy_n(&aPixel[static_cast<size_t>(y) * nRiga], nRiga,
                    immagine.GetData() + static_cast<size_t>(H - 1 - y) * nRiga);
    return immagine;
}
}  // namespace

TEST(Riferimenti, DisegnoComeLeImmaginiDiRiferimento)
{
    std::vector<CCaso> aCasi;
    for (const Stanza s : {SOGGIORNO, CAMERA, CUCINA, PIENA})
    {
        for (const bool bLuci : {true, false})
            for (const bool bTextures : {true, false})
                aCasi.push_back({s, VISTA_3D, bLuci, bTextures});
        aCasi.push_back({s, VISTA_PIANTINA, false, false});
        // The other two walls, with the doors on them.
        aCasi.push_back({s, VISTA_3D, true, true, 210.0f});
    }
    // Every wall and the ceiling: from outside, a closed box.
    aCasi.push_back({PIENA, VISTA_3D, true, true, 30.0f, PARETI_TUTTE});
    const bool bGenera = std::getenv("LAVEDO_GENERA_RIFERIMENTI") != nullptr;
    int nLuceGL = 0;
    for (const CCaso& c : aCasi)
    {
        const std::string nome = Nome(c);
        SCOPED_TRACE(nome);
        Prepara(c);
        const std::string percorso = CARTELLA + nome + ".png";
        if (bGenera)
        {
            Vista().Renderizza();
            ASSERT_TRUE(Fotografa().SaveFile(percorso, wxBITMAP_TYPE_PNG));
            continue;
        }
        wxImage riferimento(percorso, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(riferimento.IsOk()) << percorso;
        // A turned camera first: the lights fixed to the eye then move in
        // the room and GL lights the next frame; the one after keeps the
        // colours computed once they stood still. Both are the picture.
        Vista().m_fRotY += 7.0f;
        Vista().Renderizza();
        Vista().m_fRotY -= 7.0f;
        for (int nFotogramma = 0; nFotogramma < 2; ++nFotogramma)
        {
            SCOPED_TRACE(nFotogramma == 0 ? "lit by GL" : "lit as computed");
            const wxImage immagine = Fotografa();
            const bool bCalcolata = Vista().GetDisegno().IsLuceCalcolata();
            if (c.bLuci && c.nVista == VISTA_3D)
            {
                nLuceGL += !bCalcolata;
                EXPECT_TRUE(nFotogramma == 0 || bCalcolata);
            }
            ASSERT_EQ(riferimento.GetSize(), immagine.GetSize());
            const unsigned char* a = immagine.GetData();
            const unsigned char* b = riferimento.GetData();
            int nDiversi = 0, nDisegnati = 0;
            for (size_t i = 0; i < static_cast<size_t>(W) * H * 3; i += 3)
            {
                nDisegnati += (b[i] | b[i + 1] | b[i + 2]) != 0;
                nDiversi += std::abs(a[i] - b[i]) > 2 || std::abs(a[i + 1] - b[i + 1]) > 2 ||
                            std::abs(a[i + 2] - b[i + 2]) > 2;
            }
            EXPECT_GT(nDisegnati, W * H / 20) << "a reference that shows nothing proves nothing";
            if (nDiversi > W * H / 1000)
            {
                const std::string uscita = "/tmp/lavedo-" + nome + ".png";
                immagine.SaveFile(uscita, wxBITMAP_TYPE_PNG);
                ADD_FAILURE() << nDiversi << " pixels differ; the picture drawn is in " << uscita;
            }
        }
    }
    // The rooms with lights fixed to the eye had their turned frames lit by GL.
    EXPECT_GE(nLuceGL, bGenera ? 0 : 6);
    Ripristina();
}

// One full paint of the 3D view and of the plan at 1024 x 768, for the
// empty default room, the sample rooms and the fullest scene a document can
// hold (255 furnishings of every kind, 8 lights), with lighting and
// textures on. The fullest 3D frame is also timed with lighting off, at a
// 64 x 48 viewport (which splits its time into lighting, per-draw work and
// filling pixels), and with two walls shown, at both sizes: with all four
// and the ceiling the camera outside sees a closed box, with two it sees
// every piece. Every
// frame is read back and checked (see Misura.h). Last, the rebuild of one
// piece's geometry, as a key move makes it.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/SalvataggioSicuro.h"
#include "model/Scena.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cstdio>
#include <string>

namespace
{
constexpr int RIPETIZIONI = 60;
constexpr int W = 1024, H = 768;

void Prepara(int nVista, bool bLuci)
{
    misura::ImpostaVista(nVista);
    CLavedoView& v = *GetLavedoView();
    v.m_bLuci = bLuci && nVista == VISTA_3D;
    v.m_bTextures = true;
    g_pDoc->ApplicaLuci();
    if (v.m_bLuci)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    if (nVista == VISTA_3D)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

// What a frame must show: a share of the pixels covered by the room and a
// number of colours (shaded faces, textures). The empty room has no light
// of its own: lit, it is a dark box in the middle of the 3D view; in the
// plan it is a white outline on black. The sample rooms are smaller than
// the 12 x 10 m full one and fill less of the same camera.
double Dipingi(int nVista, const std::string& nome, double fQuota, int nColori,
               bool bLuci = true, int w = W, int h = H)
{
    Prepara(nVista, bLuci);
    CLavedoView& v = *GetLavedoView();
    if (w != W)
    {
        // Only the small viewport is cleared and drawn.
        v.OnSize(w, h);
        glScissor(0, 0, w, h);
        glEnable(GL_SCISSOR_TEST);
    }
    std::uint32_t nImpronta = 0;
    const double f = misura::MedianaDipinto(
        nome,
        [&] {
            v.Renderizza();
            glFinish();
        },
        {w, h, fQuota, nColori}, RIPETIZIONI, nImpronta);
    if (w != W)
    {
        glDisable(GL_SCISSOR_TEST);
        v.OnSize(W, H);
    }
    misura::Stampa(nome, f, nImpronta);
    return f;
}

void Carica(const std::string& percorso)
{
    std::vector<std::uint8_t> b;
    std::string errore;
    CScena letta(false);
    if (!LeggiFileIntero(percorso, CScena::DIMENSIONE_MASSIMA_FILE, b).bRiuscito ||
        !letta.Leggi(b.data(), b.size(), errore))
        misura::Fallisci(percorso + " did not load (run from resources/)");
    g_pDoc->SvuotaScena();
    g_pDoc->Scambia(letta);
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, W, H))
        misura::Fallisci("the editor's GL window could not be set up for timing");
    g_pDoc->SvuotaScena();
    g_pDoc->ImpostaStanzaPredefinita();
    const double f3DVuota = Dipingi(VISTA_3D, "3D paint, empty room", 0.2, 2);
    const double fPiantaVuota = Dipingi(VISTA_PIANTINA, "plan paint, empty room", 0.005, 2);

    for (const char* pEsempio : {"camera", "cucina", "soggiorno"})
    {
        Carica(std::string("esempi/") + pEsempio + ".lav");
        Dipingi(VISTA_3D, std::string("3D paint, sample room ") + pEsempio, 0.03, 100);
    }

    g_pDoc->SvuotaScena();
    g_pDoc->ImpostaStanzaPredefinita();
    scena_di_prova::Piena(*g_pDoc);
    const double f3DPiena = Dipingi(VISTA_3D, "3D paint, 255 furnishings + 8 lights", 0.25, 300);
    Dipingi(VISTA_3D, "  the same, lighting off", 0.25, 50, false);
    Dipingi(VISTA_3D, "  the same, 64 x 48 viewport", 0.25, 8, true, 64, 48);
    g_pDoc->m_Stanza.SetPareti(PARETI_DUE);
    const double f3DVisibile =
        Dipingi(VISTA_3D, "  the same, two walls: every piece in view", 0.25, 300);
    Dipingi(VISTA_3D, "  the same, two walls, 64 x 48 viewport", 0.25, 8, true, 64, 48);
    g_pDoc->m_Stanza.SetPareti(PARETI_TUTTE);
    const double fPiantaPiena =
        Dipingi(VISTA_PIANTINA, "plan paint, 255 furnishings + 8 lights", 0.3, 20);

    // A piece moved by a key gets its geometry built again: the cost of that
    // alone, for the heaviest kind (a round table and its quadrics).
    COggetto* pTavolo = nullptr;
    for (g_pDoc->m_Oggetti.GetElemento(1, pTavolo); pTavolo; g_pDoc->m_Oggetti.GetSuccessivo(pTavolo))
        if (pTavolo->GetCategoria() == CATEGORIA_TAVOLI && pTavolo->GetTipo() == 0)
            break;
    const CContestoDisegno contesto = GetLavedoView()->ContestoDisegno();
    const unsigned int nVersione = pTavolo->GetVersioneMaglia();
    unsigned int nSpostamenti = 0;
    const double fMaglia = misura::MedianaMicrosecondi(
        [&] {
            pTavolo->SetX(pTavolo->GetX() + 0.01f);
            pTavolo->Maglia(contesto);
            ++nSpostamenti;
        },
        RIPETIZIONI, 3, [&] {
            if (pTavolo->GetVersioneMaglia() != nVersione + nSpostamenti)
                misura::Fallisci("the round table's geometry was not built again");
        });
    misura::Stampa("geometry of one round table built again", fMaglia);

    std::printf("ratio full / empty, 3D:   %.2f\n", f3DPiena / f3DVuota);
    std::printf("ratio full / empty, plan: %.2f\n", fPiantaPiena / fPiantaVuota);
    std::printf("targets: full 3D <= 8000 us and <= 3.5 x empty, one piece's geometry <= 200 us: "
                "%s (every piece in view: %.0f us)\n",
                f3DPiena <= 8000 && f3DPiena <= 3.5 * f3DVuota && fMaglia <= 200 ? "met" : "MISSED",
                f3DVisibile);
    g_pDoc->SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

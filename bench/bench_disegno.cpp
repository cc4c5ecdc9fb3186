// One full paint of the 3D view and of the plan at 1024 x 768, for the
// empty default room and for the fullest scene a document can hold (255
// furnishings of every kind, 8 lights), with lighting and textures on.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "model/Scena.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cstdio>
#include <string>

namespace
{
constexpr int RIPETIZIONI = 60;

void Prepara(int nVista)
{
    misura::ImpostaVista(nVista);
    CLavedoView& v = *GetLavedoView();
    v.m_bLuci = nVista == VISTA_3D;
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

double Dipingi(int nVista, const std::string& nome)
{
    Prepara(nVista);
    CLavedoView& v = *GetLavedoView();
    const double f = misura::MedianaMicrosecondi(
        [&] {
            v.Renderizza();
            glFinish();
        },
        RIPETIZIONI);
    misura::Stampa(nome, f);
    return f;
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
    {
        std::fprintf(stderr, "the editor's GL window did not start\n");
        return 1;
    }
    g_pDoc->SvuotaScena();
    g_pDoc->ImpostaStanzaPredefinita();
    const double f3DVuota = Dipingi(VISTA_3D, "3D paint, empty room");
    const double fPiantaVuota = Dipingi(VISTA_PIANTINA, "plan paint, empty room");

    scena_di_prova::Piena(*g_pDoc);
    const double f3DPiena = Dipingi(VISTA_3D, "3D paint, 255 furnishings + 8 lights");
    const double fPiantaPiena = Dipingi(VISTA_PIANTINA, "plan paint, 255 furnishings + 8 lights");

    std::printf("ratio full / empty, 3D:   %.2f (target <= 2, and full under 16000 us)\n",
                f3DPiena / f3DVuota);
    std::printf("ratio full / empty, plan: %.2f\n", fPiantaPiena / fPiantaVuota);
    g_pDoc->SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

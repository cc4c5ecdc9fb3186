// Pictures of the demo room for a person to look at (make screenshots):
// skipped unless LAVEDO_SCREENSHOTS names the folder to write them to.
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace ambiente;

namespace
{
constexpr int LARGHEZZA = 1024, ALTEZZA = 768;

// Paints and writes the back buffer as <cartella>/<nome>.png.
void Scatta(const char* pCartella, const char* pNome)
{
    Vista().RendiCorrente();
    Vista().Renderizza();
    glFinish();
    std::vector<unsigned char> aPixel(static_cast<size_t>(LARGHEZZA) * ALTEZZA * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, LARGHEZZA, ALTEZZA, GL_RGB, GL_UNSIGNED_BYTE, aPixel.data());
    // GL rows run bottom-up, image rows top-down.
    auto* pDati = static_cast<unsigned char*>(std::malloc(aPixel.size()));
    ASSERT_NE(pDati, nullptr);
    const size_t nRiga = static_cast<size_t>(LARGHEZZA) * 3;
    for (int y = 0; y < ALTEZZA; ++y)
        std::copy_n(&aPixel[static_cast<size_t>(y) * nRiga], nRiga,
                    pDati + static_cast<size_t>(ALTEZZA - 1 - y) * nRiga);
    wxImage immagine(LARGHEZZA, ALTEZZA, pDati);  // takes the buffer
    const wxString percorso = wxFileName(pCartella, wxString(pNome) + ".png").GetFullPath();
    EXPECT_TRUE(immagine.SaveFile(percorso, wxBITMAP_TYPE_PNG)) << percorso;
}

const char* Cartella()
{
    return std::getenv("LAVEDO_SCREENSHOTS");
}

void CaricaDimostrativa()
{
    Ripristina(LARGHEZZA, ALTEZZA);
    scena_di_prova::Dimostrativa(Documento());
    g_pView->CentraEAdatta(Documento().m_Stanza);
    Documento().ApplicaLuci();
}

void Vista3D(bool bLuci, bool bTextures, float fRotX, float fRotY, float fDistanza)
{
    CLavedoView& v = Vista();
    v.m_fTraslZ = -fDistanza;
    v.m_nVista = VISTA_3D;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = fRotX;
    v.m_fRotY = fRotY;
    v.m_bLuci = bLuci;
    v.m_bTextures = bTextures;
    g_pView->CentraEAdatta(Documento().m_Stanza);
    v.RendiCorrente();
    if (bLuci)
    {
        glEnable(GL_LIGHTING);
        Documento().ApplicaLuci();
    }
    else
    {
        glDisable(GL_LIGHTING);
    }
    if (bTextures)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}
}  // namespace

TEST(Screenshots, Piantina)
{
    const char* pCartella = Cartella();
    if (!pCartella)
        GTEST_SKIP() << "LAVEDO_SCREENSHOTS is not set";
    wxInitAllImageHandlers();
    CaricaDimostrativa();
    Scatta(pCartella, "piantina");

    // The round table selected: drawn stippled.
    CLavedoView& v = Vista();
    COggetto* p = nullptr;
    CContenitori& oggetti = Documento().m_Oggetti;
    for (int i = 1; i <= oggetti.GetNumero(); ++i)
    {
        oggetti.GetElemento(static_cast<std::uint8_t>(i), p);
        if (p && p->GetCategoria() == CATEGORIA_TAVOLI && p->GetTipo() == 0)
            break;
    }
    ASSERT_NE(p, nullptr);
    p->Seleziona();
    v.m_pOggettoSelezionato = p;
    v.m_bOggettoSelezionato = true;
    Scatta(pCartella, "piantina_selezione");

    v.m_bWireframe = true;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    Scatta(pCartella, "piantina_wireframe");
    Ripristina();
}

TEST(Screenshots, Vista3D)
{
    const char* pCartella = Cartella();
    if (!pCartella)
        GTEST_SKIP() << "LAVEDO_SCREENSHOTS is not set";
    wxInitAllImageHandlers();
    CaricaDimostrativa();
    struct CScatto
    {
        const char* pNome;
        bool bLuci, bTextures;
        float fRotX, fRotY, fDistanza;
    };
    // All four walls and the ceiling: the camera stands inside the room.
    const CScatto aScatti[] = {
        {"vista3d_senza_luci", false, false, 20.0f, 0.0f, 4.0f},
        {"vista3d_luci", true, false, 20.0f, 0.0f, 4.0f},
        {"vista3d_luci_texture", true, true, 20.0f, 0.0f, 4.0f},
        {"vista3d_luci_texture_angolo2", true, true, 12.0f, 215.0f, 4.0f},
        {"vista3d_senza_luci_angolo2", false, false, 12.0f, 215.0f, 4.0f},
    };
    for (const CScatto& s : aScatti)
    {
        Vista3D(s.bLuci, s.bTextures, s.fRotX, s.fRotY, s.fDistanza);
        Scatta(pCartella, s.pNome);
    }
    // The two-walls mode lets the camera look in from outside.
    Documento().m_Stanza.SetPareti(PARETI_DUE);
    Vista3D(true, true, 30.0f, 120.0f, 15.0f);
    Scatta(pCartella, "vista3d_due_pareti");
    Vista().m_bWireframe = true;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    Scatta(pCartella, "vista3d_wireframe");
    Vista().m_bWireframe = false;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    Vista().m_bTextures = false;
    Vista().m_bLuci = false;
    Ripristina();
}

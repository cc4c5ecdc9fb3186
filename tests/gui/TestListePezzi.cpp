// The furniture's display lists change the speed of the 3D pass, never a
// pixel: each frame is compared with the same frame drawn piece by piece.
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace ambiente;

namespace
{
constexpr int W = 400, H = 300;

std::vector<std::uint8_t> Fotogramma(bool bListe)
{
    Vista().m_bListePezzi = bListe;
    Vista().Renderizza();
    glFinish();
    std::vector<std::uint8_t> a(W * H * 3);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, a.data());
    return a;
}

// Pixels that differ by more than 1 on a channel (a list may round a colour
// the other way), and by how much at most.
::testing::AssertionResult Uguali(const std::vector<std::uint8_t>& a,
                                  const std::vector<std::uint8_t>& b)
{
    int nDiversi = 0, nMassimo = 0;
    for (std::size_t i = 0; i < a.size(); i += 3)
    {
        int d = 0;
        for (std::size_t c = i; c < i + 3; ++c)
            d = std::max(d, std::abs(a[c] - b[c]));
        nDiversi += d > 1;
        nMassimo = std::max(nMassimo, d);
    }
    if (nDiversi == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << nDiversi << " pixels differ, by up to " << nMassimo << " on a channel";
}
}  // namespace

TEST(ListePezzi, DisegnanoGliStessiPixelDelDisegnoDiretto)
{
    int nPezzi = 0;
    for (const char* pStanza : {"esempi/camera.lav", "esempi/cucina.lav", "esempi/soggiorno.lav", ""})
    {
        Ripristina(W, H);
        if (*pStanza)
            ASSERT_TRUE(Documento().Apri(pStanza, false)) << pStanza;
        else
            scena_di_prova::Piena(Documento());
        Documento().ApplicaLuci();
        nPezzi += Documento().m_Oggetti.GetNumero();
        CLavedoView& v = Vista();
        v.m_bTextures = v.m_bLuci = true;
        // The plan never uses the lists; 3D lit and textured from above,
        // then in wireframe from inside the room.
        for (const int nPasso : {0, 1, 2})
        {
            SCOPED_TRACE(std::string(*pStanza ? pStanza : "full room") + ", step " +
                         std::to_string(nPasso));
            v.m_nVista = nPasso == 0 ? VISTA_PIANTINA : VISTA_3D;
            v.m_bImpostaProiezione = true;
            v.m_bWireframe = nPasso == 2;
            v.m_fRotX = nPasso == 2 ? 5.0f : 25.0f;
            v.m_fRotY = 30.0f;
            v.m_fTraslZ = nPasso == 2 ? -3.0f : -12.0f;
            glPolygonMode(GL_FRONT_AND_BACK, v.m_bWireframe ? GL_LINE : GL_FILL);
            if (nPasso == 0)
                glDisable(GL_LIGHTING);
            else
                glEnable(GL_LIGHTING);
            // A frame starts from the colour and normal the previous one left
            // (the textured floor has no normal of its own): compare frames
            // that follow a frame of the same scene.
            Fotogramma(false);
            const std::vector<std::uint8_t> diretto = Fotogramma(false);
            EXPECT_TRUE(Uguali(Fotogramma(true), diretto)) << "while compiling the lists";
            EXPECT_TRUE(Uguali(Fotogramma(true), diretto)) << "replaying the lists";
        }
        // A changed piece gets a new list: the frame follows the change.
        COggetto* pPezzo = nullptr;
        Documento().m_Oggetti.GetElemento(1, pPezzo);
        ASSERT_NE(pPezzo, nullptr);
        const unsigned char aVerde[4] = {0, 255, 0, 255};
        pPezzo->SetColore1(aVerde);
        pPezzo->SetAltezza(pPezzo->GetAltezza() * 0.5f);
        v.m_bWireframe = false;
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        Fotogramma(true);
        const std::vector<std::uint8_t> aggiornato = Fotogramma(true);
        Fotogramma(false);
        EXPECT_TRUE(Uguali(aggiornato, Fotogramma(false))) << "after a change";
    }
    EXPECT_GT(nPezzi, 255 + 15);
    Vista().m_bListePezzi = true;
    Ripristina();
}

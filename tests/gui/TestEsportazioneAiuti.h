#pragma once
// Helpers shared by the tests of the pictures, the plan on paper and the
// File menu's export commands: a folder for the files, the demo room in the
// view, the printout of a page, and where pieces show on a sheet.
#include "Ambiente.h"
#include "CartellaTemporanea.h"
#include "ScenaDiProva.h"
#include "app/Impaginazione.h"
#include "app/LavedoDoc.h"
#include "app/StampaPiantina.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace aiuti_esportazione
{
using namespace ambiente;

struct CCartella : CCartellaTemporanea
{
    CCartella() : CCartellaTemporanea("lavedo-esporta") {}
    std::string operator/(const std::string& nome) const { return File(nome); }
};

inline std::string Uscita(const std::string& comando)
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

inline std::string Leggi(const std::string& percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void Prepara(int nVista)
{
    Ripristina(400, 300);
    scena_di_prova::Dimostrativa(Documento());
    CLavedoView& v = Vista();
    v.m_nVista = nVista;
    v.m_bImpostaProiezione = true;
    v.m_fRotX = 20.0f;
    v.m_fTraslZ = -4.0f;
    v.m_bTextures = true;
    g_pView->CentraEAdatta(Documento().m_Stanza);
    v.RendiCorrente();
    if (nVista == VISTA_3D)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

// Where the paper shows the pieces with a rectangular footprint: points a
// fifth in from each side are not white. (x0, y0) is the room's south-west
// corner in pixels from the lower left, at f pixels a metre.
inline void ImpronteAlPosto(const wxImage& foglio, double x0, double y0, double f)
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
inline wxImage Stampa(esportazione::CImpaginazione& pagina)
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
}  // namespace aiuti_esportazione

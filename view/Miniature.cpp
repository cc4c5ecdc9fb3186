#include "view/Miniature.h"

#include "model/Luci.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

const std::uint8_t COLORE_SFONDO_MINIATURA[3] = {214, 219, 224};

namespace
{
// The box the piece fills in its own GL axes (x across, y up, z towards
// its front), unplaced: a round table stands on its centre, an opening in
// the north wall; handles stand a little proud of the front.
void Ingombro(const COggetto& p, float aMin[3], float aMax[3])
{
    const float w = p.GetLarghezza(), h = p.GetAltezza();
    if (p.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
    {
        const float e = p.GetZ();
        const float aA[3] = {0.0f, e, -0.06f}, aB[3] = {w, e + h, 0.18f};
        std::copy(aA, aA + 3, aMin);
        std::copy(aB, aB + 3, aMax);
        return;
    }
    const bool bTondo = p.GetCategoria() == CATEGORIA_TAVOLI && p.GetTipo() == 0;
    const float r = w / 2.0f;
    const float aA[3] = {bTondo ? -r : 0.0f, 0.0f, bTondo ? -r : 0.0f};
    const float aB[3] = {bTondo ? r : w, h, bTondo ? r : p.GetProfondita() + 0.09f};
    std::copy(aA, aA + 3, aMin);
    std::copy(aB, aB + 3, aMax);
}
// The tile at (x0, y0) of the pixels read back (w wide, GL's rows from the
// bottom) at half its size, each 2 x 2 block averaged: rows from the top.
std::vector<std::uint8_t> Dimezza(const std::vector<std::uint8_t>& letti, int w, int x0, int y0,
                                  int nLato)
{
    std::vector<std::uint8_t> img(static_cast<std::size_t>(nLato) * nLato * 3);
    const auto Letto = [&](int x, int y, int k) {
        return letti[(static_cast<std::size_t>(y) * w + x) * 3 + k];
    };
    for (int r = 0; r < nLato; ++r)
        for (int c = 0; c < nLato; ++c)
            for (int k = 0; k < 3; ++k)
            {
                const int x = x0 + 2 * c, y = y0 + 2 * (nLato - 1 - r);
                const int nSomma = Letto(x, y, k) + Letto(x + 1, y, k) + Letto(x, y + 1, k) +
                                   Letto(x + 1, y + 1, k);
                img[(static_cast<std::size_t>(r) * nLato + c) * 3 + k] =
                    static_cast<std::uint8_t>((nSomma + 2) / 4);
            }
    return img;
}
}  // namespace

void DisegnaMiniatura(COggetto& pezzo, const CContestoDisegno& contesto)
{
    constexpr float IMBARDATA = -30.0f, BECCHEGGIO = 20.0f;
    // Textures on, solid, the wall of an opening shown (as from inside the
    // room), lines one pixel; the piece at the origin, unturned.
    CContestoDisegno c = contesto;
    c.bTextures = true;
    c.bWireframe = false;
    c.bDallInterno = true;
    c.fFattoreScala = 1.0f;
    const int nParete = pezzo.GetParete();
    const float fX = pezzo.GetX(), fY = pezzo.GetY(), fAngolo = pezzo.GetRotazione();
    pezzo.SetX(0.0f);
    pezzo.SetY(0.0f);
    pezzo.SetRotazione(0.0f);
    pezzo.SetParete(1);

    // Turned as the camera will turn it, the box's corners give the
    // extent the viewport must hold.
    float aMin[3], aMax[3];
    Ingombro(pezzo, aMin, aMax);
    const float m[3] = {(aMin[0] + aMax[0]) / 2, (aMin[1] + aMax[1]) / 2, (aMin[2] + aMax[2]) / 2};
    const float a = IMBARDATA * 3.1415927f / 180.0f, b = BECCHEGGIO * 3.1415927f / 180.0f;
    float fMezzo = 0.05f, fProfondo = 1.0f;
    for (int i = 0; i < 8; ++i)
    {
        const float x = (i & 1 ? aMax[0] : aMin[0]) - m[0], y = (i & 2 ? aMax[1] : aMin[1]) - m[1],
                    z = (i & 4 ? aMax[2] : aMin[2]) - m[2];
        const float x1 = x * std::cos(a) + z * std::sin(a), z1 = -x * std::sin(a) + z * std::cos(a);
        const float y2 = y * std::cos(b) - z1 * std::sin(b);
        const float z2 = y * std::sin(b) + z1 * std::cos(b);
        fMezzo = std::max({fMezzo, std::fabs(x1) * 1.08f, std::fabs(y2) * 1.08f});
        fProfondo = std::max(fProfondo, std::fabs(z2) + 1.0f);
    }

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    glEnable(GL_SCISSOR_TEST);
    glScissor(v[0], v[1], v[2], v[3]);
    glClearColor(COLORE_SFONDO_MINIATURA[0] / 255.0f, COLORE_SFONDO_MINIATURA[1] / 255.0f,
                 COLORE_SFONDO_MINIATURA[2] / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-fMezzo, fMezzo, -fMezzo, fMezzo, -fProfondo, fProfondo);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // One light from the upper left in front, through the one light
    // routine; the colour tints the shade as well as the lit faces.
    CLuci luce;
    const float aAmbiente[4] = {0.45f, 0.45f, 0.45f, 1.0f};
    const float aDiffusa[4] = {0.65f, 0.65f, 0.65f, 1.0f};
    luce.SetAmbiente(aAmbiente);
    luce.SetDiffusa(aDiffusa);
    luce.SetDisattivaSpeculare(true);
    luce.SetX(-0.4f);  // GL x
    luce.SetZ(0.8f);   // GL y
    luce.SetY(1.0f);   // GL z
    ApplicaLuce(luce, 0);
    for (int i = 1; i < MASSIMO_LUCI; ++i)
        glDisable(static_cast<GLenum>(GL_LIGHT0 + i));
    glEnable(GL_LIGHTING);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    glRotatef(BECCHEGGIO, 1.0f, 0.0f, 0.0f);
    glRotatef(IMBARDATA, 0.0f, 1.0f, 0.0f);
    glTranslatef(-m[0], -m[1], -m[2]);
    pezzo.Disegna(c);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();

    pezzo.SetX(fX);
    pezzo.SetY(fY);
    pezzo.SetRotazione(fAngolo);
    pezzo.SetParete(nParete);
}

bool DisegnaMiniature(CLavedoView& vista, const std::vector<COggetto*>& pezzi, int nLato,
                      std::vector<std::vector<std::uint8_t>>& immagini, std::string& errore)
{
    // Drawn twice as large, then each 2 x 2 block averaged: smooth edges.
    const int s = 2 * std::max(1, nLato);
    const int nColonne = std::max(1, CFuoriSchermo::s_nLatoTassello / s);
    immagini.assign(pezzi.size(), std::vector<std::uint8_t>());
    std::vector<std::uint8_t> letti;
    for (std::size_t nPrimo = 0; nPrimo < pezzi.size(); nPrimo += nColonne * nColonne)
    {
        const std::size_t n = std::min(pezzi.size() - nPrimo, std::size_t(nColonne) * nColonne);
        const int w = s * static_cast<int>(std::min<std::size_t>(n, nColonne));
        const int h = s * static_cast<int>((n + nColonne - 1) / nColonne);
        CFuoriSchermo fuori;
        if (!fuori.Prepara(w, h, errore))
            return false;
        const CContestoDisegno contesto =
            fuori.Imposta(ContestoImmagine(vista, VISTA_3D, w, h), *g_pDoc);
        for (std::size_t i = 0; i < n; ++i)
        {
            glViewport(static_cast<GLint>(i % nColonne) * s, static_cast<GLint>(i / nColonne) * s,
                       s, s);
            DisegnaMiniatura(*pezzi[nPrimo + i], contesto);
        }
        letti.resize(static_cast<std::size_t>(w) * h * 3);
        glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, letti.data());
        for (std::size_t i = 0; i < n; ++i)
            immagini[nPrimo + i] = Dimezza(letti, w, static_cast<int>(i % nColonne) * s,
                                           static_cast<int>(i / nColonne) * s, nLato);
    }
    return true;
}

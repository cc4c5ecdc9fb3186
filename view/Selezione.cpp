// Picking: the furniture drawn once more in GL selection mode, each object
// named by its position in the object container.
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>

namespace
{
// Whether a furnishing certainly lies outside the pick region in 3D, so
// that drawing it in selection mode cannot make a hit. mClip is projection
// times model-view (column-major). The test is conservative: the piece's
// box, generously enlarged, must lie wholly beyond one clip plane. Doors
// and windows hang on walls with a geometry of their own: never skipped.
bool IsFuoriDallaSelezione(const COggetto& oggetto, const GLfloat* mClip)
{
    if (oggetto.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
        return false;
    const float L = oggetto.GetLarghezza(), P = oggetto.GetProfondita(), H = oggetto.GetAltezza();
    const float fAngolo = oggetto.GetRotazione(), x = oggetto.GetX(), y = oggetto.GetY();
    for (float f : {L, P, H, fAngolo, x, y})
        if (!std::isfinite(f))
            return false;
    // Handles, feet and tops may stand a little proud of the nominal box.
    const float m = 0.5f + 0.25f * std::max({std::fabs(L), std::fabs(P), std::fabs(H)});
    const bool bTondo = oggetto.GetCategoria() == CATEGORIA_TAVOLI && oggetto.GetTipo() == 0;
    // The local box: x across the width, y up, z along the depth.
    float aX[2], aZ[2];
    if (bTondo)
    {
        const float r = std::fabs(L) / 2.0f + m;
        aX[0] = aZ[0] = -r;
        aX[1] = aZ[1] = r;
    }
    else
    {
        aX[0] = std::min(0.0f, L) - m;
        aX[1] = std::max(0.0f, L) + m;
        aZ[0] = std::min(0.0f, P) - m;
        aZ[1] = std::max(0.0f, P) + m;
    }
    const float aY[2] = {std::min(0.0f, H) - m, std::max(0.0f, H) + m};
    const float a = fAngolo * 3.1415927f / 180.0f, c = std::cos(a), sn = std::sin(a);

    // Per clip plane, whether every corner is beyond it.
    bool aFuori[6] = {true, true, true, true, true, true};
    for (int i = 0; i < 8; ++i)
    {
        const float lx = aX[i & 1], ly = aY[(i >> 1) & 1], lz = aZ[(i >> 2) & 1];
        // Turned about the vertical axis as the drawing does, then placed.
        const float v[4] = {x + lx * c + lz * sn, ly, y - lx * sn + lz * c, 1.0f};
        float q[4];
        for (int r = 0; r < 4; ++r)
            q[r] = mClip[r] * v[0] + mClip[4 + r] * v[1] + mClip[8 + r] * v[2] + mClip[12 + r] * v[3];
        aFuori[0] = aFuori[0] && q[0] > q[3];
        aFuori[1] = aFuori[1] && q[0] < -q[3];
        aFuori[2] = aFuori[2] && q[1] > q[3];
        aFuori[3] = aFuori[3] && q[1] < -q[3];
        aFuori[4] = aFuori[4] && q[2] > q[3];
        aFuori[5] = aFuori[5] && q[2] < -q[3];
    }
    return std::any_of(aFuori, aFuori + 6, [](bool b) { return b; });
}

void Moltiplica(const GLfloat* a, const GLfloat* b, GLfloat* r)
{
    for (int col = 0; col < 4; ++col)
        for (int riga = 0; riga < 4; ++riga)
        {
            float f = 0.0f;
            for (int k = 0; k < 4; ++k)
                f += a[k * 4 + riga] * b[col * 4 + k];
            r[col * 4 + riga] = f;
        }
}
}  // namespace

void CLavedoView::EseguiSelezione(int x, int y)
{
    if (!RendiCorrente() || !g_pDoc)
    {
        // No GL to pick with: the click still consumes the arming.
        m_nModoRender = MODO_RENDER;
        m_nColpiti = 0;
        RisolviColpi();
        Ridisegna();
        return;
    }
    // The pick must leave the paint state exactly as it found it.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    // The window's whole surface, in GL's pixels, whatever a picture drawn
    // since left behind.
    glViewport(0, 0, static_cast<GLsizei>(m_fLarghezzaFinestra),
               static_cast<GLsizei>(m_fAltezzaFinestra));
    glGetIntegerv(GL_VIEWPORT, m_aViewport);
    glSelectBuffer(DIMENSIONE_BUFFER_SELEZIONE, m_aBufferSelezione);
    glRenderMode(GL_SELECT);
    m_nModoRender = MODO_SELEZIONE;
    glInitNames();
    glPushName(0);

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The click and the 3 x 3 region are in the toolkit's pixels.
    gluPickMatrix(Fisici(static_cast<float>(x)), m_aViewport[3] - Fisici(static_cast<float>(y)),
                  Fisici(3.0f), Fisici(3.0f), m_aViewport);
    const double w = m_fLarghezzaFinestra, h = m_fAltezzaFinestra;
    const bool bPiantina = m_nVista == VISTA_PIANTINA;
    if (bPiantina)
    {
        gluOrtho2D(0.0, w, 0.0, h);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(m_fOrigineX, m_fOrigineY, 0.0f);
    }
    else
    {
        gluPerspective(60.0, h > 0.0 ? w / h : 1.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(m_fTraslX, m_fTraslY, m_fTraslZ);
        glRotatef(m_fRotX, 1.0f, 0.0f, 0.0f);
        glRotatef(m_fRotY, 0.0f, 1.0f, 0.0f);
        glTranslatef(m_fCentroX, m_fCentroY, m_fCentroZ);
    }

    // In 3D, pieces that cannot reach the pick region are not drawn: the
    // hits are the same, the pick an order of magnitude faster.
    GLfloat aClip[16] = {};
    if (!bPiantina)
    {
        GLfloat aProiezione[16], aModello[16];
        glGetFloatv(GL_PROJECTION_MATRIX, aProiezione);
        glGetFloatv(GL_MODELVIEW_MATRIX, aModello);
        Moltiplica(aProiezione, aModello, aClip);
    }

    // Neither the room nor the lights: walls hide nothing from a pick.
    const CContestoDisegno contesto = ContestoDisegno();
    CContenitori& oggetti = g_pDoc->m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    oggetti.GetElemento(1, m_pCorrente);
    for (int i = 1; i <= nOggetti && m_pCorrente; ++i)
    {
        glLoadName(static_cast<GLuint>(i));
        if (bPiantina)
            m_pCorrente->DisegnaPiantina(contesto);
        else if (!IsFuoriDallaSelezione(*m_pCorrente, aClip))
            m_pCorrente->Disegna(contesto);
        oggetti.GetSuccessivo(m_pCorrente);
    }

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glFlush();
    m_nColpiti = glRenderMode(GL_RENDER);
    m_nModoRender = MODO_RENDER;
    glPopAttrib();

    RisolviColpi();
    Ridisegna();
}

void CLavedoView::RisolviColpi()
{
    if (m_pOggettoSelezionato && m_bOggettoSelezionato)
        m_pOggettoSelezionato->Deseleziona();
    AnnullaSelezione();
    m_bSelezioneLuce = false;  // lights are never part of a pick
    if (m_nColpiti <= 0 || !g_pDoc)
        return;
    if (m_nColpiti > 1)
    {
        // The user chooses; the dialog selects and marks the choice.
        if (m_Dialoghi.fnSceltaTraColpi)
            m_Dialoghi.fnSceltaTraColpi();
        return;
    }
    COggetto* pOggetto = nullptr;
    g_pDoc->m_Oggetti.GetElemento(static_cast<std::uint8_t>(m_aBufferSelezione[3] & 0xFF),
                                  pOggetto);
    if (pOggetto)
        SelezionaOggetto(pOggetto);
}

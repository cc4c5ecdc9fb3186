// Picking: the furniture drawn once more in GL selection mode, each object
// named by its position in the object container.
#include "dialogs/SelezioneMultiplaDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <GL/glu.h>

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
    gluPickMatrix(static_cast<GLdouble>(x), static_cast<GLdouble>(m_aViewport[3] - y), 3.0, 3.0,
                  m_aViewport);
    const double w = m_fLarghezzaFinestra, h = m_fAltezzaFinestra;
    const bool bPiantina = m_nVista == VISTA_PIANTINA;
    if (bPiantina)
    {
        gluOrtho2D(0.0, w, 0.0, h);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
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

    // Neither the room nor the lights: walls hide nothing from a pick.
    CContenitori& oggetti = g_pDoc->m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    oggetti.GetElemento(1, m_pCorrente);
    for (int i = 1; i <= nOggetti && m_pCorrente; ++i)
    {
        glLoadName(static_cast<GLuint>(i));
        if (bPiantina)
            m_pCorrente->DisegnaPiantina();
        else
            m_pCorrente->Disegna();
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
        CSelezioneMultiplaDlg dlg;
        dlg.ShowModal();
        return;
    }
    COggetto* pOggetto = nullptr;
    g_pDoc->m_Oggetti.GetElemento(static_cast<std::uint8_t>(m_aBufferSelezione[3] & 0xFF),
                                  pOggetto);
    if (!pOggetto)
        return;
    m_pOggettoSelezionato = pOggetto;
    pOggetto->Seleziona();
    m_bNuovoOggetto = false;
    m_bOggettoSelezionato = true;
}

#include "view/LavedoView.h"

#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Texture.h"
#include "view/CanvasGL.h"

#include <algorithm>
#include <GL/gl.h>
#include <GL/glu.h>
#include <wx/glcanvas.h>

wxIMPLEMENT_DYNAMIC_CLASS(CLavedoView, wxView);

CLavedoView::CLavedoView() : m_Timer(this, ID_TIMER_ROTAZIONE)
{
    Bind(wxEVT_TIMER, &CLavedoView::OnTimer, this, ID_TIMER_ROTAZIONE);
    CollegaComandiPiantina();
}

CLavedoView::~CLavedoView()
{
    m_Timer.Stop();
    // The GL window belongs to the frame, which is destroyed later: it must
    // not pass its messages on to a view that is gone.
    if (m_pCanvas)
    {
        if (m_pCanvas->HasCapture())
            m_pCanvas->ReleaseMouse();
        m_pCanvas->StaccaVista();
    }
    delete m_hRC;
}

bool CLavedoView::OnCreate(wxDocument* pDoc, long nFlags)
{
    if (!wxView::OnCreate(pDoc, nFlags))
        return false;
    wxFrame* pFrame = dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow());
    if (!pFrame)
        return false;
    SetFrame(pFrame);
    // The frame lays the window out: the application hands it over.
    m_pCanvas = new CCanvasGL(pFrame, this);
    m_hRC = new wxGLContext(m_pCanvas);
    const wxSize dimensione = m_pCanvas->GetClientSize();
    OnSize(dimensione.GetWidth(), dimensione.GetHeight());
    return true;
}

bool CLavedoView::OnClose(bool bCancellaFinestra)
{
    // One view for the whole run: closing the document keeps the window.
    (void)bCancellaFinestra;
    m_Timer.Stop();
    return true;
}

void CLavedoView::OnChangeFilename()
{
    wxDocument* pDoc = GetDocument();
    if (GetFrame() && pDoc && pDoc->GetDocumentManager())
        GetFrame()->SetLabel(pDoc->GetDocumentManager()->MakeFrameTitle(pDoc));
}

void CLavedoView::Ridisegna()
{
    if (m_pCanvas)
        m_pCanvas->Refresh(false);
}

bool CLavedoView::RendiCorrente()
{
    // The first time only once the window is on screen; from then on its
    // native window exists, shown or not.
    if (!m_pCanvas || !m_hRC || (!m_bGLPronto && !m_pCanvas->IsShownOnScreen()))
        return false;
    if (!m_pCanvas->SetCurrent(*m_hRC))
        return false;
    if (!m_bGLPronto)
    {
        m_bGLPronto = true;
        InizializzaGL();
    }
    return true;
}

void CLavedoView::InizializzaGL()
{
    // GL calls made before the window reached the screen had no context:
    // bring GL in line with the document and the view's toggles now.
    ImpostaGL(ContestoDisegno(), g_pDoc, g_aTexture);
    m_bImpostaProiezione = true;
}

void CLavedoView::OnSize(int cx, int cy)
{
    // The GL surface has the screen's pixels: twice the toolkit's at 200%.
    ImpostaFinestra(cx, cy, m_pCanvas ? m_pCanvas->GetContentScaleFactor() : 1.0);
    if (g_pDoc)
        ApplicaRegolaScala(g_pDoc->m_Stanza.GetLarghezza(), g_pDoc->m_Stanza.GetProfondita());
    if (!RendiCorrente())
    {
        m_bImpostaProiezione = true;
        return;
    }
    glViewport(0, 0, static_cast<GLsizei>(m_fLarghezzaFinestra),
               static_cast<GLsizei>(m_fAltezzaFinestra));
    ImpostaProiezione();
}

void CLavedoView::ImpostaProiezione()
{
    ::ImpostaProiezione(ContestoDisegno());
    m_bImpostaProiezione = false;
}

void CLavedoView::OnPaint()
{
    if (!RendiCorrente())
        return;
    // Moved to a screen of another scale: the size in GL's pixels changed.
    if (m_pCanvas->GetContentScaleFactor() != m_fFattoreScala)
    {
        const wxSize dimensione = m_pCanvas->GetClientSize();
        OnSize(dimensione.GetWidth(), dimensione.GetHeight());
    }
    Renderizza();
    m_pCanvas->SwapBuffers();
}

void CLavedoView::Renderizza()
{
    if (m_bImpostaProiezione)
    {
        glViewport(0, 0, static_cast<GLsizei>(m_fLarghezzaFinestra),
                   static_cast<GLsizei>(m_fAltezzaFinestra));
        ImpostaProiezione();
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLineWidth(Fisici(1.0f));  // lines as thick as the rest of the screen
    glPushMatrix();
    const CContestoDisegno contesto = ContestoDisegno();
    if (m_nVista == VISTA_3D)
    {
        ApplicaTelecamera(contesto);
        if (g_pDoc)
            m_Disegno.Disegna3D(*g_pDoc, contesto);
    }
    else
    {
        glTranslatef(contesto.aOrigine[0], contesto.aOrigine[1], 0.0f);
        DisegnaPiantinaScena(contesto);
    }
    glPopMatrix();
}

void CLavedoView::DisegnaPiantinaScena(const CContestoDisegno& contesto)
{
    if (!g_pDoc)
        return;
    if (m_bQuote)
        m_Atlante.Prepara(m_fFattoreScala);
    m_Disegno.DisegnaPiantina(*g_pDoc, contesto);
    if (m_bQuote)
    {
        m_Quote.Componi(*g_pDoc, m_bSelezioneLuce ? nullptr : GetOggettoSelezionato(), *this,
                        m_Atlante);
        m_Quote.Disegna(*g_pDoc, *this, m_Atlante);
    }
}

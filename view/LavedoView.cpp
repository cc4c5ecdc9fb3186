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

namespace
{
// Marks the selected object in the plan: two rows of 0xE3, two of 0x1C.
struct CRetinatura
{
    GLubyte aRighe[32 * 4];
    CRetinatura()
    {
        for (int r = 0; r < 32; ++r)
            for (int b = 0; b < 4; ++b)
                aRighe[r * 4 + b] = (r / 2) % 2 == 0 ? 0xE3 : 0x1C;
    }
};
const CRetinatura s_Retinatura;

}  // namespace

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
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonStipple(s_Retinatura.aRighe);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    CreaTexture();

    // GL calls made before the window reached the screen had no context:
    // bring GL in line with the document and the view's toggles now.
    if (g_pDoc)
    {
        g_pDoc->m_Stanza.ApplicaFiltri();
        g_pDoc->ApplicaLuci();
    }
    if (m_bLuci && m_nVista == VISTA_3D)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    if (m_bTextures && m_nVista == VISTA_3D)
        glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, m_bWireframe ? GL_LINE : GL_FILL);
    if (m_bAntialiasing)
        glEnable(GL_LINE_SMOOTH);
    m_bImpostaProiezione = true;
}

void CLavedoView::CreaTexture()
{
    glGenTextures(NUMERO_TEXTURE, g_aTexture);
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
    {
        glBindTexture(GL_TEXTURE_2D, g_aTexture[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, LATO_TEXTURE, LATO_TEXTURE, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, g_aImmaginiTexture[i]);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
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
    // A collapsed window (zero width or height) keeps a valid projection.
    const double w = std::max(1.0f, m_fLarghezzaFinestra);
    const double h = std::max(1.0f, m_fAltezzaFinestra);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (m_pTassello)
    {
        // Maps the tile's part of the picture onto the whole viewport.
        const double tw = m_pTassello[2], th = m_pTassello[3];
        glTranslated((w - 2.0 * m_pTassello[0] - tw) / tw, (h - 2.0 * m_pTassello[1] - th) / th,
                     0.0);
        glScaled(w / tw, h / th, 1.0);
    }
    if (m_nVista == VISTA_PIANTINA)
        gluOrtho2D(0.0, w, 0.0, h);
    else
        gluPerspective(60.0, w / h, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (m_nVista == VISTA_PIANTINA)
    {
        glDisable(GL_DEPTH_TEST);
    }
    else
    {
        glEnable(GL_DEPTH_TEST);
        glCullFace(GL_BACK);
    }
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
    if (m_nVista == VISTA_3D)
    {
        glTranslated(m_fTraslX, m_fTraslY, m_fTraslZ);
        glRotatef(m_fRotX, 1.0f, 0.0f, 0.0f);
        glRotatef(m_fRotY, 0.0f, 1.0f, 0.0f);
        glTranslatef(m_fCentroX, m_fCentroY, m_fCentroZ);
        DisegnaScena();
    }
    else
    {
        glTranslatef(m_fOrigineX, m_fOrigineY, 0.0f);
        DisegnaPiantinaScena();
    }
    glPopMatrix();
}

void CLavedoView::RenderizzaImmagine(int w, int h, const int aTassello[4],
                                     const float* pPianta)
{
    // The picture's own mapping: the screen's scale and the window's margin
    // and centring play no part in it.
    const float fLarghezza = m_fLarghezzaFinestra, fAltezza = m_fAltezzaFinestra;
    const float fScala = m_fScala, fFattore = m_fFattoreScala, fMargine = m_fMargine;
    const float fOrigineX = m_fOrigineX, fOrigineY = m_fOrigineY;
    const bool bScalaDaProfondita = m_bScalaDaProfondita;
    ImpostaFinestra(w, h, 1.0);
    m_fMargine = 0.0f;
    if (pPianta)
        m_fScala = pPianta[0];
    else if (g_pDoc)
        ApplicaRegolaScala(g_pDoc->m_Stanza.GetLarghezza(), g_pDoc->m_Stanza.GetProfondita());
    m_fOrigineX = pPianta ? pPianta[1] : 0.0f;
    m_fOrigineY = pPianta ? pPianta[2] : 0.0f;
    glViewport(0, 0, aTassello[2], aTassello[3]);
    m_pTassello = aTassello;
    ImpostaProiezione();
    m_pTassello = nullptr;
    // The measuring overlay is an aid on screen, and its glyph textures
    // live in the window's context: pictures, plans on paper and previews
    // are drawn without it.
    const bool bQuote = m_bQuote;
    m_bQuote = false;
    Renderizza();
    m_bQuote = bQuote;
    glLoadIdentity();
    m_fLarghezzaFinestra = fLarghezza;
    m_fAltezzaFinestra = fAltezza;
    m_fScala = fScala;
    m_bScalaDaProfondita = bScalaDaProfondita;
    m_fFattoreScala = fFattore;
    m_fMargine = fMargine;
    m_fOrigineX = fOrigineX;
    m_fOrigineY = fOrigineY;
    m_bImpostaProiezione = true;  // the window's own projection next time
}

void CLavedoView::DisegnaScena()
{
    if (!g_pDoc)
        return;
    g_pDoc->m_Stanza.Disegna();

    // Lights that are not fixed keep their place in the room as the camera
    // turns: their position goes to GL again under the camera transform.
    CContenitori& luci = g_pDoc->m_Luci;
    const int nLuci = luci.GetNumero();
    for (int i = 1; i <= nLuci; ++i)
    {
        COggetto* pLuce = nullptr;
        luci.GetElemento(static_cast<std::uint8_t>(i), pLuce);
        if (!pLuce || pLuce->GetFissa() || nLuci - i >= 8)
            continue;
        const GLfloat aPosizione[4] = {pLuce->GetX(), pLuce->GetZ(), pLuce->GetY(),
                                       pLuce->GetDirezionale() ? 0.0f : 1.0f};
        glLightfv(static_cast<GLenum>(GL_LIGHT0 + nLuci - i), GL_POSITION, aPosizione);
    }

    CContenitori& oggetti = g_pDoc->m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    oggetti.GetElemento(1, m_pCorrente);
    for (int i = 0; i < nOggetti && m_pCorrente; ++i)
    {
        m_pCorrente->Disegna();
        oggetti.GetSuccessivo(m_pCorrente);
    }
}

void CLavedoView::DisegnaPiantinaScena()
{
    if (!g_pDoc)
        return;
    if (m_bQuote)
        m_Quote.Prepara(m_fFattoreScala);
    glEnable(GL_BLEND);
    g_pDoc->m_Stanza.DisegnaPiantina();

    CContenitori& luci = g_pDoc->m_Luci;
    const int nLuci = luci.GetNumero();
    luci.GetElemento(1, m_pCorrente);
    for (int i = 0; i < nLuci && m_pCorrente; ++i)
    {
        if (!m_pCorrente->GetFissa())
            m_pCorrente->DisegnaPiantina();
        luci.GetSuccessivo(m_pCorrente);
    }

    CContenitori& oggetti = g_pDoc->m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    oggetti.GetElemento(1, m_pCorrente);
    for (int i = 0; i < nOggetti && m_pCorrente; ++i)
    {
        const bool bSelezionato = m_pCorrente->IsSelezionato();
        if (bSelezionato)
            glEnable(GL_POLYGON_STIPPLE);
        m_pCorrente->DisegnaPiantina();
        if (bSelezionato)
            glDisable(GL_POLYGON_STIPPLE);
        oggetti.GetSuccessivo(m_pCorrente);
    }
    if (m_bQuote)
    {
        m_Quote.Componi(*g_pDoc, m_bSelezioneLuce ? nullptr : GetOggettoSelezionato(), *this);
        m_Quote.Disegna(*g_pDoc, *this);
    }
    glDisable(GL_BLEND);
}

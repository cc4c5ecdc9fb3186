#include "view/FuoriSchermo.h"

#include "model/Scena.h"
#include "view/DisegnoScena.h"
#include "view/StatoVista.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glx.h>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace
{
// The framebuffer entry points are not part of GL 1.1: asked of EGL.
struct CFunzioniFbo
{
    PFNGLGENFRAMEBUFFERSPROC pGenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC pDeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC pBindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC pGenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC pDeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC pBindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC pRenderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC pFramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC pCheckFramebufferStatus = nullptr;

    bool Carica()
    {
        if (pCheckFramebufferStatus)
            return true;
        auto f = [](auto& p, const char* nome) {
            p = reinterpret_cast<std::remove_reference_t<decltype(p)>>(eglGetProcAddress(nome));
            return p != nullptr;
        };
        return f(pGenFramebuffers, "glGenFramebuffers") &&
               f(pDeleteFramebuffers, "glDeleteFramebuffers") &&
               f(pBindFramebuffer, "glBindFramebuffer") &&
               f(pGenRenderbuffers, "glGenRenderbuffers") &&
               f(pDeleteRenderbuffers, "glDeleteRenderbuffers") &&
               f(pBindRenderbuffer, "glBindRenderbuffer") &&
               f(pRenderbufferStorage, "glRenderbufferStorage") &&
               f(pFramebufferRenderbuffer, "glFramebufferRenderbuffer") &&
               f(pCheckFramebufferStatus, "glCheckFramebufferStatus");
    }
};
CFunzioniFbo s_Fbo;

const char* const NESSUN_CONTESTO =
    "il sistema non offre un contesto OpenGL fuori schermo (EGL di Mesa)";
}  // namespace

CFuoriSchermo::CFuoriSchermo()
{
    // Only one context can be current per thread: the window's is put
    // aside now and made current again at the end.
    if (GLXContext c = glXGetCurrentContext())
    {
        m_pGlxContesto = c;
        m_pGlxDisplay = glXGetCurrentDisplay();
        m_nGlxDrawable = glXGetCurrentDrawable();
        m_nGlxLettura = glXGetCurrentReadDrawable();
        glXMakeContextCurrent(static_cast<Display*>(m_pGlxDisplay), None, None, nullptr);
    }
    else if (EGLContext e = eglGetCurrentContext(); e != EGL_NO_CONTEXT)
    {
        m_aEglPrecedente[0] = eglGetCurrentDisplay();
        m_aEglPrecedente[1] = eglGetCurrentSurface(EGL_DRAW);
        m_aEglPrecedente[2] = eglGetCurrentSurface(EGL_READ);
        m_aEglPrecedente[3] = e;
    }
}

CFuoriSchermo::~CFuoriSchermo()
{
    Libera();
    if (m_pGlxContesto)
        glXMakeContextCurrent(static_cast<Display*>(m_pGlxDisplay), m_nGlxDrawable,
                              m_nGlxLettura, static_cast<GLXContext>(m_pGlxContesto));
    else if (m_aEglPrecedente[3])
        eglMakeCurrent(m_aEglPrecedente[0], m_aEglPrecedente[1], m_aEglPrecedente[2],
                       m_aEglPrecedente[3]);
}

void CFuoriSchermo::Libera()
{
    if (!m_pContesto)
        return;
    if (m_bTexture)
    {
        glDeleteTextures(NUMERO_TEXTURE, m_aTexture);
        m_bTexture = false;
    }
    if (m_nFramebuffer)
    {
        s_Fbo.pDeleteFramebuffers(1, &m_nFramebuffer);
        s_Fbo.pDeleteRenderbuffers(2, m_aRenderbuffer);
        m_nFramebuffer = 0;
    }
    eglMakeCurrent(m_pDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(m_pDisplay, m_pContesto);
    m_pContesto = nullptr;
}

bool CFuoriSchermo::Prepara(int w, int h, std::string& errore)
{
    Libera();
    errore = NESSUN_CONTESTO;
    if (!m_pDisplay)
    {
        // The display connection is kept for the whole run: Mesa sets its
        // software driver up once.
        static EGLDisplay s_Display = EGL_NO_DISPLAY;
        if (s_Display == EGL_NO_DISPLAY)
        {
            auto pDisplayPiattaforma = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
                eglGetProcAddress("eglGetPlatformDisplayEXT"));
            if (!pDisplayPiattaforma)
                return false;
            EGLDisplay d =
                pDisplayPiattaforma(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
            EGLint nMaggiore = 0, nMinore = 0;
            if (d == EGL_NO_DISPLAY || !eglInitialize(d, &nMaggiore, &nMinore))
                return false;
            s_Display = d;
        }
        m_pDisplay = s_Display;
    }
    if (!eglBindAPI(EGL_OPENGL_API))
        return false;
    const EGLint aAttributi[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8,
                                 EGL_BLUE_SIZE, 8, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint nConfig = 0;
    eglChooseConfig(m_pDisplay, aAttributi, &config, 1, &nConfig);
    m_pContesto = eglCreateContext(m_pDisplay, nConfig ? config : EGL_NO_CONFIG_KHR,
                                   EGL_NO_CONTEXT, nullptr);
    if (m_pContesto == EGL_NO_CONTEXT)
    {
        m_pContesto = nullptr;
        return false;
    }
    if (!eglMakeCurrent(m_pDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, m_pContesto) ||
        !s_Fbo.Carica())
        return false;

    w = std::clamp(w, 1, s_nLatoTassello);
    h = std::clamp(h, 1, s_nLatoTassello);
    s_Fbo.pGenFramebuffers(1, &m_nFramebuffer);
    s_Fbo.pGenRenderbuffers(2, m_aRenderbuffer);
    s_Fbo.pBindFramebuffer(GL_FRAMEBUFFER, m_nFramebuffer);
    s_Fbo.pBindRenderbuffer(GL_RENDERBUFFER, m_aRenderbuffer[0]);
    s_Fbo.pRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
    s_Fbo.pFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                   m_aRenderbuffer[0]);
    s_Fbo.pBindRenderbuffer(GL_RENDERBUFFER, m_aRenderbuffer[1]);
    s_Fbo.pRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
    s_Fbo.pFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                   m_aRenderbuffer[1]);
    if (s_Fbo.pCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    {
        errore = "la memoria per disegnare l'immagine non basta";
        return false;
    }
    errore.clear();
    return true;
}

CContestoDisegno CFuoriSchermo::Imposta(const CContestoDisegno& contesto, CScena& scena)
{
    if (m_bTexture)
        glDeleteTextures(NUMERO_TEXTURE, m_aTexture);
    ImpostaGL(contesto, &scena, m_aTexture);
    m_bTexture = true;
    CContestoDisegno c = contesto;
    c.aTexture = m_aTexture;
    return c;
}

bool CFuoriSchermo::Cattura(const CContestoDisegno& contesto, CScena& scena,
                            std::vector<std::uint8_t>& rgb, std::string& errore, bool bCarta)
{
    const int w = static_cast<int>(contesto.fLarghezza), h = static_cast<int>(contesto.fAltezza);
    const int tw = std::min(w, s_nLatoTassello), th = std::min(h, s_nLatoTassello);
    if (!Prepara(tw, th, errore))
        return false;
    CContestoDisegno c = Imposta(contesto, scena);
    if (bCarta)
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);

    CDisegnoScena disegno;
    rgb.assign(static_cast<std::size_t>(w) * h * 3, 0);
    std::vector<std::uint8_t> tassello(static_cast<std::size_t>(tw) * th * 3);
    for (int y0 = 0; y0 < h; y0 += th)
        for (int x0 = 0; x0 < w; x0 += tw)
        {
            const int aTassello[4] = {x0, y0, tw, th};
            c.pTassello = aTassello;
            glViewport(0, 0, tw, th);
            disegno.DisegnaImmagine(scena, c);
            glReadPixels(0, 0, tw, th, GL_RGB, GL_UNSIGNED_BYTE, tassello.data());
            // GL counts rows from the bottom; the picture from the top.
            for (int r = 0; r < th && y0 + r < h; ++r)
            {
                const int nColonne = std::min(tw, w - x0);
                std::memcpy(&rgb[(static_cast<std::size_t>(h - 1 - y0 - r) * w + x0) * 3],
                            &tassello[static_cast<std::size_t>(r) * tw * 3],
                            static_cast<std::size_t>(nColonne) * 3);
            }
        }
    Libera();
    return true;
}

CContestoDisegno ContestoImmagine(const CStatoVista& vista, int nVista, int w, int h,
                                  const float* pPianta)
{
    // The picture's own mapping: the screen's scale and the window's margin
    // and centring play no part in it.
    CContestoDisegno c = vista.ContestoDisegno();
    c.nVista = nVista;
    c.fLarghezza = static_cast<float>(w);
    c.fAltezza = static_cast<float>(h);
    c.fFattoreScala = 1.0f;
    c.aOrigine[0] = c.aOrigine[1] = 0.0f;
    if (pPianta)
    {
        c.fScala = pPianta[0];
        c.aOrigine[0] = pPianta[1];
        c.aOrigine[1] = pPianta[2];
    }
    else if (g_pDoc)
    {
        bool bDaProfondita = false;
        const float fScala =
            CStatoVista::RegolaScala(c.fLarghezza, c.fAltezza, g_pDoc->m_Stanza.GetLarghezza(),
                                     g_pDoc->m_Stanza.GetProfondita(), bDaProfondita);
        if (fScala > 0.0f)
            c.fScala = fScala;
    }
    return c;
}

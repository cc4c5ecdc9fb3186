#pragma once
// Pictures of the view drawn off screen, at any size up to 8192 x 8192,
// never read back from the window.
#include "model/ContestoDisegno.h"
#include "model/Texture.h"

#include <cstdint>
#include <string>
#include <vector>

class CScena;
class CStatoVista;

constexpr int LATO_MINIMO_IMMAGINE = 16;
constexpr int LATO_MASSIMO_IMMAGINE = 8192;

// A GL context of its own through EGL on Mesa's surfaceless platform: it
// needs no window and no X display, and it draws into a framebuffer object
// of at most LATO_TASSELLO pixels a side, so a larger picture is drawn in
// tiles. Whatever context was current before (the window's) is current
// again when this object is destroyed.
class CFuoriSchermo
{
public:
    static constexpr int LATO_TASSELLO = 2048;
    // The side of the tiles drawn, LATO_TASSELLO; tests change it to draw
    // the same picture in one tile or across many seams.
    static inline int s_nLatoTassello = LATO_TASSELLO;

    CFuoriSchermo();
    ~CFuoriSchermo();
    CFuoriSchermo(const CFuoriSchermo&) = delete;
    CFuoriSchermo& operator=(const CFuoriSchermo&) = delete;

    // Creates the context and makes it current, with a framebuffer of
    // w x h pixels (at most s_nLatoTassello each); false with an Italian
    // reason when the system has no such context.
    bool Prepara(int w, int h, std::string& errore);

    // Sets this context up for drawing the scene as the drawing context
    // says: GL defaults, textures of its own, the scene's lights, the
    // toggles. Returns the drawing context to draw with: the same, with
    // this context's texture names.
    CContestoDisegno Imposta(const CContestoDisegno& contesto, CScena& scena);

    // The picture the drawing context describes (fLarghezza x fAltezza
    // pixels, up to 8192 a side), rows top first, three bytes a pixel,
    // drawn afresh in this context; bCarta draws on white.
    bool Cattura(const CContestoDisegno& contesto, CScena& scena, std::vector<std::uint8_t>& rgb,
                 std::string& errore, bool bCarta = false);

private:
    void Libera();

    void* m_pDisplay = nullptr;
    void* m_pContesto = nullptr;
    unsigned int m_nFramebuffer = 0;
    unsigned int m_aRenderbuffer[2] = {0, 0};
    unsigned int m_aTexture[NUMERO_TEXTURE] = {};
    bool m_bTexture = false;
    // The context current before, restored at the end: GLX or EGL.
    void* m_pGlxDisplay = nullptr;
    unsigned long m_nGlxDrawable = 0, m_nGlxLettura = 0;
    void* m_pGlxContesto = nullptr;
    void* m_aEglPrecedente[4] = {nullptr, nullptr, nullptr, nullptr};
};

// The view's drawing context for a w x h picture in display mode nVista:
// its camera and toggles, the plan fitted to the picture or, with pPianta =
// {pixels per metre, x, y of the room's corner}, placed on it.
CContestoDisegno ContestoImmagine(const CStatoVista& vista, int nVista, int w, int h,
                                  const float* pPianta = nullptr);

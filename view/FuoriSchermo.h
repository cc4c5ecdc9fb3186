#pragma once
// Pictures of the view drawn off screen, at any size up to 8192 x 8192,
// never read back from the window.
#include <cstdint>
#include <string>
#include <vector>

class CLavedoView;

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

    // Sets the view up in this context, in display mode nVista: its GL
    // defaults, textures, lights and toggles. The window's texture names and
    // display mode come back when the context is released.
    void ImpostaVista(CLavedoView& vista, int nVista);

    // The view in display mode nVista as a w x h picture, rows top first,
    // three bytes a pixel: the view's own paint with its camera, toggles,
    // textures and lights, set up afresh in this context. pPianta as in
    // CLavedoView::RenderizzaImmagine; bCarta draws on white.
    bool Cattura(CLavedoView& vista, int nVista, int w, int h, std::vector<std::uint8_t>& rgb,
                 std::string& errore, const float* pPianta = nullptr, bool bCarta = false);

private:
    void Libera();

    void* m_pDisplay = nullptr;
    void* m_pContesto = nullptr;
    unsigned int m_nFramebuffer = 0;
    unsigned int m_aRenderbuffer[2] = {0, 0};
    CLavedoView* m_pVista = nullptr;  // set up here by ImpostaVista
    int m_nVistaFinestra = 0;
    unsigned int m_aTextureFinestra[38] = {};
    // The context current before, restored at the end: GLX or EGL.
    void* m_pGlxDisplay = nullptr;
    unsigned long m_nGlxDrawable = 0, m_nGlxLettura = 0;
    void* m_pGlxContesto = nullptr;
    void* m_aEglPrecedente[4] = {nullptr, nullptr, nullptr, nullptr};
};

#pragma once
// The glyphs of the plan's labels as GL textures, and the batch of textured
// quads a paint draws its labels with. Texture names belong to one GL
// context: each context that draws labels keeps an atlas of its own.
#include <string>
#include <unordered_map>
#include <vector>

class CAtlanteGlifi
{
public:
    // Makes the glyph texture, in the menu's font at the screen's scale
    // fFattore, the first time and whenever the scale changes; the context
    // must be current.
    void Prepara(float fFattore);
    bool IsPronto() const { return m_nTexture != 0; }

    // Size of a label's box for a text, in GL pixels.
    float LarghezzaEtichetta(const char* pTesto) const;
    float GetAltezzaEtichetta() const { return static_cast<float>(m_nAltezza); }

    // One batch of labels: Inizia, the labels, Disegna. Labels are opaque
    // boxes of the colour current at Disegna with the text in aTesto; the
    // caller saves and restores the GL state around the batch (current
    // colour, enables, texture bits).
    void Inizia(const float aTesto[3]);
    // A label glyph by glyph, whose box starts at (x0, y0), window pixels,
    // and reaches x1 at least.
    void Etichetta(float x0, float y0, float x1, const char* pTesto);
    // A name's label: one quad of the names' texture, where each text is
    // composed once from the glyphs the first time it is drawn, or glyph by
    // glyph when it does not fit there.
    void Nome(float x0, float y0, float x1, const char* pTesto);
    // Draws the batch, box colour aSfondo.
    void Disegna(const float aSfondo[3]);

private:
    // The name's quad from the names' texture; false when it does not fit.
    bool EtichettaNome(float x0, float y0, float x1, const char* pTesto);
    void LiberaTexture();

    // Kept between paints: no allocation.
    std::vector<float> m_aVertici;
    std::vector<float> m_aVerticiNomi;
    // The names' texture: labels in rows of one label's height, found by
    // their text; emptied at the start of the paint after it fills up.
    struct CPosto
    {
        int x, y, w;
    };
    std::unordered_map<std::string, CPosto> m_Posti;
    std::string m_sChiave;
    std::vector<unsigned char> m_aRiga;
    int m_nLiberoX = 0, m_nLiberoY = 0;
    bool m_bPieno = false;
    // The glyph texture: the coverage of characters 32 to 255 in cells of
    // m_nCellaX x m_nAltezza texels, 16 a row, rows upwards from the top
    // (GL's texel rows run bottom up).
    std::vector<unsigned char> m_aGlifi;
    int m_nLatoX = 0, m_nLatoY = 0, m_nCellaX = 0;
    int m_nAltezza = 16;  // a label's height: the font's line and a pixel each side
    int m_nBordo = 3;     // the label's margin left and right of the text
    float m_fFattoreGlifi = 0.0f;
    unsigned int m_nTexture = 0;
    unsigned int m_nNomi = 0;
    float m_aAvanzamento[256] = {};
};

#pragma once
// The plan's measuring overlay: dimension lines from the selected piece to
// the walls and of its own size, the room's size along its outline, every
// piece's name and a mark on its front. Drawn over the plan after the
// furniture, never in a pick; laid out in the window's GL pixels, at the
// scale of the screen.
#include <string>
#include <unordered_map>
#include <vector>

class CScena;
class COggetto;
class CStatoVista;

class CQuote
{
public:
    // A rectangle of the window in pixels, origin bottom left.
    struct CRettangolo
    {
        float x0, y0, x1, y1;
        bool Interseca(const CRettangolo& r) const
        {
            return x0 < r.x1 && r.x0 < x1 && y0 < r.y1 && r.y0 < y1;
        }
    };
    struct CQuota
    {
        float x0, y0, x1, y1;  // the dimension line; no line when both ends meet
        char aTesto[16];
        CRettangolo etichetta;
        bool bEtichetta;  // false: no clear place was left for the label
    };
    struct CNome
    {
        CRettangolo etichetta;
        const char* pNome;
    };

    // Lays the overlay out for the plan as the view maps it (scale, origin,
    // window size, screen scale). No label covers another: the selected
    // piece's name, distances to the walls, width and depth go first, then
    // the room's width and depth, then the other names; a label that finds
    // no clear place is left out. No allocation once the first layout has
    // been made.
    void Componi(CScena& scena, const COggetto* pSelezionato, const CStatoVista& vista);
    // Makes the textures of the labels' glyphs, in the menu's font at the
    // screen's scale fFattore, the first time and whenever the scale
    // changes. Call in a plan paint, before Componi.
    void Prepara(float fFattore);
    // Draws the last layout, the names and the front marks. GL state is
    // left as found.
    void Disegna(CScena& scena, const CStatoVista& vista) const;

    const std::vector<CQuota>& GetQuote() const { return m_aQuote; }
    const std::vector<CNome>& GetNomi() const { return m_aNomi; }
    // The selected piece's footprint box in pixels (empty without one).
    const CRettangolo& GetImpronta() const { return m_Impronta; }

    // Size of a label's box for a text, in GL pixels.
    float LarghezzaEtichetta(const char* pTesto) const;
    float GetAltezzaEtichetta() const { return static_cast<float>(m_nAltezza); }

private:
    // One label's quads (texture s, t and window x, y per corner) into the
    // batch of the paint.
    void Etichetta(const CRettangolo& r, const char* pTesto) const;
    // A name's label as one quad of the names' texture, where each text is
    // composed once from the glyphs the first time it is drawn; false when
    // it does not fit there (it is then drawn glyph by glyph).
    bool EtichettaNome(const CRettangolo& r, const char* pTesto) const;
    // A piece's name on its footprint (an opening's beside it), if clear.
    void AggiungiNome(const COggetto& oggetto, float W, float D);
    // A dimension line and its label. bPezzo: a measure of the selected
    // piece, whose label may go beside its footprint; (lx, ly): the
    // direction along which the label may slide instead.
    void Aggiungi(float x0, float y0, float x1, float y1, float fMetri, float ax, float ay,
                  bool bPezzo, float lx = 0.0f, float ly = 0.0f);
    // Whether a label's box covers no label placed so far (nor, bImpronta,
    // the selected piece).
    bool IsLibero(const CRettangolo& r, const CQuota* pEsclusa, bool bImpronta) const;
    void Pixel(float x, float y, float& px, float& py) const;
    void LiberaTexture();

    std::vector<CQuota> m_aQuote;
    std::vector<CNome> m_aNomi;
    mutable std::vector<float> m_aVertici;  // kept between paints: no allocation
    mutable std::vector<float> m_aVerticiNomi;
    // The names' texture: labels in rows of one label's height, found by
    // their text; emptied at the start of the paint after it fills up.
    struct CPosto
    {
        int x, y, w;
    };
    mutable std::unordered_map<std::string, CPosto> m_Posti;
    mutable std::string m_sChiave;
    mutable std::vector<unsigned char> m_aRiga;
    mutable int m_nLiberoX = 0, m_nLiberoY = 0;
    mutable bool m_bPieno = false;
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
    // The layout's mapping: screen scale, plan scale, room's corner, window.
    float m_fFattore = 1.0f, m_fScala = 1.0f, m_fOrigineX = 0.0f, m_fOrigineY = 0.0f;
    float m_fProfondita = 0.0f;
    float m_fW = 0.0f, m_fH = 0.0f;
    CRettangolo m_Impronta = {0, 0, 0, 0};
    bool m_bSelezione = false;
};

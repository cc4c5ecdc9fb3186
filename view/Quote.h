#pragma once
// The plan's measuring overlay: dimension lines from the selected piece to
// the walls and of its own size, the room's size along its outline, every
// piece's name and a mark on its front. Drawn over the plan after the
// furniture, never in a pick.
#include <string>
#include <unordered_map>
#include <vector>

class CScena;
class COggetto;

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
    };

    // Lays the dimensions out for the plan at fScala pixels a metre in a
    // w x h window: the room's width and depth, and with a selected piece
    // its four distances to the walls, width and depth. No allocation once
    // the first layout has been made.
    void Componi(CScena& scena, const COggetto* pSelezionato, float fScala, float w, float h);
    // Makes the texture of the labels' glyphs the first time the window is
    // large enough; call at the start of a plan paint, before anything is
    // drawn (it uses a corner of the back buffer and clears it again).
    void Prepara(float w, float h);
    // Draws the last layout, the names and the front marks. GL state is
    // left as found.
    void Disegna(CScena& scena, float fScala) const;

    const std::vector<CQuota>& GetQuote() const { return m_aQuote; }
    // The selected piece's footprint box in pixels (empty without one).
    const CRettangolo& GetImpronta() const { return m_Impronta; }

    // Size of a label's box for a text.
    static float LarghezzaEtichetta(const char* pTesto);
    static constexpr float ALTEZZA_ETICHETTA = 16.0f;

private:
    // One label's quads (texture s, t and window x, y per corner) into the
    // batch of the paint.
    void Etichetta(const CRettangolo& r, const char* pTesto) const;
    // A name's label as one quad of the names' texture, where each text is
    // composed once from the glyphs the first time it is drawn; false when
    // it does not fit there (it is then drawn glyph by glyph).
    bool EtichettaNome(const CRettangolo& r, const char* pTesto) const;
    // The names' labels, the selected piece's first; none over another.
    void ComponiNomi(CScena& scena, const COggetto* pSelezionato, float fScala);
    void Aggiungi(float x0, float y0, float x1, float y1, float fMetri, float ax, float ay);
    void Colloca(CQuota& q, float ax, float ay) const;

    struct CNome
    {
        CRettangolo etichetta;
        const char* pNome;
    };
    std::vector<CQuota> m_aQuote;
    std::vector<CNome> m_aNomi;
    mutable std::vector<float> m_aVertici;  // kept between paints: no allocation
    mutable std::vector<float> m_aVerticiNomi;
    // The names' texture: labels in rows of ALTEZZA_ETICHETTA texels, found
    // by their text; emptied at the start of the paint after it fills up.
    struct CPosto
    {
        int x, y, w;
    };
    mutable std::unordered_map<std::string, CPosto> m_Posti;
    mutable std::string m_sChiave;
    mutable std::vector<unsigned char> m_aRiga;
    mutable int m_nLiberoX = 0, m_nLiberoY = 0;
    mutable bool m_bPieno = false;
    std::vector<unsigned char> m_aGlifi;  // the glyph texture's coverage
    unsigned int m_nNomi = 0;
    CRettangolo m_Impronta = {0, 0, 0, 0};
    bool m_bSelezione = false;
    float m_fW = 0.0f, m_fH = 0.0f;
    unsigned int m_nTexture = 0;
    float m_aAvanzamento[256] = {};
};

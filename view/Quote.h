#pragma once
// The plan's measuring overlay: dimension lines from the selected piece to
// the walls and of its own size, the room's size along its outline, every
// piece's name and a mark on its front. Drawn over the plan after the
// furniture, never in a pick; laid out in the window's GL pixels, at the
// scale of the screen, and drawn with the labels of a glyph atlas.
#include <vector>

class CAtlanteGlifi;
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
    // window size, screen scale), its labels sized by the atlas's glyphs.
    // No label covers another: the selected piece's name, distances to the
    // walls, width and depth go first, then the room's width and depth,
    // then the other names; a label that finds no clear place is left out.
    // No allocation once the first layout has been made.
    void Componi(CScena& scena, const COggetto* pSelezionato, const CStatoVista& vista,
                 const CAtlanteGlifi& atlante);
    // Draws the last layout, the names and the front marks, the labels with
    // the atlas the layout was made with (prepared in this GL context). GL
    // state is left as found.
    void Disegna(CScena& scena, const CStatoVista& vista, CAtlanteGlifi& atlante) const;

    const std::vector<CQuota>& GetQuote() const { return m_aQuote; }
    const std::vector<CNome>& GetNomi() const { return m_aNomi; }
    // The selected piece's footprint box in pixels (empty without one).
    const CRettangolo& GetImpronta() const { return m_Impronta; }

private:
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
    float Larghezza(const char* pTesto) const;
    float Altezza() const;

    std::vector<CQuota> m_aQuote;
    std::vector<CNome> m_aNomi;
    // The atlas of the layout being made: the labels' sizes.
    const CAtlanteGlifi* m_pAtlante = nullptr;
    // The layout's mapping: screen scale, plan scale, room's corner, window.
    float m_fFattore = 1.0f, m_fScala = 1.0f, m_fOrigineX = 0.0f, m_fOrigineY = 0.0f;
    float m_fProfondita = 0.0f;
    float m_fW = 0.0f, m_fH = 0.0f;
    CRettangolo m_Impronta = {0, 0, 0, 0};
    bool m_bSelezione = false;
};

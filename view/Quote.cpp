#include "view/Quote.h"

#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/AtlanteGlifi.h"
#include "view/StatoVista.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
// Sizes in the toolkit's pixels, times the screen's scale in use.
constexpr float MARGINE = 3.0f;        // between a label and what it must not cover
constexpr float SCOSTAMENTO = 12.0f;   // of a size line from the footprint's edge
constexpr float TACCA = 4.0f;          // half the end ticks of a dimension line

// Where a label may go when its own place is taken: beside the footprint,
// in the direction that does not put the piece between label and line.
enum : unsigned
{
    SINISTRA = 1,
    DESTRA = 2,
    SOTTO = 4,
    SOPRA = 8,
    OVUNQUE = 15
};

bool IsApertura(const COggetto& o)
{
    return o.GetCategoria() == CATEGORIA_PORTE_FINESTRE;
}

bool IsTondo(const COggetto& o)
{
    return o.GetCategoria() == CATEGORIA_TAVOLI && o.GetTipo() == 0;
}

float Luminanza(float r, float g, float b)
{
    return 0.299f * r + 0.587f * g + 0.114f * b;
}

CQuote::CRettangolo Centrato(float cx, float cy, float w, float h)
{
    return {cx - w / 2.0f, cy - h / 2.0f, cx + w / 2.0f, cy + h / 2.0f};
}

// Moves a box into the window where it fits.
CQuote::CRettangolo NellaFinestra(CQuote::CRettangolo r, float w, float h)
{
    const float dx = r.x0 < 0.0f ? -r.x0 : (r.x1 > w ? w - r.x1 : 0.0f);
    const float dy = r.y0 < 0.0f ? -r.y0 : (r.y1 > h ? h - r.y1 : 0.0f);
    return {r.x0 + dx, r.y0 + dy, r.x1 + dx, r.y1 + dy};
}

}  // namespace

float CQuote::Larghezza(const char* pTesto) const
{
    return m_pAtlante->LarghezzaEtichetta(pTesto);
}

float CQuote::Altezza() const
{
    return m_pAtlante->GetAltezzaEtichetta();
}

void CQuote::Pixel(float x, float y, float& px, float& py) const
{
    px = m_fOrigineX + x * m_fScala;
    py = m_fOrigineY + (m_fProfondita - y) * m_fScala;
}

bool CQuote::IsLibero(const CRettangolo& r, const CQuota* pEsclusa, bool bImpronta) const
{
    if (bImpronta && m_bSelezione && r.Interseca(m_Impronta))
        return false;
    for (const CQuota& q : m_aQuote)
        if (&q != pEsclusa && q.bEtichetta && r.Interseca(q.etichetta))
            return false;
    for (const CNome& n : m_aNomi)
        if (r.Interseca(n.etichetta))
            return false;
    return true;
}

void CQuote::Aggiungi(float x0, float y0, float x1, float y1, float fMetri, float ax, float ay,
                      bool bPezzo, float lx, float ly)
{
    m_aQuote.emplace_back();
    CQuota& q = m_aQuote.back();
    q.x0 = x0;
    q.y0 = y0;
    q.x1 = x1;
    q.y1 = y1;
    q.bEtichetta = false;
    std::snprintf(q.aTesto, sizeof q.aTesto, "%s", TestoMetri(fMetri).c_str());

    const float w = Larghezza(q.aTesto), h = Altezza();
    const float g = MARGINE * m_fFattore;
    const CRettangolo& f = m_Impronta;
    CRettangolo aCandidati[19] = {Centrato(ax, ay, w, h)};
    int n = 1;
    if (bPezzo && m_bSelezione)
    {
        // A distance's label never goes across the piece from its line.
        unsigned nLati = OVUNQUE;
        if (q.y0 == q.y1 && q.x0 != q.x1)
            nLati = q.x1 <= f.x0 + 0.5f ? OVUNQUE & ~DESTRA : (q.x0 >= f.x1 - 0.5f ? OVUNQUE & ~SINISTRA : OVUNQUE);
        else if (q.x0 == q.x1 && q.y0 != q.y1)
            nLati = q.y1 <= f.y0 + 0.5f ? OVUNQUE & ~SOPRA : (q.y0 >= f.y1 - 0.5f ? OVUNQUE & ~SOTTO : OVUNQUE);
        // Beside the footprint, a label's width or height further each time
        // the nearer places are taken.
        for (int k = 0; k < 3; ++k)
        {
            const float ox = g + w / 2.0f + k * (w + g), oy = g + h / 2.0f + k * (h + g);
            if (nLati & SINISTRA)
                aCandidati[n++] = Centrato(f.x0 - ox, ay, w, h);
            if (nLati & DESTRA)
                aCandidati[n++] = Centrato(f.x1 + ox, ay, w, h);
            if (nLati & SOTTO)
                aCandidati[n++] = Centrato(ax, f.y0 - oy, w, h);
            if (nLati & SOPRA)
                aCandidati[n++] = Centrato(ax, f.y1 + oy, w, h);
        }
    }
    for (int k = 1; k <= 3 && (lx != 0.0f || ly != 0.0f); ++k)
        for (const float fVerso : {-1.0f, 1.0f})
            aCandidati[n++] = Centrato(ax + fVerso * lx * k * (w + g), ay + fVerso * ly * k * (h + g), w, h);
    // The free place nearest to where the label belongs; none, no label.
    auto distanza = [ax, ay](const CRettangolo& r) {
        return std::hypot((r.x0 + r.x1) / 2.0f - ax, (r.y0 + r.y1) / 2.0f - ay);
    };
    int nMigliore = -1;
    for (int i = 0; i < n; ++i)
    {
        aCandidati[i] = NellaFinestra(aCandidati[i], m_fW, m_fH);
        if (IsLibero(aCandidati[i], &q, true) &&
            (nMigliore < 0 || distanza(aCandidati[i]) < distanza(aCandidati[nMigliore])))
            nMigliore = i;
    }
    q.bEtichetta = nMigliore >= 0;
    q.etichetta = aCandidati[std::max(nMigliore, 0)];
}

void CQuote::AggiungiNome(const COggetto& o, float W, float D)
{
    const char* pNome = o.GetNome();
    if (!pNome || !*pNome)
        return;
    const CRiquadro r = RiquadroImpronta(o, W, D);
    float cx, cy;
    Pixel((r.fMinX + r.fMaxX) / 2.0f, (r.fMinY + r.fMaxY) / 2.0f, cx, cy);
    const float w = Larghezza(pNome), h = Altezza();
    if (IsApertura(o))
    {
        // Beside the strip, in the room.
        const float e = SPESSORE_APERTURA * m_fScala + h / 2.0f + 2.0f * m_fFattore;
        switch (o.GetParete())
        {
        case 1: cy -= e; break;
        case 2: cx -= e + w / 2.0f; break;
        case 4: cx += e + w / 2.0f; break;
        default: cy += e; break;
        }
    }
    // A name that would fall on another label is left out: in a crowded
    // plan the labels that show stay readable.
    const CRettangolo e = NellaFinestra(Centrato(cx, cy, w, h), m_fW, m_fH);
    if (IsLibero(e, nullptr, false))
        m_aNomi.push_back({e, pNome});
}

void CQuote::Componi(CScena& scena, const COggetto* p, const CStatoVista& vista,
                     const CAtlanteGlifi& atlante)
{
    m_pAtlante = &atlante;
    m_aQuote.clear();
    m_aNomi.clear();
    m_fFattore = vista.m_fFattoreScala;
    m_fScala = vista.m_fScala;
    m_fOrigineX = vista.m_fOrigineX;
    m_fOrigineY = vista.m_fOrigineY;
    m_fW = vista.m_fLarghezzaFinestra;
    m_fH = vista.m_fAltezzaFinestra;
    const float W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
    m_fProfondita = D;
    const float s = m_fScala, F = m_fFattore, hE = Altezza();
    const float SC = SCOSTAMENTO * F;
    // The room's outline in window pixels.
    CRettangolo R;
    Pixel(0.0f, D, R.x0, R.y0);
    Pixel(W, 0.0f, R.x1, R.y1);
    m_bSelezione = p != nullptr;
    m_Impronta = {0, 0, 0, 0};
    if (p)
    {
        const CRiquadro r = RiquadroImpronta(*p, W, D);
        Pixel(r.fMinX, r.fMaxY, m_Impronta.x0, m_Impronta.y0);
        Pixel(r.fMaxX, r.fMinY, m_Impronta.x1, m_Impronta.y1);
        AggiungiNome(*p, W, D);
        const CRettangolo& f = m_Impronta;
        const CDistanze d = DistanzeDaiMuri(r, W, D);
        const float xc = (f.x0 + f.x1) / 2.0f, yc = (f.y0 + f.y1) / 2.0f;
        const int nParete = p->GetParete();
        const bool bApertura = IsApertura(*p);
        const bool bLungoX = !bApertura || nParete == 1 || nParete == 3 || nParete < 1 || nParete > 4;
        const bool bLungoY = !bApertura || nParete == 2 || nParete == 4;
        if (bLungoX)
        {
            Aggiungi(R.x0, yc, f.x0, yc, d.fOvest, (R.x0 + f.x0) / 2.0f, yc, true);
            Aggiungi(f.x1, yc, R.x1, yc, d.fEst, (f.x1 + R.x1) / 2.0f, yc, true);
        }
        if (bLungoY)
        {
            Aggiungi(xc, f.y1, xc, R.y1, d.fNord, xc, (f.y1 + R.y1) / 2.0f, true);
            Aggiungi(xc, R.y0, xc, f.y0, d.fSud, xc, (R.y0 + f.y0) / 2.0f, true);
        }
        const float L = p->GetLarghezza(), P = p->GetProfondita();
        if (bApertura)
        {
            // Beside the strip, on the side that faces the room.
            const float o = SC, e = o + Larghezza("00.00") / 2.0f + 2.0f * F;
            const float eY = o + hE / 2.0f + 2.0f * F;
            switch (nParete)
            {
            case 2: Aggiungi(f.x0 - o, f.y0, f.x0 - o, f.y1, L, f.x0 - e, yc, true); break;
            case 4: Aggiungi(f.x1 + o, f.y0, f.x1 + o, f.y1, L, f.x1 + e, yc, true); break;
            case 1: Aggiungi(f.x0, f.y0 - o, f.x1, f.y0 - o, L, xc, f.y0 - eY, true); break;
            default: Aggiungi(f.x0, f.y1 + o, f.x1, f.y1 + o, L, xc, f.y1 + eY, true); break;
            }
        }
        else if (IsTondo(*p))
        {
            Aggiungi(f.x0, f.y1 + SC, f.x1, f.y1 + SC, L, xc, f.y1 + SC + hE / 2.0f + 2.0f * F, true);
        }
        else
        {
            // The back edge carries the width, the left edge the depth, each
            // drawn a little outside the footprint.
            const float a = p->GetRotazione() * 3.1415927f / 180.0f, c = std::cos(a), sn = std::sin(a);
            float x0, y0;
            Pixel(p->GetX(), p->GetY(), x0, y0);
            const float lx = L * s * c, ly = L * s * sn;     // width, in pixels
            const float px = P * s * sn, py = -P * s * c;    // depth, in pixels
            auto lato = [&](float ex, float ey, float fMetri, float nx, float ny) {
                const float n = std::hypot(nx, ny);
                if (n <= 0.0f)
                    return;
                nx /= n;
                ny /= n;
                const float q = SC + 4.0f * F + std::max(Larghezza("00.00") / 2.0f, hE / 2.0f);
                Aggiungi(x0 + nx * SC, y0 + ny * SC, x0 + ex + nx * SC, y0 + ey + ny * SC, fMetri,
                         x0 + ex / 2.0f + nx * q, y0 + ey / 2.0f + ny * q, true);
            };
            // Outward normals: away from the other edge of each pair.
            lato(lx, ly, L, -px, -py);
            lato(px, py, P, -lx, -ly);
        }
    }
    // The room's size just inside its outline, top and left, sliding along
    // its wall when its place is taken.
    Aggiungi(0.0f, 0.0f, 0.0f, 0.0f, W, (R.x0 + R.x1) / 2.0f, R.y1 - hE / 2.0f - 4.0f * F, false,
             1.0f, 0.0f);
    const float wD = Larghezza(TestoMetri(D).c_str());
    Aggiungi(0.0f, 0.0f, 0.0f, 0.0f, D, R.x0 + wD / 2.0f + 4.0f * F, (R.y0 + R.y1) / 2.0f, false,
             0.0f, 1.0f);
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* pAltro = nullptr;
    oggetti.GetElemento(1, pAltro);
    for (int i = 0, n = oggetti.GetNumero(); i < n && pAltro; ++i, oggetti.GetSuccessivo(pAltro))
        if (pAltro != p)
            AggiungiNome(*pAltro, W, D);
}

void CQuote::Disegna(CScena& scena, const CStatoVista& vista, CAtlanteGlifi& atlante) const
{
    if (!atlante.IsPronto())
        return;  // no glyphs made yet
    const float* pPavimento = scena.m_Stanza.GetColorePavimento();
    const float aSfondo[3] = {pPavimento[0], pPavimento[1], pPavimento[2]};
    const float fBianco = Luminanza(aSfondo[0], aSfondo[1], aSfondo[2]) > 0.5f ? 0.0f : 1.0f;
    const float aTesto[3] = {fBianco, fBianco, fBianco};
    // Lines cross the black of the plan: the floor colour, lightened.
    const float aLinea[3] = {(aSfondo[0] + 1.0f) / 2.0f, (aSfondo[1] + 1.0f) / 2.0f,
                             (aSfondo[2] + 1.0f) / 2.0f};
    const float s = vista.m_fScala, F = vista.m_fFattoreScala;

    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_POLYGON_BIT | GL_TEXTURE_BIT |
                 GL_COLOR_BUFFER_BIT);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The layout is in window pixels.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // A thick mark on the front of every piece that has one.
    CContenitori& oggetti = scena.m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    COggetto* p = nullptr;
    glLineWidth(4.0f * F);
    glBegin(GL_LINES);
    oggetti.GetElemento(1, p);
    for (int i = 0; i < nOggetti && p; ++i, oggetti.GetSuccessivo(p))
    {
        if (IsApertura(*p) || IsTondo(*p))
            continue;
        const float a = p->GetRotazione() * 3.1415927f / 180.0f, c = std::cos(a), sn = std::sin(a);
        const float L = p->GetLarghezza() * s, P = p->GetProfondita() * s;
        // The front edge runs from corner + depth along the width.
        float mx, my;
        Pixel(p->GetX(), p->GetY(), mx, my);
        mx += P * sn + L * c / 2.0f;
        my += -P * c + L * sn / 2.0f;
        const float m = std::min(std::fabs(L) / 3.0f, 20.0f * F);
        const unsigned char* pColore = p->GetColore1();
        const float f = pColore && Luminanza(pColore[0], pColore[1], pColore[2]) > 127.0f ? 0.0f : 1.0f;
        glColor3f(f, f, f);
        glVertex2f(mx - c * m, my - sn * m);
        glVertex2f(mx + c * m, my + sn * m);
    }
    glEnd();

    // Dimension lines with their end ticks.
    glLineWidth(F);
    glColor3fv(aLinea);
    glBegin(GL_LINES);
    for (const CQuota& q : m_aQuote)
    {
        const float dx = q.x1 - q.x0, dy = q.y1 - q.y0, l = std::hypot(dx, dy);
        if (l < 1.0f)
            continue;
        const float tx = -dy / l * TACCA * F, ty = dx / l * TACCA * F;
        glVertex2f(q.x0, q.y0);
        glVertex2f(q.x1, q.y1);
        glVertex2f(q.x0 - tx, q.y0 - ty);
        glVertex2f(q.x0 + tx, q.y0 + ty);
        glVertex2f(q.x1 - tx, q.y1 - ty);
        glVertex2f(q.x1 + tx, q.y1 + ty);
    }
    glEnd();

    // Every label in one batch of opaque textured quads; none covers
    // another. The names whole from their own texture, the rest glyph by
    // glyph.
    atlante.Inizia(aTesto);
    for (const CNome& n : m_aNomi)
        atlante.Nome(n.etichetta.x0, n.etichetta.y0, n.etichetta.x1, n.pNome);
    for (const CQuota& q : m_aQuote)
        if (q.bEtichetta)
            atlante.Etichetta(q.etichetta.x0, q.etichetta.y0, q.etichetta.x1, q.aTesto);
    atlante.Disegna(aSfondo);
    glPopMatrix();
    glPopAttrib();
}

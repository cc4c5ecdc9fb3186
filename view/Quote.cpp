#include "view/Quote.h"

#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
void* const CARATTERE = GLUT_BITMAP_HELVETICA_12;
constexpr float MARGINE = 3.0f;        // between a label and what it must not cover
constexpr float SCOSTAMENTO = 12.0f;   // of a size line from the footprint's edge
constexpr float TACCA = 4.0f;          // half the end ticks of a dimension line

// The glyph texture: the coverage of characters 32 to 255 in cells of
// 16 x 20 texels, 16 a row, each drawn with its origin at (2, 5) of its
// cell. The space's cell is empty: the labels' margins take a texel of it.
constexpr int CELLA_X = 16, CELLA_Y = 20, ORIGINE_X = 2, ORIGINE_Y = 5;
constexpr int LATO_X = 256, LATO_Y = 512;
constexpr float VUOTO_S = 8.0f / LATO_X, VUOTO_T = 10.0f / LATO_Y;
constexpr int LATO_NOMI = 1024;  // the names' texture, square

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

float CQuote::LarghezzaEtichetta(const char* pTesto)
{
    return static_cast<float>(glutBitmapLength(CARATTERE, reinterpret_cast<const unsigned char*>(pTesto))) + 6.0f;
}

void CQuote::Aggiungi(float x0, float y0, float x1, float y1, float fMetri, float ax, float ay)
{
    m_aQuote.emplace_back();
    CQuota& q = m_aQuote.back();
    q.x0 = x0;
    q.y0 = y0;
    q.x1 = x1;
    q.y1 = y1;
    std::snprintf(q.aTesto, sizeof q.aTesto, "%s", TestoMetri(fMetri).c_str());
    Colloca(q, ax, ay);
}

void CQuote::Colloca(CQuota& q, float ax, float ay) const
{
    const float w = LarghezzaEtichetta(q.aTesto), h = ALTEZZA_ETICHETTA;
    const CRettangolo& f = m_Impronta;
    // A distance's label never goes across the piece from its line.
    unsigned nLati = OVUNQUE;
    if (m_bSelezione && q.y0 == q.y1 && q.x0 != q.x1)
        nLati = q.x1 <= f.x0 + 0.5f ? OVUNQUE & ~DESTRA : (q.x0 >= f.x1 - 0.5f ? OVUNQUE & ~SINISTRA : OVUNQUE);
    else if (m_bSelezione && q.x0 == q.x1 && q.y0 != q.y1)
        nLati = q.y1 <= f.y0 + 0.5f ? OVUNQUE & ~SOPRA : (q.y0 >= f.y1 - 0.5f ? OVUNQUE & ~SOTTO : OVUNQUE);
    // Beside the footprint, a label's width or height further each time
    // the nearer places are taken.
    CRettangolo aCandidati[13] = {Centrato(ax, ay, w, h)};
    int n = 1;
    for (int k = 0; m_bSelezione && k < 3; ++k)
    {
        const float ox = MARGINE + w / 2.0f + k * (w + MARGINE);
        const float oy = MARGINE + h / 2.0f + k * (h + MARGINE);
        if (nLati & SINISTRA)
            aCandidati[n++] = Centrato(f.x0 - ox, ay, w, h);
        if (nLati & DESTRA)
            aCandidati[n++] = Centrato(f.x1 + ox, ay, w, h);
        if (nLati & SOTTO)
            aCandidati[n++] = Centrato(ax, f.y0 - oy, w, h);
        if (nLati & SOPRA)
            aCandidati[n++] = Centrato(ax, f.y1 + oy, w, h);
    }
    for (int i = 0; i < n; ++i)
        aCandidati[i] = NellaFinestra(aCandidati[i], m_fW, m_fH);
    // The free place nearest to where the label belongs; failing that, one
    // that at least leaves the piece clear.
    auto distanza = [ax, ay](const CRettangolo& r) {
        return std::hypot((r.x0 + r.x1) / 2.0f - ax, (r.y0 + r.y1) / 2.0f - ay);
    };
    auto libero = [&](const CRettangolo& r, bool bAncheEtichette) {
        if (m_bSelezione && r.Interseca(f))
            return false;
        if (bAncheEtichette)
            for (const CQuota& altra : m_aQuote)
                if (&altra != &q && r.Interseca(altra.etichetta))
                    return false;
        return true;
    };
    for (const bool bAncheEtichette : {true, false})
    {
        int nMigliore = -1;
        for (int i = 0; i < n; ++i)
            if (libero(aCandidati[i], bAncheEtichette) &&
                (nMigliore < 0 || distanza(aCandidati[i]) < distanza(aCandidati[nMigliore])))
                nMigliore = i;
        if (nMigliore >= 0)
        {
            q.etichetta = aCandidati[nMigliore];
            return;
        }
    }
    q.etichetta = aCandidati[0];
}

void CQuote::Componi(CScena& scena, const COggetto* p, float s, float w, float h)
{
    m_aQuote.clear();
    m_fW = w;
    m_fH = h;
    const float W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
    const float RW = W * s, RD = D * s, hE = ALTEZZA_ETICHETTA;
    m_bSelezione = p != nullptr;
    m_Impronta = {0, 0, 0, 0};
    if (p)
    {
        const CRiquadro r = RiquadroImpronta(*p, W, D);
        m_Impronta = {r.fMinX * s, (D - r.fMaxY) * s, r.fMaxX * s, (D - r.fMinY) * s};
        const CRettangolo& f = m_Impronta;
        const CDistanze d = DistanzeDaiMuri(r, W, D);
        const float xc = (f.x0 + f.x1) / 2.0f, yc = (f.y0 + f.y1) / 2.0f;
        const int nParete = p->GetParete();
        const bool bApertura = IsApertura(*p);
        const bool bLungoX = !bApertura || nParete == 1 || nParete == 3 || nParete < 1 || nParete > 4;
        const bool bLungoY = !bApertura || nParete == 2 || nParete == 4;
        if (bLungoX)
        {
            Aggiungi(0.0f, yc, f.x0, yc, d.fOvest, f.x0 / 2.0f, yc);
            Aggiungi(f.x1, yc, RW, yc, d.fEst, (f.x1 + RW) / 2.0f, yc);
        }
        if (bLungoY)
        {
            Aggiungi(xc, f.y1, xc, RD, d.fNord, xc, (f.y1 + RD) / 2.0f);
            Aggiungi(xc, 0.0f, xc, f.y0, d.fSud, xc, f.y0 / 2.0f);
        }
        const float L = p->GetLarghezza(), P = p->GetProfondita();
        if (bApertura)
        {
            // Beside the strip, on the side that faces the room.
            const float o = SCOSTAMENTO, e = o + LarghezzaEtichetta("00.00") / 2.0f + 2.0f;
            switch (nParete)
            {
            case 2: Aggiungi(f.x0 - o, f.y0, f.x0 - o, f.y1, L, f.x0 - e, yc); break;
            case 4: Aggiungi(f.x1 + o, f.y0, f.x1 + o, f.y1, L, f.x1 + e, yc); break;
            case 1: Aggiungi(f.x0, f.y0 - o, f.x1, f.y0 - o, L, xc, f.y0 - o - hE / 2.0f - 2.0f); break;
            default: Aggiungi(f.x0, f.y1 + o, f.x1, f.y1 + o, L, xc, f.y1 + o + hE / 2.0f + 2.0f); break;
            }
        }
        else if (IsTondo(*p))
        {
            Aggiungi(f.x0, f.y1 + SCOSTAMENTO, f.x1, f.y1 + SCOSTAMENTO, L, xc, f.y1 + SCOSTAMENTO + hE / 2.0f + 2.0f);
        }
        else
        {
            // The back edge carries the width, the left edge the depth, each
            // drawn a little outside the footprint.
            const float a = p->GetRotazione() * 3.1415927f / 180.0f, c = std::cos(a), sn = std::sin(a);
            const float x0 = p->GetX() * s, y0 = (D - p->GetY()) * s;
            const float lx = L * s * c, ly = L * s * sn;     // width, in pixels
            const float px = P * s * sn, py = -P * s * c;    // depth, in pixels
            auto lato = [&](float ex, float ey, float fMetri, float nx, float ny) {
                const float n = std::hypot(nx, ny);
                if (n <= 0.0f)
                    return;
                nx /= n;
                ny /= n;
                const float o = SCOSTAMENTO;
                const float q = o + 4.0f + std::max(LarghezzaEtichetta("00.00") / 2.0f, hE / 2.0f);
                Aggiungi(x0 + nx * o, y0 + ny * o, x0 + ex + nx * o, y0 + ey + ny * o, fMetri,
                         x0 + ex / 2.0f + nx * q, y0 + ey / 2.0f + ny * q);
            };
            // Outward normals: away from the other edge of each pair.
            lato(lx, ly, L, -px, -py);
            lato(px, py, P, -lx, -ly);
        }
    }
    ComponiNomi(scena, p, s);
    // The room's size just inside its outline, top and left.
    Aggiungi(0.0f, 0.0f, 0.0f, 0.0f, W, RW / 2.0f, RD - hE / 2.0f - 4.0f);
    const float wD = LarghezzaEtichetta(TestoMetri(D).c_str());
    Aggiungi(0.0f, 0.0f, 0.0f, 0.0f, D, wD / 2.0f + 4.0f, RD / 2.0f);
}

void CQuote::Prepara(float w, float h)
{
    if (m_nTexture || w < LATO_X || h < (256 - 32) / 16 * CELLA_Y)
        return;  // made already, or no room to draw the glyphs yet
    // The glyphs go white on black into a corner of the back buffer, are
    // read back as coverage and the corner is cleared again: the plan is
    // drawn over it afterwards.
    glPushAttrib(GL_ENABLE_BIT | GL_SCISSOR_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, LATO_X, LATO_Y);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (int c = 32; c < 256; ++c)
    {
        glRasterPos2i((c - 32) % 16 * CELLA_X + ORIGINE_X, (c - 32) / 16 * CELLA_Y + ORIGINE_Y);
        glutBitmapCharacter(CARATTERE, c);
        m_aAvanzamento[c] = static_cast<float>(glutBitmapWidth(CARATTERE, c));
    }
    std::vector<unsigned char>& aTexel = m_aGlifi;
    aTexel.assign(static_cast<size_t>(LATO_X) * LATO_Y, 0);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const int nRighe = std::min(LATO_Y, static_cast<int>(h));
    glReadPixels(0, 0, LATO_X, nRighe, GL_RED, GL_UNSIGNED_BYTE, aTexel.data());
    glGenTextures(1, &m_nTexture);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, LATO_X, LATO_Y, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                 aTexel.data());
    glGenTextures(1, &m_nNomi);
    glBindTexture(GL_TEXTURE_2D, m_nNomi);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, LATO_NOMI, LATO_NOMI, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                 nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopClientAttrib();
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
}

void CQuote::Etichetta(const CRettangolo& r, const char* pTesto) const
{
    // Every pixel of the label once: margin, one strip per glyph, margin,
    // on whole pixels so that each texel lands on one pixel. The texture
    // mixes the vertex colour (the box) with the texture environment's
    // colour (the text) by the glyph's coverage.
    const float x0 = std::floor(r.x0 + 0.5f), y0 = std::floor(r.y0 + 0.5f);
    const float y1 = y0 + ALTEZZA_ETICHETTA, fBase = y0 + 4.0f;
    auto striscia = [&](float xa, float xb, float sa, float sb, float ta, float tb) {
        const float aQuadrato[16] = {sa, ta, xa, y0, sb, ta, xb, y0, sb, tb, xb, y1, sa, tb, xa, y1};
        m_aVertici.insert(m_aVertici.end(), aQuadrato, aQuadrato + 16);
    };
    float x = x0 + 3.0f;
    striscia(x0, x, VUOTO_S, VUOTO_S, VUOTO_T, VUOTO_T);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pTesto); *p; ++p)
    {
        if (*p < 32)
            continue;
        const int i = *p - 32;
        const float fAvanzamento = m_aAvanzamento[*p];
        const float cx = static_cast<float>(i % 16 * CELLA_X + ORIGINE_X);
        const float cy = static_cast<float>(i / 16 * CELLA_Y + ORIGINE_Y);
        striscia(x, x + fAvanzamento, cx / LATO_X, (cx + fAvanzamento) / LATO_X,
                 (cy - (fBase - y0)) / LATO_Y, (cy + (y1 - fBase)) / LATO_Y);
        x += fAvanzamento;
    }
    striscia(x, std::max(x + 3.0f, std::floor(r.x1 + 0.5f)), VUOTO_S, VUOTO_S, VUOTO_T, VUOTO_T);
}

bool CQuote::EtichettaNome(const CRettangolo& r, const char* pTesto) const
{
    // The pixels Etichetta would give the label, in one quad: the same
    // extent, and each column the texels its glyph strip would take.
    const unsigned char* pInizio = reinterpret_cast<const unsigned char*>(pTesto);
    int nTesto = 0;
    for (const unsigned char* p = pInizio; *p; ++p)
        if (*p >= 32)
            nTesto += static_cast<int>(m_aAvanzamento[*p]);
    const float x0 = std::floor(r.x0 + 0.5f), y0 = std::floor(r.y0 + 0.5f);
    const float x = x0 + 3.0f + static_cast<float>(nTesto);
    const float x1 = std::max(x + 3.0f, std::floor(r.x1 + 0.5f));
    const int nLarghezza = static_cast<int>(x1 - x0);
    m_sChiave.assign(pTesto);
    auto it = m_Posti.find(m_sChiave);
    if (it == m_Posti.end())
    {
        // Two columns more than the text needs: the box's right edge may
        // round to one pixel further.
        const int w = nTesto + 8, h = static_cast<int>(ALTEZZA_ETICHETTA);
        if (w > LATO_NOMI)
            return false;
        if (m_nLiberoX + w > LATO_NOMI)
        {
            m_nLiberoX = 0;
            m_nLiberoY += h;
        }
        if (m_nLiberoY + h > LATO_NOMI)
        {
            m_bPieno = true;  // the labels already in this paint's batch stay valid
            return false;
        }
        const unsigned char nVuoto = m_aGlifi[10 * LATO_X + 8];
        m_aRiga.assign(static_cast<size_t>(w) * h, nVuoto);
        int c = 3;
        for (const unsigned char* p = pInizio; *p; ++p)
        {
            if (*p < 32)
                continue;
            const int i = *p - 32, n = static_cast<int>(m_aAvanzamento[*p]);
            const int cx = i % 16 * CELLA_X + ORIGINE_X, cy = i / 16 * CELLA_Y + ORIGINE_Y - 4;
            if (cx + n > LATO_X)
                return false;  // a strip would wrap round the glyph texture
            for (int y = 0; y < h; ++y)
                std::memcpy(&m_aRiga[static_cast<size_t>(y) * w + c],
                            &m_aGlifi[static_cast<size_t>(cy + y) * LATO_X + cx], static_cast<size_t>(n));
            c += n;
        }
        glBindTexture(GL_TEXTURE_2D, m_nNomi);
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, m_nLiberoX, m_nLiberoY, w, h, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                        m_aRiga.data());
        glPopClientAttrib();
        it = m_Posti.emplace(m_sChiave, CPosto{m_nLiberoX, m_nLiberoY, w}).first;
        m_nLiberoX += w;
    }
    const CPosto& posto = it->second;
    if (nLarghezza > posto.w)
        return false;
    const float sa = static_cast<float>(posto.x) / LATO_NOMI;
    const float sb = static_cast<float>(posto.x + nLarghezza) / LATO_NOMI;
    const float ta = static_cast<float>(posto.y) / LATO_NOMI;
    const float tb = static_cast<float>(posto.y) / LATO_NOMI + ALTEZZA_ETICHETTA / LATO_NOMI;
    const float y1 = y0 + ALTEZZA_ETICHETTA;
    const float aQuadrato[16] = {sa, ta, x0, y0, sb, ta, x1, y0, sb, tb, x1, y1, sa, tb, x0, y1};
    m_aVerticiNomi.insert(m_aVerticiNomi.end(), aQuadrato, aQuadrato + 16);
    return true;
}

void CQuote::ComponiNomi(CScena& scena, const COggetto* pSelezionato, float s)
{
    m_aNomi.clear();
    const float W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
    auto colloca = [&](const COggetto& o) {
        const char* pNome = o.GetNome();
        if (!pNome || !*pNome)
            return;
        const CRiquadro r = RiquadroImpronta(o, W, D);
        float cx = (r.fMinX + r.fMaxX) / 2.0f * s, cy = (D - (r.fMinY + r.fMaxY) / 2.0f) * s;
        const float w = LarghezzaEtichetta(pNome);
        if (IsApertura(o))
        {
            // Beside the strip, in the room.
            const float e = SPESSORE_APERTURA * s + ALTEZZA_ETICHETTA / 2.0f + 2.0f;
            switch (o.GetParete())
            {
            case 1: cy -= e; break;
            case 2: cx -= e + w / 2.0f; break;
            case 4: cx += e + w / 2.0f; break;
            default: cy += e; break;
            }
        }
        const CRettangolo e = NellaFinestra(Centrato(cx, cy, w, ALTEZZA_ETICHETTA), m_fW, m_fH);
        // A name that would fall on another is left out: in a crowded
        // plan the names that show stay readable.
        for (const CNome& n : m_aNomi)
            if (e.Interseca(n.etichetta))
                return;
        m_aNomi.push_back({e, pNome});
    };
    if (pSelezionato)
        colloca(*pSelezionato);
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    for (int i = 0, n = oggetti.GetNumero(); i < n && p; ++i, oggetti.GetSuccessivo(p))
        if (p != pSelezionato)
            colloca(*p);
}

void CQuote::Disegna(CScena& scena, float s) const
{
    if (!m_nTexture)
        return;  // the window is still too small to have made the glyphs
    const float* pPavimento = scena.m_Stanza.GetColorePavimento();
    const float aSfondo[3] = {pPavimento[0], pPavimento[1], pPavimento[2]};
    const float fBianco = Luminanza(aSfondo[0], aSfondo[1], aSfondo[2]) > 0.5f ? 0.0f : 1.0f;
    const float aTesto[3] = {fBianco, fBianco, fBianco};
    // Lines cross the black of the plan: the floor colour, lightened.
    const float aLinea[3] = {(aSfondo[0] + 1.0f) / 2.0f, (aSfondo[1] + 1.0f) / 2.0f,
                             (aSfondo[2] + 1.0f) / 2.0f};
    const float D = scena.m_Stanza.GetProfondita();

    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_POLYGON_BIT | GL_TEXTURE_BIT |
                 GL_COLOR_BUFFER_BIT);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    // A thick mark on the front of every piece that has one.
    CContenitori& oggetti = scena.m_Oggetti;
    const int nOggetti = oggetti.GetNumero();
    COggetto* p = nullptr;
    glLineWidth(4.0f);
    glBegin(GL_LINES);
    oggetti.GetElemento(1, p);
    for (int i = 0; i < nOggetti && p; ++i, oggetti.GetSuccessivo(p))
    {
        if (IsApertura(*p) || IsTondo(*p))
            continue;
        const float a = p->GetRotazione() * 3.1415927f / 180.0f, c = std::cos(a), sn = std::sin(a);
        const float L = p->GetLarghezza() * s, P = p->GetProfondita() * s;
        // The front edge runs from corner + depth along the width.
        const float mx = p->GetX() * s + P * sn + L * c / 2.0f;
        const float my = (D - p->GetY()) * s - P * c + L * sn / 2.0f;
        const float m = std::min(std::fabs(L) / 3.0f, 20.0f);
        const unsigned char* pColore = p->GetColore1();
        const float f = pColore && Luminanza(pColore[0], pColore[1], pColore[2]) > 127.0f ? 0.0f : 1.0f;
        glColor3f(f, f, f);
        glVertex2f(mx - c * m, my - sn * m);
        glVertex2f(mx + c * m, my + sn * m);
    }
    glEnd();

    // Dimension lines with their end ticks.
    glLineWidth(1.0f);
    glColor3fv(aLinea);
    glBegin(GL_LINES);
    for (const CQuota& q : m_aQuote)
    {
        const float dx = q.x1 - q.x0, dy = q.y1 - q.y0, l = std::hypot(dx, dy);
        if (l < 1.0f)
            continue;
        const float tx = -dy / l * TACCA, ty = dx / l * TACCA;
        glVertex2f(q.x0, q.y0);
        glVertex2f(q.x1, q.y1);
        glVertex2f(q.x0 - tx, q.y0 - ty);
        glVertex2f(q.x0 + tx, q.y0 + ty);
        glVertex2f(q.x1 - tx, q.y1 - ty);
        glVertex2f(q.x1 + tx, q.y1 + ty);
    }
    glEnd();

    // Every label in one batch of opaque textured quads: the names, on or
    // beside their pieces, then the measures over them.
    const float aColoreTesto[4] = {aTesto[0], aTesto[1], aTesto[2], 1.0f};
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, aColoreTesto);
    // The names whole from their own texture, the rest glyph by glyph: a
    // quad a glyph costs the software rasteriser far more than its pixels.
    if (m_bPieno)
    {
        m_Posti.clear();
        m_nLiberoX = m_nLiberoY = 0;
        m_bPieno = false;
    }
    m_aVertici.clear();
    m_aVerticiNomi.clear();
    for (const CNome& n : m_aNomi)
        if (!EtichettaNome(n.etichetta, n.pNome))
            Etichetta(n.etichetta, n.pNome);
    for (const CQuota& q : m_aQuote)
        Etichetta(q.etichetta, q.aTesto);
    glColor3fv(aSfondo);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (const std::vector<float>* pVertici : {&m_aVerticiNomi, &m_aVertici})
    {
        if (pVertici->empty())
            continue;
        glBindTexture(GL_TEXTURE_2D, pVertici == &m_aVertici ? m_nTexture : m_nNomi);
        glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), pVertici->data());
        glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), pVertici->data() + 2);
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(pVertici->size() / 4));
    }
    glPopClientAttrib();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
}

#include "view/Quote.h"

#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/settings.h>

namespace
{
// Sizes in the toolkit's pixels, times the screen's scale in use.
constexpr float MARGINE = 3.0f;        // between a label and what it must not cover
constexpr float SCOSTAMENTO = 12.0f;   // of a size line from the footprint's edge
constexpr float TACCA = 4.0f;          // half the end ticks of a dimension line
constexpr int ORIGINE_X = 2;           // where a glyph starts in its cell
constexpr int LATO_NOMI = 1024;        // the names' texture, square

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

int PotenzaDiDue(int n)
{
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}
}  // namespace

float CQuote::LarghezzaEtichetta(const char* pTesto) const
{
    float f = 2.0f * static_cast<float>(m_nBordo);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pTesto); *p; ++p)
        f += m_aAvanzamento[*p];
    return f;
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

    const float w = LarghezzaEtichetta(q.aTesto), h = GetAltezzaEtichetta();
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
    const float w = LarghezzaEtichetta(pNome), h = GetAltezzaEtichetta();
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

void CQuote::Componi(CScena& scena, const COggetto* p, const CStatoVista& vista)
{
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
    const float s = m_fScala, F = m_fFattore, hE = GetAltezzaEtichetta();
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
            const float o = SC, e = o + LarghezzaEtichetta("00.00") / 2.0f + 2.0f * F;
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
                const float q = SC + 4.0f * F + std::max(LarghezzaEtichetta("00.00") / 2.0f, hE / 2.0f);
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
    const float wD = LarghezzaEtichetta(TestoMetri(D).c_str());
    Aggiungi(0.0f, 0.0f, 0.0f, 0.0f, D, R.x0 + wD / 2.0f + 4.0f * F, (R.y0 + R.y1) / 2.0f, false,
             0.0f, 1.0f);
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* pAltro = nullptr;
    oggetti.GetElemento(1, pAltro);
    for (int i = 0, n = oggetti.GetNumero(); i < n && pAltro; ++i, oggetti.GetSuccessivo(pAltro))
        if (pAltro != p)
            AggiungiNome(*pAltro, W, D);
}

void CQuote::LiberaTexture()
{
    if (m_nTexture)
        glDeleteTextures(1, &m_nTexture);
    if (m_nNomi)
        glDeleteTextures(1, &m_nNomi);
    m_nTexture = m_nNomi = 0;
    m_Posti.clear();
    m_nLiberoX = m_nLiberoY = 0;
    m_bPieno = false;
}

void CQuote::Prepara(float fFattore)
{
    if (m_nTexture && fFattore == m_fFattoreGlifi)
        return;
    LiberaTexture();
    m_fFattoreGlifi = fFattore;
    // The menu's font at the screen's scale, drawn white on black: the
    // glyphs' coverage, texel for pixel.
    const wxFont carattere = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Scaled(fFattore);
    wxBitmap foglio(1, 1, 24);
    wxMemoryDC dc(foglio);
    dc.SetFont(carattere);
    const int nMargine = std::max(1, static_cast<int>(std::lround(fFattore)));
    m_nAltezza = dc.GetCharHeight() + 2 * nMargine;
    m_nBordo = static_cast<int>(std::lround(3.0f * fFattore));
    int nMassimo = 0;
    for (int c = 32; c < 256; ++c)
    {
        wxCoord w = 0, h = 0;
        if (c < 127 || c >= 160)
            dc.GetTextExtent(wxString(wxUniChar(c)), &w, &h);
        m_aAvanzamento[c] = static_cast<float>(w);
        nMassimo = std::max(nMassimo, static_cast<int>(w));
    }
    m_nCellaX = nMassimo + 2 * ORIGINE_X;
    m_nLatoX = PotenzaDiDue(16 * m_nCellaX);
    m_nLatoY = PotenzaDiDue(14 * m_nAltezza);
    dc.SelectObject(wxNullBitmap);
    foglio.Create(m_nLatoX, m_nLatoY, 24);
    dc.SelectObject(foglio);
    dc.SetFont(carattere);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxWHITE);
    for (int c = 33; c < 256; ++c)
        if (m_aAvanzamento[c] > 0.0f)
            dc.DrawText(wxString(wxUniChar(c)), (c - 32) % 16 * m_nCellaX + ORIGINE_X,
                        (c - 32) / 16 * m_nAltezza + nMargine);
    dc.SelectObject(wxNullBitmap);
    const wxImage immagine = foglio.ConvertToImage();
    const unsigned char* pRgb = immagine.GetData();
    m_aGlifi.assign(static_cast<size_t>(m_nLatoX) * m_nLatoY, 0);
    for (int y = 0; y < m_nLatoY; ++y)
        for (int x = 0; x < m_nLatoX; ++x)
        {
            const unsigned char* p = pRgb + (static_cast<size_t>(y) * m_nLatoX + x) * 3;
            m_aGlifi[static_cast<size_t>(m_nLatoY - 1 - y) * m_nLatoX + x] =
                static_cast<unsigned char>((p[0] + p[1] + p[2]) / 3);
        }

    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenTextures(1, &m_nTexture);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, m_nLatoX, m_nLatoY, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, m_aGlifi.data());
    glGenTextures(1, &m_nNomi);
    glBindTexture(GL_TEXTURE_2D, m_nNomi);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, LATO_NOMI, LATO_NOMI, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopClientAttrib();
}

void CQuote::Etichetta(const CRettangolo& r, const char* pTesto) const
{
    // Every pixel of the label once: margin, one strip per glyph, margin,
    // on whole pixels so that each texel lands on one pixel. The texture
    // mixes the vertex colour (the box) with the texture environment's
    // colour (the text) by the glyph's coverage.
    const float x0 = std::floor(r.x0 + 0.5f), y0 = std::floor(r.y0 + 0.5f);
    const float fAltezza = GetAltezzaEtichetta(), y1 = y0 + fAltezza;
    const float fLatoX = static_cast<float>(m_nLatoX), fLatoY = static_cast<float>(m_nLatoY);
    // A texel of the space's cell, which is empty.
    const float sVuoto = (m_nCellaX / 2 + 0.5f) / fLatoX;
    const float tVuoto = (fLatoY - fAltezza / 2.0f) / fLatoY;
    auto striscia = [&](float xa, float xb, float sa, float sb, float ta, float tb) {
        const float aQuadrato[16] = {sa, ta, xa, y0, sb, ta, xb, y0, sb, tb, xb, y1, sa, tb, xa, y1};
        m_aVertici.insert(m_aVertici.end(), aQuadrato, aQuadrato + 16);
    };
    float x = x0 + static_cast<float>(m_nBordo);
    striscia(x0, x, sVuoto, sVuoto, tVuoto, tVuoto);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pTesto); *p; ++p)
    {
        if (*p < 32)
            continue;
        const int i = *p - 32;
        const float fAvanzamento = m_aAvanzamento[*p];
        const float cx = static_cast<float>(i % 16 * m_nCellaX + ORIGINE_X);
        const float tb = fLatoY - static_cast<float>((i / 16 + 1) * m_nAltezza);
        striscia(x, x + fAvanzamento, cx / fLatoX, (cx + fAvanzamento) / fLatoX, tb / fLatoY,
                 (tb + fAltezza) / fLatoY);
        x += fAvanzamento;
    }
    striscia(x, std::max(x + static_cast<float>(m_nBordo), std::floor(r.x1 + 0.5f)), sVuoto, sVuoto,
             tVuoto, tVuoto);
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
    const float fBordo = static_cast<float>(m_nBordo);
    const float x0 = std::floor(r.x0 + 0.5f), y0 = std::floor(r.y0 + 0.5f);
    const float x = x0 + fBordo + static_cast<float>(nTesto);
    const float x1 = std::max(x + fBordo, std::floor(r.x1 + 0.5f));
    const int nLarghezza = static_cast<int>(x1 - x0);
    const int h = m_nAltezza;
    m_sChiave.assign(pTesto);
    auto it = m_Posti.find(m_sChiave);
    if (it == m_Posti.end())
    {
        // Two columns more than the text needs: the box's right edge may
        // round to one pixel further.
        const int w = nTesto + 2 * m_nBordo + 2;
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
        const unsigned char nVuoto =
            m_aGlifi[static_cast<size_t>(m_nLatoY - h / 2) * m_nLatoX + m_nCellaX / 2];
        m_aRiga.assign(static_cast<size_t>(w) * h, nVuoto);
        int c = m_nBordo;
        for (const unsigned char* p = pInizio; *p; ++p)
        {
            if (*p < 32)
                continue;
            const int i = *p - 32, n = static_cast<int>(m_aAvanzamento[*p]);
            const int cx = i % 16 * m_nCellaX + ORIGINE_X, tb = m_nLatoY - (i / 16 + 1) * h;
            for (int y = 0; y < h; ++y)
                std::memcpy(&m_aRiga[static_cast<size_t>(y) * w + c],
                            &m_aGlifi[static_cast<size_t>(tb + y) * m_nLatoX + cx], static_cast<size_t>(n));
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
    const float tb = static_cast<float>(posto.y + h) / LATO_NOMI;
    const float y1 = y0 + static_cast<float>(h);
    const float aQuadrato[16] = {sa, ta, x0, y0, sb, ta, x1, y0, sb, tb, x1, y1, sa, tb, x0, y1};
    m_aVerticiNomi.insert(m_aVerticiNomi.end(), aQuadrato, aQuadrato + 16);
    return true;
}

void CQuote::Disegna(CScena& scena, const CStatoVista& vista) const
{
    if (!m_nTexture)
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
    // another.
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
        if (q.bEtichetta)
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
    glPopMatrix();
    glPopAttrib();
}

#include "view/AtlanteGlifi.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <wx/dcmemory.h>
#include <wx/settings.h>

namespace
{
constexpr int ORIGINE_X = 2;     // where a glyph starts in its cell
constexpr int LATO_NOMI = 1024;  // the names' texture, square

int PotenzaDiDue(int n)
{
    int p = 1;
    while (p < n)
        p *= 2;
    return p;
}
}  // namespace

float CAtlanteGlifi::LarghezzaEtichetta(const char* pTesto) const
{
    float f = 2.0f * static_cast<float>(m_nBordo);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pTesto); *p; ++p)
        f += m_aAvanzamento[*p];
    return f;
}

void CAtlanteGlifi::LiberaTexture()
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

void CAtlanteGlifi::Prepara(float fFattore)
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

void CAtlanteGlifi::Inizia(const float aTesto[3])
{
    // The texture mixes the vertex colour (the box) with the texture
    // environment's colour (the text) by the glyph's coverage.
    const float aColoreTesto[4] = {aTesto[0], aTesto[1], aTesto[2], 1.0f};
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, aColoreTesto);
    if (m_bPieno)
    {
        m_Posti.clear();
        m_nLiberoX = m_nLiberoY = 0;
        m_bPieno = false;
    }
    m_aVertici.clear();
    m_aVerticiNomi.clear();
}

void CAtlanteGlifi::Etichetta(float fX0, float fY0, float fX1, const char* pTesto)
{
    // Every pixel of the label once: margin, one strip per glyph, margin,
    // on whole pixels so that each texel lands on one pixel.
    const float x0 = std::floor(fX0 + 0.5f), y0 = std::floor(fY0 + 0.5f);
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
    striscia(x, std::max(x + static_cast<float>(m_nBordo), std::floor(fX1 + 0.5f)), sVuoto, sVuoto,
             tVuoto, tVuoto);
}

void CAtlanteGlifi::Nome(float x0, float y0, float x1, const char* pTesto)
{
    // A quad a glyph costs the software rasteriser far more than its pixels.
    if (!EtichettaNome(x0, y0, x1, pTesto))
        Etichetta(x0, y0, x1, pTesto);
}

bool CAtlanteGlifi::EtichettaNome(float fX0, float fY0, float fX1, const char* pTesto)
{
    // The pixels Etichetta would give the label, in one quad: the same
    // extent, and each column the texels its glyph strip would take.
    const unsigned char* pInizio = reinterpret_cast<const unsigned char*>(pTesto);
    int nTesto = 0;
    for (const unsigned char* p = pInizio; *p; ++p)
        if (*p >= 32)
            nTesto += static_cast<int>(m_aAvanzamento[*p]);
    const float fBordo = static_cast<float>(m_nBordo);
    const float x0 = std::floor(fX0 + 0.5f), y0 = std::floor(fY0 + 0.5f);
    const float x = x0 + fBordo + static_cast<float>(nTesto);
    const float x1 = std::max(x + fBordo, std::floor(fX1 + 0.5f));
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

void CAtlanteGlifi::Disegna(const float aSfondo[3])
{
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
}

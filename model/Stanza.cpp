#include "model/Stanza.h"

#include "model/Archivio.h"
#include "model/ContestoDisegno.h"
#include "model/Testi.h"
#include "model/Texture.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace
{
const float s_aColorePavimento[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float s_aColoreSoffitto[4] = {0.753f, 0.753f, 0.753f, 1.0f};
const float s_aColorePareti[4] = {0.502f, 0.502f, 0.502f, 1.0f};
}  // namespace

CStanza::CStanza(bool bLeggiTexture)
    : m_nFiltroMag(GL_NEAREST),
      m_nFiltroMin(GL_NEAREST),
      m_pColorePavimento(new float[4]),
      m_pColoreSoffitto(new float[4]),
      m_pColorePareti(new float[4]),
      m_pVertici(new float[8][3]()),
      m_pNormali(new float[4][3]{{0, 0, 1}, {-1, 0, 0}, {0, 0, -1}, {1, 0, 0}})
{
    if (bLeggiTexture)
        LeggiTexture();
    SetLarghezza(12.0f);
    SetProfondita(10.0f);
    SetAltezza(3.5f);
    SetColorePavimento(s_aColorePavimento);
    SetColoreSoffitto(s_aColoreSoffitto);
    SetColorePareti(s_aColorePareti);
    SetTexturePareti(-1);
    SetTexturePavimento(-1);
    SetPrimaParete(4);
    SetPareti(PARETI_TUTTE);
}

CStanza::~CStanza()
{
    delete[] m_pColorePavimento;
    delete[] m_pColoreSoffitto;
    delete[] m_pColorePareti;
    delete[] m_pVertici;
    delete[] m_pNormali;
}

void CStanza::SetLarghezza(float f)
{
    m_fLarghezza = f;
    for (int i : {1, 2, 5, 6})
        m_pVertici[i][0] = f;
}

void CStanza::SetProfondita(float f)
{
    m_fProfondita = f;
    for (int i : {2, 3, 6, 7})
        m_pVertici[i][2] = f;
}

void CStanza::SetAltezza(float f)
{
    m_fAltezza = f;
    for (int i : {4, 5, 6, 7})
        m_pVertici[i][1] = f;
}

void CStanza::SetColorePavimento(const float* p)
{
    std::memcpy(m_pColorePavimento, p, 4 * sizeof(float));
}

void CStanza::SetColoreSoffitto(const float* p)
{
    std::memcpy(m_pColoreSoffitto, p, 4 * sizeof(float));
}

void CStanza::SetColorePareti(const float* p)
{
    std::memcpy(m_pColorePareti, p, 4 * sizeof(float));
}

namespace
{
void ApplicaFiltro(const unsigned int* aTexture, GLenum nParametro, unsigned int n)
{
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
    {
        glBindTexture(GL_TEXTURE_2D, aTexture[i]);
        glTexParameteri(GL_TEXTURE_2D, nParametro, static_cast<GLint>(n));
    }
}
}  // namespace

void CStanza::SetFiltroMag(unsigned int n)
{
    m_nFiltroMag = n;
    ApplicaFiltro(g_aTexture, GL_TEXTURE_MAG_FILTER, n);
}

void CStanza::SetFiltroMin(unsigned int n)
{
    m_nFiltroMin = n;
    ApplicaFiltro(g_aTexture, GL_TEXTURE_MIN_FILTER, n);
}

void CStanza::ApplicaFiltri(const unsigned int* aTexture) const
{
    ApplicaFiltro(aTexture, GL_TEXTURE_MAG_FILTER, m_nFiltroMag);
    ApplicaFiltro(aTexture, GL_TEXTURE_MIN_FILTER, m_nFiltroMin);
}

// The working folder's set when it has one (its first file decides),
// else the installed set.
std::string CStanza::CartellaTexture()
{
    if (g_sCartellaTextureInstallate.empty())
        return std::string();
    if (std::FILE* pFile = std::fopen("tess00.ppm", "rb"))
    {
        std::fclose(pFile);
        return std::string();
    }
    return g_sCartellaTextureInstallate;
}

void CStanza::LeggiTexture()
{
    g_aTextureMancanti.clear();
    g_sCartellaTextureLette = CartellaTexture();
    const std::string prefisso =
        g_sCartellaTextureLette.empty() ? std::string() : g_sCartellaTextureLette + "/";
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
    {
        std::unique_ptr<char[]> pNumero(NumeroTexture(i));
        const std::string nome = std::string("tess") + pNumero.get() + ".ppm";
        unsigned char* pImmagine = g_aImmaginiTexture[i];
        // Missing bytes of a short file, and a whole missing file, read 255.
        std::memset(pImmagine, 255, BYTE_IMMAGINE);
        std::FILE* pFile = std::fopen((prefisso + nome).c_str(), "rb");
        if (!pFile)
        {
            g_aTextureMancanti.push_back(nome);
            continue;
        }
        if (std::fread(pImmagine, 1, BYTE_IMMAGINE, pFile) < static_cast<size_t>(BYTE_IMMAGINE) &&
            std::ferror(pFile))
            g_aTextureMancanti.push_back(nome);
        std::fclose(pFile);
    }
}

bool CStanza::IsIndiceTextureAmmesso(int n)
{
    return n == NESSUNA_TEXTURE || IsTextureValida(n);
}

int CStanza::GetParetiVisibili(const CContestoDisegno& contesto) const
{
    return contesto.bDallInterno ? PARETI_TUTTE : m_nPareti;
}

bool CStanza::Contiene(const float p[3]) const
{
    return p[0] > 0.0f && p[0] < m_fLarghezza && p[1] > 0.0f && p[1] < m_fAltezza && p[2] > 0.0f &&
           p[2] < m_fProfondita;
}

bool CStanza::IsScatola() const
{
    for (int i = 0; i < 8; ++i)
    {
        // Corners 0 to 3 on the floor from the north-west one clockwise
        // seen from above, 4 to 7 above them.
        const bool bEst = i % 4 == 1 || i % 4 == 2, bSud = i % 4 >= 2, bAlto = i >= 4;
        if (m_pVertici[i][0] != (bEst ? m_fLarghezza : 0.0f) ||
            m_pVertici[i][1] != (bAlto ? m_fAltezza : 0.0f) ||
            m_pVertici[i][2] != (bSud ? m_fProfondita : 0.0f))
            return false;
    }
    return true;
}

int CStanza::PrimaParete(float fRotY)
{
    // The yaw truncated to whole degrees; a negative remainder counts as
    // the first quarter.
    const int nGradi = std::isfinite(fRotY) ? static_cast<int>(std::fmod(fRotY, 360.0f)) : 0;
    return nGradi < 90 ? 4 : nGradi < 180 ? 5 : nGradi < 270 ? 6 : 7;
}

void CStanza::CostruisciMaglia(CRegistratore& r, bool bTextures, int nPareti, int nPrima) const
{
    const float W = m_fLarghezza, D = m_fProfondita;
    const bool bPavimento = bTextures && IsTextureValida(m_nTexturePavimento);
    r.Gruppo(GRUPPO_PAVIMENTO);
    r.Texture(bPavimento ? m_nTexturePavimento : -1);
    r.Colore(m_pColorePavimento);
    // The floor follows the corner table; one texture repeat per metre.
    const float aCoord[4][2] = {{0, 0}, {W, 0}, {W, D}, {0, D}};
    r.Inizia(CRegistratore::QUADRI);
    r.Normale(0, 1, 0);
    for (int v = 0; v < 4; ++v)
    {
        r.CoordTexture(aCoord[v][0], aCoord[v][1]);
        const float* p = m_pVertici[3 - v];
        r.Vertice(p[0], p[1], p[2]);
    }
    r.Fine();
    if (nPareti != PARETI_NESSUNA)
        Pareti(r, bTextures && IsTextureValida(m_nTexturePareti), nPareti, nPrima);
}

void CStanza::Pareti(CRegistratore& r, bool bTexture, int nPareti, int nPrima) const
{
    const float W = m_fLarghezza, D = m_fProfondita, H = m_fAltezza;
    r.Texture(bTexture ? m_nTexturePareti : -1);
    r.Colore(m_pColorePareti);
    auto parete = [&](int nParete, const float (*aVertici)[3], float L) {
        // Each wall from its start floor corner to its end one and up; the
        // texture repeats once per metre along it and up.
        const float aCoord[4][2] = {{0, 0}, {L, 0}, {L, H}, {0, H}};
        r.Gruppo(nParete);
        r.Inizia(CRegistratore::QUADRI);
        r.Normale(m_pNormali[nParete - 1][0], m_pNormali[nParete - 1][1],
                  m_pNormali[nParete - 1][2]);
        for (int v = 0; v < 4; ++v)
        {
            r.CoordTexture(aCoord[v][0], aCoord[v][1]);
            r.Vertice(aVertici[v][0], aVertici[v][1], aVertici[v][2]);
        }
        r.Fine();
    };
    if (nPareti == PARETI_TUTTE)
    {
        // All four from the sizes, then the ceiling in its own colour.
        const float aPareti[4][4][3] = {
            {{0, 0, 0}, {W, 0, 0}, {W, H, 0}, {0, H, 0}},
            {{W, 0, 0}, {W, 0, D}, {W, H, D}, {W, H, 0}},
            {{W, 0, D}, {0, 0, D}, {0, H, D}, {W, H, D}},
            {{0, 0, D}, {0, 0, 0}, {0, H, 0}, {0, H, D}},
        };
        for (int p = 0; p < 4; ++p)
            parete(p + 1, aPareti[p], p % 2 == 0 ? W : D);
        r.Gruppo(GRUPPO_SOFFITTO);
        r.Texture(-1);
        r.Colore(m_pColoreSoffitto);
        r.Inizia(CRegistratore::QUADRI);
        r.Normale(0, -1, 0);
        r.Vertice(0, H, 0);
        r.Vertice(W, H, 0);
        r.Vertice(W, H, D);
        r.Vertice(0, H, D);
        r.Fine();
        return;
    }
    // The two walls facing the camera, from the corner table.
    const int k = nPrima, k1 = k + 1 > 7 ? 4 : k + 1, k2 = k1 + 1 > 7 ? 4 : k1 + 1;
    const bool bPrimaLarga = (k == 4 || k == 6);
    const int aAngoli[2][4] = {{k - 4, k1 - 4, k1, k}, {k1 - 4, k2 - 4, k2, k1}};
    for (int p = 0; p < 2; ++p)
    {
        const float aVertici[4][3] = {
            {m_pVertici[aAngoli[p][0]][0], m_pVertici[aAngoli[p][0]][1], m_pVertici[aAngoli[p][0]][2]},
            {m_pVertici[aAngoli[p][1]][0], m_pVertici[aAngoli[p][1]][1], m_pVertici[aAngoli[p][1]][2]},
            {m_pVertici[aAngoli[p][2]][0], m_pVertici[aAngoli[p][2]][1], m_pVertici[aAngoli[p][2]][2]},
            {m_pVertici[aAngoli[p][3]][0], m_pVertici[aAngoli[p][3]][1], m_pVertici[aAngoli[p][3]][2]},
        };
        parete(aAngoli[p][0] + 1, aVertici, (p == 0) == bPrimaLarga ? W : D);
    }
}

const CMaglia& CStanza::Maglia(const CContestoDisegno& contesto)
{
    const int nPareti = GetParetiVisibili(contesto);
    const int nPrima = PrimaParete(contesto.fRotY);
    if (nPareti == PARETI_DUE)
        SetPrimaParete(nPrima);
    float aFirma[VALORI_FIRMA] = {};
    float* f = aFirma;
    for (const float v : {m_fLarghezza, m_fProfondita, m_fAltezza,
                          static_cast<float>(m_nTexturePareti),
                          static_cast<float>(m_nTexturePavimento), static_cast<float>(nPareti),
                          static_cast<float>(nPareti == PARETI_DUE ? nPrima : 0),
                          contesto.bTextures ? 1.0f : 0.0f, 1.0f})
        *f++ = v;
    for (const float* p : {m_pColorePavimento, m_pColoreSoffitto, m_pColorePareti})
        f = std::copy(p, p + 4, f);
    f = std::copy(&m_pVertici[0][0], &m_pVertici[0][0] + 24, f);
    std::copy(&m_pNormali[0][0], &m_pNormali[0][0] + 12, f);
    if (std::memcmp(aFirma, m_aFirma, sizeof aFirma) != 0)
    {
        CRegistratore r(m_Maglia);
        CostruisciMaglia(r, contesto.bTextures, nPareti, nPrima);
        std::memcpy(m_aFirma, aFirma, sizeof aFirma);
        ++m_nVersioneMaglia;
    }
    return m_Maglia;
}

void CStanza::Disegna(const CContestoDisegno& contesto)
{
    GLint aModo[2];
    glGetIntegerv(GL_POLYGON_MODE, aModo);
    // Back faces stay filled even in wireframe, so the room keeps its shape.
    glPolygonMode(GL_BACK, GL_FILL);
    DisegnaMaglia(Maglia(contesto), contesto);
    glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(aModo[0]));
}

void CStanza::DisegnaPiantina(const CContestoDisegno& contesto) const
{
    const float s = contesto.fScala;
    const float W = m_fLarghezza * s, D = m_fProfondita * s;
    glLineWidth(3.0f * contesto.fFattoreScala);
    glColor4fv(m_pColorePavimento);
    glBegin(GL_LINE_STRIP);
    glVertex2f(0, 0);
    glVertex2f(W, 0);
    glVertex2f(W, D);
    glVertex2f(0, D);
    glVertex2f(0, 0);
    glEnd();
    glLineWidth(contesto.fFattoreScala);
}

namespace
{
void ScriviFloat(CArchivio& ar, const float* p, int n)
{
    for (int i = 0; i < n; ++i)
        ar.ScriviFloat(p[i]);
}

void LeggiFloat(CArchivio& ar, float* p, int n)
{
    for (int i = 0; i < n; ++i)
        p[i] = ar.LeggiFloat();
}

// Values no room can hold; a damaged file is refused rather than drawn.
// The sizes count twice: the fields draw walls, ceiling and outline, the
// corners the floor and the getters; either going bad breaks the view.
// A size of 0 or below still opens: older settings dialogs stored sizes as
// typed, and such a room draws (as nothing much) until it is corrected.
void ControllaStanza(CArchivio& ar, const float* aDimensioni, int nTexturePareti,
                     int nTexturePavimento, int nPareti, int nPrimaParete, unsigned int nFiltroMag,
                     unsigned int nFiltroMin)
{
    for (int i = 0; i < 6; ++i)
        if (!std::isfinite(aDimensioni[i]))
        {
            ar.SegnalaDanno(FormattaTesto(
                "le dimensioni della stanza non sono valide (larghezza %g, profondit\u00e0 %g, "
                "altezza %g m)",
                static_cast<double>(aDimensioni[0]), static_cast<double>(aDimensioni[1]),
                static_cast<double>(aDimensioni[2])));
            return;
        }
    if (!CStanza::IsIndiceTextureAmmesso(nTexturePareti) ||
        !CStanza::IsIndiceTextureAmmesso(nTexturePavimento))
        ar.SegnalaDanno(FormattaTesto(
            "gli indici di texture della stanza (pareti %d, pavimento %d) non sono tra -1 e 37",
            nTexturePareti, nTexturePavimento));
    else if (nPareti < PARETI_DUE || nPareti > PARETI_TUTTE)
        ar.SegnalaDanno(
            FormattaTesto("la scelta delle pareti visibili (%d) non \u00e8 0, 1 o 2", nPareti));
    else if (nPrimaParete < 4 || nPrimaParete > 7)
        ar.SegnalaDanno(FormattaTesto("la prima parete (%d) non \u00e8 tra 4 e 7", nPrimaParete));
    else
        for (unsigned int nFiltro : {nFiltroMag, nFiltroMin})
            if (nFiltro != GL_NEAREST && nFiltro != GL_LINEAR)
            {
                ar.SegnalaDanno(FormattaTesto(
                    "un filtro delle texture vale %u invece di 9728 (Nearest) o 9729 (Linear)",
                    nFiltro));
                break;
            }
}
}  // namespace

void CStanza::Serialize(CArchivio& ar)
{
    if (ar.IsStoring())
    {
        ar.ScriviFloat(m_fAltezza);
        ar.ScriviFloat(m_fProfondita);
        ar.ScriviFloat(m_fLarghezza);
        ScriviFloat(ar, m_pColorePavimento, 4);
        ScriviFloat(ar, m_pColoreSoffitto, 4);
        ScriviFloat(ar, m_pColorePareti, 4);
        ar.ScriviInt32(m_nTexturePareti);
        ar.ScriviInt32(m_nTexturePavimento);
        ar.ScriviInt32(m_nPrimaParete);
        ar.ScriviInt32(m_nPareti);
        ar.ScriviUInt32(m_nFiltroMag);
        ar.ScriviUInt32(m_nFiltroMin);
        ScriviFloat(ar, &m_pVertici[0][0], 24);
        ScriviFloat(ar, &m_pNormali[0][0], 12);
        return;
    }
    m_fAltezza = ar.LeggiFloat();
    m_fProfondita = ar.LeggiFloat();
    m_fLarghezza = ar.LeggiFloat();
    LeggiFloat(ar, m_pColorePavimento, 4);
    LeggiFloat(ar, m_pColoreSoffitto, 4);
    LeggiFloat(ar, m_pColorePareti, 4);
    m_nTexturePareti = ar.LeggiInt32();
    m_nTexturePavimento = ar.LeggiInt32();
    m_nPrimaParete = ar.LeggiInt32();
    m_nPareti = ar.LeggiInt32();
    m_nFiltroMag = ar.LeggiUInt32();
    m_nFiltroMin = ar.LeggiUInt32();
    LeggiFloat(ar, &m_pVertici[0][0], 24);
    LeggiFloat(ar, &m_pNormali[0][0], 12);
    if (ar.IsFineInattesa())
        return;
    const float aDimensioni[6] = {m_fLarghezza, m_fProfondita, m_fAltezza,
                                  GetLarghezza(), GetProfondita(), GetAltezza()};
    ControllaStanza(ar, aDimensioni, m_nTexturePareti, m_nTexturePavimento, m_nPareti,
                    m_nPrimaParete, m_nFiltroMag, m_nFiltroMin);
}

void CStanza::Scambia(CStanza& altra)
{
    std::swap(m_fAltezza, altra.m_fAltezza);
    std::swap(m_fProfondita, altra.m_fProfondita);
    std::swap(m_fLarghezza, altra.m_fLarghezza);
    std::swap(m_nFiltroMag, altra.m_nFiltroMag);
    std::swap(m_nFiltroMin, altra.m_nFiltroMin);
    std::swap(m_pColorePavimento, altra.m_pColorePavimento);
    std::swap(m_pColoreSoffitto, altra.m_pColoreSoffitto);
    std::swap(m_pColorePareti, altra.m_pColorePareti);
    std::swap(m_nTexturePareti, altra.m_nTexturePareti);
    std::swap(m_nTexturePavimento, altra.m_nTexturePavimento);
    std::swap(m_nPrimaParete, altra.m_nPrimaParete);
    std::swap(m_nPareti, altra.m_nPareti);
    std::swap(m_pVertici, altra.m_pVertici);
    std::swap(m_pNormali, altra.m_pNormali);
}

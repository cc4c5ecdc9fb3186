#include "model/Maglia.h"

#include "model/ContestoDisegno.h"
#include "model/Texture.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

namespace
{
// r = a * b, column-major as GL keeps its matrices.
void Moltiplica(const float* a, const float* b, float* r)
{
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 4; ++i)
            r[c * 4 + i] = a[i] * b[c * 4] + a[4 + i] * b[c * 4 + 1] + a[8 + i] * b[c * 4 + 2] +
                           a[12 + i] * b[c * 4 + 3];
}

void Identita(float* m)
{
    static const float s_aIdentita[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::memcpy(m, s_aIdentita, sizeof s_aIdentita);
}

// GL's rotation matrix: the angle's sine and cosine in single precision.
void Rotazione(float fGradi, float x, float y, float z, float* m)
{
    const float s = std::sin(static_cast<float>(fGradi * M_PI / 180.0));
    const float c = std::cos(static_cast<float>(fGradi * M_PI / 180.0));
    const float l = std::sqrt(x * x + y * y + z * z);
    Identita(m);
    if (l == 0.0f)
        return;
    x /= l, y /= l, z /= l;
    const float u = 1.0f - c;
    m[0] = u * x * x + c;
    m[4] = u * x * y - z * s;
    m[8] = u * z * x + y * s;
    m[1] = u * x * y + z * s;
    m[5] = u * y * y + c;
    m[9] = u * y * z - x * s;
    m[2] = u * z * x - y * s;
    m[6] = u * y * z + x * s;
    m[10] = u * z * z + c;
}
}  // namespace

void CCollocazione::Matrice(float m[16]) const
{
    Rotazione(fRotazione, 0.0f, 1.0f, 0.0f, m);
    m[12] = aTraslazione[0];
    m[13] = aTraslazione[1];
    m[14] = aTraslazione[2];
}

void CMaglia::Svuota()
{
    aVertici.clear();
    aParti.clear();
    collocazione = CCollocazione();
}

CRegistratore::CRegistratore(CMaglia& maglia) : m_Maglia(maglia)
{
    m_Maglia.Svuota();
    Identita(m_aMatrice);
    AggiornaNormali();
}

void CRegistratore::Colloca(float x, float y, float z, float fRotazione)
{
    m_Maglia.collocazione.aTraslazione[0] = x;
    m_Maglia.collocazione.aTraslazione[1] = y;
    m_Maglia.collocazione.aTraslazione[2] = z;
    m_Maglia.collocazione.fRotazione = fRotazione;
}

void CRegistratore::Colore(const unsigned char* p)
{
    for (int i = 0; i < 4; ++i)
        m_aColore[i] = static_cast<float>(p[i]) / 255.0f;
}

void CRegistratore::Colore(const float* p)
{
    std::memcpy(m_aColore, p, sizeof m_aColore);
}

void CRegistratore::Colore(unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    const unsigned char aColore[4] = {r, g, b, a};
    Colore(aColore);
}

void CRegistratore::Salva()
{
    if (m_nPila < PROFONDITA_PILA)
        std::memcpy(m_aPila[m_nPila], m_aMatrice, sizeof m_aMatrice);
    ++m_nPila;
}

void CRegistratore::Ripristina()
{
    m_bNuovaParte = true;
    if (m_nPila == 0)
        return;
    if (--m_nPila < PROFONDITA_PILA)
        std::memcpy(m_aMatrice, m_aPila[m_nPila], sizeof m_aMatrice);
    m_bNormaliDaRifare = true;
}

void CRegistratore::Trasla(float x, float y, float z)
{
    m_bNuovaParte = true;
    float* m = m_aMatrice;
    for (int i = 0; i < 4; ++i)
        m[12 + i] = m[i] * x + m[4 + i] * y + m[8 + i] * z + m[12 + i];
}

void CRegistratore::Ruota(float fGradi, float x, float y, float z)
{
    m_bNuovaParte = true;
    float r[16], p[16];
    Rotazione(fGradi, x, y, z, r);
    Moltiplica(m_aMatrice, r, p);
    std::memcpy(m_aMatrice, p, sizeof p);
    m_bNormaliDaRifare = true;
}

void CRegistratore::Scala(float x, float y, float z)
{
    m_bNuovaParte = true;
    for (int i = 0; i < 4; ++i)
    {
        m_aMatrice[i] *= x;
        m_aMatrice[4 + i] *= y;
        m_aMatrice[8 + i] *= z;
    }
    m_bNormaliDaRifare = true;
}

void CRegistratore::AggiornaNormali()
{
    // Normals go through the inverse transpose of the upper 3 x 3, as GL
    // transforms them.
    const float* m = m_aMatrice;
    const float a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6],
                i = m[10];
    const float A = e * i - f * h, B = f * g - d * i, C = d * h - e * g;
    const float fDet = a * A + b * B + c * C;
    const float k = fDet != 0.0f ? 1.0f / fDet : 0.0f;
    // Row-major inverse transpose, applied as n' = N n.
    m_aNormali[0] = A * k;
    m_aNormali[1] = B * k;
    m_aNormali[2] = C * k;
    m_aNormali[3] = (c * h - b * i) * k;
    m_aNormali[4] = (a * i - c * g) * k;
    m_aNormali[5] = (b * g - a * h) * k;
    m_aNormali[6] = (b * f - c * e) * k;
    m_aNormali[7] = (c * d - a * f) * k;
    m_aNormali[8] = (a * e - b * d) * k;
    m_bNormaliDaRifare = false;
}

void CRegistratore::Inizia(Modo nModo)
{
    m_nModo = nModo;
    m_nInCorso = 0;
    m_nVerticiPrimitiva = 0;
    if (m_bNormaliDaRifare)
        AggiornaNormali();
    const std::uint8_t nPrimitiva = nModo == LINEE || nModo == SPEZZATA ? PRIMITIVA_LINEE
                                    : nModo == QUADRI || nModo == STRISCIA_QUADRI
                                        ? PRIMITIVA_QUADRI
                                        : PRIMITIVA_TRIANGOLI;
    // A new run wherever the state differs from the last one.
    std::vector<CParte>& parti = m_Maglia.aParti;
    if (!parti.empty() && !m_bNuovaParte)
    {
        const CParte& u = parti.back();
        if (u.nPrimitiva == nPrimitiva && u.nGruppo == m_nGruppo && u.bCulling == m_bCulling &&
            u.bChiuso == m_bChiuso &&
            u.bDueFacce == m_bDueFacce && u.nTexture == m_nTexture &&
            std::memcmp(u.aColore, m_aColore, sizeof m_aColore) == 0 && u.fLinea == m_fLinea)
            return;
    }
    CParte parte;
    parte.nPrimitiva = nPrimitiva;
    parte.nGruppo = m_nGruppo;
    parte.bCulling = m_bCulling;
    parte.bDueFacce = m_bDueFacce;
    parte.bChiuso = m_bChiuso;
    parte.nTexture = static_cast<std::int16_t>(m_nTexture);
    std::memcpy(parte.aColore, m_aColore, sizeof m_aColore);
    parte.fLinea = m_fLinea;
    parte.nPrimo = static_cast<int>(m_Maglia.aVertici.size());
    parti.push_back(parte);
    m_bNuovaParte = false;
}

void CRegistratore::Normale(float x, float y, float z)
{
    m_aNormale[0] = x;
    m_aNormale[1] = y;
    m_aNormale[2] = z;
}

void CRegistratore::CoordTexture(float s, float t)
{
    m_aCoord[0] = s;
    m_aCoord[1] = t;
}

void CRegistratore::Emetti(const CVertice& v)
{
    m_Maglia.aVertici.push_back(v);
    ++m_Maglia.aParti.back().nNumero;
}

void CRegistratore::Vertice(float x, float y, float z)
{
    const float* m = m_aMatrice;
    const float* N = m_aNormali;
    CVertice v;
    v.p[0] = m[0] * x + m[4] * y + m[8] * z + m[12];
    v.p[1] = m[1] * x + m[5] * y + m[9] * z + m[13];
    v.p[2] = m[2] * x + m[6] * y + m[10] * z + m[14];
    const float* n = m_aNormale;
    for (int i = 0; i < 3; ++i)
        v.n[i] = N[i * 3] * n[0] + N[i * 3 + 1] * n[1] + N[i * 3 + 2] * n[2];
    if (m_bNormalizza)
    {
        const float l = std::sqrt(v.n[0] * v.n[0] + v.n[1] * v.n[1] + v.n[2] * v.n[2]);
        if (l > 0.0f)
            for (float& f : v.n)
                f /= l;
    }
    v.t[0] = m_aCoord[0];
    v.t[1] = m_aCoord[1];

    CVertice* q = m_aInCorso;
    ++m_nVerticiPrimitiva;
    switch (m_nModo)
    {
    case QUADRI:
    case TRIANGOLI:
    case LINEE:
        Emetti(v);
        break;
    case STRISCIA_QUADRI:
        q[m_nInCorso++] = v;
        if (m_nInCorso == 4)
        {
            // Each pair after the first closes the quad (0, 1, 3, 2).
            Emetti(q[0]);
            Emetti(q[1]);
            Emetti(q[3]);
            Emetti(q[2]);
            q[0] = q[2];
            q[1] = q[3];
            m_nInCorso = 2;
        }
        break;
    case VENTAGLIO:
        if (m_nVerticiPrimitiva >= 3)
        {
            Emetti(q[0]);
            Emetti(q[1]);
            Emetti(v);
        }
        q[m_nVerticiPrimitiva == 1 ? 0 : 1] = v;
        break;
    case SPEZZATA:
        if (m_nVerticiPrimitiva >= 2)
        {
            Emetti(q[0]);
            Emetti(v);
        }
        q[0] = v;
        break;
    }
}

void CRegistratore::Fine()
{
    // A run left without vertices (an empty primitive) is dropped.
    if (!m_Maglia.aParti.empty() && m_Maglia.aParti.back().nNumero == 0)
        m_Maglia.aParti.pop_back();
    m_nInCorso = 0;
}

void CRegistratore::Scatola(float x0, float x1, float y0, float y1, float z0, float z1)
{
    // freeglut's cube: eight corners, six faces each split (0, 1, 2),
    // (0, 2, 3) and drawn as triangles.
    static const float s_aVertici[8][3] = {{.5f, .5f, .5f},   {-.5f, .5f, .5f},
                                           {-.5f, -.5f, .5f}, {.5f, -.5f, .5f},
                                           {.5f, -.5f, -.5f}, {.5f, .5f, -.5f},
                                           {-.5f, .5f, -.5f}, {-.5f, -.5f, -.5f}};
    static const float s_aNormali[6][3] = {{0, 0, 1},  {1, 0, 0},  {0, 1, 0},
                                           {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
    static const int s_aFacce[6][4] = {{0, 1, 2, 3}, {0, 3, 4, 5}, {0, 5, 6, 1},
                                       {1, 6, 7, 2}, {7, 4, 3, 2}, {4, 7, 6, 5}};
    static const int s_aTriangoli[6] = {0, 1, 2, 0, 2, 3};
    Salva();
    Trasla((x0 + x1) * 0.5f, (y0 + y1) * 0.5f, (z0 + z1) * 0.5f);
    Scala(x1 - x0, y1 - y0, z1 - z0);
    m_bChiuso = true;
    Inizia(TRIANGOLI);
    for (int f = 0; f < 6; ++f)
    {
        Normale(s_aNormali[f][0], s_aNormali[f][1], s_aNormali[f][2]);
        for (const int k : s_aTriangoli)
        {
            const float* p = s_aVertici[s_aFacce[f][k]];
            Vertice(p[0], p[1], p[2]);
        }
    }
    Fine();
    m_bChiuso = false;
    Ripristina();
}

void CRegistratore::Cubo(float x, float y, float z, float fLato)
{
    const float h = fLato * 0.5f;
    const float x0 = x - h, x1 = x + h, y0 = y - h, y1 = y + h, z0 = z - h, z1 = z + h;
    // Each face counter-clockwise seen from outside, as GLUT winds its cube.
    Inizia(QUADRI);
    Normale(1, 0, 0);
    Vertice(x1, y0, z0);
    Vertice(x1, y1, z0);
    Vertice(x1, y1, z1);
    Vertice(x1, y0, z1);
    Normale(-1, 0, 0);
    Vertice(x0, y0, z0);
    Vertice(x0, y0, z1);
    Vertice(x0, y1, z1);
    Vertice(x0, y1, z0);
    Normale(0, 1, 0);
    Vertice(x0, y1, z0);
    Vertice(x0, y1, z1);
    Vertice(x1, y1, z1);
    Vertice(x1, y1, z0);
    Normale(0, -1, 0);
    Vertice(x0, y0, z0);
    Vertice(x1, y0, z0);
    Vertice(x1, y0, z1);
    Vertice(x0, y0, z1);
    Normale(0, 0, 1);
    Vertice(x0, y0, z1);
    Vertice(x1, y0, z1);
    Vertice(x1, y1, z1);
    Vertice(x0, y1, z1);
    Normale(0, 0, -1);
    Vertice(x0, y0, z0);
    Vertice(x0, y1, z0);
    Vertice(x1, y1, z0);
    Vertice(x1, y0, z0);
    Fine();
}

namespace
{
constexpr int MASSIMO_FETTE = 64;
constexpr double PI = 3.14159265358979323846;

// GLU's angle table: the angle kept in single precision, its sine and
// cosine computed in double and kept in single.
void Angoli(int nFette, float* aSin, float* aCos)
{
    for (int i = 0; i < nFette; ++i)
    {
        const float fAngolo = static_cast<float>(2 * PI * i / nFette);
        aSin[i] = static_cast<float>(std::sin(static_cast<double>(fAngolo)));
        aCos[i] = static_cast<float>(std::cos(static_cast<double>(fAngolo)));
    }
    aSin[nFette] = aSin[0];
    aCos[nFette] = aCos[0];
}
}  // namespace

void CRegistratore::Cilindro(double fBase, double fCima, double fAltezza, int nFette, int nPile,
                             bool bTexture, bool bFili)
{
    // GLU's own arithmetic, single and double precision where it has them,
    // so the vertices are those GLU sends.
    if (nFette < 2 || nFette >= MASSIMO_FETTE || nPile < 1 || fBase < 0.0 || fCima < 0.0 ||
        fAltezza < 0.0)
        return;
    const float fDelta = static_cast<float>(fBase - fCima);
    const float fLunghezza =
        static_cast<float>(std::sqrt(static_cast<double>(fDelta * fDelta) + fAltezza * fAltezza));
    if (fLunghezza == 0.0f)
        return;
    const float fNormaleZ = fDelta / fLunghezza;
    const float fRapporto = static_cast<float>(fAltezza / fLunghezza);
    float aSin[MASSIMO_FETTE + 1], aCos[MASSIMO_FETTE + 1];
    float aSinN[MASSIMO_FETTE + 1], aCosN[MASSIMO_FETTE + 1];
    Angoli(nFette, aSin, aCos);
    for (int i = 0; i <= nFette; ++i)
    {
        aSinN[i] = static_cast<float>(fRapporto * static_cast<double>(aSin[i]));
        aCosN[i] = static_cast<float>(fRapporto * static_cast<double>(aCos[i]));
    }
    auto z = [&](int j) { return static_cast<float>(j * fAltezza / nPile); };
    auto raggio = [&](int j) {
        return static_cast<float>(fBase - fDelta * (static_cast<float>(j) / nPile));
    };
    auto vertice = [&](int i, int j) {
        if (bTexture)
            CoordTexture(1 - static_cast<float>(i) / nFette, static_cast<float>(j) / nPile);
        const float r = raggio(j);
        Vertice(r * aSin[i], r * aCos[i], z(j));
    };
    if (!bFili)
    {
        for (int j = 0; j < nPile; ++j)
        {
            Inizia(STRISCIA_QUADRI);
            for (int i = 0; i <= nFette; ++i)
            {
                Normale(aSinN[i], aCosN[i], fNormaleZ);
                vertice(i, j);
                vertice(i, j + 1);
            }
            Fine();
        }
        return;
    }
    // The inner rings, then the two ends, then one line per slice.
    auto anello = [&](int j) {
        Inizia(SPEZZATA);
        for (int i = 0; i <= nFette; ++i)
        {
            Normale(aSinN[i], aCosN[i], fNormaleZ);
            vertice(i, j);
        }
        Fine();
    };
    for (int j = 1; j < nPile; ++j)
        anello(j);
    anello(0);
    anello(nPile);
    for (int i = 0; i < nFette; ++i)
    {
        Normale(aSinN[i], aCosN[i], 0.0f);
        Inizia(SPEZZATA);
        for (int j = 0; j <= nPile; ++j)
            vertice(i, j);
        Fine();
    }
}

void CRegistratore::Disco(double fRaggio, int nFette, int nAnelli, bool bTexture, bool bFili)
{
    if (nFette < 2 || nFette >= MASSIMO_FETTE || nAnelli < 1 || fRaggio <= 0.0)
        return;
    const float fDelta = static_cast<float>(fRaggio);
    float aSin[MASSIMO_FETTE + 1], aCos[MASSIMO_FETTE + 1];
    for (int i = 0; i <= nFette; ++i)
    {
        const float fAngolo = static_cast<float>((PI * 360.0 / 180.0) * i / nFette);
        aSin[i] = static_cast<float>(std::sin(static_cast<double>(fAngolo)));
        aCos[i] = static_cast<float>(std::cos(static_cast<double>(fAngolo)));
    }
    aSin[nFette] = aSin[0];
    aCos[nFette] = aCos[0];
    auto raggio = [&](int j) {
        return static_cast<float>(fRaggio - fDelta * (static_cast<float>(j) / nAnelli));
    };
    auto vertice = [&](int i, float r) {
        if (bTexture)
        {
            const float t = static_cast<float>(r / fRaggio / 2);
            CoordTexture(static_cast<float>(t * aSin[i] + 0.5), static_cast<float>(t * aCos[i] + 0.5));
        }
        Vertice(r * aSin[i], r * aCos[i], 0.0f);
    };
    Normale(0.0f, 0.0f, 1.0f);
    if (bFili)
    {
        for (int j = 0; j <= nAnelli; ++j)
        {
            Inizia(SPEZZATA);
            for (int i = 0; i <= nFette; ++i)
                vertice(i, raggio(j));
            Fine();
        }
        for (int i = 0; i < nFette; ++i)
        {
            Inizia(SPEZZATA);
            for (int j = 0; j <= nAnelli; ++j)
                vertice(i, raggio(j));
            Fine();
        }
        return;
    }
    // The centre as a fan, wound the other way round, then the rings.
    Inizia(VENTAGLIO);
    if (bTexture)
        CoordTexture(0.5f, 0.5f);
    Vertice(0.0f, 0.0f, 0.0f);
    const float fInterno = raggio(nAnelli - 1);
    for (int i = nFette; i >= 0; --i)
        vertice(i, fInterno);
    Fine();
    for (int j = 0; j < nAnelli - 1; ++j)
    {
        Inizia(STRISCIA_QUADRI);
        for (int i = 0; i <= nFette; ++i)
        {
            vertice(i, raggio(j));
            vertice(i, raggio(j + 1));
        }
        Fine();
    }
}

unsigned int Primitiva(std::uint8_t nPrimitiva)
{
    return nPrimitiva == PRIMITIVA_LINEE    ? GL_LINES
           : nPrimitiva == PRIMITIVA_QUADRI ? GL_QUADS
                                            : GL_TRIANGLES;
}

void DisegnaMaglia(const CMaglia& maglia, const CContestoDisegno& contesto)
{
    if (maglia.aParti.empty())
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_LINE_BIT | GL_CURRENT_BIT |
                 GL_TEXTURE_BIT | GL_POLYGON_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    float m[16];
    maglia.collocazione.Matrice(m);
    glMultMatrixf(m);

    const CVertice* v = maglia.aVertici.data();
    const GLsizei nPasso = sizeof(CVertice);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, nPasso, v->p);
    glNormalPointer(GL_FLOAT, nPasso, v->n);
    glTexCoordPointer(2, GL_FLOAT, nPasso, v->t);
    // The normals are already as the lighting needs them.
    glDisable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    for (const CParte& p : maglia.aParti)
    {
        if (p.nTexture >= 0 && IsTextureValida(p.nTexture) && contesto.aTexture)
        {
            glBindTexture(GL_TEXTURE_2D, contesto.aTexture[p.nTexture]);
            glEnable(GL_TEXTURE_2D);
        }
        else
        {
            glDisable(GL_TEXTURE_2D);
        }
        glColor4fv(p.aColore);
        if (p.bCulling)
            glEnable(GL_CULL_FACE);
        else
            glDisable(GL_CULL_FACE);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, p.bDueFacce ? 1 : 0);
        glLineWidth(p.fLinea * contesto.fFattoreScala);
        glDrawArrays(Primitiva(p.nPrimitiva), p.nPrimo, p.nNumero);
    }

    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

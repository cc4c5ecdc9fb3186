#include "view/DisegnoScena.h"

#include "model/Contenitori.h"
#include "model/Maglia.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr int VISTA_PIANTINA_CONTESTO = 1;
constexpr int LUCI_GL = 8;

// Marks the selected object in the plan: two rows of 0xE3, two of 0x1C.
struct CRetinatura
{
    GLubyte aRighe[32 * 4];
    CRetinatura()
    {
        for (int r = 0; r < 32; ++r)
            for (int b = 0; b < 4; ++b)
                aRighe[r * 4 + b] = (r / 2) % 2 == 0 ? 0xE3 : 0x1C;
    }
};
const CRetinatura s_Retinatura;

// How a frame's colours come about.
enum
{
    SENZA_LUCI,    // lighting off: the plain colours
    LUCE_CALCOLATA,  // the lit colours kept from an earlier frame
    LUCE_GL          // the lights are moving: GL lights every vertex
};
}  // namespace

void ImpostaGL(const CContestoDisegno& c, CScena* pScena, unsigned int* aTexture)
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonStipple(s_Retinatura.aRighe);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);

    glGenTextures(NUMERO_TEXTURE, aTexture);
    for (int i = 0; i < NUMERO_TEXTURE; ++i)
    {
        glBindTexture(GL_TEXTURE_2D, aTexture[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, LATO_TEXTURE, LATO_TEXTURE, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, g_aImmaginiTexture[i]);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    }
    glBindTexture(GL_TEXTURE_2D, 0);

    if (pScena)
    {
        pScena->m_Stanza.ApplicaFiltri(aTexture);
        pScena->ApplicaLuci();
    }
    const bool b3D = c.nVista != VISTA_PIANTINA_CONTESTO;
    if (c.bLuci && b3D)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    if (c.bTextures && b3D)
        glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, c.bWireframe ? GL_LINE : GL_FILL);
    if (c.bAntialiasing)
        glEnable(GL_LINE_SMOOTH);
}

void ImpostaProiezione(const CContestoDisegno& c)
{
    // A collapsed window (zero width or height) keeps a valid projection.
    const double w = std::max(1.0f, c.fLarghezza);
    const double h = std::max(1.0f, c.fAltezza);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (const int* t = c.pTassello)
    {
        // Maps the tile's part of the picture onto the whole viewport.
        const double tw = t[2], th = t[3];
        glTranslated((w - 2.0 * t[0] - tw) / tw, (h - 2.0 * t[1] - th) / th, 0.0);
        glScaled(w / tw, h / th, 1.0);
    }
    const bool bPiantina = c.nVista == VISTA_PIANTINA_CONTESTO;
    if (bPiantina)
        gluOrtho2D(0.0, w, 0.0, h);
    else
        gluPerspective(60.0, w / h, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (bPiantina)
    {
        glDisable(GL_DEPTH_TEST);
    }
    else
    {
        glEnable(GL_DEPTH_TEST);
        glCullFace(GL_BACK);
    }
}

void ApplicaTelecamera(const CContestoDisegno& c)
{
    glTranslated(c.aTraslazione[0], c.aTraslazione[1], c.aTraslazione[2]);
    glRotatef(c.fRotX, 1.0f, 0.0f, 0.0f);
    glRotatef(c.fRotY, 0.0f, 1.0f, 0.0f);
    glTranslatef(c.aCentro[0], c.aCentro[1], c.aCentro[2]);
}

// The lighting GL would apply, in room coordinates: what a lit colour
// depends on. Floats only, so two of them compare byte for byte.
struct CDisegnoScena::CIlluminazione
{
    struct CLuce
    {
        float fAccesa;
        float aPosizione[4];
        float aAmbiente[4];
        float aDiffusa[4];
        float aSpot[3];
        float fTaglio, fEsponente;
        float aAttenuazione[3];
    };
    CLuce aLuci[LUCI_GL];
    float aAmbienteModello[4];
    float aAmbiente[4];   // the front material's
    float aEmissione[4];
    // Anything the colours computed here cannot follow (a specular
    // material, a colour tracking something else than the front diffuse):
    // GL lights the frame itself.
    float fSoloGL;
};

// One piece (or the room, first) as laid out in the frame's arrays.
struct CDisegnoScena::CPezzo
{
    const COggetto* pOggetto;
    const CMaglia* pMaglia;
    unsigned int nVersione;
    int nPrimoVertice, nVertici;
    int nPrimaParte, nParti;
    bool bLuceValida;
};

struct CDisegnoScena::CParteScena
{
    std::uint8_t nPrimitiva;
    bool bCulling, bChiuso, bDueFacce, bStanza;
    std::int16_t nTexture;
    float fLinea;
    int nPrimo, nNumero;
    // Lit by GL in every frame: the faces lit on both sides, whose side GL
    // picks itself, and normals longer than unit (a door's slab), whose
    // specular power overflows in GL and turns them white at some angles.
    bool bLuceGL;
    // Not drawn this frame: out of the picture, or hidden in the room.
    bool bNascosta;
    // Quads split on their second diagonal: GL splits so every quad of a
    // draw that needs clipping, and each run of a piece once went out as a
    // draw of its own.
    bool bQuadri, bTagliato;
    float aMinimo[3], aMassimo[3];
};

// Consecutive runs in the same state: one draw.
struct CDisegnoScena::CLotto
{
    const CParteScena* pStato;
    int nPrimo, nNumero;
};

CDisegnoScena::CDisegnoScena()
    : m_pIlluminazione(new CIlluminazione()), m_pPrecedente(new CIlluminazione())
{
}

CDisegnoScena::~CDisegnoScena()
{
    delete m_pIlluminazione;
    delete m_pPrecedente;
}

namespace
{
// The inverse of an affine column-major matrix.
void Inverti(const float* m, float* r)
{
    const float a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6],
                i = m[10];
    const float A = e * i - f * h, B = f * g - d * i, C = d * h - e * g;
    const float fDet = a * A + b * B + c * C;
    const float k = fDet != 0.0f ? 1.0f / fDet : 0.0f;
    r[0] = A * k, r[4] = (c * h - b * i) * k, r[8] = (b * f - c * e) * k;
    r[1] = B * k, r[5] = (a * i - c * g) * k, r[9] = (c * d - a * f) * k;
    r[2] = C * k, r[6] = (b * g - a * h) * k, r[10] = (a * e - b * d) * k;
    r[3] = r[7] = r[11] = 0.0f;
    r[15] = 1.0f;
    for (int j = 0; j < 3; ++j)
        r[12 + j] = -(r[j] * m[12] + r[4 + j] * m[13] + r[8 + j] * m[14]);
}

void Applica(const float* m, const float* v, float w, float* r)
{
    for (int j = 0; j < 3; ++j)
        r[j] = m[j] * v[0] + m[4 + j] * v[1] + m[8 + j] * v[2] + m[12 + j] * w;
}

// Whether a point falls outside the clip volume of a projection times
// model-view matrix.
bool IsFuori(const float* m, float x, float y, float z)
{
    float c[4];
    for (int j = 0; j < 4; ++j)
        c[j] = m[j] * x + m[4 + j] * y + m[8 + j] * z + m[12 + j];
    return !(std::fabs(c[0]) <= c[3] && std::fabs(c[1]) <= c[3] && std::fabs(c[2]) <= c[3]);
}

// Vertices a run takes in the frame's arrays: a quad goes as two triangles.
int VerticiDisegnati(const CParte& p)
{
    return p.nPrimitiva == PRIMITIVA_QUADRI ? p.nNumero / 4 * 6 : p.nNumero;
}

int VerticiDisegnati(const CMaglia& m)
{
    int n = 0;
    for (const CParte& p : m.aParti)
        n += VerticiDisegnati(p);
    return n;
}

// The corners of quad (a, b, c, d) in the order GL splits it, and which
// vertices start an edge of the quad (the diagonal stays hidden in
// wireframe): (a, b, c), (a, c, d); or, clipped, (a, b, d), (b, c, d).
const int s_aDivisione[2][6] = {{0, 1, 2, 0, 2, 3}, {0, 1, 3, 1, 2, 3}};
const unsigned char s_aBordi[2][6] = {{1, 1, 0, 0, 1, 1}, {1, 0, 1, 1, 1, 0}};

// GL's lighting of one vertex: emission, the model's ambient, and for each
// light its ambient and diffuse terms, attenuated and cut by the spot. The
// normal is used as it is, unit or not, as GL does without normalisation.
void Colora(const CDisegnoScena::CIlluminazione& il, const float* p, const float* n,
            const float* pDiffusa, float* r)
{
    const float* A = il.aAmbiente;
    for (int k = 0; k < 3; ++k)
        r[k] = il.aEmissione[k] + A[k] * il.aAmbienteModello[k];
    for (const CDisegnoScena::CIlluminazione::CLuce& l : il.aLuci)
    {
        if (l.fAccesa == 0.0f)
            continue;
        float L[3], fFattore = 1.0f;
        if (l.aPosizione[3] == 0.0f)
        {
            const float q = std::sqrt(l.aPosizione[0] * l.aPosizione[0] +
                                      l.aPosizione[1] * l.aPosizione[1] +
                                      l.aPosizione[2] * l.aPosizione[2]);
            for (int k = 0; k < 3; ++k)
                L[k] = q > 0.0f ? l.aPosizione[k] / q : 0.0f;
        }
        else
        {
            float d2 = 0.0f;
            for (int k = 0; k < 3; ++k)
            {
                L[k] = l.aPosizione[k] / l.aPosizione[3] - p[k];
                d2 += L[k] * L[k];
            }
            const float d = std::sqrt(d2);
            if (d > 0.0f)
                for (float& f : L)
                    f /= d;
            fFattore = 1.0f / (l.aAttenuazione[0] + l.aAttenuazione[1] * d + l.aAttenuazione[2] * d2);
            if (l.fTaglio != 180.0f)
            {
                const float q = std::sqrt(l.aSpot[0] * l.aSpot[0] + l.aSpot[1] * l.aSpot[1] +
                                          l.aSpot[2] * l.aSpot[2]);
                const float fCos =
                    q > 0.0f ? -(L[0] * l.aSpot[0] + L[1] * l.aSpot[1] + L[2] * l.aSpot[2]) / q : 0.0f;
                fFattore *= fCos >= std::cos(l.fTaglio * 3.14159265f / 180.0f)
                                ? std::pow(std::max(fCos, 0.0f), l.fEsponente)
                                : 0.0f;
            }
        }
        const float fDiffusa = std::max(0.0f, n[0] * L[0] + n[1] * L[1] + n[2] * L[2]);
        for (int k = 0; k < 3; ++k)
            r[k] += fFattore * (A[k] * l.aAmbiente[k] + fDiffusa * pDiffusa[k] * l.aDiffusa[k]);
    }
    for (int k = 0; k < 3; ++k)
        r[k] = std::min(1.0f, std::max(0.0f, r[k]));
    r[3] = std::min(1.0f, std::max(0.0f, pDiffusa[3]));
}
}  // namespace

bool CDisegnoScena::IsFuoriVista(const CParteScena& p, const float* aClip)
{
    // Wholly beyond one plane of the clip volume: nothing of it reaches the
    // picture.
    bool aFuori[6] = {true, true, true, true, true, true};
    for (int i = 0; i < 8; ++i)
    {
        const float v[3] = {(i & 1 ? p.aMassimo : p.aMinimo)[0], (i & 2 ? p.aMassimo : p.aMinimo)[1],
                            (i & 4 ? p.aMassimo : p.aMinimo)[2]};
        float q[4];
        for (int j = 0; j < 4; ++j)
            q[j] = aClip[j] * v[0] + aClip[4 + j] * v[1] + aClip[8 + j] * v[2] + aClip[12 + j];
        for (int j = 0; j < 3; ++j)
        {
            aFuori[j * 2] = aFuori[j * 2] && q[j] > q[3];
            aFuori[j * 2 + 1] = aFuori[j * 2 + 1] && q[j] < -q[3];
        }
    }
    return std::any_of(aFuori, aFuori + 6, [](bool b) { return b; });
}

bool CDisegnoScena::IsTagliato(const CParteScena& p, const float* aClip) const
{
    // The box around the run first: most lie wholly in view.
    bool bFuori = false;
    for (int i = 0; i < 8 && !bFuori; ++i)
        bFuori = IsFuori(aClip, (i & 1 ? p.aMassimo : p.aMinimo)[0],
                         (i & 2 ? p.aMassimo : p.aMinimo)[1], (i & 4 ? p.aMassimo : p.aMinimo)[2]);
    for (int i = p.nPrimo; bFuori && i < p.nPrimo + p.nNumero; ++i)
    {
        const float* v = &m_aPosizioni[static_cast<std::size_t>(i) * 3];
        if (IsFuori(aClip, v[0], v[1], v[2]))
            return true;
    }
    return false;
}

void CDisegnoScena::LeggiIlluminazione(CIlluminazione& il) const
{
    std::memset(&il, 0, sizeof il);
    float aInversa[16];
    Inverti(m_aTelecamera, aInversa);
    for (int i = 0; i < LUCI_GL; ++i)
    {
        CIlluminazione::CLuce& l = il.aLuci[i];
        const GLenum L = static_cast<GLenum>(GL_LIGHT0 + i);
        if (!glIsEnabled(L))
            continue;
        l.fAccesa = 1.0f;
        float aOcchio[4], aSpot[3];
        glGetLightfv(L, GL_POSITION, aOcchio);
        if (m_aMobili[i])
            std::memcpy(l.aPosizione, m_aPosizioniMobili[i], sizeof l.aPosizione);
        else
        {
            // Fixed to the eye: where the camera has it in the room now.
            Applica(aInversa, aOcchio, aOcchio[3], l.aPosizione);
            l.aPosizione[3] = aOcchio[3];
        }
        glGetLightfv(L, GL_AMBIENT, l.aAmbiente);
        glGetLightfv(L, GL_DIFFUSE, l.aDiffusa);
        glGetLightfv(L, GL_SPOT_DIRECTION, aSpot);
        Applica(aInversa, aSpot, 0.0f, l.aSpot);
        glGetLightfv(L, GL_SPOT_CUTOFF, &l.fTaglio);
        glGetLightfv(L, GL_SPOT_EXPONENT, &l.fEsponente);
        glGetLightfv(L, GL_CONSTANT_ATTENUATION, &l.aAttenuazione[0]);
        glGetLightfv(L, GL_LINEAR_ATTENUATION, &l.aAttenuazione[1]);
        glGetLightfv(L, GL_QUADRATIC_ATTENUATION, &l.aAttenuazione[2]);
    }
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, il.aAmbienteModello);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, il.aAmbiente);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, il.aEmissione);
    float aSpeculare[4];
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, aSpeculare);
    GLint nFaccia = 0, nParametro = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_FACE, &nFaccia);
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &nParametro);
    const bool bSpeculare = aSpeculare[0] != 0.0f || aSpeculare[1] != 0.0f || aSpeculare[2] != 0.0f;
    il.fSoloGL = bSpeculare || nFaccia != GL_FRONT || nParametro != GL_DIFFUSE ? 1.0f : 0.0f;
}

void CDisegnoScena::Trasforma(std::size_t nPezzo)
{
    CPezzo& z = m_aPezzi[nPezzo];
    int nPrimo = z.nPrimoVertice;
    for (int k = 0; k < z.nParti; ++k)
    {
        const CParte& p = z.pMaglia->aParti[static_cast<std::size_t>(k)];
        CParteScena& s = m_aParti[static_cast<std::size_t>(z.nPrimaParte + k)];
        s = {p.nPrimitiva == PRIMITIVA_LINEE ? PRIMITIVA_LINEE : PRIMITIVA_TRIANGOLI,
             p.bCulling, p.bChiuso, p.bDueFacce, z.pOggetto == nullptr, p.nTexture, p.fLinea, nPrimo,
             VerticiDisegnati(p), p.bDueFacce, false, p.nPrimitiva == PRIMITIVA_QUADRI, false, {}, {}};
        for (int i = p.nPrimo; i < p.nPrimo + p.nNumero && !s.bLuceGL; ++i)
        {
            const float* n = z.pMaglia->aVertici[static_cast<std::size_t>(i)].n;
            s.bLuceGL = n[0] * n[0] + n[1] * n[1] + n[2] * n[2] > 1.5f;
        }
        Espandi(z, k);
        nPrimo += s.nNumero;
    }
    z.bLuceValida = false;
}

void CDisegnoScena::Espandi(const CPezzo& z, int nParte)
{
    const CMaglia& m = *z.pMaglia;
    const CParte& p = m.aParti[static_cast<std::size_t>(nParte)];
    CParteScena& s = m_aParti[static_cast<std::size_t>(z.nPrimaParte + nParte)];
    float M[16];
    m.collocazione.Matrice(M);
    std::size_t j = static_cast<std::size_t>(s.nPrimo);
    for (int k = 0; k < 3; ++k)
    {
        s.aMinimo[k] = 1e30f;
        s.aMassimo[k] = -1e30f;
    }
    auto copia = [&](const CVertice& v, unsigned char bBordo) {
        float* q = &m_aPosizioni[j * 3];
        Applica(M, v.p, 1.0f, q);
        Applica(M, v.n, 0.0f, &m_aNormali[j * 3]);
        m_aCoord[j * 2] = v.t[0];
        m_aCoord[j * 2 + 1] = v.t[1];
        m_aBordi[j] = bBordo;
        std::memcpy(&m_aTinte[j * 4], p.aColore, sizeof p.aColore);
        for (int k = 0; k < 3; ++k)
        {
            s.aMinimo[k] = std::min(s.aMinimo[k], q[k]);
            s.aMassimo[k] = std::max(s.aMassimo[k], q[k]);
        }
        ++j;
    };
    const CVertice* v = &m.aVertici[static_cast<std::size_t>(p.nPrimo)];
    const int nDivisione = s.bTagliato ? 1 : 0;
    if (s.bQuadri)
        for (int q = 0; q + 3 < p.nNumero; q += 4)
            for (int i = 0; i < 6; ++i)
                copia(v[q + s_aDivisione[nDivisione][i]], s_aBordi[nDivisione][i]);
    else
        for (int i = 0; i < p.nNumero; ++i)
            copia(v[i], 1);
}

void CDisegnoScena::Illumina(std::size_t nPezzo)
{
    CPezzo& z = m_aPezzi[nPezzo];
    for (int k = 0; k < z.nParti; ++k)
    {
        const CParteScena& p = m_aParti[static_cast<std::size_t>(z.nPrimaParte + k)];
        // Decal textures replace the lit colour: nothing to compute there.
        if (p.nTexture >= 0 || p.bLuceGL)
            continue;
        for (int i = p.nPrimo; i < p.nPrimo + p.nNumero; ++i)
        {
            const std::size_t j = static_cast<std::size_t>(i);
            Colora(*m_pIlluminazione, &m_aPosizioni[j * 3], &m_aNormali[j * 3], &m_aTinte[j * 4],
                   &m_aLuce[j * 4]);
        }
    }
    z.bLuceValida = true;
}

void CDisegnoScena::Raccogli(CScena& scena, const CContestoDisegno& c)
{
    // This frame's meshes: the room, then the pieces in container order.
    m_aMaglie.clear();
    m_aOggetti.clear();
    m_aMaglie.push_back(&scena.m_Stanza.Maglia(c));
    m_aOggetti.push_back(nullptr);
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    for (int i = 0, n = oggetti.GetNumero(); i < n && p; ++i, oggetti.GetSuccessivo(p))
    {
        m_aMaglie.push_back(&p->Maglia(c));
        m_aOggetti.push_back(p);
    }
    auto versione = [&](std::size_t i) {
        return m_aOggetti[i] ? m_aOggetti[i]->GetVersioneMaglia()
                             : scena.m_Stanza.GetVersioneMaglia();
    };

    // The same pieces with as many vertices and runs as before: only those
    // rebuilt since are laid out again, in place.
    bool bStessa = m_aPezzi.size() == m_aMaglie.size();
    for (std::size_t i = 0; bStessa && i < m_aMaglie.size(); ++i)
    {
        const CPezzo& z = m_aPezzi[i];
        bStessa = z.pOggetto == m_aOggetti[i] && z.pMaglia == m_aMaglie[i] &&
                  z.nVertici == VerticiDisegnati(*m_aMaglie[i]) &&
                  z.nParti == static_cast<int>(m_aMaglie[i]->aParti.size());
    }
    if (bStessa)
    {
        for (std::size_t i = 0; i < m_aPezzi.size(); ++i)
            if (m_aPezzi[i].nVersione != versione(i))
            {
                m_aPezzi[i].nVersione = versione(i);
                Trasforma(i);
            }
        return;
    }
    m_aPezzi.clear();
    int nVertici = 0, nParti = 0;
    for (std::size_t i = 0; i < m_aMaglie.size(); ++i)
    {
        const CMaglia& m = *m_aMaglie[i];
        const int n = VerticiDisegnati(m);
        m_aPezzi.push_back({m_aOggetti[i], &m, versione(i), nVertici, n, nParti,
                            static_cast<int>(m.aParti.size()), false});
        nVertici += n;
        nParti += static_cast<int>(m.aParti.size());
    }
    const std::size_t n = static_cast<std::size_t>(nVertici);
    m_aPosizioni.resize(n * 3);
    m_aNormali.resize(n * 3);
    m_aCoord.resize(n * 2);
    m_aBordi.resize(n);
    m_aTinte.resize(n * 4);
    m_aLuce.resize(n * 4);
    m_aParti.resize(static_cast<std::size_t>(nParti));
    for (std::size_t i = 0; i < m_aPezzi.size(); ++i)
        Trasforma(i);
}

void CDisegnoScena::Inquadra(const CStanza& stanza, const CContestoDisegno& c)
{
    float aProiezione[16], aClip[16];
    glGetFloatv(GL_PROJECTION_MATRIX, aProiezione);
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < 4; ++r)
            aClip[k * 4 + r] = aProiezione[r] * m_aTelecamera[k * 4] +
                               aProiezione[4 + r] * m_aTelecamera[k * 4 + 1] +
                               aProiezione[8 + r] * m_aTelecamera[k * 4 + 2] +
                               aProiezione[12 + r] * m_aTelecamera[k * 4 + 3];
    // Seen from outside, a room showing all its walls and its ceiling is a
    // closed box whose faces towards the camera are drawn filled even in
    // wireframe: nothing behind them can show. Margins keep clear of faces
    // the depth buffer cannot tell from those walls, and the near plane
    // away from them.
    float aInversa[16];
    Inverti(m_aTelecamera, aInversa);
    const float* o = &aInversa[12];
    const float aStanza[3] = {stanza.GetLarghezza(), stanza.GetAltezza(), stanza.GetProfondita()};
    float fDistanza = 0.0f;
    for (int k = 0; k < 3; ++k)
    {
        const float d = std::max({0.0f, -o[k], o[k] - aStanza[k]});
        fDistanza += d * d;
    }
    const bool bChiusa = stanza.GetParetiVisibili(c) == PARETI_TUTTE && stanza.IsScatola() &&
                         fDistanza > 0.2f * 0.2f;
    for (CPezzo& z : m_aPezzi)
        for (int k = 0; k < z.nParti; ++k)
        {
            CParteScena& p = m_aParti[static_cast<std::size_t>(z.nPrimaParte + k)];
            bool bDentro = bChiusa && z.pOggetto;
            for (int a = 0; a < 3 && bDentro; ++a)
                bDentro = p.aMinimo[a] >= 0.0f && p.aMassimo[a] <= aStanza[a] &&
                          (o[a] >= 0.0f || p.aMinimo[a] > 0.02f) &&
                          (o[a] <= aStanza[a] || p.aMassimo[a] < aStanza[a] - 0.02f);
            p.bNascosta = bDentro || IsFuoriVista(p, aClip);
            // The runs GL would clip have their quads split the other way.
            if (!p.bQuadri)
                continue;
            const bool bTagliato = IsTagliato(p, aClip);
            if (bTagliato != p.bTagliato)
            {
                p.bTagliato = bTagliato;
                Espandi(z, k);
                z.bLuceValida = false;
            }
        }
}

int CDisegnoScena::Illuminazione()
{
    if (!glIsEnabled(GL_LIGHTING))
        return SENZA_LUCI;
    // The lit colours stay while the lights stand still in the room; lights
    // that move from frame to frame (fixed to the eye while the camera
    // turns) are left to GL, and computed again once they stop.
    CIlluminazione il;
    LeggiIlluminazione(il);
    const bool bComeCalcolata = std::memcmp(&il, m_pIlluminazione, sizeof il) == 0;
    const bool bFerma = std::memcmp(&il, m_pPrecedente, sizeof il) == 0;
    *m_pPrecedente = il;
    if (il.fSoloGL != 0.0f || (!bComeCalcolata && !bFerma))
        return LUCE_GL;
    if (!bComeCalcolata)
    {
        *m_pIlluminazione = il;
        for (CPezzo& z : m_aPezzi)
            z.bLuceValida = false;
    }
    for (std::size_t i = 0; i < m_aPezzi.size(); ++i)
        if (!m_aPezzi[i].bLuceValida)
            Illumina(i);
    return LUCE_CALCOLATA;
}

void CDisegnoScena::Disegna(const CLotto& lotto, int nModo, const CContestoDisegno& c)
{
    const CParteScena& s = *lotto.pStato;
    if (s.nTexture >= 0 && IsTextureValida(s.nTexture) && c.aTexture)
    {
        glBindTexture(GL_TEXTURE_2D, c.aTexture[s.nTexture]);
        glEnable(GL_TEXTURE_2D);
    }
    else
    {
        glDisable(GL_TEXTURE_2D);
    }
    if (s.bCulling || (s.bChiuso && m_bPieno))
        glEnable(GL_CULL_FACE);
    else
        glDisable(GL_CULL_FACE);
    glLineWidth(s.fLinea * c.fFattoreScala);
    const bool bLuceGL = nModo == LUCE_GL || (nModo == LUCE_CALCOLATA && s.bLuceGL);
    if (bLuceGL)
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, s.bDueFacce ? 1 : 0);
    if (nModo == LUCE_CALCOLATA && s.bLuceGL)
    {
        glEnable(GL_LIGHTING);
        glColorPointer(4, GL_FLOAT, 0, m_aTinte.data());
    }
    GLint aModo[2] = {GL_FILL, GL_FILL};
    if (s.bStanza)
    {
        // Back faces stay filled even in wireframe, so the room keeps its
        // shape.
        glGetIntegerv(GL_POLYGON_MODE, aModo);
        glPolygonMode(GL_BACK, GL_FILL);
    }
    glDrawArrays(Primitiva(s.nPrimitiva), lotto.nPrimo, lotto.nNumero);
    ++m_nChiamate;
    if (s.bStanza)
        glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(aModo[0]));
    if (nModo == LUCE_CALCOLATA && s.bLuceGL)
    {
        glDisable(GL_LIGHTING);
        glColorPointer(4, GL_FLOAT, 0, m_aLuce.data());
    }
}

void CDisegnoScena::Disegna3D(CScena& scena, const CContestoDisegno& c)
{
    // Lights that are not fixed keep their place in the room as the camera
    // turns: their position goes to GL again under the camera transform.
    std::fill(std::begin(m_aMobili), std::end(m_aMobili), false);
    CContenitori& luci = scena.m_Luci;
    const int nLuci = luci.GetNumero();
    COggetto* pLuce = nullptr;
    luci.GetElemento(1, pLuce);
    for (int i = 1; i <= nLuci && pLuce; ++i, luci.GetSuccessivo(pLuce))
    {
        const int nGL = nLuci - i;
        if (pLuce->GetFissa() || nGL >= LUCI_GL)
            continue;
        float* p = m_aPosizioniMobili[nGL];
        p[0] = pLuce->GetX();
        p[1] = pLuce->GetZ();
        p[2] = pLuce->GetY();
        p[3] = pLuce->GetDirezionale() ? 0.0f : 1.0f;
        glLightfv(static_cast<GLenum>(GL_LIGHT0 + nGL), GL_POSITION, p);
        m_aMobili[nGL] = true;
    }
    glGetFloatv(GL_MODELVIEW_MATRIX, m_aTelecamera);

    Raccogli(scena, c);
    Inquadra(scena.m_Stanza, c);
    const int nModo = Illuminazione();
    m_bLuceCalcolata = nModo == LUCE_CALCOLATA;

    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_LINE_BIT | GL_CURRENT_BIT |
                 GL_TEXTURE_BIT | GL_POLYGON_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, m_aPosizioni.data());
    glNormalPointer(GL_FLOAT, 0, m_aNormali.data());
    glTexCoordPointer(2, GL_FLOAT, 0, m_aCoord.data());
    GLint aRiempimento[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, aRiempimento);
    m_bPieno = aRiempimento[0] == GL_FILL && aRiempimento[1] == GL_FILL;
    if (!m_bPieno)
    {
        // Outlines: the diagonals of split quads stay hidden.
        glEnableClientState(GL_EDGE_FLAG_ARRAY);
        glEdgeFlagPointer(0, m_aBordi.data());
    }
    // The normals are already as the lighting needs them; the colours
    // become the diffuse material where GL lights.
    glDisable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    if (nModo == LUCE_CALCOLATA)
        glDisable(GL_LIGHTING);
    glColorPointer(4, GL_FLOAT, 0, nModo == LUCE_CALCOLATA ? m_aLuce.data() : m_aTinte.data());

    // Runs that follow each other in the same state go out as one draw;
    // the openings on walls the room does not show break the run.
    m_nChiamate = 0;
    CLotto lotto{nullptr, 0, 0};
    auto uguale = [](const CParteScena& a, const CParteScena& b) {
        return a.nPrimitiva == b.nPrimitiva && a.bCulling == b.bCulling && a.bChiuso == b.bChiuso &&
               a.bDueFacce == b.bDueFacce && a.bStanza == b.bStanza && a.nTexture == b.nTexture &&
               a.fLinea == b.fLinea && a.bLuceGL == b.bLuceGL;
    };
    auto chiudi = [&]() {
        if (lotto.pStato && lotto.nNumero > 0)
            Disegna(lotto, nModo, c);
        lotto = {nullptr, 0, 0};
    };
    for (const CPezzo& z : m_aPezzi)
    {
        if (z.pOggetto && !z.pOggetto->IsVisibile3D(c))
        {
            chiudi();
            continue;
        }
        for (int k = 0; k < z.nParti; ++k)
        {
            const CParteScena& p = m_aParti[static_cast<std::size_t>(z.nPrimaParte + k)];
            if (p.bNascosta)
            {
                chiudi();
                continue;
            }
            if (lotto.pStato && uguale(*lotto.pStato, p) && lotto.nPrimo + lotto.nNumero == p.nPrimo)
            {
                lotto.nNumero += p.nNumero;
                continue;
            }
            chiudi();
            lotto = {&p, p.nPrimo, p.nNumero};
        }
    }
    chiudi();

    glPopClientAttrib();
    glPopAttrib();
}

void CDisegnoScena::DisegnaPiantina(CScena& scena, const CContestoDisegno& c) const
{
    glEnable(GL_BLEND);
    scena.m_Stanza.DisegnaPiantina(c);

    CContenitori& luci = scena.m_Luci;
    COggetto* p = nullptr;
    luci.GetElemento(1, p);
    for (int i = 0, n = luci.GetNumero(); i < n && p; ++i, luci.GetSuccessivo(p))
        if (!p->GetFissa())
            p->DisegnaPiantina(c);

    CContenitori& oggetti = scena.m_Oggetti;
    oggetti.GetElemento(1, p);
    for (int i = 0, n = oggetti.GetNumero(); i < n && p; ++i, oggetti.GetSuccessivo(p))
    {
        const bool bSelezionato = p->IsSelezionato();
        if (bSelezionato)
            glEnable(GL_POLYGON_STIPPLE);
        p->DisegnaPiantina(c);
        if (bSelezionato)
            glDisable(GL_POLYGON_STIPPLE);
    }
    glDisable(GL_BLEND);
}

void CDisegnoScena::DisegnaImmagine(CScena& scena, const CContestoDisegno& c)
{
    ImpostaProiezione(c);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    if (c.nVista == VISTA_PIANTINA_CONTESTO)
    {
        glTranslatef(c.aOrigine[0], c.aOrigine[1], 0.0f);
        DisegnaPiantina(scena, c);
    }
    else
    {
        ApplicaTelecamera(c);
        Disegna3D(scena, c);
    }
    glPopMatrix();
}

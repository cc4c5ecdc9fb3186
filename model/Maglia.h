#pragma once
// The room and the pieces as geometry: triangles and lines with their
// normals, texture coordinates, colour and texture, in the piece's own
// frame, with the same tessellation the 3D view has always drawn (GLUT's
// cube for boxes, GLU's slices and stacks for round parts). Built once per
// change; the 3D view draws it in few batches and the 3D export writes it.
#include <cstdint>
#include <vector>

struct CContestoDisegno;

// Quads stay quads: GL splits one on either diagonal depending on whether
// its draw needs clipping, and lit colours follow the split.
enum : std::uint8_t
{
    PRIMITIVA_TRIANGOLI = 0,
    PRIMITIVA_QUADRI = 1,
    PRIMITIVA_LINEE = 2
};

struct CVertice
{
    float p[3];  // position
    // Normal as the lighting sees it: unit where the drawing normalised,
    // otherwise scaled with the shape (a door's frame slab is drawn so).
    float n[3];
    float t[2];  // texture coordinates
};

// A run of vertices drawn in one state.
struct CParte
{
    std::uint8_t nPrimitiva = PRIMITIVA_TRIANGOLI;
    // Surfaces that stay apart even when drawn alike: the room's floor, each
    // wall and the ceiling.
    std::uint8_t nGruppo = 0;
    bool bCulling = false;   // back faces culled
    bool bDueFacce = false;  // lit on both sides (doors and windows)
    // A closed box: its back faces lie behind its front ones, so filled
    // they never show and need not be drawn.
    bool bChiuso = false;
    std::int16_t nTexture = -1;  // decal texture, or -1
    // The colour: the lit diffuse colour, or the plain one without lighting.
    float aColore[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float fLinea = 1.0f;  // lines, and outlines in wireframe
    int nPrimo = 0;
    int nNumero = 0;
};

// Where a mesh stands in the room: turned by fRotazione degrees about the
// vertical axis, then moved by aTraslazione (GL axes, metres).
struct CCollocazione
{
    float aTraslazione[3] = {0.0f, 0.0f, 0.0f};
    float fRotazione = 0.0f;
    // The 4 x 4 column-major matrix GL would build for it.
    void Matrice(float m[16]) const;
};

struct CMaglia
{
    std::vector<CVertice> aVertici;
    std::vector<CParte> aParti;
    CCollocazione collocazione;

    // Keeps the memory for the next build.
    void Svuota();
};

// Records a mesh with the verbs of GL's immediate mode, so each kind keeps
// its drawing steps as they were: the same state changes, the same matrix
// steps, the same primitives. Quad strips become quads, fans triangles and
// line strips lines.
class CRegistratore
{
public:
    enum Modo
    {
        QUADRI,
        STRISCIA_QUADRI,
        TRIANGOLI,
        VENTAGLIO,
        LINEE,
        SPEZZATA
    };

    // Empties the mesh.
    explicit CRegistratore(CMaglia& maglia);

    void Colloca(float x, float y, float z, float fRotazione);

    // As GL takes colours: bytes scaled by 1/255, floats as they are.
    void Colore(const unsigned char* p);
    void Colore(unsigned char r, unsigned char g, unsigned char b, unsigned char a = 255);
    void Colore(const float* p);
    void Texture(int n) { m_nTexture = n; }
    void Culling(bool b) { m_bCulling = b; }
    void DueFacce(bool b) { m_bDueFacce = b; }
    void Normalizza(bool b) { m_bNormalizza = b; }
    void Linea(float f) { m_fLinea = f; }
    void Gruppo(int n) { m_nGruppo = static_cast<std::uint8_t>(n); }

    void Salva();
    void Ripristina();
    void Trasla(float x, float y, float z);
    void Ruota(float fGradi, float x, float y, float z);
    void Scala(float x, float y, float z);

    void Inizia(Modo nModo);
    void Normale(float x, float y, float z);
    void CoordTexture(float s, float t);
    void Vertice(float x, float y, float z);
    void Fine();

    // The box primitive (a closed run of its own): GLUT's solid cube of edge
    // 1, scaled and centred on
    // x in [x0, x1], y in [y0, y1], z in [z0, z1].
    void Scatola(float x0, float x1, float y0, float y1, float z0, float z1);
    // An unscaled cube of edge fLato centred at (x, y, z), with unit normals.
    void Cubo(float x, float y, float z, float fLato);
    // GLU's cylinder and disk (inner radius 0) along +z, smooth normals,
    // outside orientation; bFili draws them in GLU's line style.
    void Cilindro(double fBase, double fCima, double fAltezza, int nFette, int nPile,
                  bool bTexture, bool bFili);
    void Disco(double fRaggio, int nFette, int nAnelli, bool bTexture, bool bFili);

private:
    void Emetti(const CVertice& v);
    void AggiornaNormali();

    CMaglia& m_Maglia;
    float m_aColore[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int m_nTexture = -1;
    bool m_bCulling = false;
    bool m_bDueFacce = false;
    bool m_bNormalizza = false;
    float m_fLinea = 1.0f;
    std::uint8_t m_nGruppo = 0;
    bool m_bChiuso = false;

    // A matrix step since the last primitive: GL drew what followed as a
    // draw of its own.
    bool m_bNuovaParte = false;
    float m_aMatrice[16];
    float m_aNormali[9];  // inverse transpose of the matrix's upper 3 x 3
    bool m_bNormaliDaRifare = false;
    static constexpr int PROFONDITA_PILA = 8;
    float m_aPila[PROFONDITA_PILA][16];
    int m_nPila = 0;

    Modo m_nModo = TRIANGOLI;
    float m_aNormale[3] = {0.0f, 0.0f, 1.0f};
    float m_aCoord[2] = {0.0f, 0.0f};
    CVertice m_aInCorso[4];
    int m_nInCorso = 0;
    int m_nVerticiPrimitiva = 0;
};

// The GL primitive of a run.
unsigned int Primitiva(std::uint8_t nPrimitiva);

// Draws a mesh alone into the current GL context and state (lighting, the
// polygon mode, the camera): the mesh's own states set and put back, its
// collocation applied, textures bound from the context's table. Picking,
// the catalogue's pictures and the tests draw pieces this way; the 3D view
// draws the whole room in batches.
void DisegnaMaglia(const CMaglia& maglia, const CContestoDisegno& contesto);

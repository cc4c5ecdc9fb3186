#pragma once
#include "model/Maglia.h"

#include <string>

class CArchivio;
struct CContestoDisegno;

// Walls-shown modes of the room.
enum : int
{
    PARETI_DUE = 0,
    PARETI_NESSUNA = 1,
    PARETI_TUTTE = 2
};

// The longest side the settings take for a room, in metres; a pasted piece
// is no larger either.
constexpr float LATO_MASSIMO_STANZA = 1000.0f;

// The room: a box W wide (GL x), D deep (GL z) and H high (GL y) with its
// colours, wall and floor textures and the filters of the texture set.
// Sizes are written into the corner table, which the floor and the getters
// follow; walls, ceiling and plan outline follow the fields.
class CStanza
{
public:
    // bLeggiTexture false builds a room without reading the texture set
    // again (a scene being loaded from a file).
    explicit CStanza(bool bLeggiTexture = true);
    ~CStanza();
    CStanza(const CStanza&) = delete;
    CStanza& operator=(const CStanza&) = delete;

    void SetLarghezza(float f);
    void SetProfondita(float f);
    void SetAltezza(float f);
    float GetLarghezza() const { return m_pVertici[1][0]; }
    float GetProfondita() const { return m_pVertici[2][2]; }
    float GetAltezza() const { return m_pVertici[4][1]; }

    void SetColorePavimento(const float* p);
    void SetColoreSoffitto(const float* p);
    void SetColorePareti(const float* p);
    float* GetColorePavimento() { return m_pColorePavimento; }
    float* GetColoreSoffitto() { return m_pColoreSoffitto; }
    float* GetColorePareti() { return m_pColorePareti; }
    const float* GetColorePavimento() const { return m_pColorePavimento; }
    const float* GetColoreSoffitto() const { return m_pColoreSoffitto; }
    const float* GetColorePareti() const { return m_pColorePareti; }

    void SetTexturePareti(int n) { m_nTexturePareti = n; }
    void SetTexturePavimento(int n) { m_nTexturePavimento = n; }
    int GetTexturePareti() const { return m_nTexturePareti; }
    int GetTexturePavimento() const { return m_nTexturePavimento; }
    void SetPrimaParete(int n) { m_nPrimaParete = n; }
    int GetPrimaParete() const { return m_nPrimaParete; }
    void SetPareti(int n) { m_nPareti = n; }
    int GetPareti() const { return m_nPareti; }
    // The walls the 3D view shows: the room's choice, or all of them while
    // the camera looks from inside (the choice itself stays as it is).
    int GetParetiVisibili(const CContestoDisegno& contesto) const;
    // Whether a point (GL axes) lies within the walls.
    bool Contiene(const float aPunto[3]) const;
    // Whether the corner table is the box the sizes make: floor, walls and
    // ceiling then meet edge to edge.
    bool IsScatola() const;
    // The first of the two walls facing a camera turned by this yaw, as
    // wall number + 3 (4 to 7).
    static int PrimaParete(float fRotY);

    // Store the filter and apply it to the window's 38 GL textures.
    void SetFiltroMag(unsigned int n);
    void SetFiltroMin(unsigned int n);
    unsigned int GetFiltroMag() const { return m_nFiltroMag; }
    unsigned int GetFiltroMin() const { return m_nFiltroMin; }
    // Applies both stored filters to a context's 38 textures.
    void ApplicaFiltri(const unsigned int* aTexture) const;

    // Reads tess00.ppm ... tess37.ppm from the working folder, or from
    // g_sCartellaTextureInstallate when the working folder has no
    // tess00.ppm. A missing file leaves a plain white image and its name in
    // g_aTextureMancanti; a short file reads 255 for every missing byte.
    static void LeggiTexture();
    // The folder LeggiTexture reads from; empty: the working folder.
    static std::string CartellaTexture();

    // The mesh's groups: each surface stays apart.
    enum : int
    {
        GRUPPO_PAVIMENTO = 0,  // then 1 to 4, the walls by number
        GRUPPO_SOFFITTO = 5
    };
    // Floor, walls and ceiling as the 3D view shows them, with nPareti of
    // the walls-shown modes and nPrima the first of two walls.
    void CostruisciMaglia(CRegistratore& r, bool bTextures, int nPareti, int nPrima) const;
    // The geometry for this context, built again only when something it
    // depends on changed. In the two-walls mode it also records the first
    // wall, as every 3D paint always has (doors and windows follow it).
    const CMaglia& Maglia(const CContestoDisegno& contesto);
    // Grows by one at every rebuild of the geometry.
    unsigned int GetVersioneMaglia() const { return m_nVersioneMaglia; }
    // Draws the room alone in 3D, back faces filled even in wireframe.
    void Disegna(const CContestoDisegno& contesto);
    void DisegnaPiantina(const CContestoDisegno& contesto) const;

    // Writes the 228-byte record, or reads it field by field. Reading
    // stores the filters without touching GL: the caller applies them once
    // the whole file is known to be sound.
    void Serialize(CArchivio& ar);
    // Exchanges every field with another room.
    void Scambia(CStanza& altra);

    // Whether a texture index is -1 or addresses the set.
    static bool IsIndiceTextureAmmesso(int n);

private:
    void Pareti(CRegistratore& r, bool bTexture, int nPareti, int nPrima) const;

    float m_fAltezza = 3.5f;
    float m_fProfondita = 10.0f;
    float m_fLarghezza = 12.0f;
    unsigned int m_nFiltroMag;
    unsigned int m_nFiltroMin;
    float* m_pColorePavimento;
    float* m_pColoreSoffitto;
    float* m_pColorePareti;
    int m_nTexturePareti = -1;
    int m_nTexturePavimento = -1;
    int m_nPrimaParete = 4;
    int m_nPareti = PARETI_TUTTE;
    float (*m_pVertici)[3];
    float (*m_pNormali)[3];

    // What the cached geometry was built from.
    static constexpr int VALORI_FIRMA = 60;
    CMaglia m_Maglia;
    float m_aFirma[VALORI_FIRMA] = {};
    unsigned int m_nVersioneMaglia = 0;
};

#pragma once
// The frame of the 3D view and of the plan, drawn from a drawing context:
// the window's and every picture's (pictures, plans on paper, printing,
// previews), each into its own GL context.
#include "model/ContestoDisegno.h"

#include <cstdint>
#include <vector>

struct CMaglia;
class COggetto;
class CScena;
class CStanza;

// Sets up a fresh GL context for drawing with the context: GL defaults, the
// 38 textures made into aTexture with the room's filters, the scene's lights
// (when there is a scene) and the context's toggles.
void ImpostaGL(const CContestoDisegno& contesto, CScena* pScena, unsigned int* aTexture);
// Projection and model-view for the context's picture, or the tile of it
// the context names: the plan orthographic in pixels, the 3D view in
// perspective, with the depth test the mode wants.
void ImpostaProiezione(const CContestoDisegno& contesto);
// The 3D camera: translation, pitch, yaw, then the room's centring.
void ApplicaTelecamera(const CContestoDisegno& contesto);

// Draws the scene, keeping between frames what does not change: each
// piece's geometry in room coordinates and, while the lights stand still,
// its lit colours. A frame goes out as few vertex-array draws, one for each
// run of geometry in the same state, in the order the room and the pieces
// have always been drawn, so faces lying in the same plane resolve as
// before.
class CDisegnoScena
{
public:
    CDisegnoScena();
    ~CDisegnoScena();
    CDisegnoScena(const CDisegnoScena&) = delete;
    CDisegnoScena& operator=(const CDisegnoScena&) = delete;

    // The 3D scene under the current camera transform: the room, the lights
    // that are not fixed put again where they stand, every piece that shows.
    void Disegna3D(CScena& scena, const CContestoDisegno& contesto);
    // The plan: the room's outline, the squares of the lights that are not
    // fixed, every piece's symbol (the selected one hatched), blended.
    void DisegnaPiantina(CScena& scena, const CContestoDisegno& contesto) const;
    // A whole picture into the current context and viewport: projection,
    // clearing, camera and scene; never the window's overlay.
    void DisegnaImmagine(CScena& scena, const CContestoDisegno& contesto);

    // What the last 3D frame did: its draw calls, and whether its lighting
    // was computed here (lights standing still) rather than by GL.
    int GetChiamate() const { return m_nChiamate; }
    bool IsLuceCalcolata() const { return m_bLuceCalcolata; }

    struct CIlluminazione;

private:
    struct CPezzo;
    struct CParteScena;
    struct CLotto;

    void Raccogli(CScena& scena, const CContestoDisegno& contesto);
    void Trasforma(std::size_t nPezzo);
    void Espandi(const CPezzo& pezzo, int nParte);
    void Inquadra(const CStanza& stanza, const CContestoDisegno& contesto);
    static bool IsFuoriVista(const CParteScena& parte, const float* aClip);
    bool IsTagliato(const CParteScena& parte, const float* aClip) const;
    int Illuminazione();
    void LeggiIlluminazione(CIlluminazione& il) const;
    void Illumina(std::size_t nPezzo);
    void Disegna(const CLotto& lotto, int nModo, const CContestoDisegno& contesto);

    std::vector<CPezzo> m_aPezzi;
    std::vector<CParteScena> m_aParti;
    std::vector<const CMaglia*> m_aMaglie;
    std::vector<const COggetto*> m_aOggetti;
    // The room's geometry in room coordinates, per vertex.
    std::vector<float> m_aPosizioni, m_aNormali, m_aCoord;
    std::vector<unsigned char> m_aBordi;
    // Plain colours, and lit ones.
    std::vector<float> m_aTinte, m_aLuce;

    CIlluminazione* m_pIlluminazione;       // what the lit colours are computed for
    CIlluminazione* m_pPrecedente;          // the last frame's
    // Where this frame put the lights that are not fixed (GL light order).
    float m_aPosizioniMobili[8][4] = {};
    bool m_aMobili[8] = {};
    float m_aTelecamera[16] = {};
    bool m_bPieno = true;  // polygons filled, not outlines
    int m_nChiamate = 0;
    bool m_bLuceCalcolata = false;
};

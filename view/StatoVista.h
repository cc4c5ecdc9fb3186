#pragma once
#include "model/ContestoDisegno.h"

#include <cstdint>

class COggetto;
class CStanza;

// Display modes of the view.
enum : int
{
    VISTA_3D = 0,
    VISTA_PIANTINA = 1
};

constexpr unsigned int MODO_RENDER = 0x1C00;  // GL_RENDER
constexpr unsigned int MODO_SELEZIONE = 0x1C02;  // GL_SELECT

// Room for the hit records of all 255 objects: four entries each, since the
// name stack always holds one name during a pick.
constexpr int DIMENSIONE_BUFFER_SELEZIONE = 4 * 255;

// The editing state of the one view: display mode and toggles, camera, plan
// scale, selection and the parameters the frame and the dialogs hand to one
// another. It holds no window, so the model and its tests can use it alone;
// the window view derives from it and repaints on request. The one view
// answers the scene's hooks (pieces removed, centre and fit).
class CStatoVista
{
public:
    CStatoVista();
    virtual ~CStatoVista();

    void SetCentroX(float f) { m_fCentroX = f; }
    void SetCentroY(float f) { m_fCentroY = f; }
    void SetCentroZ(float f) { m_fCentroZ = f; }
    bool IsOggettoSelezionato() const { return m_bOggettoSelezionato; }
    void SetOggettoSelezionato(bool b) { m_bOggettoSelezionato = b; }
    // The selected object, or null: never a pointer the flag disowns.
    COggetto* GetOggettoSelezionato() const
    {
        return m_bOggettoSelezionato ? m_pOggettoSelezionato : nullptr;
    }
    // Forgets the selection without touching the object (it may be gone).
    void AnnullaSelezione();
    // Selects a piece the document holds: the piece selected before loses
    // its mark, this one is drawn marked unless bSegna is false, and the
    // commands that act on the selection take it as a piece, not a light.
    void SelezionaOggetto(COggetto* pOggetto, bool bSegna = true);
    // Turns the camera about the middle of the room.
    void CentraSullaStanza(const CStanza& stanza);
    // Camera centred on the room and the plan fitted to the window.
    void CentraEAdatta(const CStanza& stanza);

    // Plan scale rule: min(w / W, h / D) for the stored client size less
    // the margin on every side, with m_bScalaDaProfondita telling which axis
    // decided last; the room is centred in the window. A degenerate window
    // or room keeps the scale finite and positive.
    void ApplicaRegolaScala(float fLarghezzaStanza, float fProfonditaStanza);

    // The toolkit gives sizes and mouse positions in its own pixels; GL
    // works in the screen's, fFattore (whole or fractional) to one of the
    // toolkit's. Stores the client size in GL's pixels and the plan's margin.
    void ImpostaFinestra(int nLarghezza, int nAltezza, double fFattore);
    // A length in the toolkit's pixels (a mouse position, a line width, a
    // label's size) in GL's pixels.
    float Fisici(float fPixel) const { return fPixel * m_fFattoreScala; }
    // Metres of the plan under one of the toolkit's pixels: the reciprocal
    // of the plan scale in those pixels.
    float MetriPerPixel() const { return m_fFattoreScala / m_fScala; }
    // The room point (x across, y along the depth, metres) of the floor
    // under the toolkit pixel (x, y) of the window, y downwards: in the plan
    // by its mapping (D the room's depth), in 3D where the line of sight
    // through the pixel meets the floor, outside the walls too. False when
    // it meets none (a pixel above the horizon) or the window has no size.
    bool PuntoSulPavimento(float x, float y, float D, float& fX, float& fY) const;
    // The same under the middle of the window.
    bool PuntoAlCentro(float D, float& fX, float& fY) const;

    // Camera moves of the wheel, the keys and the view from inside. None of
    // them changes the room.
    // Along the line of sight, as a vertical right-button drag: positive is
    // nearer.
    void AvvicinaTelecamera(float fMetri) { m_fTraslZ += fMetri; }
    // Yaw and pitch by whole steps; each angle carries its remainder round
    // and stays within 0 to 360, the range of the mouse orbit.
    void RuotaTelecamera(float fImbardata, float fBeccheggio);
    // Eye height, 0.30 m inside the middle of the south wall, level,
    // looking north; the room stays centred, so orbits still turn about it.
    void ImpostaVistaInterna(float W, float H, float D);
    // Where the camera stands, in GL axes (x across, y up, z along the depth).
    void PosizioneTelecamera(float aPosizione[3]) const;
    // What the window's drawing reads: its size, scale, toggles and camera,
    // whether the camera looks from inside the room (the view from inside
    // is on and the camera still within the walls: the room then shows all
    // of them, whatever its own choice), and the window's texture names.
    CContestoDisegno ContestoDisegno() const;
    // The plan scale rule for a w x h picture of a W x D room: min(w / W,
    // h / D), and in bDaProfondita which axis decided last; 0 when nothing
    // sensible fits.
    static float RegolaScala(float w, float h, float W, float D, bool& bDaProfondita);

    // Asks for a repaint of the whole client area without erasing.
    virtual void Ridisegna() {}
    // Makes the view's GL context current for GL calls made outside the
    // paint (the dialogs' lights and filters); false while there is none.
    virtual bool RendiGLCorrente() { return false; }

    bool m_bImpostaProiezione = true;
    float m_fLarghezzaFinestra = 1.0f;
    float m_fAltezzaFinestra = 1.0f;
    bool m_bScalaDaProfondita = false;
    bool m_bAntialiasing = false;
    bool m_bTextures = false;
    bool m_bLuci = false;
    bool m_bWireframe = false;
    int m_nVista = VISTA_PIANTINA;
    bool m_bRotazione = false;
    float m_fScala = 1.0f;
    // GL pixels to one of the toolkit's: 1 in pictures, plans on paper and
    // prints, which must not change with the screen.
    float m_fFattoreScala = 1.0f;
    // GL pixels kept clear around the plan (none in pictures), and the GL
    // pixel of the room's south-west corner (x 0, y the depth), where the
    // plan drawings' origin goes.
    float m_fMargine = 0.0f;
    float m_fOrigineX = 0.0f;
    float m_fOrigineY = 0.0f;
    COggetto* m_pOggettoSelezionato = nullptr;
    bool m_bNuovoOggetto = false;
    int m_nFamigliaNuovoOggetto = 0;
    COggetto* m_pLuceCorrente = nullptr;
    int m_nLuceCorrente = 0;
    int m_bTrascinaSinistro = 0;
    int m_bTrascinaDestro = 0;
    struct CPunto
    {
        int x = 0;
        int y = 0;
    };
    CPunto m_ptSinistro;
    CPunto m_ptDestro;
    float m_fRotX = 0.0f;
    float m_fRotY = 0.0f;
    float m_fTraslX = 0.0f;
    float m_fTraslY = 0.0f;
    float m_fTraslZ = -15.0f;
    std::uint32_t m_aBufferSelezione[DIMENSIONE_BUFFER_SELEZIONE] = {};
    int m_nColpiti = 0;
    float m_fCentroX = 0.0f;
    float m_fCentroY = 0.0f;
    float m_fCentroZ = 0.0f;
    COggetto* m_pCorrente = nullptr;
    unsigned int m_nModoRender = MODO_RENDER;
    int m_aViewport[4] = {};
    bool m_bOggettoSelezionato = false;
    bool m_bSelezioneLuce = false;
    // Set by "Vista dall'interno"; cleared by the commands that put the
    // camera back outside and when another room is loaded.
    bool m_bVistaInterna = false;
    // The plan's distances, names and front marks; the walls' magnet.
    bool m_bQuote = true;
    bool m_bCalamita = false;
};

// The room kept clear around the plan on screen, in the toolkit's pixels:
// walls, openings and the labels along them show whole.
constexpr float MARGINE_PIANTA = 20.0f;

// The camera of the view from inside, in metres.
constexpr float ALTEZZA_OCCHI = 1.60f;
constexpr float DISTANZA_DALLA_PARETE = 0.30f;

// The one view of the program.
extern CStatoVista* g_pView;

// A line width in the toolkit's pixels as GL takes it: as thick as the rest
// of the screen at any scale.
inline float SpessoreLinea(float fPixel)
{
    return g_pView ? g_pView->Fisici(fPixel) : fPixel;
}

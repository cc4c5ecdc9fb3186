#pragma once
// What a piece takes of the floor, and the precise moves built on it: the
// keys, the turn about the footprint's centre, the magnet of the walls.
// Room metres throughout, x from the west wall, y from the north wall.
#include <string>

class COggetto;

// How near a wall the magnet pulls a piece flush, and how near a multiple
// of PASSO_CALAMITA_ANGOLO degrees it pulls a turn.
constexpr float CALAMITA_MURO = 0.05f;
constexpr float CALAMITA_ANGOLO = 3.0f;
constexpr float PASSO_CALAMITA_ANGOLO = 15.0f;
// Depth of the strip an opening draws against its wall.
constexpr float SPESSORE_APERTURA = 0.15f;

struct CRiquadro
{
    float fMinX, fMaxX, fMinY, fMaxY;
};

// The box around the piece's plan footprint: the turned rectangle of a
// piece, the disc of a round table, the strip of an opening.
CRiquadro RiquadroImpronta(const COggetto& oggetto, float W, float D);

// Free distances from a box to the four walls of a W x D room.
struct CDistanze
{
    float fOvest, fEst, fNord, fSud;
};
CDistanze DistanzeDaiMuri(const CRiquadro& r, float W, float D);

// Moves the piece by (dx, dy) as the arrow keys do: an opening only along
// its wall, by the part of the move parallel to it. The piece stays within
// the bounds of dragging. True when it moved.
bool SpostaNellaStanza(COggetto& oggetto, float dx, float dy, float W, float D);

// Turns the piece by fGradi about the centre of its footprint (the centre
// stays put unless the walls push it), the angle kept in [0, 360). Openings
// do not turn. True when it changed.
bool RuotaSulCentro(COggetto& oggetto, float fGradi, float W, float D);

// An angle in degrees brought into [0, 360).
float AngoloNormale(float fGradi);

// The magnet after a move from the footprint box prima: a side of the box
// that came within CALAMITA_MURO of a wall without moving away from it
// ends flush against that wall.
void AttiraAiMuri(COggetto& oggetto, const CRiquadro& prima, float W, float D);

// The magnet of a turn from fPrima to fDopo: the nearest multiple of 15
// degrees when fDopo is within 3 degrees of it and not moving away.
float AttiraAngolo(float fPrima, float fDopo);

// Metres with two decimals and a point: 0.454 -> "0.45".
std::string TestoMetri(float f);
// Where a piece stands, for the status bar (UTF-8): "x 1.20 m, y 0.45 m, 90°".
std::string TestoPosizione(const COggetto& oggetto);

#pragma once
class COggetto;

// Where the reference point of a piece may stand in a W x D room: the
// bounds that dragging in the plan keeps it in. Doors and windows slide
// along their wall only, so their y is not bounded.
struct CLimiti
{
    float fMinX, fMaxX, fMinY, fMaxY;
    bool bLimitaY;
};

CLimiti LimitiNellaStanza(const COggetto& oggetto, float W, float D);

// Brings the piece within the bounds, the upper bound first: a piece larger
// than the room ends at it.
void PortaNeiLimiti(COggetto& oggetto, const CLimiti& limiti);

#pragma once
// Drawing primitives shared by the furniture kinds.
class COggetto;

// Moves the model-view frame to a piece's reference corner (X, 0, Y) and
// turns it by its rotation about the vertical axis.
void ApplicaCollocazione(const COggetto& oggetto);

// Solid box x in [x0, x1], y in [y0, y1], z in [z0, z1] of the current
// frame: the unit GLUT cube, scaled and centred.
void DisegnaScatola(float x0, float x1, float y0, float y1, float z0, float z1);

// Unscaled cube of edge fLato centred at (x, y, z), the handles. Drawn by
// hand with unit normals: GLUT builds a fresh vertex list on the heap for
// every cube whose edge is not 1, and handles are drawn on every paint.
void DisegnaCubo(float x, float y, float z, float fLato);

// Whether a surface with this texture index is drawn textured: textures
// on in the view and an index that addresses the set (a damaged file may
// hold any number; such a surface is drawn in its colour).
bool IsSuperficieTexturata(int nTexture);

// Sets up a surface drawn either with its texture (bound and enabled; the
// decal texture alone gives the colour) or plain in pColore with colour
// tracking. bTexture comes from IsSuperficieTexturata.
void ImpostaSuperficie(bool bTexture, int nTexture, const unsigned char* pColore);

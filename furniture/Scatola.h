#pragma once
// Steps shared by the furniture kinds' geometry.
class COggetto;
class CRegistratore;
struct CContestoDisegno;

// The piece's frame: its reference corner (X, 0, Y), turned by its rotation
// about the vertical axis.
void ApplicaCollocazione(CRegistratore& r, const COggetto& oggetto);

// Whether a surface with this texture index is drawn textured: textures on
// in the context and an index that addresses the set (a damaged file may
// hold any number; such a surface is drawn in its colour).
bool IsSuperficieTexturata(int nTexture, const CContestoDisegno& contesto);

// A surface drawn either with its texture (the decal texture alone gives
// the colour on screen; the colour stays for the exported model's alpha)
// or plain in pColore.
void ImpostaSuperficie(CRegistratore& r, bool bTexture, int nTexture, const unsigned char* pColore);

#include "furniture/Scatola.h"

#include "model/ContestoDisegno.h"
#include "model/Maglia.h"
#include "model/Oggetto.h"
#include "model/Texture.h"

void ApplicaCollocazione(CRegistratore& r, const COggetto& oggetto)
{
    r.Colloca(oggetto.GetX(), 0.0f, oggetto.GetY(), oggetto.GetRotazione());
}

bool IsSuperficieTexturata(int nTexture, const CContestoDisegno& contesto)
{
    return contesto.bTextures && IsTextureValida(nTexture);
}

void ImpostaSuperficie(CRegistratore& r, bool bTexture, int nTexture, const unsigned char* pColore)
{
    r.Texture(bTexture ? nTexture : -1);
    r.Colore(pColore);
}

#include "dialogs/SceltaColoreFloat.h"

#include "dialogs/SceltaColore.h"

#include <cmath>

unsigned long ComponenteInByte(float f)
{
    if (!std::isfinite(f) || f <= 0.0f)
        return 0;
    if (f >= 1.0f)
        return 255;
    return static_cast<unsigned long>(f * 255.0f);
}

bool ScegliColoreFloat(wxWindow* pGenitore, const float* pIniziale, float fAlfa, float* pLavoro)
{
    if (!pIniziale || !pLavoro)
        return false;
    const unsigned long nIniziale = ComponenteInByte(pIniziale[0]) +
                                    256UL * ComponenteInByte(pIniziale[1]) +
                                    65536UL * ComponenteInByte(pIniziale[2]);
    unsigned long nScelto = 0;
    if (!ScegliColore(pGenitore, nIniziale, nScelto))
        return false;
    pLavoro[0] = static_cast<float>(nScelto & 0xFF) / 255.0f;
    pLavoro[1] = static_cast<float>((nScelto >> 8) & 0xFF) / 255.0f;
    pLavoro[2] = static_cast<float>((nScelto >> 16) & 0xFF) / 255.0f;
    pLavoro[3] = fAlfa;
    return true;
}

#pragma once
#include <string>
#include <vector>

// The stock texture set shared by the whole program: 38 images of 64 x 64
// RGB bytes read from tess00.ppm ... tess37.ppm, and their GL texture names.
constexpr int NUMERO_TEXTURE = 38;
constexpr int LATO_TEXTURE = 64;
constexpr int BYTE_IMMAGINE = LATO_TEXTURE * LATO_TEXTURE * 3;  // 12,288
constexpr int TEXTURE_VETRO = 37;                                // window glass
constexpr int NESSUNA_TEXTURE = -1;

extern unsigned char g_aImmaginiTexture[NUMERO_TEXTURE][BYTE_IMMAGINE];
extern unsigned int g_aTexture[NUMERO_TEXTURE];

// An index that addresses the tables; anything else (a damaged or foreign
// file can hold one) must be drawn without texture.
inline bool IsTextureValida(int n)
{
    return n >= 0 && n < NUMERO_TEXTURE;
}

// Texture file names that could not be opened by the last reading of the set.
extern std::vector<std::string> g_aTextureMancanti;

// The installed set's folder, read when the working folder has no
// tess00.ppm; empty: the working folder only.
extern std::string g_sCartellaTextureInstallate;
// The folder the last reading took the set from; empty: the working folder.
extern std::string g_sCartellaTextureLette;

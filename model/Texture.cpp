#include "model/Texture.h"

unsigned char g_aImmaginiTexture[NUMERO_TEXTURE][BYTE_IMMAGINE];
unsigned int g_aTexture[NUMERO_TEXTURE];
std::vector<std::string> g_aTextureMancanti;
std::string g_sCartellaTextureInstallate;
std::string g_sCartellaTextureLette;

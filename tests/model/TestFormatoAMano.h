#pragma once
// Document bytes written out by hand from the record tables, with an
// encoder of its own (shifts, not the program's archive).
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace a_mano
{
struct CFile
{
    std::vector<std::uint8_t> b;

    CFile& u8(std::uint8_t v)
    {
        b.push_back(v);
        return *this;
    }
    CFile& i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
        return *this;
    }
    CFile& f32(float v)
    {
        std::int32_t u;
        std::memcpy(&u, &v, 4);
        return i32(u);
    }
    CFile& f32s(std::initializer_list<float> l)
    {
        for (float f : l)
            f32(f);
        return *this;
    }
    CFile& rgba(std::uint8_t r, std::uint8_t g, std::uint8_t bl, std::uint8_t a)
    {
        return u8(r).u8(g).u8(bl).u8(a);
    }
    // 50 bytes: the text, its NUL, then coda (bytes after the NUL), zeros.
    CFile& nome(const std::string& testo, const std::string& coda = "")
    {
        std::string campo = testo;
        campo.push_back('\0');
        campo += coda;
        campo.resize(50, '\0');
        b.insert(b.end(), campo.begin(), campo.end());
        return *this;
    }
    CFile& accoda(const CFile& altro)
    {
        b.insert(b.end(), altro.b.begin(), altro.b.end());
        return *this;
    }
};

// The 228-byte record of a room with the given sizes and the defaults of a
// new document otherwise.
inline CFile Stanza(float W = 12.0f, float D = 10.0f, float H = 3.5f)
{
    CFile f;
    f.f32s({H, D, W});
    f.f32s({1.0f, 1.0f, 1.0f, 1.0f});
    f.f32s({0.753f, 0.753f, 0.753f, 1.0f});
    f.f32s({0.502f, 0.502f, 0.502f, 1.0f});
    f.i32(-1).i32(-1).i32(4).i32(2);
    f.i32(9728).i32(9728);
    f.f32s({0, 0, 0, W, 0, 0, W, 0, D, 0, 0, D, 0, H, 0, W, H, 0, W, H, D, 0, H, D});
    f.f32s({0, 0, 1, -1, 0, 0, 0, 0, -1, 1, 0, 0});
    return f;
}

// A furniture entry: codes and the 86-byte record.
inline CFile Mobile(int nCategoria, int nTipo, const std::string& nome, float x, float y,
                    int nTexture = -1)
{
    CFile f;
    f.i32(nCategoria).i32(nTipo).nome(nome);
    f.f32(x).f32(0.9f).f32(0.5f).rgba(10, 20, 30, 170).i32(nTexture);
    f.f32(y).f32(30.0f).f32(0.45f).rgba(40, 50, 60, 170);
    return f;
}

// A window entry: codes and the 82-byte record.
inline CFile Finestra(const std::string& nome, float x, int nParete, float z)
{
    CFile f;
    f.i32(1).i32(1).nome(nome);
    f.f32(x).f32(1.4f).f32(1.6f).rgba(255, 255, 255, 170).i32(37);
    f.i32(nParete).rgba(140, 90, 50, 170).f32(z);
    return f;
}

// A light entry: codes and the 134-byte record; flags in the order on,
// ambient off, diffuse off, specular off, directional, fixed.
inline CFile Luce(const std::string& nome, float x, float y, float z,
                  std::initializer_list<std::int32_t> flag = {1, 0, 0, 0, 1, 1})
{
    CFile f;
    f.i32(-1).i32(0).nome(nome);
    f.f32(x).f32s({0.2f, 0.2f, 0.2f, 1.0f}).f32s({0.8f, 0.7f, 0.6f, 1.0f});
    f.f32s({1.0f, 1.0f, 1.0f, 1.0f}).f32(y).f32(z);
    for (std::int32_t v : flag)
        f.i32(v);
    return f;
}
}  // namespace a_mano

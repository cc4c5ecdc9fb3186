// Generates the 38 stock textures tess00.ppm ... tess37.ppm.
//
// Each file is 64 x 64 raw RGB (12,288 bytes, no header); row 0 comes first.
// The editor tiles them with GL_REPEAT, so every texture is built from
// functions that are periodic over 64 pixels: the value noise wraps its
// lattice, and bricks, planks and motifs use periods that divide 64.
// Everything is deterministic (own hash, no clock, no std::rand), so the
// files come out byte-identical on every run.
//
// Usage: genera_texture <output folder>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 64;
constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;

struct Col {
    float r, g, b;
};

Col operator+(Col a, Col b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Col operator*(Col a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Col mix(Col a, Col b, float t) { return a * (1.0f - t) + b * t; }
Col shade(Col a, float k) { return a * k; }
Col lift(Col a, float d) { return {a.r + d, a.g + d, a.b + d}; }

float clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }
float smooth(float t) { return t * t * (3.0f - 2.0f * t); }
float smoothstep(float e0, float e1, float v) { return smooth(clamp01((v - e0) / (e1 - e0))); }

// Positive remainder, for wrapping coordinates onto the tile.
int wrap(int v, int m) { return ((v % m) + m) % m; }
float wrapf(float v, float m) { return v - m * std::floor(v / m); }

uint32_t hash3(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h = (h ^ (h >> 13)) * 0x297A2D39u;
    h ^= h >> 16;
    return h;
}

// Uniform in [0, 1).
float rand01(int x, int y, uint32_t seed) { return static_cast<float>(hash3(x, y, seed) >> 8) / 16777216.0f; }

// Small fixed PRNG for scattered elements (flakes, board offsets).
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t next() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    float uniform() { return static_cast<float>(next() >> 8) / 16777216.0f; }
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }

private:
    uint64_t s_;
};

// Value noise over the tile with fx x fy lattice cells; lattice indices wrap,
// so the result is periodic with period 64 in both directions.
float noise(float x, float y, int fx, int fy, uint32_t seed) {
    float u = x * static_cast<float>(fx) / kSize;
    float v = y * static_cast<float>(fy) / kSize;
    float iu = std::floor(u), iv = std::floor(v);
    float tu = smooth(u - iu), tv = smooth(v - iv);
    int x0 = wrap(static_cast<int>(iu), fx), y0 = wrap(static_cast<int>(iv), fy);
    int x1 = (x0 + 1) % fx, y1 = (y0 + 1) % fy;
    float a = rand01(x0, y0, seed), b = rand01(x1, y0, seed);
    float c = rand01(x0, y1, seed), d = rand01(x1, y1, seed);
    return (a + (b - a) * tu) + ((c + (d - c) * tu) - (a + (b - a) * tu)) * tv;
}

// Fractal sum of octaves, normalised to about [0, 1].
float fbm(float x, float y, int fx, int fy, int octaves, uint32_t seed) {
    float sum = 0.0f, amp = 1.0f, total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * noise(x, y, fx, fy, seed + 101u * static_cast<uint32_t>(o));
        total += amp;
        amp *= 0.5f;
        fx = std::min(fx * 2, kSize);
        fy = std::min(fy * 2, kSize);
    }
    return sum / total;
}

using Image = std::array<Col, kSize * kSize>;
using Shader = std::function<Col(float, float)>;

// Evaluates a shader with 2 x 2 supersampling to soften hard pattern edges.
Image render(const Shader& f) {
    Image img{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            Col acc{0, 0, 0};
            for (int sy = 0; sy < 2; ++sy)
                for (int sx = 0; sx < 2; ++sx)
                    acc = acc + f(static_cast<float>(x) + 0.25f + 0.5f * static_cast<float>(sx),
                                  static_cast<float>(y) + 0.25f + 0.5f * static_cast<float>(sy));
            img[y * kSize + x] = acc * 0.25f;
        }
    return img;
}

// ---------------------------------------------------------------- wood

struct Wood {
    Col light, dark;
    float rings;     // ring cycles across the tile (integer keeps it seamless)
    float warp;      // how much the rings wander
    float sharpness; // >1 narrows the dark late-wood lines
    float fibre;     // strength of the fine streaks along the grain
    float pores;     // density of small dark pores (oak-like)
    uint32_t seed;
};

// Grain runs along x. phase and tint let planks cut from the same log differ.
Col woodAt(const Wood& w, float x, float y, float phase = 0.0f, float tint = 1.0f, uint32_t salt = 0) {
    uint32_t s = w.seed + salt * 7919u;
    float bend = fbm(x, y, 1, 2, 3, s) - 0.5f;
    float ring = std::sin(kTwoPi * (y * w.rings / kSize + w.warp * bend * 2.0f) + phase);
    float late = std::pow(0.5f + 0.5f * ring, w.sharpness);
    float streak = noise(x, y, 2, 64, s + 11u) - 0.5f;
    float fine = noise(x, y, 8, 64, s + 17u) - 0.5f;
    float t = clamp01(0.15f + 0.75f * late + w.fibre * (streak + 0.5f * fine));
    Col c = mix(w.light, w.dark, t);
    if (w.pores > 0.0f) {
        float p = noise(x, y, 16, 64, s + 23u);
        if (p > 1.0f - w.pores) c = shade(c, 0.8f);
    }
    float cloud = fbm(x, y, 2, 2, 2, s + 31u) - 0.5f;
    return shade(c, tint * (1.0f + 0.12f * cloud));
}

Shader plainWood(const Wood& w) {
    return [w](float x, float y) { return woodAt(w, x, y); };
}

// Boards of the given width (across) and length (along the grain), rows
// staggered; both divide 64. vertical turns the whole layout by 90 degrees.
Shader slats(const Wood& w, int width, int length, bool vertical, Col gap) {
    std::vector<int> offset(kSize / width);
    Rng rng(w.seed);
    for (auto& o : offset) o = rng.below(length / 8) * 8 + rng.below(2) * 4;
    return [=](float px, float py) {
        float x = vertical ? py : px, y = vertical ? px : py;
        int row = static_cast<int>(y) / width;
        float along = wrapf(x + static_cast<float>(offset[row]), kSize);
        int board = static_cast<int>(along) / length;
        float u = along - static_cast<float>(board * length);
        float v = y - static_cast<float>(row * width);
        uint32_t id = static_cast<uint32_t>(row * 16 + board + 1);
        float tint = 0.86f + 0.26f * rand01(row, board, w.seed + 5u);
        float phase = kTwoPi * rand01(board, row, w.seed + 9u);
        Col c = woodAt(w, x, y, phase, tint, id);
        if (v < 1.0f || u < 1.0f) return mix(c, gap, 0.8f);
        if (v < 2.0f) c = lift(c, 10.0f);
        if (v > static_cast<float>(width) - 1.0f) c = shade(c, 0.85f);
        return c;
    };
}

// Herringbone of planks 8 px wide and 32 long. In units of 8 px the planks
// are 1 x 4; a horizontal plank at cells (0..3, 0) and a vertical one at
// (0, 1..4), repeated by the lattice (1, 1) and (4, -4), cover the plane,
// and that lattice contains (8, 0) and (0, 8), i.e. the 64 px tile.
Shader herringbone(const Wood& w, Col gap) {
    constexpr int cell = 8, n = 4, cells = kSize / cell;
    struct Piece {
        bool vertical;
        int ox, oy;  // origin cell of the plank
        int id;
    };
    std::array<Piece, cells * cells> map{};
    int id = 0;
    for (int a = 0; a < cells; ++a)
        for (int b = 0; b < 2; ++b) {
            int tx = a + b * n, ty = a - b * n;
            ++id;
            for (int k = 0; k < n; ++k) {
                map[wrap(ty, cells) * cells + wrap(tx + k, cells)] = {false, wrap(tx, cells), wrap(ty, cells), id};
                map[wrap(ty + 1 + k, cells) * cells + wrap(tx, cells)] = {true, wrap(tx, cells), wrap(ty + 1, cells),
                                                                          id + 100};
            }
        }
    return [=](float x, float y) {
        const Piece& p = map[(static_cast<int>(y) / cell) * cells + static_cast<int>(x) / cell];
        float dx = wrapf(x - static_cast<float>(p.ox * cell), kSize);
        float dy = wrapf(y - static_cast<float>(p.oy * cell), kSize);
        float along = p.vertical ? dy : dx, across = p.vertical ? dx : dy;
        float gx = p.vertical ? y : x, gy = p.vertical ? x : y;
        float tint = 0.85f + 0.28f * rand01(p.id, 3, w.seed);
        Col c = woodAt(w, gx, gy, kTwoPi * rand01(p.id, 7, w.seed), tint, static_cast<uint32_t>(p.id));
        if (across < 0.75f || along < 0.75f) return mix(c, gap, 0.75f);
        if (across > cell - 1.0f) c = shade(c, 0.88f);
        return c;
    };
}

// ---------------------------------------------------------------- bricks

enum class Bond { Running, Stack, English };

struct Brick {
    int w, h;  // brick pitch including one mortar joint; both divide 64
    float mortarW;
    Col brick, mortar;
    float variation;  // brick-to-brick brightness spread
    float hueShift;   // brick-to-brick red/blue spread
    float grain;      // speckle on the brick face
    Bond bond;
    uint32_t seed;
    float gloss = 0.0f;  // glazed tiles get a soft highlight
};

Shader bricks(const Brick& p) {
    return [p](float x, float y) {
        int row = static_cast<int>(y) / p.h;
        int w = p.w;
        float off = 0.0f;
        if (p.bond == Bond::Running && (row & 1)) off = static_cast<float>(w) / 2.0f;
        if (p.bond == Bond::English && (row & 1)) {
            w /= 2;
            off = static_cast<float>(w) / 2.0f;
        }
        float bx = wrapf(x + off, kSize);
        int col = static_cast<int>(bx) / w;
        float u = bx - static_cast<float>(col * w);
        float v = y - static_cast<float>(row * p.h);
        float rough = fbm(x, y, 8, 8, 3, p.seed + 3u) - 0.5f;
        float m = p.mortarW + 0.6f * rough;
        if (u < m || v < m) {
            float g = rand01(static_cast<int>(x * 2), static_cast<int>(y * 2), p.seed + 1u) - 0.5f;
            return shade(p.mortar, 1.0f + 0.18f * g + 0.2f * rough);
        }
        float k = 1.0f + p.variation * (rand01(row, col, p.seed) - 0.5f) * 2.0f;
        float hue = p.hueShift * (rand01(col, row, p.seed + 7u) - 0.5f) * 2.0f;
        Col c = shade(p.brick, k);
        c.r *= 1.0f + hue;
        c.b *= 1.0f - hue;
        float face = fbm(x, y, 8, 8, 3, p.seed + 13u) - 0.5f;
        float speck = rand01(static_cast<int>(x), static_cast<int>(y), p.seed + 17u);
        c = shade(c, 1.0f + 0.35f * face + p.grain * (speck - 0.5f));
        if (speck > 0.97f) c = shade(c, 0.75f);
        // Light from the top left: bevel the face next to the joints.
        if (v < m + 1.0f || u < m + 1.0f) c = lift(c, 14.0f);
        if (v > static_cast<float>(p.h) - 1.0f) c = shade(c, 0.82f);
        if (p.gloss > 0.0f) {
            float du = (u - m) / (static_cast<float>(w) - m), dv = (v - m) / (static_cast<float>(p.h) - m);
            float hl = std::exp(-((du - 0.3f) * (du - 0.3f) * 6.0f + (dv - 0.3f) * (dv - 0.3f) * 10.0f));
            c = lift(c, p.gloss * hl);
        }
        return c;
    };
}

// ---------------------------------------------------------------- stone

// Marble: a cloudy base crossed by thin turbulent veins. The vein waves use
// whole cycles across the tile so they join at the edges.
struct Marble {
    Col base, cloud, vein, vein2;
    float veinStrength;
    uint32_t seed;
};

Shader marble(const Marble& p) {
    return [p](float x, float y) {
        float t = fbm(x, y, 2, 2, 4, p.seed);
        float t2 = fbm(x, y, 2, 2, 4, p.seed + 50u);
        float s1 = std::sin(kTwoPi * (x + y) / kSize + 7.0f * t);
        float s2 = std::sin(kTwoPi * (x - y) / kSize + 8.0f * t2);
        // Veins fade in and out along their length.
        float f1 = smoothstep(0.3f, 0.65f, noise(x, y, 2, 2, p.seed + 60u));
        float f2 = smoothstep(0.35f, 0.7f, noise(x, y, 2, 2, p.seed + 70u));
        float v1 = f1 * std::pow(1.0f - std::fabs(s1), 12.0f);
        float v2 = f2 * std::pow(1.0f - std::fabs(s2), 22.0f);
        Col c = mix(p.base, p.cloud, smoothstep(0.35f, 0.75f, t2));
        c = mix(c, p.vein, clamp01(v1 * p.veinStrength));
        c = mix(c, p.vein2, clamp01(v2 * p.veinStrength * 0.8f));
        return shade(c, 1.0f + 0.05f * (noise(x, y, 32, 32, p.seed + 9u) - 0.5f));
    };
}

// Granite-like speckle.
Shader speckle(Col base, Col dark, Col light, float density, uint32_t seed) {
    return [=](float x, float y) {
        int ix = static_cast<int>(x), iy = static_cast<int>(y);
        float n = fbm(x, y, 4, 4, 3, seed) - 0.5f;
        Col c = shade(base, 1.0f + 0.25f * n);
        float r = rand01(ix, iy, seed + 1u);
        float blob = noise(x, y, 32, 32, seed + 2u);
        if (r < density || blob > 0.86f) c = mix(c, dark, 0.75f);
        else if (r > 1.0f - density * 0.6f || blob < 0.1f) c = mix(c, light, 0.7f);
        return c;
    };
}

// Plaster with relief: the height field is lit from the top left.
Shader stucco(Col base, float relief, int freq, uint32_t seed) {
    return [=](float x, float y) {
        auto h = [&](float a, float b) { return fbm(wrapf(a, kSize), wrapf(b, kSize), freq, freq, 4, seed); };
        float d = h(x - 0.7f, y - 0.7f) - h(x + 0.7f, y + 0.7f);
        float g = rand01(static_cast<int>(x), static_cast<int>(y), seed + 4u) - 0.5f;
        return lift(base, relief * d + 10.0f * g);
    };
}

// ---------------------------------------------------------------- patterns

// Fabric-like jitter so flat motifs do not look computer-drawn.
float weave(float x, float y, uint32_t seed) {
    int ix = static_cast<int>(x), iy = static_cast<int>(y);
    float thread = ((ix + iy) & 1) ? 0.04f : -0.04f;
    return thread + 0.08f * (rand01(ix, iy, seed) - 0.5f) + 0.1f * (fbm(x, y, 4, 4, 2, seed + 1u) - 0.5f);
}

// Diamond trellis with a dot in each diamond.
Shader trellis(Col bg, Col line, Col dot, int cell, uint32_t seed) {
    return [=](float x, float y) {
        float c = static_cast<float>(cell);
        float u = wrapf(x, c) / c - 0.5f, v = wrapf(y, c) / c - 0.5f;
        float d = std::fabs(u) + std::fabs(v);
        Col col = bg;
        if (std::fabs(d - 0.5f) < 0.06f) col = line;
        float r = std::sqrt(u * u + v * v);
        if (r < 0.13f) col = dot;
        else if (std::fabs(d - 0.3f) < 0.03f) col = mix(bg, line, 0.5f);
        return shade(col, 1.0f + weave(x, y, seed));
    };
}

// Interlocking circles centred on cell corners and cell centres.
Shader rings(Col bg, Col line, Col fill, int cell, uint32_t seed) {
    return [=](float x, float y) {
        float c = static_cast<float>(cell), h = c / 2.0f;
        float u = wrapf(x, c), v = wrapf(y, c);
        float rc = std::hypot(u - h, v - h);
        float r0 = std::min(std::min(std::hypot(u, v), std::hypot(u - c, v)),
                            std::min(std::hypot(u, v - c), std::hypot(u - c, v - c)));
        Col col = bg;
        if (rc < h * 0.45f || r0 < h * 0.45f) col = fill;
        if (std::fabs(rc - h) < 0.9f || std::fabs(r0 - h) < 0.9f) col = line;
        return shade(col, 1.0f + weave(x, y, seed));
    };
}

// Damask-like motif from products of sines (periods 32 and 16).
Shader damask(Col bg, Col motif, Col accent, uint32_t seed) {
    return [=](float x, float y) {
        float a = std::sin(kTwoPi * x / 32.0f) * std::sin(kTwoPi * y / 32.0f);
        float b = std::cos(kTwoPi * (x + y) / 16.0f) + std::cos(kTwoPi * (x - y) / 16.0f);
        float m = a + 0.35f * b;
        Col col = bg;
        if (m > 0.55f) col = motif;
        else if (m < -0.75f) col = accent;
        else if (std::fabs(m - 0.2f) < 0.08f) col = mix(bg, motif, 0.5f);
        return shade(col, 1.0f + weave(x, y, seed));
    };
}

// Basket-weave cloth: 8 px squares of threads alternating direction.
Shader basket(Col a, Col b, uint32_t seed) {
    return [=](float x, float y) {
        int cx = static_cast<int>(x) / 8, cy = static_cast<int>(y) / 8;
        bool horiz = ((cx + cy) & 1) == 0;
        float across = horiz ? wrapf(y, 8.0f) : wrapf(x, 8.0f);
        float along = horiz ? wrapf(x, 8.0f) : wrapf(y, 8.0f);
        float thread = wrapf(across, 2.0f);
        float round = std::sin(kPi * thread / 2.0f);
        Col col = horiz ? a : b;
        col = shade(col, 0.7f + 0.35f * round);
        if (along < 0.6f || along > 7.4f) col = shade(col, 0.8f);
        return shade(col, 1.0f + 0.6f * weave(x, y, seed));
    };
}

// Houndstooth on a 2 px grid, repeating every 16 px.
Shader houndstooth(Col dark, Col light, uint32_t seed) {
    return [=](float x, float y) {
        int i = (static_cast<int>(x) / 2) % 8, j = (static_cast<int>(y) / 2) % 8;
        bool d;
        if (i < 4 && j < 4) d = true;
        else if (i >= 4 && j >= 4) d = false;
        else d = wrap(i - j, 4) < 2;
        Col col = d ? dark : light;
        return shade(col, 1.0f + 1.2f * weave(x, y, seed));
    };
}

// Argyle: diamonds of alternating shade crossed by thin diagonal lines.
Shader argyle(Col a, Col b, Col line, uint32_t seed) {
    return [=](float x, float y) {
        float u = x / 32.0f, v = y / 32.0f;
        float p = u + v, q = u - v;
        int ip = static_cast<int>(std::floor(p * 2.0f)), iq = static_cast<int>(std::floor(q * 2.0f));
        Col col = ((ip + iq) & 1) ? a : b;
        float lp = std::fabs(wrapf(x + y, 32.0f) - 16.0f), lq = std::fabs(wrapf(x - y, 32.0f) - 16.0f);
        if (lp < 0.7f || lq < 0.7f) col = line;
        int ix = static_cast<int>(x), iy = static_cast<int>(y);
        if (rand01(ix, iy, seed + 3u) > 0.97f) col = mix(col, line, 0.5f);
        return shade(col, 1.0f + 0.8f * weave(x, y, seed));
    };
}

// Zig-zag bands.
Shader chevron(Col a, Col b, Col edge, uint32_t seed) {
    return [=](float x, float y) {
        float zig = std::fabs(wrapf(x, 16.0f) - 8.0f);
        float s = wrapf(y + zig, 16.0f);
        Col col = s < 8.0f ? a : b;
        if (s < 1.0f || std::fabs(s - 8.0f) < 1.0f) col = mix(col, edge, 0.6f);
        return shade(col, 1.0f + weave(x, y, seed) + 0.15f * (fbm(x, y, 4, 4, 3, seed + 8u) - 0.5f));
    };
}

// White relief: scallops lit from the top left.
Shader embossed(Col base, uint32_t seed) {
    auto height = [](float x, float y) {
        float u = wrapf(x, 16.0f) - 8.0f, v = wrapf(y, 16.0f) - 8.0f;
        float r = std::hypot(u, v);
        float petal = 5.0f + 1.5f * std::cos(4.0f * std::atan2(v, u));
        return smoothstep(petal + 1.0f, petal - 1.0f, r) - 0.5f * smoothstep(2.5f, 1.0f, r);
    };
    return [=](float x, float y) {
        float d = height(x - 0.8f, y - 0.8f) - height(x + 0.8f, y + 0.8f);
        float g = rand01(static_cast<int>(x), static_cast<int>(y), seed) - 0.5f;
        return lift(base, 28.0f * d + 6.0f * g + 8.0f * (fbm(x, y, 4, 4, 2, seed + 1u) - 0.5f));
    };
}

// Five-petal flowers on offset rows.
Shader flowers(Col bg, Col petal, Col centre, Col leaf, uint32_t seed) {
    return [=](float x, float y) {
        int row = static_cast<int>(y) / 16;
        float ox = (row & 1) ? 8.0f : 0.0f;
        float u = wrapf(x + ox, 16.0f) - 8.0f, v = wrapf(y, 16.0f) - 8.0f;
        float r = std::hypot(u, v), a = std::atan2(v, u);
        Col col = bg;
        float edge = 4.0f + 2.0f * std::cos(5.0f * a);
        // Small leaves in the gaps between flowers.
        float lu = wrapf(x + ox + 8.0f, 16.0f) - 8.0f, lv = wrapf(y + 8.0f, 16.0f) - 8.0f;
        if (std::fabs(lu * 0.7f + lv * 0.7f) < 1.0f && std::fabs(lu - lv) < 4.0f) col = leaf;
        if (r < edge) col = petal;
        if (r < edge && r > edge - 0.8f) col = shade(petal, 0.8f);
        if (r < 1.8f) col = centre;
        return shade(col, 1.0f + weave(x, y, seed));
    };
}

// Patchwork of half-square triangles in assorted colours.
Shader patchwork(const std::vector<Col>& palette, uint32_t seed) {
    return [=](float x, float y) {
        int cx = static_cast<int>(x) / 16, cy = static_cast<int>(y) / 16;
        float u = wrapf(x, 16.0f), v = wrapf(y, 16.0f);
        uint32_t h = hash3(cx, cy, seed);
        const Col& c1 = palette[h % palette.size()];
        const Col& c2 = palette[(h >> 8) % palette.size()];
        bool flip = (h >> 16) & 1;
        float d = flip ? u - v : u + v - 16.0f;
        Col col = d < 0.0f ? c1 : c2;
        if (std::fabs(d) < 0.7f || u < 0.6f || v < 0.6f) col = Col{235, 225, 200};
        return shade(col, 1.0f + weave(x, y, seed));
    };
}

// ---------------------------------------------------------------- others

// Chipboard: overlapping flakes of wood chip stamped with wrap-around.
Image chipboard(uint32_t seed) {
    Image img{};
    Col base{196, 166, 118};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            img[y * kSize + x] = shade(base, 0.9f + 0.2f * fbm(static_cast<float>(x), static_cast<float>(y), 8, 8, 2, seed));
    Rng rng(seed);
    for (int i = 0; i < 700; ++i) {
        int cx = rng.below(kSize), cy = rng.below(kSize);
        int len = 3 + rng.below(6), wid = 1 + rng.below(3);
        bool vert = rng.below(2) == 0;
        float k = rng.range(0.72f, 1.18f);
        float warm = rng.range(-12.0f, 12.0f);
        for (int a = 0; a < len; ++a)
            for (int b = 0; b < wid; ++b) {
                int x = wrap(cx + (vert ? b : a), kSize), y = wrap(cy + (vert ? a : b), kSize);
                Col c = shade(base, k);
                c.r += warm;
                c.b -= warm * 0.5f;
                img[y * kSize + x] = mix(img[y * kSize + x], c, 0.85f);
            }
    }
    // A few dark glue spots and bark bits.
    for (int i = 0; i < 40; ++i) {
        int x = rng.below(kSize), y = rng.below(kSize);
        img[y * kSize + x] = Col{110, 85, 55};
    }
    return img;
}

// Pale window glass with a soft diagonal sheen.
Shader glass(uint32_t seed) {
    return [=](float x, float y) {
        Col base{206, 220, 228};
        float d = (x + y) / kSize;  // whole cycles keep it seamless
        float sheen = 0.5f + 0.5f * std::sin(kTwoPi * d);
        float streak = std::pow(0.5f + 0.5f * std::sin(kTwoPi * 2.0f * d + 1.0f), 12.0f);
        float n = noise(x, y, 4, 4, seed) - 0.5f;
        return lift(base, 12.0f * sheen + 14.0f * streak + 3.0f * n);
    };
}

void save(const std::string& path, const Image& img) {
    std::vector<unsigned char> bytes;
    bytes.reserve(kSize * kSize * 3);
    for (const Col& c : img)
        for (float v : {c.r, c.g, c.b})
            bytes.push_back(static_cast<unsigned char>(std::lround(std::min(255.0f, std::max(0.0f, v)))));
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        if (f) std::fclose(f);
        std::exit(1);
    }
    std::fclose(f);
}

std::vector<Image> buildAll() {
    std::vector<Image> t;
    const Col lightGap{90, 65, 40}, darkGap{25, 15, 10};

    // 0 grey bricks
    t.push_back(render(bricks({32, 16, 2.0f, {138, 136, 132}, {196, 192, 184}, 0.12f, 0.02f, 0.18f, Bond::Running, 100})));
    // 1 chipboard
    t.push_back(chipboard(200));
    // 2 parquet
    t.push_back(render(herringbone({{214, 160, 98}, {160, 100, 52}, 5, 0.5f, 1.5f, 0.35f, 0.0f, 300}, lightGap)));
    // 3 white marble
    t.push_back(render(marble({{238, 238, 234}, {222, 224, 224}, {120, 122, 128}, {165, 165, 170}, 0.9f, 400})));
    // 4 green pattern
    t.push_back(render(trellis({46, 104, 58}, {150, 196, 120}, {214, 210, 110}, 16, 500)));
    // 5 dark wood slats
    t.push_back(render(slats({{110, 68, 40}, {58, 32, 18}, 6, 0.5f, 1.6f, 0.35f, 0.0f, 600}, 8, 32, false, darkGap)));
    // 6 light wood
    t.push_back(render(plainWood({{234, 204, 156}, {204, 160, 108}, 5, 0.6f, 1.4f, 0.3f, 0.0f, 700})));
    // 7 light wood 2: yellow pine with sharp late-wood lines
    t.push_back(render(plainWood({{240, 212, 150}, {196, 136, 66}, 3, 1.1f, 4.0f, 0.25f, 0.0f, 800})));
    // 8 dark wood
    t.push_back(render(plainWood({{112, 68, 42}, {62, 34, 20}, 6, 0.6f, 1.5f, 0.35f, 0.0f, 900})));
    // 9 streaked wood: high-contrast straight stripes
    t.push_back(render(plainWood({{218, 186, 128}, {92, 60, 34}, 11, 0.2f, 3.0f, 0.4f, 0.0f, 1000})));
    // 10 brown pattern
    t.push_back(render(rings({116, 72, 42}, {196, 156, 104}, {90, 54, 30}, 16, 1100)));
    // 11 dark wood 2: reddish mahogany, fine straight grain
    t.push_back(render(plainWood({{140, 60, 38}, {82, 30, 20}, 10, 0.3f, 1.8f, 0.45f, 0.0f, 1200})));
    // 12 grey pattern: granite
    t.push_back(render(speckle({150, 150, 152}, {60, 60, 64}, {225, 225, 228}, 0.12f, 1300)));
    // 13 purple pattern
    t.push_back(render(damask({92, 44, 120}, {178, 132, 206}, {58, 24, 80}, 1400)));
    // 14 grey pattern 2: basket-weave cloth
    t.push_back(render(basket({160, 160, 158}, {122, 122, 124}, 1500)));
    // 15 light wood slats
    t.push_back(render(slats({{232, 196, 140}, {190, 140, 86}, 9, 0.5f, 2.2f, 0.4f, 0.0f, 1600}, 16, 32, false, lightGap)));
    // 16 dark wood 3: chocolate with wavy rings
    t.push_back(render(plainWood({{100, 62, 40}, {48, 28, 18}, 4, 1.5f, 2.0f, 0.3f, 0.0f, 1700})));
    // 17 dark wood 4: nearly black, reddish streaks
    t.push_back(render(plainWood({{78, 46, 34}, {28, 18, 14}, 7, 0.8f, 1.2f, 0.6f, 0.0f, 1800})));
    // 18 brown pattern: houndstooth
    t.push_back(render(houndstooth({92, 58, 34}, {206, 176, 132}, 1900)));
    // 19 light wood 3: pinkish beech with close rings
    t.push_back(render(plainWood({{228, 184, 146}, {200, 146, 110}, 8, 0.4f, 1.2f, 0.3f, 0.0f, 2000})));
    // 20 small brown bricks
    t.push_back(render(bricks({16, 8, 1.2f, {128, 78, 48}, {200, 190, 170}, 0.14f, 0.04f, 0.2f, Bond::Running, 2100})));
    // 21 dark wood 5/6: walnut with broad rings
    t.push_back(render(plainWood({{108, 82, 56}, {58, 40, 26}, 3, 1.0f, 1.8f, 0.35f, 0.0f, 2200})));
    // 22 light wood 4: oak with pores
    t.push_back(render(plainWood({{218, 182, 126}, {172, 126, 74}, 6, 0.8f, 1.6f, 0.3f, 0.12f, 2300})));
    // 23 light wood slats 2: pale ash, vertical boards
    t.push_back(render(slats({{236, 222, 192}, {200, 180, 140}, 6, 0.5f, 1.5f, 0.3f, 0.0f, 2400}, 8, 64, true, lightGap)));
    // 24 small blue tiles
    {
        Brick b{16, 8, 1.2f, {52, 92, 170}, {220, 222, 224}, 0.12f, 0.03f, 0.06f, Bond::Running, 2500};
        b.gloss = 45.0f;
        t.push_back(render(bricks(b)));
    }
    // 25 black pattern: argyle
    t.push_back(render(argyle({26, 26, 30}, {46, 46, 52}, {130, 130, 138}, 2600)));
    // 26 coloured marble: rosy with cream and dark veins
    t.push_back(render(marble({{196, 120, 104}, {222, 186, 150}, {245, 238, 220}, {90, 50, 48}, 1.0f, 2700})));
    // 27 grey pattern 2 (second): zig-zag
    t.push_back(render(chevron({150, 152, 156}, {100, 102, 108}, {200, 200, 204}, 2800)));
    // 28 small bricks: buff yellow
    t.push_back(render(bricks({16, 8, 1.2f, {200, 164, 104}, {236, 230, 214}, 0.1f, 0.05f, 0.2f, Bond::Running, 2900})));
    // 29 small brown bricks 2: long thin bricks, dark joints
    t.push_back(render(bricks({32, 8, 1.2f, {100, 58, 36}, {60, 50, 44}, 0.18f, 0.05f, 0.22f, Bond::Running, 3000})));
    // 30 red bricks
    t.push_back(render(bricks({32, 16, 2.0f, {168, 64, 44}, {206, 198, 184}, 0.12f, 0.06f, 0.2f, Bond::Running, 3100})));
    // 31 red bricks 2: English bond, darker joints
    t.push_back(render(bricks({32, 16, 1.8f, {150, 70, 46}, {110, 104, 96}, 0.2f, 0.08f, 0.24f, Bond::English, 3200})));
    // 32 purple bricks
    t.push_back(render(bricks({32, 16, 2.0f, {112, 62, 110}, {196, 190, 196}, 0.14f, 0.05f, 0.2f, Bond::Running, 3300})));
    // 33 grey pattern 3: plaster
    t.push_back(render(stucco({172, 172, 170}, 90.0f, 8, 3400)));
    // 34 white pattern
    t.push_back(render(embossed({228, 228, 224}, 3500)));
    // 35 orange pattern
    t.push_back(render(flowers({232, 128, 38}, {250, 196, 90}, {150, 60, 20}, {190, 90, 24}, 3600)));
    // 36 pattern: patchwork
    t.push_back(render(patchwork({{186, 52, 48}, {52, 96, 160}, {220, 176, 60}, {70, 140, 80}, {130, 70, 140}, {226, 120, 50}},
                                 3700)));
    // 37 glass
    t.push_back(render(glass(3800)));
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::vector<Image> all = buildAll();
    for (size_t i = 0; i < all.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "tess%02zu.ppm", i);
        save(dir + name, all[i]);
    }
    std::printf("wrote %zu textures to %s\n", all.size(), dir.c_str());
    return 0;
}

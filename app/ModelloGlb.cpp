#include "app/ModelloGlb.h"

#include "dialogs/Nomi.h"
#include "model/Contenitori.h"
#include "model/Maglia.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Texture.h"
#include "view/FileEsportato.h"
#include "view/ImmaginePng.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <tiny_gltf.h>

namespace esportazione
{
namespace
{
// The program and its version, as the About box gives them.
const char* const GENERATORE = "Lavedo98 1.0";
const char* const NOMI_SUPERFICI[] = {"Pavimento",    "Parete nord",  "Parete est",
                                      "Parete sud",   "Parete ovest", "Soffitto"};

// glTF colours are linear; the room's are as the screen shows them (sRGB).
double Lineare(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct CMateriale
{
    float aColore[4];
    int nTexture;
    bool bDueLati;
};

class CModello
{
public:
    CModello(const CModello&) = delete;
    CModello& operator=(const CModello&) = delete;
    explicit CModello(const CStanza& stanza) : m_Stanza(stanza)
    {
        std::fill(std::begin(m_aTexture), std::end(m_aTexture), -1);
        m_Modello.asset.version = "2.0";
        m_Modello.asset.generator = GENERATORE;
        m_Modello.buffers.emplace_back();
        m_Modello.scenes.emplace_back();
        m_Modello.defaultScene = 0;
    }

    // A node at the scene's root; the index of the node.
    int Nodo(const std::string& nome)
    {
        tinygltf::Node nodo;
        nodo.name = nome;
        m_Modello.nodes.push_back(nodo);
        const int n = static_cast<int>(m_Modello.nodes.size()) - 1;
        m_Modello.scenes[0].nodes.push_back(n);
        return n;
    }
    tinygltf::Node& operator[](int n) { return m_Modello.nodes[static_cast<std::size_t>(n)]; }

    // The triangles of a mesh's runs (those of one group, or all with
    // nGruppo -1), one primitive per material; -1 when there are none.
    int Maglia(const CMaglia& maglia, int nGruppo, const std::string& nome);

    // A light that is on, at its node.
    void Luce(int nNodo, COggetto& luce);

    bool Scrivi(std::vector<std::uint8_t>& glb)
    {
        std::ostringstream flusso;
        tinygltf::TinyGLTF scrittore;
        if (!scrittore.WriteGltfSceneToStream(&m_Modello, flusso, false, true))
            return false;
        const std::string s = flusso.str();
        glb.assign(s.begin(), s.end());
        return true;
    }

private:
    int Vista(const void* p, std::size_t n, int nBersaglio);
    int Accessore(const std::vector<float>& a, int nTipo, bool bLimiti);
    int Materiale(const CParte& parte);
    int Texture(int nTexture);

    const CStanza& m_Stanza;
    tinygltf::Model m_Modello;
    std::vector<CMateriale> m_aMateriali;
    int m_aTexture[NUMERO_TEXTURE];
    bool m_bCampionatore = false;
};

int CModello::Vista(const void* p, std::size_t n, int nBersaglio)
{
    std::vector<unsigned char>& dati = m_Modello.buffers[0].data;
    // Every view starts on a 4-byte boundary, as float data needs.
    dati.resize((dati.size() + 3) / 4 * 4);
    tinygltf::BufferView vista;
    vista.buffer = 0;
    vista.byteOffset = dati.size();
    vista.byteLength = n;
    vista.target = nBersaglio;
    const auto* b = static_cast<const unsigned char*>(p);
    dati.insert(dati.end(), b, b + n);
    m_Modello.bufferViews.push_back(vista);
    return static_cast<int>(m_Modello.bufferViews.size()) - 1;
}

int CModello::Accessore(const std::vector<float>& a, int nTipo, bool bLimiti)
{
    const int nComponenti = nTipo == TINYGLTF_TYPE_VEC2 ? 2 : 3;
    tinygltf::Accessor accessore;
    accessore.bufferView = Vista(a.data(), a.size() * sizeof(float), TINYGLTF_TARGET_ARRAY_BUFFER);
    accessore.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    accessore.count = a.size() / static_cast<std::size_t>(nComponenti);
    accessore.type = nTipo;
    if (bLimiti)
    {
        // Positions carry their bounds, as glTF asks.
        accessore.minValues.assign(3, 1e30);
        accessore.maxValues.assign(3, -1e30);
        for (std::size_t i = 0; i < a.size(); ++i)
        {
            accessore.minValues[i % 3] = std::min(accessore.minValues[i % 3], double(a[i]));
            accessore.maxValues[i % 3] = std::max(accessore.maxValues[i % 3], double(a[i]));
        }
    }
    m_Modello.accessors.push_back(accessore);
    return static_cast<int>(m_Modello.accessors.size()) - 1;
}

int CModello::Texture(int nTexture)
{
    if (m_aTexture[nTexture] >= 0)
        return m_aTexture[nTexture];
    if (!m_bCampionatore)
    {
        // Repeating, with the room's filters.
        tinygltf::Sampler campionatore;
        campionatore.magFilter = static_cast<int>(m_Stanza.GetFiltroMag());
        campionatore.minFilter = static_cast<int>(m_Stanza.GetFiltroMin());
        campionatore.wrapS = campionatore.wrapT = TINYGLTF_TEXTURE_WRAP_REPEAT;
        m_Modello.samplers.push_back(campionatore);
        m_bCampionatore = true;
    }
    // The image's first row is GL's t = 0 and glTF's v = 0 alike.
    const std::vector<std::uint8_t> rgb(g_aImmaginiTexture[nTexture],
                                        g_aImmaginiTexture[nTexture] + BYTE_IMMAGINE);
    std::vector<std::uint8_t> png;
    CodificaPng(rgb, LATO_TEXTURE, LATO_TEXTURE, png);
    tinygltf::Image immagine;
    immagine.name = "tess" + std::to_string(nTexture / 10) + std::to_string(nTexture % 10);
    immagine.mimeType = "image/png";
    immagine.bufferView = Vista(png.data(), png.size(), 0);
    m_Modello.images.push_back(immagine);
    tinygltf::Texture texture;
    texture.sampler = 0;
    texture.source = static_cast<int>(m_Modello.images.size()) - 1;
    m_Modello.textures.push_back(texture);
    return m_aTexture[nTexture] = static_cast<int>(m_Modello.textures.size()) - 1;
}

int CModello::Materiale(const CParte& parte)
{
    // The 3D view shows both sides of what it does not cull.
    const int nTexture = IsTextureValida(parte.nTexture) ? parte.nTexture : -1;
    const CMateriale chiave{{parte.aColore[0], parte.aColore[1], parte.aColore[2], parte.aColore[3]},
                            nTexture, !parte.bCulling};
    for (std::size_t i = 0; i < m_aMateriali.size(); ++i)
        if (std::memcmp(&m_aMateriali[i], &chiave, sizeof chiave) == 0)
            return static_cast<int>(i);
    tinygltf::Material materiale;
    tinygltf::PbrMetallicRoughness& pbr = materiale.pbrMetallicRoughness;
    const double fAlfa = std::clamp(double(parte.aColore[3]), 0.0, 1.0);
    if (nTexture >= 0)
    {
        // A decal texture: its colour alone shows.
        pbr.baseColorTexture.index = Texture(nTexture);
        pbr.baseColorFactor = {1.0, 1.0, 1.0, fAlfa};
    }
    else
        pbr.baseColorFactor = {Lineare(std::clamp(double(parte.aColore[0]), 0.0, 1.0)),
                               Lineare(std::clamp(double(parte.aColore[1]), 0.0, 1.0)),
                               Lineare(std::clamp(double(parte.aColore[2]), 0.0, 1.0)), fAlfa};
    // The editor's materials have no shine.
    pbr.metallicFactor = 0.0;
    pbr.roughnessFactor = 1.0;
    materiale.alphaMode = fAlfa < 1.0 ? "BLEND" : "OPAQUE";
    materiale.doubleSided = chiave.bDueLati;
    m_Modello.materials.push_back(materiale);
    m_aMateriali.push_back(chiave);
    return static_cast<int>(m_aMateriali.size()) - 1;
}

int CModello::Maglia(const CMaglia& maglia, int nGruppo, const std::string& nome)
{
    tinygltf::Mesh mesh;
    mesh.name = nome;
    // One primitive for each material and kind (triangles or lines), in the
    // order the parts first use them; -1 for a part of another group.
    std::vector<int> aChiavi;
    for (const CParte& p : maglia.aParti)
        aChiavi.push_back(nGruppo >= 0 && p.nGruppo != nGruppo
                              ? -1
                              : Materiale(p) * 2 + (p.nPrimitiva == PRIMITIVA_LINEE));
    std::vector<int> aFatte;
    std::vector<float> aPosizioni, aNormali, aCoord;
    for (const int nChiave : aChiavi)
    {
        if (nChiave < 0 || std::find(aFatte.begin(), aFatte.end(), nChiave) != aFatte.end())
            continue;
        aFatte.push_back(nChiave);
        aPosizioni.clear();
        aNormali.clear();
        aCoord.clear();
        auto vertice = [&](const CVertice& v) {
            aPosizioni.insert(aPosizioni.end(), v.p, v.p + 3);
            // glTF wants unit normals: the view's may be scaled with a box.
            const float l = std::sqrt(v.n[0] * v.n[0] + v.n[1] * v.n[1] + v.n[2] * v.n[2]);
            const float aUnitaria[3] = {l > 0 ? v.n[0] / l : 0.0f, l > 0 ? v.n[1] / l : 1.0f,
                                        l > 0 ? v.n[2] / l : 0.0f};
            aNormali.insert(aNormali.end(), aUnitaria, aUnitaria + 3);
            aCoord.insert(aCoord.end(), v.t, v.t + 2);
        };
        for (std::size_t k = 0; k < aChiavi.size(); ++k)
        {
            if (aChiavi[k] != nChiave)
                continue;
            const CParte& p = maglia.aParti[k];
            const CVertice* v = &maglia.aVertici[static_cast<std::size_t>(p.nPrimo)];
            if (p.nPrimitiva == PRIMITIVA_QUADRI)
                for (int q = 0; q + 3 < p.nNumero; q += 4)
                    for (const int i : {0, 1, 2, 0, 2, 3})
                        vertice(v[q + i]);
            else
                for (int i = 0; i < p.nNumero; ++i)
                    vertice(v[i]);
        }
        // Lines (the seams of doors) are one pixel wide in other programs.
        const bool bLinee = nChiave % 2 == 1;
        tinygltf::Primitive primitiva;
        primitiva.mode = bLinee ? TINYGLTF_MODE_LINE : TINYGLTF_MODE_TRIANGLES;
        primitiva.material = nChiave / 2;
        primitiva.attributes["POSITION"] = Accessore(aPosizioni, TINYGLTF_TYPE_VEC3, true);
        if (!bLinee)
            primitiva.attributes["NORMAL"] = Accessore(aNormali, TINYGLTF_TYPE_VEC3, false);
        if (m_aMateriali[static_cast<std::size_t>(nChiave / 2)].nTexture >= 0)
            primitiva.attributes["TEXCOORD_0"] = Accessore(aCoord, TINYGLTF_TYPE_VEC2, false);
        mesh.primitives.push_back(primitiva);
    }
    if (mesh.primitives.empty())
        return -1;
    m_Modello.meshes.push_back(mesh);
    return static_cast<int>(m_Modello.meshes.size()) - 1;
}

void CModello::Luce(int nNodo, COggetto& luce)
{
    const float* d = luce.GetDisattivaDiffusa() ? nullptr : luce.GetDiffusa();
    const double aDiffusa[3] = {d ? std::max(0.0f, d[0]) : 0.0, d ? std::max(0.0f, d[1]) : 0.0,
                                d ? std::max(0.0f, d[2]) : 0.0};
    const double m = std::max({aDiffusa[0], aDiffusa[1], aDiffusa[2]});
    tinygltf::Light l;
    l.name = m_Modello.nodes[static_cast<std::size_t>(nNodo)].name;
    l.color = {1.0, 1.0, 1.0};
    if (m > 0.0)
        for (int k = 0; k < 3; ++k)
            l.color[static_cast<std::size_t>(k)] = Lineare(std::min(1.0, aDiffusa[k] / m));
    const double x = luce.GetX(), y = luce.GetZ(), z = luce.GetY();
    tinygltf::Node& nodo = (*this)[nNodo];
    nodo.translation = {x, y, z};
    if (luce.GetDirezionale())
    {
        // Lit from (x, y, z) towards the origin, as GL's directional light;
        // the node's -z shines, so its +z turns to that direction.
        l.type = "directional";
        l.intensity = m;
        const double q = std::sqrt(x * x + y * y + z * z);
        const double dx = q > 0 ? x / q : 0.0, dy = q > 0 ? y / q : 1.0, dz = q > 0 ? z / q : 0.0;
        if (dz < -0.999999)
            nodo.rotation = {0.0, 1.0, 0.0, 0.0};
        else
        {
            const double r = std::sqrt(dy * dy + dx * dx + (1 + dz) * (1 + dz));
            nodo.rotation = {-dy / r, dx / r, 0.0, (1 + dz) / r};
        }
    }
    else
    {
        // GL's lights do not fade with distance, glTF's point lights do:
        // the floor straight below gets what the editor shows.
        l.type = "point";
        const double h = std::max(1.0, y);
        l.intensity = m * h * h;
    }
    m_Modello.lights.push_back(l);
    tinygltf::Value::Object estensione;
    estensione["light"] = tinygltf::Value(static_cast<int>(m_Modello.lights.size()) - 1);
    nodo.extensions["KHR_lights_punctual"] = tinygltf::Value(estensione);
}
}  // namespace

bool ModelloGlb(CScena& scena, const CContestoDisegno& contesto, std::vector<std::uint8_t>& glb,
                wxString& errore)
{
    CModello modello(scena.m_Stanza);
    // The textures the view uses, whatever the window shows now.
    CContestoDisegno c = contesto;
    c.bTextures = true;
    c.bWireframe = false;

    // All four walls, each a node a viewer can hide; the ceiling when the
    // 3D view draws one.
    CMaglia maglia;
    {
        CRegistratore r(maglia);
        scena.m_Stanza.CostruisciMaglia(r, true, PARETI_TUTTE, 4);
    }
    const bool bSoffitto = scena.m_Stanza.GetParetiVisibili(c) == PARETI_TUTTE;
    for (int g = CStanza::GRUPPO_PAVIMENTO; g <= CStanza::GRUPPO_SOFFITTO; ++g)
    {
        if (g == CStanza::GRUPPO_SOFFITTO && !bSoffitto)
            continue;
        const int nMaglia = modello.Maglia(maglia, g, NOMI_SUPERFICI[g]);
        if (nMaglia >= 0)
            modello[modello.Nodo(NOMI_SUPERFICI[g])].mesh = nMaglia;
    }

    // Each piece in its own frame, placed by its node.
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    for (int i = 0, n = oggetti.GetNumero(); i < n && p; ++i, oggetti.GetSuccessivo(p))
    {
        {
            CRegistratore r(maglia);
            p->CostruisciMaglia(r, c);
        }
        const std::string nome(NomeInTesto(p->GetNome()).utf8_str());
        const int nNodo = modello.Nodo(nome);
        tinygltf::Node& nodo = modello[nNodo];
        const CCollocazione& k = maglia.collocazione;
        nodo.translation = {k.aTraslazione[0], k.aTraslazione[1], k.aTraslazione[2]};
        if (k.fRotazione != 0.0f)
        {
            const double a = k.fRotazione * 3.14159265358979 / 360.0;
            nodo.rotation = {0.0, std::sin(a), 0.0, std::cos(a)};
        }
        const int nMaglia = modello.Maglia(maglia, -1, nome);
        modello[nNodo].mesh = nMaglia;
    }

    CContenitori& luci = scena.m_Luci;
    luci.GetElemento(1, p);
    for (int i = 0, n = luci.GetNumero(); i < n && p; ++i, luci.GetSuccessivo(p))
        if (p->GetAccesa())
            modello.Luce(modello.Nodo(std::string(NomeInTesto(p->GetNome()).utf8_str())), *p);

    if (!modello.Scrivi(glb))
    {
        errore = wxString::FromUTF8("la scrittura del modello non è riuscita");
        return false;
    }
    return true;
}

bool EsportaModello(CScena& scena, const CContestoDisegno& contesto, const wxString& percorso,
                    wxString& errore)
{
    std::vector<std::uint8_t> glb;
    wxString motivo;
    if (!ModelloGlb(scena, contesto, glb, motivo))
    {
        errore = ErroreScrittura(percorso, motivo);
        return false;
    }
    return ScriviFile(percorso, glb, errore);
}
}  // namespace esportazione

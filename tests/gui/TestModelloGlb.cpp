// The room as a GLB model, read back with tinygltf and checked against the
// room it came from: where each piece stands and how tall it is, the
// surfaces, the lights, the materials and the embedded textures.
#include "Ambiente.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "app/ModelloGlb.h"
#include "model/Contenitori.h"
#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Texture.h"
#include "view/LavedoView.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <tiny_gltf.h>

using namespace ambiente;

namespace
{
using CVettore = std::array<double, 3>;

// v turned by the unit quaternion q: v + 2w (q x v) + 2 q x (q x v).
CVettore Ruota(const std::vector<double>& q, const CVettore& v)
{
    if (q.empty())
        return v;
    const CVettore c = {q[1] * v[2] - q[2] * v[1], q[2] * v[0] - q[0] * v[2],
                        q[0] * v[1] - q[1] * v[0]};
    return {v[0] + 2 * (q[3] * c[0] + q[1] * c[2] - q[2] * c[1]),
            v[1] + 2 * (q[3] * c[1] + q[2] * c[0] - q[0] * c[2]),
            v[2] + 2 * (q[3] * c[2] + q[0] * c[1] - q[1] * c[0])};
}

// The box (least corner, greatest corner) of a node's mesh where the node
// puts it in the room.
std::array<CVettore, 2> LimitiNelMondo(const tinygltf::Model& m, const tinygltf::Node& nodo)
{
    std::array<CVettore, 2> l = {CVettore{1e30, 1e30, 1e30}, CVettore{-1e30, -1e30, -1e30}};
    for (const tinygltf::Primitive& p : m.meshes.at(size_t(nodo.mesh)).primitives)
    {
        const tinygltf::Accessor& a = m.accessors[size_t(p.attributes.at("POSITION"))];
        const size_t nInizio = m.bufferViews[size_t(a.bufferView)].byteOffset + a.byteOffset;
        const auto* f = reinterpret_cast<const float*>(&m.buffers[0].data[nInizio]);
        for (size_t i = 0; i < a.count; ++i, f += 3)
        {
            const CVettore r = Ruota(nodo.rotation, {f[0], f[1], f[2]});
            for (size_t k = 0; k < 3; ++k)
            {
                const double t = nodo.translation.empty() ? 0.0 : nodo.translation[k];
                l[0][k] = std::min(l[0][k], r[k] + t);
                l[1][k] = std::max(l[1][k], r[k] + t);
            }
        }
    }
    return l;
}

const tinygltf::Light& LuceDi(const tinygltf::Model& m, const tinygltf::Node* pNodo)
{
    const tinygltf::Value& v = pNodo->extensions.at("KHR_lights_punctual").Get("light");
    return m.lights.at(size_t(v.GetNumberAsInt()));
}

double Lineare(double c) { return std::pow((c + 0.055) / 1.055, 2.4); }
}  // namespace

// Every kind of piece turned by 30 degrees and both openings on each wall:
// each piece's node spans its plan footprint and its height; the surfaces,
// the lights that are on, the colours and the textures as the room has them.
TEST(ModelloGlb, LettoDaTinygltfComeLaStanza)
{
    for (const bool bDallInterno : {false, true})
    {
        SCOPED_TRACE(bDallInterno ? "camera inside" : "camera outside");
        Ripristina(400, 300);
        CLavedoDoc& doc = Documento();
        doc.m_Stanza.SetPareti(PARETI_DUE);
        const float W = doc.m_Stanza.GetLarghezza(), D = doc.m_Stanza.GetProfondita();
        const float H = doc.m_Stanza.GetAltezza();
        std::vector<COggetto*> aPezzi;
        for (int c = 0; c < 4; ++c)
            for (int t = 0; t < 2; ++t)
                for (int nParete = 1; nParete <= (c == CATEGORIA_PORTE_FINESTRE ? 4 : 1); ++nParete)
                {
                    const int i = int(aPezzi.size());
                    const std::string nome = "Pezzo " + std::to_string(i);
                    COggetto* p = scena_di_prova::Mobile(c, t, nome.c_str(), float(1 + i % 4 * 2),
                                                         float(1 + i / 4 * 2));
                    p->SetLarghezza(0.9f);
                    p->SetProfondita(0.6f);
                    p->SetAltezza(1.2f);
                    p->SetRotazione(30.0f);
                    p->SetParete(nParete);
                    p->SetZ(0.8f);
                    p->SetTexture(i % 3 == 0 ? -1 : i);
                    const unsigned char nAlfa = i ? 170 : 255;
                    const unsigned char aColore[4] = {200, 100, 50, nAlfa};
                    p->SetColore1(aColore);
                    doc.m_Oggetti.Aggiungi(p);
                    aPezzi.push_back(p);
                }
        const float aDiffusa[4] = {0.8f, 0.4f, 0.2f, 1.0f};
        COggetto* pLampada = scena_di_prova::Luce("Lampada", 2.0f, 3.0f, 2.5f, false);
        COggetto* pSpenta = scena_di_prova::Luce("Spenta", 1.0f, 2.0f, 3.0f, false);
        pLampada->SetDiffusa(aDiffusa);
        pSpenta->SetAccesa(false);
        doc.m_Luci.Aggiungi(pLampada);
        doc.m_Luci.Aggiungi(scena_di_prova::Luce("Sole", 1.0f, 2.0f, 3.0f, true));
        doc.m_Luci.Aggiungi(pSpenta);

        CContestoDisegno contesto = Vista().ContestoDisegno();
        contesto.bDallInterno = bDallInterno;
        std::vector<std::uint8_t> glb;
        wxString errore;
        ASSERT_TRUE(esportazione::ModelloGlb(doc, contesto, glb, errore)) << errore;
        tinygltf::Model m;
        tinygltf::TinyGLTF lettore;
        std::string err, warn;
        ASSERT_TRUE(lettore.LoadBinaryFromMemory(&m, &err, &warn, glb.data(), unsigned(glb.size())))
            << err;
        EXPECT_EQ(m.asset.generator.rfind("Lavedo98 ", 0), 0u) << m.asset.generator;
        std::map<std::string, const tinygltf::Node*> nodi;
        for (const tinygltf::Node& nodo : m.nodes)
            nodi[nodo.name] = &nodo;
        EXPECT_EQ(nodi.size(), aPezzi.size() + 2 + (bDallInterno ? 6 : 5));

        for (COggetto* p : aPezzi)
        {
            SCOPED_TRACE(p->GetNome());
            const CRiquadro r = RiquadroImpronta(*p, W, D);
            const float aPianta[3][2] = {{r.fMinX, r.fMaxX}, {}, {r.fMinY, r.fMaxY}};
            const auto l = LimitiNelMondo(m, *nodi.at(p->GetNome()));
            // An opening lies along its wall, within a few centimetres of it.
            const int nParete = p->GetParete();
            for (const size_t k : {0, 2})
                if (nParete > 0 && nParete % 2 == (k == 0 ? 0 : 1))
                    EXPECT_TRUE(l[0][k] > aPianta[k][0] - 0.1 && l[1][k] < aPianta[k][1] + 0.1);
                else
                    for (const size_t b : {0, 1})
                        EXPECT_NEAR(l[b][k], aPianta[k][b], 1e-3) << "axis " << k;
            const double fBase = p->GetRuntimeClass() == std::string("CFinestre") ? 0.8 : 0.0;
            EXPECT_NEAR(l[0][1], fBase, 0.02);
            EXPECT_NEAR(l[1][1], fBase + 1.2, 1e-3);
        }
        // Floor, walls and ceiling: x, y, z at the least corner, then the greatest.
        const std::map<std::string, std::array<double, 6>> aSuperfici = {
            {"Pavimento", {0, 0, 0, W, 0, D}},    {"Parete nord", {0, 0, 0, W, H, 0}},
            {"Parete est", {W, 0, 0, W, H, D}},   {"Parete sud", {0, 0, D, W, H, D}},
            {"Parete ovest", {0, 0, 0, 0, H, D}}, {"Soffitto", {0, H, 0, W, H, D}}};
        for (const auto& [nome, a] : aSuperfici)
            if (bDallInterno || nome != "Soffitto")
            {
                SCOPED_TRACE(nome);
                const auto l = LimitiNelMondo(m, *nodi.at(nome));
                for (size_t k = 0; k < 6; ++k)
                    EXPECT_NEAR(l[k / 3][k % 3], a[k], 1e-4);
            }

        // The lamp where it stands, lighting the floor below as the editor
        // does; the sun shining from its direction towards the origin.
        ASSERT_EQ(m.lights.size(), 2u);
        EXPECT_EQ(m.extensionsUsed, std::vector<std::string>{"KHR_lights_punctual"});
        const tinygltf::Light& lampada = LuceDi(m, nodi.at("Lampada"));
        EXPECT_EQ(lampada.type, "point");
        EXPECT_EQ(nodi.at("Lampada")->translation, (std::vector<double>{2.0, 2.5, 3.0}));
        EXPECT_NEAR(lampada.intensity, 0.8 * 2.5 * 2.5, 1e-5);
        const tinygltf::Node* pSole = nodi.at("Sole");
        EXPECT_EQ(LuceDi(m, pSole).type, "directional");
        const CVettore v = Ruota(pSole->rotation, {0, 0, -1}), aDa = {1, 3, 2};
        for (size_t k = 0; k < 3; ++k)
        {
            EXPECT_NEAR(lampada.color[k], Lineare(aDiffusa[k] / 0.8), 1e-5);
            EXPECT_NEAR(v[k], -aDa[k] / std::sqrt(14.0), 1e-6);
        }

        // Colours from sRGB to linear, blended under 255; the textures the
        // room's own images; the seams of the two cabinets as lines.
        int nColori = 0, nTexture = 0, nLinee = 0;
        for (size_t i = 0; i < aPezzi.size(); ++i)
            for (const tinygltf::Primitive& p :
                 m.meshes.at(size_t(nodi.at(aPezzi[i]->GetNome())->mesh)).primitives)
            {
                nLinee += p.mode == TINYGLTF_MODE_LINE;
                const tinygltf::Material& materiale = m.materials.at(size_t(p.material));
                const tinygltf::PbrMetallicRoughness& pbr = materiale.pbrMetallicRoughness;
                const double aColore[4] = {Lineare(200 / 255.0), Lineare(100 / 255.0),
                                           Lineare(50 / 255.0), i == 0 ? 1.0 : 170 / 255.0};
                const int t = pbr.baseColorTexture.index;
                const int nImmagine = t < 0 ? -1 : m.textures.at(size_t(t)).source;
                if (nImmagine < 0 && std::fabs(pbr.baseColorFactor[1] - aColore[1]) < 1e-5)
                {
                    ++nColori;
                    for (size_t k = 0; k < 4; ++k)
                        EXPECT_NEAR(pbr.baseColorFactor[k], aColore[k], 1e-5);
                    EXPECT_EQ(materiale.alphaMode, i == 0 ? "OPAQUE" : "BLEND");
                }
                if (nImmagine < 0)
                    continue;
                ++nTexture;
                const tinygltf::Image& immagine = m.images.at(size_t(nImmagine));
                ASSERT_EQ(immagine.width * immagine.height, LATO_TEXTURE * LATO_TEXTURE);
                EXPECT_EQ(p.attributes.count("TEXCOORD_0"), 1u);
                const bool bVetro = aPezzi[i]->GetRuntimeClass() == std::string("CFinestre");
                const std::uint8_t* pAtteso =
                    g_aImmaginiTexture[bVetro ? TEXTURE_VETRO : aPezzi[i]->GetTexture()];
                for (int k = 0; k < BYTE_IMMAGINE; ++k)
                    if (immagine.image[size_t(k / 3 * immagine.component + k % 3)] !=
                        pAtteso[k])
                        FAIL() << aPezzi[i]->GetNome() << ": byte " << k;
            }
        EXPECT_GE(nColori, 10);
        EXPECT_GE(nTexture, 6);
        EXPECT_EQ(nLinee, 2);
    }
}

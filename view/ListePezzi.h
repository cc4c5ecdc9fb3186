#pragma once
#include <GL/gl.h>
#include <cstdint>
#include <unordered_map>
#include <vector>

class COggetto;

// Each furnishing's 3D drawing compiled once into a GL display list and
// replayed while nothing it depends on changes: the software renderer then
// spends the frame on lighting and pixels instead of re-issuing every
// vertex. A list is keyed by everything the drawing reads: the piece's
// record as the file holds it, its class, its selection, the textures and
// wireframe toggles, the room's size and visible walls (doors and windows
// hang on them) and the texture objects. An object replaced by another at
// the same address (undo reloads the pieces) can therefore only replay a
// list that draws exactly what its own drawing would.
class CListePezzi
{
public:
    CListePezzi() = default;
    CListePezzi(const CListePezzi&) = delete;
    CListePezzi& operator=(const CListePezzi&) = delete;

    // The context current now is the one the lists live in. Lists made in
    // another context are forgotten (they go with that context).
    void Lega();
    // Whether the current context is the one the lists live in: another
    // (an off-screen export, say) draws the pieces directly.
    bool IsNelContesto() const;
    // Draws the piece in the current (render) mode through its list,
    // compiling the list first when the key changed.
    void Disegna(COggetto& pezzo);
    // Ends a frame: frees the lists of pieces not drawn since the last one.
    void FineFotogramma();
    // Frees every list. The context the lists were made in must be current.
    void Libera();
    std::size_t GetNumero() const { return m_Voci.size(); }

private:
    struct CVoce
    {
        GLuint nLista = 0;
        std::vector<std::uint8_t> aChiave;
        bool bUsata = false;
    };
    void Chiave(COggetto& pezzo, std::vector<std::uint8_t>& aChiave) const;

    std::unordered_map<const COggetto*, CVoce> m_Voci;
    std::vector<std::uint8_t> m_aChiave;  // reused from piece to piece
    const void* m_pContesto = nullptr;
};

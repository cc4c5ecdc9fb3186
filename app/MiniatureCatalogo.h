#pragma once
#include <wx/bitmap.h>
#include <wx/string.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class CCatalogo;

// The pictures of the catalogue's entries, drawn off screen by the view's
// GL when first shown and then kept. Each look is drawn once: a piece kept
// again or a list made anew finds its picture among those already drawn.
// Where no picture can be drawn, an empty one in the background colour.
class CMiniatureCatalogo
{
public:
    // fnNota tells the user (the status bar) why no picture could be drawn.
    CMiniatureCatalogo(const CCatalogo& catalogo, std::function<void(const wxString&)> fnNota);

    // The picture of an entry at fScala device pixels a toolkit pixel,
    // drawn with every other entry's still missing.
    const wxBitmap& Miniatura(std::size_t nVoce, double fScala);
    // The catalogue's entries changed: their pictures are looked up again.
    void VociCambiate() { m_aMiniature.clear(); }
    // Forgets every picture drawn (the screen's scale changed).
    void Dimentica();

private:
    void Prepara(double fScala);

    const CCatalogo& m_Catalogo;
    std::function<void(const wxString&)> m_fnNota;
    // The picture of each entry, and every picture drawn by the piece's
    // bytes.
    std::vector<wxBitmap> m_aMiniature;
    std::map<std::vector<std::uint8_t>, wxBitmap> m_Disegnate;
    wxBitmap m_Vuota;
};

#pragma once
#include <wx/bitmap.h>
#include <wx/vlbox.h>

#include <cstddef>
#include <functional>
#include <vector>

class CCatalogo;

// The catalogue's list: one row a piece, with its picture, its name and its
// sizes; the first row of each group also carries the group's title above
// it. It only draws: the pane handles what the user does with it.
class CListaCatalogo : public wxVListBox
{
public:
    // fnMiniatura gives the picture of an entry of the catalogue.
    CListaCatalogo(wxWindow* pGenitore, const CCatalogo& catalogo,
                   std::function<const wxBitmap&(std::size_t nVoce)> fnMiniatura);

    // Shows these entries of the catalogue, in this order.
    void Mostra(const std::vector<std::size_t>& aVoci);
    // The entry of a row, or -1 for none.
    long VoceDellaRiga(int nRiga) const;
    // The row that shows an entry, or wxNOT_FOUND.
    int RigaDellaVoce(std::size_t nVoce) const;
    // Side of the pictures, in the toolkit's pixels.
    static constexpr int LATO_MINIATURA = 64;

private:
    struct CRiga
    {
        std::size_t nVoce;
        bool bTitolo;  // the first of its group
    };

    int AltezzaTitolo() const;
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;
    void OnDrawBackground(wxDC& dc, const wxRect& rect, size_t n) const override;

    const CCatalogo& m_Catalogo;
    std::function<const wxBitmap&(std::size_t)> m_fnMiniatura;
    std::vector<CRiga> m_aRighe;
};

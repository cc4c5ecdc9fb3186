#pragma once
// Pictures of the view (PNG), the plan to scale (vector PDF or SVG), the
// previews of the file manager: each written whole or not at all.
#include "model/ContestoDisegno.h"

#include <cstdint>
#include <vector>
#include <wx/string.h>

class CLavedoView;

namespace esportazione
{
// The page of a plan to scale. nScala is the denominator (20, 50, 100), or
// 0 for the largest whole scale that fits the page.
struct COpzioniPiantina
{
    bool bA3 = false;
    bool bOrizzontale = false;
    int nScala = 50;
};

// Where the room goes on a page, in millimetres from the page's lower
// left corner.
struct CImpaginazione
{
    double fLarghezzaFoglio = 0, fAltezzaFoglio = 0;
    int nScala = 0;                  // the page shows the room at 1:nScala
    double fX = 0, fY = 0;           // the room's corner (its far left wall, front)
    double fLarghezza = 0, fProfondita = 0;  // the room on paper
    double MillimetriPerMetro() const { return 1000.0 / nScala; }
};

// One text of the plan: its anchor in millimetres, its size in points,
// turned by fAngolo degrees; bCentrato, else from its left end.
struct CScritta
{
    double x, y, fCorpo, fAngolo;
    bool bCentrato;
    wxString testo;
};

// A page of the given size for a room of W x D metres. A room that does
// not fit at the chosen scale is refused with a message that suggests the
// next one.
bool Impagina(double fLarghezzaFoglio, double fAltezzaFoglio, int nScala, float W, float D,
              CImpaginazione& pagina, wxString& errore);
bool Impagina(const COpzioniPiantina& opzioni, float W, float D, CImpaginazione& pagina,
              wxString& errore);
// The page size in millimetres for the options.
void DimensioneFoglio(const COpzioniPiantina& opzioni, double& w, double& h);

// The page's own texts: the room's width and depth beside its walls, the
// caption with the file name and scale (the names: app/DisegnoCarta.h).
std::vector<CScritta> Scritte(const CImpaginazione& pagina, float W, float D,
                              const wxString& nomeFile);

// The view in mode nVista as a w x h PNG (16 to 8192 each).
bool EsportaImmagine(CLavedoView& vista, const wxString& percorso, int nVista, int w, int h,
                     wxString& errore);
// The plan on a page as PDF or SVG, by the path's extension.
bool EsportaPiantina(CLavedoView& vista, const wxString& percorso, const wxString& nomeFile,
                     const COpzioniPiantina& opzioni, wxString& errore);
// The plan as a PNG at most nLato pixels on its longer side.
bool Miniatura(CLavedoView& vista, const wxString& percorso, int nLato, wxString& errore);

// The plan drawn on a page of the given size at nPuntiPerMm pixels per
// millimetre, white paper, rows top first (printing uses it).
bool PiantinaSuCarta(CLavedoView& vista, const CImpaginazione& pagina, int nPuntiPerMm,
                     std::vector<std::uint8_t>& rgb, wxString& errore);
// A wx image from rows top first.
bool CodificaPng(const std::vector<std::uint8_t>& rgb, int w, int h,
                 std::vector<std::uint8_t>& png);
}  // namespace esportazione

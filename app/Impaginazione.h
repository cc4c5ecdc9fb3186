#pragma once
// Where the room goes on a page of paper, and the page's own texts: shared
// by the plan's PDF/SVG writer and the printout.
#include <vector>
#include <wx/string.h>

namespace esportazione
{
// The empty border round everything on a page, in millimetres.
constexpr double MARGINE_FOGLIO = 10.0;

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
}  // namespace esportazione

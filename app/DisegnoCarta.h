#pragma once
// What paper adds to the view's plan, worked out from the pieces' sizes and
// places alone: a thin dark outline round every footprint (a white piece
// on white paper shows), doors and windows as openings in the wall line,
// and the names where they can be read. Millimetres of the page from its
// lower left corner; the PDF/SVG writer and the printout draw the result.
#include "app/Impaginazione.h"

#include <functional>
#include <vector>
#include <wx/string.h>

class CScena;

namespace esportazione
{
struct CPuntoCarta
{
    double x, y;
};

// A line through the points, fSpessore millimetres wide, black; bCancella
// draws it in the paper's white instead, over what the view drew where a
// wall has an opening.
struct CTratto
{
    std::vector<CPuntoCarta> punti;
    double fSpessore;
    bool bChiuso = false;
    bool bCancella = false;
};

struct CDisegnoCarta
{
    std::vector<CTratto> tratti;    // in drawing order, over the view's plan
    std::vector<CScritta> scritte;  // the page's own texts, then the names
};

// How wide a text is in millimetres at fCorpo points, as the writer sets it.
using FLarghezzaTesto = std::function<double(const wxString& testo, double fCorpo)>;
// The width in Helvetica, the font of the PDF and SVG plans.
double LarghezzaHelvetica(const wxString& testo, double fCorpo);
// A text's box is one body high, centred on its anchor's height; in
// Helvetica its baseline lies this many bodies under that middle.
constexpr double LINEA_BASE = 0.255;

// The paper's lines and texts for the plan of the scene on the page. Each
// name goes inside its footprint when it fits there, else beside it, on the
// sheet, off the wall line and, where it can, off the other texts and
// footprints; names that fit nowhere at 6 points are set smaller.
CDisegnoCarta DisegnoCarta(CScena& scena, const CImpaginazione& pagina, const wxString& nomeFile,
                           const FLarghezzaTesto& fnLarghezza);
}  // namespace esportazione

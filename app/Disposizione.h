#pragma once
// The main window's size, position, maximised state and toolbar layout,
// kept under the settings key between runs.
#include <wx/gdicmn.h>
#include <vector>

class wxAuiManager;
class wxConfigBase;
class wxFrame;

// The window of a first start: most of the screen's work area, at least
// 1024 x 768 where the area allows (the status prompts need the width),
// centred.
wxRect RettangoloIniziale(const wxRect& area);
// A remembered window rectangle made usable on the screens there are now:
// kept when its title bar is on one of them, else moved to the first,
// and never smaller than a usable window nor larger than that screen.
wxRect RettangoloRipristinato(const wxRect& salvato, const std::vector<wxRect>& aSchermi);

// Applies the remembered layout, or the first start's, to the frame and
// the panes of its toolbars. Call before the frame is shown.
void CaricaDisposizione(wxConfigBase& config, wxFrame& cornice, wxAuiManager& gestore);
// Remembers the frame's layout; a maximised window keeps the normal
// rectangle it had before.
void SalvaDisposizione(wxConfigBase& config, const wxFrame& cornice, wxAuiManager& gestore);

// The side of the window a toolbar dropped at pt docks on: the one whose
// edge band (nFascia pixels either side of the edge of the managed area)
// holds pt, the nearest edge where bands meet; wxAUI_DOCK_NONE elsewhere,
// where the bar floats. Both rectangles and pt in the same coordinates.
int LatoDiAggancio(const wxRect& area, const wxPoint& pt, int nFascia);

// Work areas of the screens, the first being the primary.
std::vector<wxRect> AreeSchermi();

#include "app/Disposizione.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <wx/aui/framemanager.h>
#include <wx/config.h>
#include <wx/display.h>
#include <wx/frame.h>

namespace
{
const char* const GRUPPO = "/Finestra/";
const wxSize DIMENSIONE_MINIMA(400, 300);
// A window is reachable when this much of its title bar is on a screen.
const wxSize TITOLO_VISIBILE(60, 20);

// The screen that shows enough of the title bar of a window at r, if any.
const wxRect* SchermoDelTitolo(const wxRect& r, const std::vector<wxRect>& aSchermi)
{
    const wxRect titolo(r.x, r.y, r.width, TITOLO_VISIBILE.y);
    for (const wxRect& schermo : aSchermi)
    {
        const wxRect comune = titolo.Intersect(schermo);
        if (comune.width >= TITOLO_VISIBILE.x && comune.height >= TITOLO_VISIBILE.y)
            return &schermo;
    }
    return nullptr;
}

wxString Chiave(const wxString& nome)
{
    return GRUPPO + nome;
}

// The panes remembered: the bars and the catalogue, all but the view.
bool IsRicordato(const wxAuiPaneInfo& pannello)
{
    return pannello.dock_direction != wxAUI_DOCK_CENTER;
}

// Takes from a remembered pane only where it was (and a pane's size): a
// damaged entry must not make a bar closable, resizable or lost off screen.
void RipristinaBarra(wxAuiManager& gestore, wxAuiPaneInfo& barra, const wxString& testo,
                     const std::vector<wxRect>& aSchermi)
{
    wxAuiPaneInfo letta;
    gestore.LoadPaneInfo(testo, letta);
    if (letta.name != barra.name)
        return;
    if (letta.IsFloating())
    {
        if (!SchermoDelTitolo(wxRect(letta.floating_pos, wxSize(200, 40)), aSchermi))
            return;
        barra.Float().FloatingPosition(letta.floating_pos);
    }
    else
    {
        switch (letta.dock_direction)
        {
        case wxAUI_DOCK_TOP: case wxAUI_DOCK_BOTTOM: case wxAUI_DOCK_LEFT: case wxAUI_DOCK_RIGHT:
            break;
        default:
            return;
        }
        barra.Dock()
            .Direction(letta.dock_direction)
            .Layer(std::clamp(letta.dock_layer, 0, 20))
            .Row(std::clamp(letta.dock_row, 0, 20))
            .Position(std::clamp(letta.dock_pos, 0, 10000));
    }
    if (!barra.IsToolbar())
    {
        auto limita = [](wxSize d) {
            return wxSize(std::clamp(d.x, 150, 1200), std::clamp(d.y, 150, 1200));
        };
        barra.BestSize(limita(letta.best_size)).FloatingSize(limita(letta.floating_size));
    }
    barra.Show(letta.IsShown());
}
}  // namespace

std::vector<wxRect> AreeSchermi()
{
    std::vector<wxRect> aAree;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i)
    {
        const wxDisplay schermo(i);
        if (schermo.IsPrimary())
            aAree.insert(aAree.begin(), schermo.GetClientArea());
        else
            aAree.push_back(schermo.GetClientArea());
    }
    return aAree;
}

int LatoDiAggancio(const wxRect& area, const wxPoint& pt, int nFascia)
{
    wxRect vicino = area;
    vicino.Inflate(nFascia);
    if (!vicino.Contains(pt))
        return wxAUI_DOCK_NONE;
    const std::pair<int, int> aDistanze[] = {
        {pt.x - area.GetLeft(), wxAUI_DOCK_LEFT},
        {area.GetRight() - pt.x, wxAUI_DOCK_RIGHT},
        {pt.y - area.GetTop(), wxAUI_DOCK_TOP},
        {area.GetBottom() - pt.y, wxAUI_DOCK_BOTTOM},
    };
    const auto& minima = *std::min_element(std::begin(aDistanze), std::end(aDistanze));
    return minima.first < nFascia ? minima.second : wxAUI_DOCK_NONE;
}

wxRect RettangoloIniziale(const wxRect& area)
{
    const int w = std::max(area.width * 85 / 100, std::min(1024, area.width));
    const int h = std::max(area.height * 85 / 100, std::min(768, area.height));
    return wxRect(0, 0, w, h).CentreIn(area);
}

wxRect RettangoloRipristinato(const wxRect& salvato, const std::vector<wxRect>& aSchermi)
{
    wxRect r = salvato;
    r.width = std::max(r.width, DIMENSIONE_MINIMA.x);
    r.height = std::max(r.height, DIMENSIONE_MINIMA.y);
    if (aSchermi.empty())
        return r;
    const wxRect* pSchermo = SchermoDelTitolo(r, aSchermi);
    const wxRect& schermo = pSchermo ? *pSchermo : aSchermi.front();
    r.width = std::min(r.width, schermo.width);
    r.height = std::min(r.height, schermo.height);
    return pSchermo ? r : r.CentreIn(schermo);
}

void CaricaDisposizione(wxConfigBase& config, wxFrame& cornice, wxAuiManager& gestore)
{
    std::vector<wxRect> aSchermi = AreeSchermi();
    if (aSchermi.empty())
        aSchermi.push_back(wxRect(0, 0, 1024, 768));
    long x = 0, y = 0, w = 0, h = 0;
    if (config.Read(Chiave("X"), &x) && config.Read(Chiave("Y"), &y) &&
        config.Read(Chiave("Larghezza"), &w) && config.Read(Chiave("Altezza"), &h))
    {
        auto limita = [](long n) { return int(std::clamp(n, -100000L, 100000L)); };
        cornice.SetSize(
            RettangoloRipristinato(wxRect(limita(x), limita(y), limita(w), limita(h)), aSchermi));
    }
    else
        cornice.SetSize(RettangoloIniziale(aSchermi.front()));
    if (config.ReadBool(Chiave("Massimizzata"), false))
        cornice.Maximize(true);

    wxAuiPaneInfoArray& aPannelli = gestore.GetAllPanes();
    for (size_t i = 0; i < aPannelli.GetCount(); ++i)
    {
        wxAuiPaneInfo& pannello = aPannelli.Item(i);
        wxString testo;
        if (IsRicordato(pannello) && config.Read(Chiave(pannello.name), &testo))
            RipristinaBarra(gestore, pannello, testo, aSchermi);
    }
    gestore.Update();
}

void SalvaDisposizione(wxConfigBase& config, const wxFrame& cornice, wxAuiManager& gestore)
{
    const bool bMassimizzata = cornice.IsMaximized();
    config.Write(Chiave("Massimizzata"), bMassimizzata);
    if (!bMassimizzata && !cornice.IsIconized())
    {
        const wxRect r = cornice.GetRect();
        config.Write(Chiave("X"), r.x);
        config.Write(Chiave("Y"), r.y);
        config.Write(Chiave("Larghezza"), r.width);
        config.Write(Chiave("Altezza"), r.height);
    }
    wxAuiPaneInfoArray& aPannelli = gestore.GetAllPanes();
    for (size_t i = 0; i < aPannelli.GetCount(); ++i)
    {
        wxAuiPaneInfo& pannello = aPannelli.Item(i);
        if (!IsRicordato(pannello))
            continue;
        // A docked pane's width is its dock's: kept as the size it asks for.
        if (!pannello.IsToolbar() && pannello.IsDocked() && pannello.IsShown() && pannello.window)
            pannello.BestSize(pannello.window->GetSize());
        config.Write(Chiave(pannello.name), gestore.SavePaneInfo(pannello));
    }
    config.Flush();
}

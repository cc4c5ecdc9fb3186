#pragma once
// The "what is this?" mode of Shift+F1: until the next click or key the
// window holds the mouse and shows a question mark; the click shows the help
// of what is under the pointer, a key (Escape) ends the mode with no help.
// It runs no loop of its own, so nothing can leave it hanging: a menu, a
// dialog or another window that takes the mouse ends it too.
#include <functional>
#include <wx/cursor.h>
#include <wx/eventfilter.h>
#include <wx/gdicmn.h>

class wxWindow;

class CModoAiuto : public wxEventFilter
{
public:
    // avviso(true) when the mode starts, avviso(false) when it ends.
    CModoAiuto(wxWindow& finestra, std::function<void(bool)> avviso);
    ~CModoAiuto() override;
    CModoAiuto(const CModoAiuto&) = delete;
    CModoAiuto& operator=(const CModoAiuto&) = delete;

    // False, and nothing changes, while another window holds the mouse (a
    // drag under way keeps it until its button is released).
    bool Inizia();
    // bAiuto: show the help of the window at ptSchermo.
    void Termina(bool bAiuto, const wxPoint& ptSchermo = wxDefaultPosition);
    bool IsAttivo() const { return m_bAttivo; }

    int FilterEvent(wxEvent& event) override;

private:
    // bCatturaPersa: the mouse is already gone, and the toolkit is still
    // clearing its record of the capture: releasing it now would undo that.
    void Fine(bool bCatturaPersa, bool bAiuto, const wxPoint& ptSchermo);

    wxWindow& m_finestra;
    std::function<void(bool)> m_avviso;
    wxCursor m_cursorePrecedente;
    bool m_bAttivo = false;
};

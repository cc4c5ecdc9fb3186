#pragma once
// Context help: after Shift+F1 a click on a window or a toolbar button
// shows its help in a small tip window.
#include <wx/cshelp.h>
#include <wx/eventfilter.h>

class wxTipWindow;

// Escape closes the tip, wherever the keyboard focus is.
class CAiutoContesto : public wxSimpleHelpProvider, public wxEventFilter
{
public:
    CAiutoContesto();
    ~CAiutoContesto() override;

    int FilterEvent(wxEvent& event) override;

    bool ShowHelp(wxWindowBase* pFinestra) override;

    // What the last ShowHelp showed.
    const wxString& GetUltimoAiuto() const { return m_ultimo; }
    // Closes the tip window, if one is open.
    void ChiudiSuggerimento();
    bool IsSuggerimentoAperto() const { return m_pSuggerimento != nullptr; }

    // The application's provider, or null before start-up sets it.
    static CAiutoContesto* Get();

private:
    wxString m_ultimo;
    wxTipWindow* m_pSuggerimento = nullptr;
};

// Context help of the main window's parts that are not buttons (UTF-8).
extern const char* const AIUTO_BARRA_FILE;
extern const char* const AIUTO_BARRA_VISTA;
extern const char* const AIUTO_VISTA;
extern const char* const AIUTO_BARRA_STATO;

// The help of a toolbar button: its name, then what it does and when it
// can be used.
wxString AiutoPulsante(int nId, const wxString& nome, const wxString& prompt);

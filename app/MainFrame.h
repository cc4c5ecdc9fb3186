#pragma once
#include <wx/docview.h>

class wxToolBar;
class wxStatusBar;
class wxMenu;
class wxBoxSizer;
class wxUpdateUIEvent;

// The main window: menu bar, the file and view toolbars, the status bar and
// the view's GL window below the bars. Its own commands (insert, modify,
// settings) only prepare the view and run a dialog; the display commands
// reach the view first through the document manager.
class CMainFrame : public wxDocParentFrame
{
public:
    explicit CMainFrame(wxDocManager* pGestore);

    // Puts the view's window under the bars; the application calls it once
    // the document and its view exist.
    void AttaccaVista(wxWindow* pFinestra);

    // Text of the selection pane for the current selection.
    static wxString TestoSelezione();
    // Brings the selection pane and the key indicators up to date (done
    // while idle).
    void AggiornaBarraStato();

    wxMenu* GetMenuFile() const { return m_pMenuFile; }

    wxStatusBar* m_wndStatusBar = nullptr;
    wxToolBar* m_wndToolBar = nullptr;
    wxToolBar* m_wndVistaBar = nullptr;

private:
    void CreaMenu();
    bool CreaBarre();
    void CreaAcceleratori();

    void OnEsci(wxCommandEvent& event);
    void OnGuida(wxCommandEvent& event);
    void OnBarraStrumenti(wxCommandEvent& event);
    void OnBarraStato(wxCommandEvent& event);
    void OnUpdateBarraStrumenti(wxUpdateUIEvent& event);
    void OnUpdateBarraStato(wxUpdateUIEvent& event);
    void OnUpdateSelezione(wxUpdateUIEvent& event);
    void OnInserisciSedia(wxCommandEvent& event);
    void OnInserisciTavolo(wxCommandEvent& event);
    void OnInserisciMobile(wxCommandEvent& event);
    void OnInserisciPortaFinestra(wxCommandEvent& event);
    void OnModificaOggetto(wxCommandEvent& event);
    void OnInserisciLuce(wxCommandEvent& event);
    void OnModificaLuce(wxCommandEvent& event);
    void OnImpostazioni(wxCommandEvent& event);
    void OnIdle(wxIdleEvent& event);

    wxMenu* m_pMenuFile = nullptr;
    wxBoxSizer* m_pSizer = nullptr;
};

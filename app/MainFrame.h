#pragma once
#include <memory>
#include <wx/aui/framemanager.h>
#include <wx/docview.h>

class CBarraStrumenti;
class CGuida;
class CPannelloCatalogo;
class CStoria;
class CModoAiuto;
class wxStatusBar;
class wxMenu;
class wxUpdateUIEvent;

// The main window: menu bar, the file and view toolbars, the status bar and
// the view's GL window in the middle. The toolbars dock on any side or
// float. Its own commands (insert, modify, settings) only prepare the view
// and run a dialog; the display commands reach the view first through the
// document manager.
class CMainFrame : public wxDocParentFrame
{
public:
    explicit CMainFrame(wxDocManager* pGestore);
    ~CMainFrame() override;

    // Puts the view's window under the bars; the application calls it once
    // the document and its view exist. The recent files and the Annulla and
    // Ripeti items then follow the document.
    void AttaccaVista(wxWindow* pFinestra);

    // Text of the selection pane for the current selection.
    static wxString TestoSelezione();
    // Brings the selection pane and the key indicators up to date (done
    // while idle).
    void AggiornaBarraStato();

    wxMenu* GetMenuFile() const { return m_pMenuFile; }
    // Docking of the toolbars and of the view's window (the centre pane).
    wxAuiManager& GetGestoreBarre() { return m_GestoreBarre; }
    // The help book, made on first use.
    CGuida& GetGuida();
    CPannelloCatalogo& GetCatalogo() const { return *m_pCatalogo; }

    wxStatusBar* m_wndStatusBar = nullptr;
    CBarraStrumenti* m_wndToolBar = nullptr;
    CBarraStrumenti* m_wndVistaBar = nullptr;

private:
    bool CreaBarre();
    bool CreaBarraStato();
    void CreaAcceleratori();
    void ImpostaAiutiFinestre();

    void OnEsci(wxCommandEvent& event);
    void OnGuida(wxCommandEvent& event);
    void OnGuidaIndice(wxCommandEvent& event);
    void OnGuidaContesto(wxCommandEvent& event);
    void OnChiudi(wxCloseEvent& event);
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
    void OnStoriaCambiata(wxCommandEvent& event);
    // "Annulla <step>" and "Ripeti <step>" in the Modifica menu.
    void AggiornaVociStoria(CStoria& storia);

    wxMenu* m_pMenuFile = nullptr;
    wxAuiManager m_GestoreBarre;
    CPannelloCatalogo* m_pCatalogo = nullptr;
    std::unique_ptr<CGuida> m_pGuida;
    std::unique_ptr<CModoAiuto> m_pModoAiuto;
};

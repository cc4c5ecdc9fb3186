#pragma once
#include "app/MiniatureCatalogo.h"
#include "model/Catalogo.h"

#include <wx/aui/framemanager.h>
#include <wx/bitmap.h>
#include <wx/panel.h>

#include <cstdint>
#include <string>
#include <vector>

class CListaCatalogo;
class wxSearchCtrl;
class wxStaticText;

// The pane "Catalogo": a search field over the list of ready pieces and of
// the user's own ("I miei mobili"). A piece goes into the room by a double
// click or Enter (at the centre of what the view shows) or by dragging it
// onto the plan or the 3D view (where it is dropped), as one undo step,
// selected and named with the next free number. The pane handles its
// commands itself: "Dal catalogo..." (Ctrl+K), "Aggiungi al catalogo",
// "Rimuovi dal catalogo" and "Catalogo" in the View menu.
class CPannelloCatalogo : public wxPanel
{
public:
    // Its place among the frame's panes: docked on the left the first time.
    static wxAuiPaneInfo Pannello();

    // pFrame: the frame whose docking manager holds the pane and whose
    // commands it handles. The user's own pieces are read from
    // file (the user's data folder when empty) after the frame's first
    // events, so that a note about them reaches its status bar.
    CPannelloCatalogo(wxFrame* pFrame, const std::string& fileMiei = std::string());

    // The view's GL window takes dropped pieces.
    void CollegaVista(wxWindow* pFinestra);

    // "Dal catalogo...": the pane shown and the keyboard in the search field.
    void ApriRicerca();
    // Inserts the piece of an entry at the centre of what the view shows.
    bool InserisciVoce(std::size_t nVoce);
    // Inserts the piece the bytes describe (a piece in the clipboard's
    // format) under the pixel (x, y) of the view's window, as a drop does.
    bool Rilascia(const std::vector<std::uint8_t>& dati, int x, int y);
    // "Aggiungi al catalogo": the view's selected piece among the user's own.
    void AggiungiSelezionato();
    // "Rimuovi dal catalogo": the user's piece selected in the list, after
    // the confirmation.
    void RimuoviScelto();
    // Reads the user's own pieces again; the note, if any, goes to the
    // status bar.
    void CaricaMiei();

    // The pictures of every entry shown, drawn once and then kept.
    const wxBitmap& Miniatura(std::size_t nVoce);
    // Forgets the pictures, to be drawn again when next shown (the pane
    // moved to a screen of another scale).
    void DimenticaMiniature();
    const CCatalogo& GetCatalogo() const { return m_Catalogo; }
    wxSearchCtrl* GetRicerca() const { return m_pRicerca; }
    CListaCatalogo* GetLista() const { return m_pLista; }
    // The entry selected in the list, or -1.
    long VoceScelta() const;

private:
    void Filtra();
    bool Inserisci(const std::vector<std::uint8_t>& dati, const wxPoint* pPunto);
    void Nota(const wxString& testo) const;
    void Trascina(std::size_t nVoce);
    wxAuiPaneInfo& Riquadro() const;

    // The frame's commands of the catalogue and their states.
    void OnComando(wxCommandEvent& event);
    void OnUpdateComando(wxUpdateUIEvent& event);
    void OnTesto(wxCommandEvent& event);
    void OnTastoRicerca(wxKeyEvent& event);
    void OnTastoLista(wxKeyEvent& event);
    void OnMouseLista(wxMouseEvent& event);
    void OnMenuLista(wxContextMenuEvent& event);

    wxFrame* m_pFrame;
    std::string m_sFileMiei;
    CCatalogo m_Catalogo;
    wxSearchCtrl* m_pRicerca = nullptr;
    CListaCatalogo* m_pLista = nullptr;
    wxStaticText* m_pNessuno = nullptr;
    CMiniatureCatalogo m_Miniature;
    wxPoint m_ptPressione = wxDefaultPosition;
};

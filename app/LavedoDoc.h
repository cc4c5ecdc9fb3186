#pragma once
#include "app/Storia.h"
#include "model/SalvataggioSicuro.h"
#include "model/Scena.h"

#include <wx/docview.h>

#include <functional>
#include <memory>
#include <string>

// Sent by the document to itself whenever its undo history changed: a step
// recorded, undone or redone, the history emptied. The frame binds it to
// rename its Annulla and Ripeti items; the event object is the document.
wxDECLARE_EVENT(EVT_STORIA_CAMBIATA, wxCommandEvent);

// The one document of the program: the scene plus the window side of new,
// open and save, the undo history and the clipboard commands. The
// framework's own modified flag is never set; the scene's m_bModificato is
// the only one, asked about before discarding. Every change to the room is
// recorded through RegistraPasso.
class CLavedoDoc : public wxDocument, public CScena
{
    wxDECLARE_DYNAMIC_CLASS(CLavedoDoc);

public:
    CLavedoDoc();
    ~CLavedoDoc() override;

    // New scene: asks before discarding changes; false when cancelled.
    bool OnNewDocument() override;
    bool IsModified() const override { return false; }
    // Closing the window or leaving the program: the discard confirmation.
    bool OnSaveModified() override;
    // The user agreed to discard the scene: the framework's later checks
    // while it takes the document down must not ask again.
    bool OnCloseDocument() override;
    // The framework's own paths to open and save come here too.
    bool OnOpenDocument(const wxString& percorso) override;
    bool Save() override;
    bool SaveAs() override;

    // Runs the discard confirmation when the scene is modified; true when
    // the caller may go on: the user discarded the changes, or saved them.
    bool ConfermaPerdita();

    // Reads a file into the document. The file is read whole into a scene
    // of its own first: on any failure the user is told why and the open
    // document stays exactly as it was. bChiedi runs the discard
    // confirmation first.
    bool Apri(const wxString& percorso, bool bChiedi = true);
    // Writes the document to percorso, never leaving the previous file
    // half-written. On failure the user is told why and the document keeps
    // its modified flag.
    // Saving over the open file after another program changed it asks
    // first ("File modificato").
    bool SalvaSu(const wxString& percorso);
    // Opens a recovery copy as a modified room named after its original
    // file (none for a room never saved), whose identity when the copy was
    // made is the one the next save compares with.
    bool Ripristina(const wxString& copia, const wxString& originale,
                    const CIdentitaFile& identita);
    // The open file's identity when it was last opened or saved here.
    const CIdentitaFile& GetIdentitaFile() const { return m_identita; }

    void RegistraPasso(const char* szNome, bool bUnisci = false) override;
    // Empties the history; the room as it stands is the saved state. New
    // and Open do it; so does whoever builds a room outside the history.
    void AzzeraStoria();
    CStoria& Storia();
    wxCommandProcessor* OnCreateCommandProcessor() override;

    // Adds a copy of the piece the bytes describe (the clipboard's private
    // format) beside where it was copied from, selects it and records the
    // step szPasso. Damaged data and a full room are refused with a message
    // and change nothing.
    bool Incolla(const std::vector<std::uint8_t>& dati, const char* szPasso);
    // Adds a new piece, named and placed, selects it and records the step
    // szPasso; a full room is refused with its message.
    bool AggiungiNuovo(std::unique_ptr<COggetto> pPezzo, const char* szPasso);
    // The bytes of the view's selected piece; empty without one.
    std::vector<std::uint8_t> CopiaSelezionato();

    // What became of the room's unsaved changes.
    enum FineModifiche
    {
        SALVATE,          // written to its file
        SCARTATE,         // given up: another room replaced it, or the window closed
        DOCUMENTO_CHIUSO  // the document itself is going
    };
    // Told of each; the application has the recovery copies follow it.
    std::function<void(FineModifiche)> m_fnFineModifiche;

private:
    // Reads a file and replaces the room with it (see Apri), its pieces and
    // lights in the order they were written.
    bool Carica(const wxString& percorso);
    void AggiornaTitolo();
    // Puts letta in place of the room, or the default room of a new
    // document when it is null. What follows a room replaced is done here
    // once for new, open, restore, undo and redo: GL lights and filters,
    // the camera, one repaint. bAltraStanza: another room altogether, seen
    // from a centred camera with the view's lights, textures and view from
    // inside off, unmodified and with an empty history. Otherwise a state of
    // the history: the selection stays on a piece still in its place, and
    // the camera moves only when the room changed size.
    void SostituisciStanza(CScena* pLetta, bool bAltraStanza);
    // Replaces the room with a state of the history (undo and redo); the
    // modified flag tells whether it is the state last saved.
    bool Installa(const CStato& stato);
    // Tells whoever listens that the history changed (EVT_STORIA_CAMBIATA).
    void StoriaCambiata();
    // Makes the view's context current; false while there is none yet.
    bool RendiGLCorrente();
    void AvvisaFineModifiche(FineModifiche fine);

    void OnFileNew(wxCommandEvent& event);
    void OnFileOpen(wxCommandEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnFileSaveAs(wxCommandEvent& event);
    void OnUpdateAttivo(wxUpdateUIEvent& event);

    // Undo, redo and the clipboard (app/ComandiModifica.cpp).
    void OnAnnulla(wxCommandEvent& event);
    void OnRipeti(wxCommandEvent& event);
    void OnTaglia(wxCommandEvent& event);
    void OnCopia(wxCommandEvent& event);
    void OnIncolla(wxCommandEvent& event);
    void OnDuplica(wxCommandEvent& event);
    void OnUpdateAnnulla(wxUpdateUIEvent& event);
    void OnUpdateRipeti(wxUpdateUIEvent& event);
    void OnUpdateSelezionato(wxUpdateUIEvent& event);
    void OnUpdateIncolla(wxUpdateUIEvent& event);

    CIdentitaFile m_identita;

    wxDECLARE_EVENT_TABLE();
};

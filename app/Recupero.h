#pragma once
#include "model/CopiaRecupero.h"

#include <memory>
#include <string>
#include <vector>
#include <wx/event.h>
#include <wx/timer.h>

class CLavedoDoc;

// Recovery copies of the open room while it has unsaved changes: every
// few seconds (settings group [Recupero], key Secondi, 60 by default, 0 for
// none) the room goes to the recovery folder, written on a thread of its
// own so the editor never waits for the disk. The copy goes when the room
// is saved, discarded or closed, and when the program ends normally. At
// start the copies of editors that ended without warning are offered back.
// The document knows nothing of it: the application has the document's
// m_fnFineModifiche call FineModifiche.
class CRecupero : public wxEvtHandler
{
public:
    CRecupero(CLavedoDoc& doc, int nSecondi, const std::string& cartella);
    ~CRecupero() override;

    // The one of the running program (made by Avvia, gone after Termina).
    static CRecupero* Get();
    static void Avvia(CLavedoDoc& doc);
    static void Termina();
    // [Recupero] Secondi of the settings.
    static int SecondiDaImpostazioni();
    // The open room no longer needs its copy (saved, discarded, replaced).
    void Dimentica();
    // Dimentica; bDocumentoChiuso: the document is going, and no copy is
    // written or offered any more.
    void FineModifiche(bool bDocumentoChiuso);

    // Hands a copy of the room to the writer when it has changes that the
    // last copy does not hold. The timer calls it.
    void ScriviCopia();
    // Waits until the copies handed over are on disk.
    void Attendi();
    // Offers the copies of editors no longer running ("Ripristino").
    void OffriCopie();
    const std::string& GetCartella() const { return m_sCartella; }

private:
    void OnTimer(wxTimerEvent& event);
    // Outcome of a write, on the window thread: a failure is told once in
    // the status bar, until a copy succeeds again.
    void Esito(const CEsitoFile& esito);

    // The room copied; null once the document is gone.
    CLavedoDoc* m_pDoc;
    std::string m_sCartella;
    wxTimer m_timer;
    std::unique_ptr<CCopiaRecupero> m_pCopia;
    std::vector<std::uint8_t> m_ultima;
    bool m_bErroreSegnalato = false;
};

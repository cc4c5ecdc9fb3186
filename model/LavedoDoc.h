#pragma once
#include "model/Scena.h"

#include <wx/docview.h>

// The one document of the program: the scene plus the window side of new,
// open and save. The framework's own modified flag is never set; the
// scene's m_bModificato is the only one, asked about before discarding.
class CLavedoDoc : public wxDocument, public CScena
{
    wxDECLARE_DYNAMIC_CLASS(CLavedoDoc);

public:
    CLavedoDoc();
    ~CLavedoDoc() override;

    // New scene: asks before discarding changes; false when cancelled.
    bool OnNewDocument() override;
    bool IsModified() const override { return false; }

    // Runs the discard confirmation when the scene is modified; true when
    // the caller may go on.
    bool ConfermaPerdita();

private:
    void OnFileNew(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

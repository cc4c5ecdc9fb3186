#pragma once
#include "dialogs/Dialogo.h"

// "Conferma": asks before a modified room is discarded. Salva saves it
// first, OK discards it, Annulla (the default answer) keeps it.
class CConfermaNuovoDlg : public CDialogo
{
public:
    CConfermaNuovoDlg();

    bool m_bConfermato = false;
    // The user chose to save the room before going on.
    bool m_bSalva = false;

private:
    void OnSalva(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
};

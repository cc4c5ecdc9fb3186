#pragma once
#include "dialogs/Dialogo.h"

// "Conferma": asks before a modified room is discarded; Annulla is the
// default answer.
class CConfermaNuovoDlg : public CDialogo
{
public:
    CConfermaNuovoDlg();

    bool m_bConfermato = false;

private:
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
};

#pragma once
#include "dialogs/Dialogo.h"

// "Errore di immissione": told whenever a number text is refused. The
// dialog that refused it stays open with the user's texts.
class CErroreImmissioneDlg : public CDialogo
{
public:
    CErroreImmissioneDlg();

private:
    void OnOK(wxCommandEvent& event);
};

#pragma once
#include "dialogs/Dialogo.h"

class wxStaticText;

// "Conferma eliminazione": names the view's selected object and, on OK,
// removes and destroys it.
class CConfermaEliminaDlg : public CDialogo
{
public:
    CConfermaEliminaDlg();

    bool m_bConfermato = false;

private:
    void Inizializza();
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxStaticText* m_pNome = nullptr;
};

#pragma once
#include "dialogs/Dialogo.h"

class wxChoice;

// "Selezione illuminazione": lists the lights newest first and opens the
// light dialog on the one the user confirms.
class CSelezioneLuciDlg : public CDialogo
{
public:
    CSelezioneLuciDlg();

private:
    void Inizializza();
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxChoice* m_pLuce = nullptr;
};

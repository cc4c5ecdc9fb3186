#pragma once
#include "dialogs/Dialogo.h"

// "Errore": a ninth light cannot be inserted.
class CTroppeLuciDlg : public CDialogo
{
public:
    CTroppeLuciDlg();

private:
    void OnOK(wxCommandEvent& event);
};

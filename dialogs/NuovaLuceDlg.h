#pragma once
#include "dialogs/Dialogo.h"

class wxTextCtrl;

// "Nuova Illuminazione": a light with a name, a place and a direction
// flag, added to the document and handed to GL at once. The coordinates
// are checked before the light exists.
class CNuovaLuceDlg : public CDialogo
{
public:
    CNuovaLuceDlg();

private:
    void Inizializza();
    void OnDirezionale(wxCommandEvent& event);
    void OnPosizionale(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxTextCtrl* m_pNome = nullptr;
    wxTextCtrl* m_pX = nullptr;
    wxTextCtrl* m_pY = nullptr;
    wxTextCtrl* m_pZ = nullptr;
    bool m_bDirezionale = false;
};

#pragma once
#include "dialogs/Dialogo.h"

class COggetto;
class wxChoice;
class wxStaticText;

// "Selezione oggetto" of the Modifica menu: lists the furniture by name in
// container order and opens the attributes of the one chosen.
class CSelezioneDlg : public CDialogo
{
public:
    CSelezioneDlg();

private:
    void Inizializza();
    static COggetto* Oggetto(int nPosizioneElenco);
    void OnSelchangeOggetto(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);

    wxChoice* m_pOggetto = nullptr;
    wxStaticText* m_pTipo = nullptr;
};

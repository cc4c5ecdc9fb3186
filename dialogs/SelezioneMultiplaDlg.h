#pragma once
#include "dialogs/Dialogo.h"

class COggetto;
class wxChoice;
class wxStaticText;

// "Selezione oggetto" after a pick that hit several objects: lists them in
// hit order and selects the one the user confirms.
class CSelezioneMultiplaDlg : public CDialogo
{
public:
    CSelezioneMultiplaDlg();

    // The object of hit nColpo of the view's last pick, or null.
    static COggetto* OggettoColpito(int nColpo);

private:
    void Inizializza();
    void OnSelchangeOggetto(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);

    wxChoice* m_pOggetto = nullptr;
    wxStaticText* m_pTipo = nullptr;
};

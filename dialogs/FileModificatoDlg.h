#pragma once
#include "dialogs/Dialogo.h"

// "File modificato": the file about to be saved over was changed by
// another program since it was opened or saved here. Annulla, the default,
// writes nothing.
class CFileModificatoDlg : public CDialogo
{
public:
    enum Risposta
    {
        ANNULLA,
        SOVRASCRIVI,
        SALVA_CON_NOME
    };

    // nome: the file's name as the user knows it (without its folder).
    explicit CFileModificatoDlg(const wxString& nome);

    Risposta m_nRisposta = ANNULLA;

private:
    void OnSovrascrivi(wxCommandEvent& event);
    void OnSalvaConNome(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
};

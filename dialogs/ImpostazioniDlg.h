#pragma once
#include "dialogs/Dialogo.h"

class wxChoice;
class wxTextCtrl;

// "Impostazioni": the room's size, wall and floor textures, texture
// filters, surface colours and visible walls. Nothing reaches the room
// before all three sizes are accepted: a refused text or Annulla leaves
// the room exactly as it was, colours included.
class CImpostazioniDlg : public CDialogo
{
public:
    CImpostazioniDlg();

private:
    void Inizializza();
    // The three sizes (width, height, depth); false, with the user told and
    // the focus on the field, unless each is a finite number greater than 0.
    bool LeggiDimensioni(float aDimensioni[3]);
    // The working colours on their buttons.
    void MostraColori();
    void ApplicaAllaStanza(const float aDimensioni[3]);

    void OnColorePareti(wxCommandEvent& event);
    void OnColorePavimento(wxCommandEvent& event);
    void OnColoreSoffitto(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxTextCtrl* m_pLarghezza = nullptr;
    wxTextCtrl* m_pAltezza = nullptr;
    wxTextCtrl* m_pProfondita = nullptr;
    wxChoice* m_pTexturePareti = nullptr;
    wxChoice* m_pTexturePavimento = nullptr;
    wxChoice* m_pFiltroMin = nullptr;
    wxChoice* m_pFiltroMag = nullptr;
    wxChoice* m_pPareti = nullptr;

    // Working colours: they reach the room on OK only.
    float m_ColorePareti[4] = {};
    float m_ColorePavimento[4] = {};
    float m_ColoreSoffitto[4] = {};
};

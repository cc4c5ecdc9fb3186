#pragma once
#include "dialogs/Dialogo.h"

class COggetto;
class wxCheckBox;
class wxTextCtrl;

// "Illuminazione": edits the light the choice dialog handed over through
// the view (m_pLuceCorrente) and hands it to GL again on OK.
class CLuciDlg : public CDialogo
{
public:
    CLuciDlg();

private:
    void Inizializza();
    // Binds a check box to the flag it keeps equal to its tick.
    void CollegaCasella(const char* pNome, bool& bFlag);

    // The working colours on their buttons.
    void MostraColori();

    void OnAmbiente(wxCommandEvent& event);
    void OnDiffusa(wxCommandEvent& event);
    void OnSpeculare(wxCommandEvent& event);
    void OnDirezionale(wxCommandEvent& event);
    void OnPosizionale(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    // The light being edited, or null when the view's pointer is not one
    // of the document's lights; its GL light.
    COggetto* m_pLuce = nullptr;
    int m_nLuceGL = 0;

    wxTextCtrl* m_pNome = nullptr;
    wxTextCtrl* m_pX = nullptr;
    wxTextCtrl* m_pY = nullptr;
    wxTextCtrl* m_pZ = nullptr;

    // Working colours and flags: they reach the light on OK only.
    float m_Ambiente[4] = {};
    float m_Diffusa[4] = {};
    float m_Speculare[4] = {};
    bool m_bAccesa = true;
    bool m_bDisattivaAmbiente = false;
    bool m_bDisattivaDiffusa = false;
    bool m_bDisattivaSpeculare = false;
    bool m_bFissa = true;
    bool m_bDirezionale = true;
};

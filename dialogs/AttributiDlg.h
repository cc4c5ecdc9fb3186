#pragma once
#include "dialogs/Dialogo.h"

class COggetto;
class wxButton;
class wxChoice;
class wxStaticText;
class wxTextCtrl;

// "Attributi": creates a furnishing of the family the view asks for, or
// edits or deletes the view's selected one. The caller sets the view's
// m_bNuovoOggetto (and m_nFamigliaNuovoOggetto, or m_pOggettoSelezionato)
// before constructing it; every effect happens inside the dialog.
class CAttributiDlg : public CDialogo
{
public:
    CAttributiDlg();

    // Does not run when there is nothing it could create or edit.
    int ShowModal() override;

    // The refusal of a piece beyond the 255 a room holds; pasting says the
    // same.
    static wxString TestoStanzaPiena();
    // The refusal of a size of 0: "%s" the field ("La larghezza massima"),
    // then the size ("larghezza").
    static wxString TestoMisuraNulla();

private:
    struct CValori
    {
        float fAltezza = 0.0f;
        float fLarghezza = 0.0f;
        float fProfondita = 0.0f;
        float fAltezzaDalPavimento = 0.0f;
        float fX = 0.0f;
        float fY = 0.0f;
        float fAngolo = 0.0f;
    };

    void TrovaControlli();
    void Inizializza();
    void MostraOggetto(const COggetto& oggetto);
    // Captions and enabled states of the controls for one kind.
    void ApplicaTipo(int nCategoria, int nTipo);
    // The typical sizes of kind nTipo in the fields the user did not change.
    void MostraMisureTipiche(int nTipo);
    // Which point x and y place, for the kind shown and the wall chosen.
    void MostraPunto();
    // The working colours on their buttons.
    void MostraColori();
    // False, with the user told why and the focus on the field, for a text
    // that is not a number or a size of 0.
    bool LeggiValori(CValori& valori);
    void Applica(COggetto& oggetto, const CValori& valori) const;
    COggetto* CreaNuovo(CValori& valori);
    void CambiaColore(unsigned char* pColore, const unsigned char* pMemorizzato);

    void OnSelchangeTipo(wxCommandEvent& event);
    void OnColore1(wxCommandEvent& event);
    void OnColore2(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnElimina(wxCommandEvent& event);

    bool m_bPronto = false;
    bool m_bNuovo = false;
    int m_nCategoria = 0;
    int m_nTipoMostrato = 0;
    COggetto* m_pOggetto = nullptr;  // the object edited (null when creating)
    unsigned char m_Colore1[4] = {};
    unsigned char m_Colore2[4] = {};

    wxTextCtrl* m_pNome = nullptr;
    wxChoice* m_pTipo = nullptr;
    wxTextCtrl* m_pAltezza = nullptr;
    wxTextCtrl* m_pProfondita = nullptr;
    wxTextCtrl* m_pLarghezza = nullptr;
    wxButton* m_pColore1 = nullptr;
    wxButton* m_pColore2 = nullptr;
    wxChoice* m_pTexture = nullptr;
    wxChoice* m_pParete = nullptr;
    wxTextCtrl* m_pAltezzaDalPavimento = nullptr;
    wxTextCtrl* m_pX = nullptr;
    wxTextCtrl* m_pY = nullptr;
    wxTextCtrl* m_pAngolo = nullptr;
    wxStaticText* m_pPunto = nullptr;
    wxButton* m_pElimina = nullptr;
};

#pragma once
#include <wx/dialog.h>
#include <wx/xrc/xmlres.h>

#include <functional>

class COggetto;
class wxStaticText;
class wxTextCtrl;

// Base of the program's modal dialogs: loads a template compiled from
// resources/, fits it to this platform's font, centres it on the main
// window, and gives it the keyboard of the dialogs' home platform: Enter
// runs OK, Escape and the close box cancel, a group box's mnemonic
// focuses the box's first control and a label's its drop-down list.
class CDialogo : public wxDialog
{
public:
    // A dialog whose template could not be loaded has told the user so
    // and does not run: it answers wxID_CANCEL at once.
    int ShowModal() override;
    bool IsModelloCaricato() const { return m_bModelloCaricato; }

    // Where the user is told that a template is missing; tests replace it.
    static std::function<void(const wxString& messaggio)> s_fnModelloMancante;

protected:
    // Loads the template nNome, whose client area the template declares as
    // nLarghezza x nAltezza dialog units. The template's layout is kept,
    // stretched as a whole where a text needs more room than the template
    // gave it in the font it was drawn for.
    bool CaricaModello(const char* pNome, int nLarghezza, int nAltezza);
    // Ends the modal run with nCodice. A dialog answered by a test without
    // being shown only records the code.
    void Termina(int nCodice);
    // Presses button nId as a click would, when it exists and is enabled.
    bool PremiPulsante(int nId);

    // The text of a number edit as a single-precision number; false for a
    // text that is not a plain decimal number or does not fit in a float.
    static bool LeggiNumero(const wxTextCtrl* pEdit, float& fValore);
    // Shows a number as the dialogs do: three decimals, truncated.
    static void MostraNumero(wxTextCtrl* pEdit, float fValore);
    // A name edit takes at most the 49 characters a name holds, and only
    // characters the file's code page can hold ('?' for any other), so
    // what the user sees is what the file keeps.
    void PreparaCampoNome(wxTextCtrl* pEdit);

    // Tells the user a number text was refused ("Errore di immissione");
    // the calling dialog stays open with the user's texts.
    static void SegnalaErroreImmissione();
    // The type label of the choice dialogs: the type name of pOggetto, left
    // as it is for an object of no known type.
    void MostraTipoOggetto(wxStaticText* pEtichetta, const COggetto* pOggetto);

    // Sets a label that shows a value (a name, a type), widening the label
    // and the dialog when the value needs more room than the template gave.
    void MostraTesto(wxStaticText* pEtichetta, const wxString& testo);

    template <class T>
    T* Controllo(const char* pNome) const
    {
        return XRCCTRL(*this, pNome, T);
    }

private:
    void MostraTestiPulsanti();
    void AdattaAlTesto(int nLarghezza, int nAltezza);
    void CreaScorciatoieRiquadri();
    void OnTasto(wxKeyEvent& event);
    void OnChiudi(wxCloseEvent& event);
    void Annulla();

    bool m_bModelloCaricato = false;
};

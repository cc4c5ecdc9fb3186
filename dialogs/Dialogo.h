#pragma once
#include <wx/dialog.h>
#include <wx/xrc/xmlres.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class COggetto;
class wxButton;
class wxStaticText;
class wxTextCtrl;

// The keyboard of the dialogs' home platform, for the dialogs built in
// code too: Enter anywhere but on a button presses the default button
// (OK unless the dialog says otherwise), even in a list or a number spinner.
void InvioPremeIlPredefinito(wxDialog& dlg);
// Buttons of stock ids (OK, Cancel) show their own text with its
// mnemonic, never the toolkit's stock text in the system's language.
void MostraTestiPulsanti(wxWindow& finestra);
// A colour button shows the colour it chooses, as a swatch before its
// caption.
void MostraCampione(wxButton* pPulsante, unsigned char r, unsigned char g, unsigned char b);
// The same for a colour of four floats from 0 to 1.
void MostraCampione(wxButton* pPulsante, const float* pColore);
// A button whose caption or picture changed after the template was fitted
// widens about its centre when it needs more room (the templates leave
// space either side of such buttons).
void AllargaAlCentro(wxButton* pPulsante);
// Gives the keyboard focus to a control, selecting the whole text of an
// edit so that typing replaces it.
void DaiFuoco(wxWindow* p);

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
    // text that is not a plain decimal number (a decimal comma is one) or
    // does not fit in a float. An edit still showing what MostraNumero put
    // there gives back the very value it was shown from, bit for bit.
    bool LeggiNumero(const wxTextCtrl* pEdit, float& fValore) const;
    // Reads each edit into its number in turn; at the first one refused the
    // user is told ("Errore di immissione") and the focus goes to it.
    bool LeggiNumeri(const std::vector<std::pair<wxTextCtrl*, float*>>& campi);
    // Shows a number as the dialogs do: three decimals, truncated.
    void MostraNumero(wxTextCtrl* pEdit, float fValore);
    // Shows a name read from a piece or a light.
    void MostraNome(wxTextCtrl* pEdit, const char* pNome);
    // Whether the user changed the text of an edit since MostraNumero or
    // MostraNome filled it (always true for an edit they never filled):
    // what the user did not touch is not written back.
    bool IsModificato(const wxTextCtrl* pEdit) const;
    // A name edit takes at most the 49 characters a name holds, and only
    // characters the file's code page can hold ('?' for any other), so
    // what the user sees is what the file keeps.
    void PreparaCampoNome(wxTextCtrl* pEdit);

    // Tells the user a number text was refused ("Errore di immissione");
    // the calling dialog stays open with the user's texts, and the focus
    // goes to the field refused with its text selected.
    static void SegnalaErroreImmissione(wxWindow* pCampo);
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
    void AdattaAlTesto(int nLarghezza, int nAltezza);
    void CreaScorciatoieRiquadri();
    void OnTasto(wxKeyEvent& event);
    void OnChiudi(wxCloseEvent& event);
    void Annulla();

    bool m_bModelloCaricato = false;
    // What MostraNumero and MostraNome put in each edit, and the value shown.
    struct CMostrato
    {
        wxString testo;
        float fValore;
    };
    std::map<const wxTextCtrl*, CMostrato> m_Mostrati;
};

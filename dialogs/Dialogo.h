#pragma once
#include <wx/dialog.h>
#include <wx/xrc/xmlres.h>

// Base of the program's modal dialogs: loads a template compiled from
// resources/ and closes the way the framework's OK and Cancel do.
class CDialogo : public wxDialog
{
protected:
    // Loads the template and gives it the client size, in dialog units,
    // that the template declares.
    bool CaricaModello(wxWindow* pGenitore, const char* pNome, int nLarghezza, int nAltezza);
    // Ends the modal run with nCodice. A dialog answered by a test without
    // being shown only records the code.
    void Termina(int nCodice);

    template <class T>
    T* Controllo(const char* pNome) const
    {
        return XRCCTRL(*this, pNome, T);
    }
};

#include "dialogs/Dialogo.h"

bool CDialogo::CaricaModello(wxWindow* pGenitore, const char* pNome, int nLarghezza, int nAltezza)
{
    if (!wxXmlResource::Get()->LoadDialog(this, pGenitore, pNome))
        return false;
    SetClientSize(ConvertDialogToPixels(wxSize(nLarghezza, nAltezza)));
    CentreOnScreen();
    return true;
}

void CDialogo::Termina(int nCodice)
{
    if (IsModal())
        EndModal(nCodice);
    else
        SetReturnCode(nCodice);
}

#pragma once
#include <wx/dialog.h>

class wxChoice;
class wxSizer;
class wxSpinCtrl;

// "Esporta immagine": which view (the current one first) and the size of
// the picture in pixels.
class CEsportaImmagineDlg : public wxDialog
{
public:
    // nVistaCorrente is VISTA_3D or VISTA_PIANTINA; w x h the view's size.
    CEsportaImmagineDlg(wxWindow* pPadre, int nVistaCorrente, int w, int h);

    // The answers, read when the dialog ends with OK.
    int GetVista() const;
    int GetLarghezza() const;
    int GetAltezza() const;

    wxChoice* m_pVista = nullptr;
    wxSpinCtrl* m_pLarghezza = nullptr;
    wxSpinCtrl* m_pAltezza = nullptr;

private:
    int m_aVisteInOrdine[2];
};

// "&OK" (the default button) and "&Annulla", in the platform's order, for
// the export dialogs.
wxSizer* PulsantiOKAnnulla(wxWindow* pDialogo);

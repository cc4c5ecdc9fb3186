#pragma once
#include <wx/dialog.h>

class wxCheckBox;
class wxChoice;

// "Esporta piantina": the sheet (A4, A3), its orientation and the scale.
// For printing ("Stampa") the sheet comes from the page set-up: the dialog
// asks for the scale and whether a second page shows the 3D view.
class CEsportaPiantinaDlg : public wxDialog
{
public:
    CEsportaPiantinaDlg(wxWindow* pPadre, bool bStampa);

    bool IsA3() const;
    bool IsOrizzontale() const;
    // 20, 50, 100, or 0 for the largest scale that fits the sheet.
    int GetScala() const;
    bool IsVista3D() const;

    wxChoice* m_pFoglio = nullptr;
    wxChoice* m_pOrientamento = nullptr;
    wxChoice* m_pScala = nullptr;
    wxCheckBox* m_pVista3D = nullptr;
};

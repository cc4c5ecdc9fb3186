#pragma once
#include <wx/aui/auibar.h>

class wxFrame;

// A dockable toolbar of the main window. It shows each button's prompt in
// the frame's status bar while the pointer is over it (also when the bar
// floats in a window of its own), and answers context help for the button
// under a point. Dragged by its gripper, it docks on the side of the
// window it is dropped at, or floats where it is dropped inside.
class CBarraStrumenti : public wxAuiToolBar
{
public:
    // testoAiuto: the help of the bar itself, for a point on no button.
    CBarraStrumenti(wxFrame* pCornice, const wxString& testoAiuto);

    // The id of the button under a point given in screen coordinates, or
    // wxID_NONE (separators, the gripper and empty space).
    int PulsanteInPunto(const wxPoint& ptSchermo) const;

    wxString GetHelpTextAtPoint(const wxPoint& pt, wxHelpEvent::Origin origine) const override;

private:
    void OnMovimento(wxMouseEvent& event);
    void OnUscita(wxMouseEvent& event);
    void MostraPrompt(int nId);
    void OnPremuto(wxMouseEvent& event);
    void OnRilasciato(wxMouseEvent& event);
    void OnCatturaPersa(wxMouseCaptureLostEvent& event);
    void FineTrascinamento();
    // Where a drop at ptSchermo would put the bar: its side, or
    // wxAUI_DOCK_NONE to float, and the rectangle to show for it.
    int Destinazione(const wxPoint& ptSchermo, wxRect& rettangolo) const;
    void Deponi(const wxPoint& ptSchermo);

    wxFrame* m_pCornice;
    wxString m_testoAiuto;
    int m_nPrompt = wxID_NONE;
    // A drag by the gripper: where it was grabbed, in the bar's pixels,
    // and on the screen.
    bool m_bTrascina = false;
    wxPoint m_ptPresa;
    wxPoint m_ptInizio;
};

#pragma once
#include "dialogs/Dialogo.h"

#include <functional>
#include <vector>

class wxListBox;

// "Ripristino": the rooms an editor left unsaved when it ended without
// warning. Ripristina hands the chosen one back and closes; Elimina removes
// the chosen one and stays open while others remain; Più tardi keeps them
// all for the next start.
class CRipristinoDlg : public CDialogo
{
public:
    // One line per copy: the room's name and when the copy was made.
    explicit CRipristinoDlg(const std::vector<wxString>& voci);

    // Removes copy n; false when it could not be removed.
    std::function<bool(int n)> m_fnElimina;
    // After Ripristina: the copy chosen, as an index into the lines given.
    int m_nScelta = -1;

private:
    void OnRipristina(wxCommandEvent& event);
    void OnElimina(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void AggiornaPulsanti();

    wxListBox* m_pElenco = nullptr;
    std::vector<int> m_aIndici;  // list row -> index of the lines given
};

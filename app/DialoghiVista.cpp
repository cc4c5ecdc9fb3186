#include "app/DialoghiVista.h"

#include "dialogs/AttributiDlg.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "dialogs/SelezioneMultiplaDlg.h"
#include "view/LavedoView.h"

void CollegaDialoghiVista(CLavedoView& vista)
{
    vista.m_Dialoghi.fnSceltaTraColpi = [] {
        CSelezioneMultiplaDlg dlg;
        dlg.ShowModal();
    };
    vista.m_Dialoghi.fnConfermaElimina = [] {
        CConfermaEliminaDlg dlg;
        dlg.ShowModal();
        return dlg.m_bConfermato;
    };
    vista.m_Dialoghi.fnAttributi = [] {
        CAttributiDlg dlg;
        dlg.ShowModal();
    };
}

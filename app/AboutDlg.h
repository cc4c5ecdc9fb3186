#pragma once
#include "dialogs/Dialogo.h"

// "Informazioni su Lavedo": program icon, version and credits.
class CAboutDlg : public CDialogo
{
public:
    CAboutDlg();
};

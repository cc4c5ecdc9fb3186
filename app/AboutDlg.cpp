#include "app/AboutDlg.h"

#include "app/IconeProgramma.h"

#include <wx/statbmp.h>

CAboutDlg::CAboutDlg()
{
    CaricaModello("IDD_ABOUTBOX", 194, 83);
    if (auto* pIcona = Controllo<wxStaticBitmap>("ID_ICONA"))
        pIcona->SetBitmap(CreaBitmapProgramma(32));
}

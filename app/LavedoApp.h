#pragma once
#include <wx/app.h>

class wxDocManager;

// The application object: registers the single-document template, makes
// the first room (or opens the file named on the command line) and shows
// the main window.
class CLavedoApp : public wxApp
{
public:
    CLavedoApp();
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // Shows, once, which texture files could not be read.
    static wxString MessaggioTextureMancanti();

private:
    void OnAppAbout(wxCommandEvent& event);
    // `lavedo --esporta ...`, `--miniatura`, `--help`: the work is done
    // here, with no window shown, and OnRun only hands back the status.
    bool AvviaRigaComando();
    void CreaDocumento();

    bool m_bRigaComando = false;
    int m_nUscita = 0;

    wxDocManager* m_pGestore = nullptr;

    wxDECLARE_EVENT_TABLE();
};

wxDECLARE_APP(CLavedoApp);

// The program's answer to a failed check inside the window toolkit: one line
// on standard error (file, line, function, condition, message), then it goes
// on; never a box in English offering to stop the program.
void RiferisciAsserzione(const wxString& file, int nRiga, const wxString& funzione,
                         const wxString& condizione, const wxString& messaggio);

// Prepares GLUT (needed by the box primitive) once per process.
void InizializzaGlut();
// Loads the compiled dialog templates once per process.
void InizializzaRisorse();

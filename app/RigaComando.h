#pragma once
// The command line that works with no window: pictures and plans of a room
// file, the file manager's previews, and the list of options.
#include <wx/arrstr.h>
#include <wx/string.h>

struct COpzioniRiga
{
    enum Modo
    {
        NESSUNO,    // no option: the editor starts as usual
        AIUTO,      // --help
        ESPORTA,    // --esporta OUT [...] ROOM
        MINIATURA,  // --miniatura ROOM OUT SIZE
    };
    Modo nModo = NESSUNO;
    wxString uscita, stanza;
    int nVista = -1;        // -1: 3D for a picture; plans are always the plan
    int nLarghezza = 1600, nAltezza = 1200;
    int nScala = 0;         // 0: the largest scale that fits the page
    int nLato = 0;          // the preview's longer side
};

// The options of the command line (without the program's name). False,
// with one Italian line saying what is wrong, for anything it cannot use.
bool LeggiRigaComando(const wxArrayString& argomenti, COpzioniRiga& opzioni, wxString& errore);

// What `lavedo --help` prints.
extern const char* const TESTO_AIUTO;

// The answers that need no window, given before the toolkit starts (which
// would stop, in English, without a display): --help, a command line it
// cannot use (one Italian line on standard error, status 2), and a display
// missing for anything else (status 1). True, with the exit status, when it
// answered; false when the program goes on.
bool RispondiSenzaFinestre(const wxArrayString& argomenti, int& nUscita);
// The program's own arguments (without its name), in UTF-8 or, failing
// that, Latin-1: a file name the locale cannot convert still reads.
wxArrayString Argomenti(int argc, char** argv);

// Loads the room into the document and writes the output: 0 on success;
// otherwise one line on standard error, exit status 1, and no output file
// (nor a changed one). Needs the document and its view.
int EseguiRigaComando(const COpzioniRiga& opzioni);

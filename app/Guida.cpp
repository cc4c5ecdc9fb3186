#include "app/Guida.h"

#include <wx/msgdlg.h>

wxString TestoGuida()
{
    return wxString::FromUTF8(
        "Lavedo98 arreda una stanza in tre dimensioni.\n"
        "\n"
        "MODI DI VISUALIZZAZIONE\n"
        "  Piantina: la stanza vista dall'alto (modo iniziale).\n"
        "  Vista 3D: la stanza in prospettiva.\n"
        "  Ogni comando di modo passa all'altro modo.\n"
        "\n"
        "MOUSE NELLA VISTA 3D\n"
        "  Trascinamento col tasto sinistro: ruota la telecamera.\n"
        "  Trascinamento col tasto destro: in alto e in basso avvicina o\n"
        "  allontana la telecamera, a destra e a sinistra la sposta di lato.\n"
        "  Rotazione: la telecamera gira da sola; Centra: riporta la stanza\n"
        "  al centro della finestra.\n"
        "\n"
        "MOUSE NELLA PIANTINA (con un oggetto selezionato)\n"
        "  Trascinamento col tasto sinistro: ruota l'oggetto.\n"
        "  Trascinamento col tasto destro: sposta l'oggetto dentro la stanza;\n"
        "  porte e finestre scorrono lungo la loro parete.\n"
        "\n"
        "SELEZIONE\n"
        "  Premere Seleziona, poi fare clic sull'oggetto. Se sotto il puntatore\n"
        "  ci sono più oggetti, si sceglie dall'elenco. Elimina e Modifica\n"
        "  agiscono sull'oggetto selezionato.\n"
        "\n"
        "TASTI\n"
        "  Ctrl+N nuovo documento, Ctrl+A apri, Ctrl+S salva, F1 questa guida.");
}

void MostraGuida(wxWindow* pGenitore)
{
    wxMessageBox(TestoGuida(), wxString::FromUTF8("Argomenti della Guida"),
                 wxOK | wxICON_INFORMATION, pGenitore);
}

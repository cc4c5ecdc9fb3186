#pragma once
// Command identifiers shared by the menus, the toolbars, the accelerators
// and the frame; the view's own are in view/ComandiVista.h.
#include "view/ComandiVista.h"

enum : int
{
    // Frame commands.
    ID_MODIFICA_OGGETTO = IdComando(32782),
    ID_MODIFICA_LUCE = IdComando(32807),
    ID_INSERISCI_LUCE = IdComando(32811),
    ID_INSERISCI_SEDIA = IdComando(32813),
    ID_INSERISCI_MOBILE = IdComando(32814),
    ID_INSERISCI_PORTA_FINESTRA = IdComando(32815),
    ID_INSERISCI_TAVOLO = IdComando(32816),
    ID_IMPOSTAZIONI = IdComando(32817),

    // Bars and help.
    ID_INDICATORE_SELEZIONE = 101,
    ID_BARRA_STRUMENTI = IdComando(59392),
    ID_BARRA_STATO = IdComando(59393),
    // Exit has an id of its own: the framework's stock exit id would also
    // bring GTK's stock accelerator Ctrl+Q, a key this program does not have.
    ID_ESCI = IdComando(57665),
    ID_GUIDA_ARGOMENTI = IdComando(57667),
    ID_GUIDA_CONTESTO = IdComando(57669),
    ID_GUIDA = IdComando(57670),
    ID_GUIDA_INDICE = IdComando(57671),

    // Undo, redo and the clipboard: the document handles them.
    ID_MODIFICA_COPIA = IdComando(57634),
    ID_MODIFICA_TAGLIA = IdComando(57635),
    ID_MODIFICA_INCOLLA = IdComando(57637),
    ID_MODIFICA_ANNULLA = IdComando(57643),
    ID_MODIFICA_RIPETI = IdComando(57644),
    ID_MODIFICA_DUPLICA = IdComando(32830),

    // Pane keys of the accelerator table: nothing handles them.
    ID_RIQUADRO_SUCCESSIVO = IdComando(57680),
    ID_RIQUADRO_PRECEDENTE = 57681,

    // Pictures, plans to scale, the 3D model and printing (File menu).
    ID_FILE_ESPORTA_IMMAGINE = IdComando(32850),
    ID_FILE_ESPORTA_PIANTINA = IdComando(32851),
    ID_FILE_ESPORTA_MODELLO = IdComando(32852),
    ID_FILE_STAMPA = IdComando(57607),
    ID_FILE_ANTEPRIMA = IdComando(57609),
    ID_FILE_IMPOSTA_PAGINA = IdComando(57605),

    // The catalogue of ready pieces and of the user's own.
    ID_INSERISCI_CATALOGO = IdComando(32870),
    ID_MODIFICA_AGGIUNGI_CATALOGO = IdComando(32871),
    ID_MODIFICA_RIMUOVI_CATALOGO = IdComando(32872),
    ID_VISTA_CATALOGO = IdComando(32873)
};

// The status-bar prompt and the tooltip of a command, or null texts for a
// command that has none.
struct CTestoComando
{
    int nId;
    const char* pPrompt;
    const char* pTooltip;
};

const CTestoComando& TestoComando(int nId);

class wxString;
// The same texts as the toolkit's strings, empty for none.
wxString PromptComando(int nId);
wxString TooltipComando(int nId);

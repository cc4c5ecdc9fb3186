#pragma once
// Command identifiers shared by the menus, the toolbars, the accelerators,
// the frame and the view. The program numbers its commands from 32771 and
// 57600 up, but wxWidgets accepts menu ids only below 32767: the window ids
// are those numbers less 30000.

constexpr int SCARTO_ID_COMANDO = 30000;

constexpr int IdComando(int nNumero)
{
    return nNumero >= SCARTO_ID_COMANDO ? nNumero - SCARTO_ID_COMANDO : nNumero;
}

enum : int
{
    // View commands (handled by the view).
    ID_VISTA_WIREFRAMES = IdComando(32771),
    ID_VISTA_ANTIALIASING = IdComando(32772),
    ID_VISTA_ROTAZIONE = IdComando(32774),
    ID_VISTA_CENTRA = IdComando(32780),
    ID_VISTA_SELEZIONA = IdComando(32781),
    ID_VISTA_LUCI = IdComando(32795),
    ID_VISTA_TEXTURES = IdComando(32796),
    ID_VISTA_MODIFICA = IdComando(32802),
    ID_VISTA_ELIMINA = IdComando(32803),
    ID_VISTA_3D = IdComando(32808),
    ID_VISTA_PIANTINA = IdComando(32809),
    // Second id of antialiasing: same handler, in no menu or toolbar.
    ID_VISTA_ANTIALIASING2 = IdComando(32822),

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
    ID_GUIDA_ARGOMENTI = IdComando(57667),
    ID_GUIDA_CONTESTO = IdComando(57669),
    ID_GUIDA = IdComando(57670),
    ID_GUIDA_INDICE = IdComando(57671),

    // Editing keys of the accelerator table: nothing handles them.
    ID_MODIFICA_COPIA = IdComando(57634),
    ID_MODIFICA_TAGLIA = IdComando(57635),
    ID_MODIFICA_INCOLLA = IdComando(57637),
    ID_MODIFICA_ANNULLA = IdComando(57643),
    ID_RIQUADRO_SUCCESSIVO = IdComando(57680),
    ID_RIQUADRO_PRECEDENTE = 57681
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

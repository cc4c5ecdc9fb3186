#pragma once
// Identifiers of the view's commands, shared with the menus, the toolbars
// and the frame. The program numbers its commands from 32771 and 57600 up,
// but wxWidgets accepts menu ids only below 32767: the window ids are those
// numbers less 30000.

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
};

// 3D camera: the room seen from inside, at eye height.
enum : int
{
    ID_VISTA_INTERNO = IdComando(32860),
};

// Precision in the plan: distances and names, and the walls' magnet.
enum : int
{
    ID_VISTA_QUOTE = IdComando(32840),
    ID_VISTA_CALAMITA = IdComando(32841),
};

// The status bar's hint when lighting goes on in a room with no light (UTF-8).
extern const char* const TESTO_NESSUNA_LUCE;

#pragma once
// The file choosers and the error box of the document commands, each behind
// a replaceable function: tests put their own in place of the real dialogs
// (a file dialog answered by a test cannot hand back a path under GTK).
#include <functional>
#include <wx/string.h>

namespace scelta_file
{
// Each hook, when set, replaces the real dialog. An empty path is a cancel.
extern std::function<wxString()> g_fnAprire;
extern std::function<wxString(const wxString& nomeProposto)> g_fnSalvare;
extern std::function<void(const wxString& messaggio)> g_fnErrore;
// The export chooser: its title, filter and proposed name; the answer is a
// path with its extension.
extern std::function<wxString(const wxString& titolo, const wxString& filtro,
                              const wxString& nomeProposto)>
    g_fnEsportare;
}  // namespace scelta_file

// The filters of both file dialogs: rooms first, then every file.
extern const char* const FILTRO_FILE;

// Where the file dialogs open: the folder of the last file chosen (kept
// under the settings key), else the sample rooms' folder.
wxString CartellaIniziale();
// Where a file is first offered to be written (a room never saved, a
// picture, a plan): the folder last used, unless it is the program's own
// data folder (the sample rooms'), else the user's documents folder.
wxString CartellaSalvataggio();
// "Apri": an existing file, or empty when cancelled. Its folder is
// remembered.
wxString ScegliFileDaAprire();
// "Salva con nome": a target path proposed from nomeProposto, or empty.
// The path is the name typed, with no extension added; its folder is
// remembered.
wxString ScegliFileDaSalvare(const wxString& nomeProposto);
// The target of an export, from a save dialog titled titolo with the
// filter filtro ("Immagini PNG (*.png)|*.png|..."): a name typed without an
// extension takes the chosen filter's; empty when cancelled.
wxString ScegliFileDaEsportare(const wxString& titolo, const wxString& filtro,
                               const wxString& nomeProposto);
// Tells the user what went wrong with a file (modal error box).
void MostraErroreFile(const wxString& messaggio);

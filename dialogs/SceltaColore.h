#pragma once
// The colour chooser of the dialogs, behind a replaceable function: tests
// put their own answer in place of the real chooser (a colour set on an
// intercepted chooser does not survive its OK under GTK).
#include <functional>

class wxWindow;

namespace scelta_colore
{
// When set, replaces the real chooser: it is handed the initial colour and
// returns true with the chosen one, or false for a cancel.
extern std::function<bool(unsigned long nIniziale, unsigned long& nScelto)> g_fnScegli;
}  // namespace scelta_colore

// Runs the colour chooser opened on nIniziale, packed as R + 256 G + 65536 B.
// True with the chosen colour, packed the same way, when the user confirms;
// false when the chooser is cancelled.
bool ScegliColore(wxWindow* pGenitore, unsigned long nIniziale, unsigned long& nScelto);

#pragma once
// The plan's context menu: what can be done with the selected piece. A right
// click that did not move opens it; a right drag still moves the piece.
#include <wx/gdicmn.h>

class wxFrame;
class wxMenu;
class wxWindow;

// The menu's entries; the frame's routing handles them as the main menu's.
wxMenu* CreaMenuPiantina();
// Opens it at the point of the view's window.
void MostraMenuPiantina(wxFrame& cornice, wxWindow& vista, const wxPoint& punto);

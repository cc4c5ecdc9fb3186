#pragma once
// The dialogs the view's commands open, handed to the view: the view
// includes nothing of dialogs/.
class CLavedoView;

// Fills the view's dialog slots (CLavedoView::m_Dialoghi).
void CollegaDialoghiVista(CLavedoView& vista);

#pragma once
#include <wx/bmpbndl.h>

// Toolbar buttons are 16 x 15 pixels.
constexpr int LARGHEZZA_PULSANTE = 16;
constexpr int ALTEZZA_PULSANTE = 15;

// The picture of a toolbar button, drawn in code for the command nId
// (wxID_NEW, wxID_OPEN, wxID_SAVE or a view command of app/Comandi.h);
// an unknown command gets a blank picture. The background is transparent.
// The bundle holds it at 100%, 200% and 300% of its size.
wxBitmapBundle BitmapPulsante(int nId);

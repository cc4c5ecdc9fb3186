#pragma once
class wxWindow;

// The colour chooser for colours kept as four floats (room surfaces, light
// components): opened on pIniziale, it writes the confirmed colour into
// pLavoro with alpha fAlfa. Black counts as a choice like any other; a
// cancel leaves pLavoro as it was. True when the user confirmed.
bool ScegliColoreFloat(wxWindow* pGenitore, const float* pIniziale, float fAlfa, float* pLavoro);

// A float component as the chooser's byte: truncated, and kept within
// 0..255 whatever a file put there.
unsigned long ComponenteInByte(float f);

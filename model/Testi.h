#pragma once

// Text functions shared by the dialogs and the room. The texts returned are
// allocated with new[] and belong to the caller, who releases them with
// delete[].

// Whether a text is a plain decimal number: an optional leading '-', digits
// and at most one '.'. The empty text, "-" and "." count as numbers.
bool ControllaNumero(const char* pTesto);

// The number a dialog stores for a text: false unless the text passes
// ControllaNumero, with one decimal comma taken as the point ("0,45"), and
// its value fits a finite single-precision float (fifty nines do not). The
// empty text, "-" and "." read as 0.
bool NumeroDaTesto(const char* pTesto, float& fValore);

// The number with three decimals, truncated from the shortest text that
// reads back as the same float: 12 -> "12.000", 0.5 -> ".500", -0.25 ->
// "-.250", the float nearest 2.3 -> "2.300", 1.9999 -> "1.999".
char* FloatInStringa(float x);

// The two-digit number of a texture file: 7 -> "07".
char* NumeroTexture(int i);

// '0' to '9' for 0 to 9.
char CifraInCarattere(int n);

#pragma once
// Shared helpers of the window and GL tests: the real application runs
// under Xvfb with its frame, document, view and GL context.
#include <gtest/gtest.h>
#include <wx/wx.h>

#include <array>
#include <cstdint>

class CLavedoView;
class CLavedoDoc;

namespace ambiente
{
// Processes pending window events (after each simulated input).
void Pompa();
CLavedoView& Vista();
CLavedoDoc& Documento();
wxFrame& Cornice();
// Resizes the GL window's client area and lets the view take the size.
void ImpostaClient(int w, int h);
// Paints into the back buffer and reads pixel (x, y), origin bottom left.
std::array<std::uint8_t, 3> Pixel(int x, int y);
// Reads pixel (x, y) of the last paint without painting again.
std::array<std::uint8_t, 3> PixelSenzaDisegnare(int x, int y);
// Brings document and view back to a new, unmodified room in the plan,
// at the given client size.
void Ripristina(int w = 800, int h = 600);
// Whether a pixel is within tolleranza of an RGB colour on every channel.
bool Vicino(const std::array<std::uint8_t, 3>& p, int r, int g, int b, int tolleranza = 8);
// Paints (or only reads) pixel (x, y) and checks its colour within 3,
// naming the colour found when it differs.
::testing::AssertionResult ColoreA(bool bDisegna, int x, int y, int r, int g, int b);
// The toolkit's assertion handler the program put in place at start-up,
// before the test program put its own (which fails the test).
wxAssertHandler_t& GestoreAsserzioniProgramma();
}  // namespace ambiente

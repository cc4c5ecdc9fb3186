#pragma once
// Shared helpers of the window and GL tests: the real application runs
// under Xvfb with its frame, document, view and GL context.
#include <gtest/gtest.h>
#include <wx/wx.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CLavedoView;
class CLavedoDoc;

namespace ambiente
{
// Processes pending window events (after each simulated input).
void Pompa();
// Pumps events until bFatto() holds or nMillisecondi pass, and says whether
// it holds: real input goes round the X server and arrives when it arrives.
bool AspettaChe(const std::function<bool()>& bFatto, int nMillisecondi = 3000);
CLavedoView& Vista();
CLavedoDoc& Documento();
wxFrame& Cornice();
// Resizes the GL window's client area and lets the view take the size.
void ImpostaClient(int w, int h);
// Takes the files under a test's folder out of the recent-files list, which
// is the user's own.
void TogliDaiRecenti(const std::string& cartella);
// Paints into the back buffer and reads pixel (x, y), origin bottom left.
std::array<std::uint8_t, 3> Pixel(int x, int y);
// Reads pixel (x, y) of the last paint without painting again.
std::array<std::uint8_t, 3> PixelSenzaDisegnare(int x, int y);
// Brings document and view back to a new, unmodified room in the plan,
// at the given client size.
void Ripristina(int w = 800, int h = 600);
// The plan as the window shows it, worked out from the window's size, the
// screen's scale and the room alone: the room fitted inside a margin of
// MARGINE_PIANTA of the toolkit's pixels on every side, and centred.
struct CMappaPiantina
{
    float fScala;         // GL pixels a metre
    float fX0, fY0;       // GL pixel of the room's south-west corner
    float fFattore;       // GL pixels to one of the toolkit's
    float fProfondita;    // of the room
    float fAltezza;       // of the window, in GL pixels
    // The GL pixel (origin bottom left) of room point (x, y), in metres.
    std::array<int, 2> Pixel(float x, float y) const;
    // The GL pixel given from the room's south-west corner.
    std::array<int, 2> DallAngolo(int x, int y) const;
    // The client point of room point (x, y) in the toolkit's pixels, y
    // downwards, as the mouse gives it.
    wxPoint Punto(float x, float y) const;
};
CMappaPiantina MappaPiantina();
// Whether a pixel is within tolleranza of an RGB colour on every channel.
bool Vicino(const std::array<std::uint8_t, 3>& p, int r, int g, int b, int tolleranza = 8);
// Paints (or only reads) pixel (x, y) and checks its colour within 3,
// naming the colour found when it differs.
::testing::AssertionResult ColoreA(bool bDisegna, int x, int y, int r, int g, int b);
// The toolkit's assertion handler the program put in place at start-up,
// before the test program put its own (which fails the test).
wxAssertHandler_t& GestoreAsserzioniProgramma();
// The plan's context menu the program installed, which waits for a person:
// the test program puts a stand-in in its place at start-up.
std::function<void(const wxPoint&)>& MenuPiantinaProgramma();

// HOME in a temporary folder for the life of the object (the whole test
// process): the program's settings never reach the user's own files.
class CCasaTemporanea
{
public:
    CCasaTemporanea();
    ~CCasaTemporanea();
    CCasaTemporanea(const CCasaTemporanea&) = delete;
    CCasaTemporanea& operator=(const CCasaTemporanea&) = delete;
    bool IsPronta() const { return !m_percorso.empty(); }

private:
    std::string m_percorso;
    std::string m_vecchia;
    bool m_bVecchia = false;
};

// What the program showed at its first start, taken by the test program
// before any test ran (no test can have set it).
struct CPrimoAvvio
{
    std::vector<std::uint8_t> aDocumento;
    bool bModificato = true;
    int nVista = -1;
    bool bLuci = true;
    bool bTextures = true;
    bool bSelezione = true;
    bool bIlluminazioneGL = true;
    wxString titolo;
    float aCentro[3] = {};
};
void RegistraPrimoAvvio();
const CPrimoAvvio& PrimoAvvio();
// While alive, a modal dialog the test shows itself runs for real instead
// of failing the test as unexpected.
class CDialogoAtteso
{
public:
    CDialogoAtteso();
    ~CDialogoAtteso();
    CDialogoAtteso(const CDialogoAtteso&) = delete;
    CDialogoAtteso& operator=(const CDialogoAtteso&) = delete;
    static bool IsAtteso();
};
// The bytes of a document holding the default room and nothing else.
std::vector<std::uint8_t> BytePredefiniti();
}  // namespace ambiente

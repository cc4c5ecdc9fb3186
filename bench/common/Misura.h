#pragma once
// A small harness for the benchmarks: the real application under X, and
// medians of repeated runs measured in one process. Every timed paint is
// read back and checked, so a window that is not drawn into fails the run
// instead of reporting the time of drawing nothing.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace misura
{
// Starts the editor (frame, document, view, GL) as the program would, with
// HOME in a temporary folder, shows the frame and lets a real paint of the
// GL window go through; the client area gets w x h pixels. False, with a
// message on stderr, when the window cannot be drawn into.
bool AvviaApplicazione(int argc, char** argv, int w, int h);
void ChiudiApplicazione();
// Puts the view in a display mode with the benchmarks' camera (pitch 25,
// yaw 30, centred on the room) and the GL context current.
void ImpostaVista(int nVista);

// The lower-left w x h pixels of the back buffer, RGB rows bottom first.
struct CFotogramma
{
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> aPixel;
    // FNV-1a of the bytes: a short name for the frame.
    std::uint32_t Impronta() const;
    // Share of the pixels that are not the clear colour (black).
    double QuotaDisegnata() const;
    int Colori() const;
};
CFotogramma LeggiFotogramma(int w, int h);

// What a frame must show to count as drawn.
struct CAtteso
{
    int w;
    int h;
    double fQuotaMinima;
    int nColoriMinimi;
};

// Paints nRipetizioni times after nRiscaldamento untimed paints and returns
// the median time of one paint (with glFinish) in microseconds. The first
// frame must meet atteso and every later one must equal it; otherwise the
// run ends with a message naming nome (exit status 1).
double MedianaDipinto(const std::string& nome, const std::function<void()>& dipingi,
                      const CAtteso& atteso, int nRipetizioni, std::uint32_t& nImpronta,
                      int nRiscaldamento = 3);
// Median time of one call in microseconds, over nRipetizioni calls after
// nRiscaldamento untimed ones; controllo, untimed, after each timed call.
double MedianaMicrosecondi(const std::function<void()>& lavoro, int nRipetizioni,
                           int nRiscaldamento = 3, const std::function<void()>& controllo = {});
// The median processor time (every thread of the process) of the calls of
// the last MedianaMicrosecondi or MedianaDipinto, in microseconds.
double MedianaCpu();
// Prints the median and, beside it, the median CPU time of the same calls:
// print each row right after its measurement, or give its CPU time.
void Stampa(const std::string& nome, double fMicrosecondi);
void Stampa(const std::string& nome, double fMicrosecondi, double fCpu);
void Stampa(const std::string& nome, double fMicrosecondi, std::uint32_t nImpronta);
// Ends the run: the message on stderr, exit status 1.
[[noreturn]] void Fallisci(const std::string& messaggio);
}  // namespace misura

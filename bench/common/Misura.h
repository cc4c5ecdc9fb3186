#pragma once
// A small harness for the benchmarks: the real application under X, and
// medians of repeated runs measured in one process.
#include <functional>
#include <string>

namespace misura
{
// Starts the editor (frame, document, view, GL) as the program would and
// waits for its GL window; the client area gets w x h pixels.
bool AvviaApplicazione(int argc, char** argv, int w, int h);
void ChiudiApplicazione();
// Puts the view in a display mode with the benchmarks' camera (pitch 25,
// yaw 30, centred on the room) and the GL context current.
void ImpostaVista(int nVista);
// Median time of one call in microseconds, over nRipetizioni calls after
// nRiscaldamento untimed ones.
double MedianaMicrosecondi(const std::function<void()>& lavoro, int nRipetizioni,
                           int nRiscaldamento = 3);
void Stampa(const std::string& nome, double fMicrosecondi);
}  // namespace misura

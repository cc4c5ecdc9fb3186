#include "model/NomeLibero.h"

#include "model/Contenitori.h"
#include "model/Oggetto.h"

#include <algorithm>

namespace
{
constexpr std::size_t MASSIMO_BYTE = LUNGHEZZA_NOME - 1;
// More digits than this are part of the name, not a count.
constexpr std::size_t MASSIMO_CIFRE = 9;

bool IsUsato(const std::string& nome, const std::vector<std::string>& usati)
{
    return std::find(usati.begin(), usati.end(), nome) != usati.end();
}
}  // namespace

std::string NomeLibero(const std::string& nome, const std::vector<std::string>& usati)
{
    if (nome.empty() || !IsUsato(nome, usati))
        return nome;
    // "Sedia 12": the text before the last space and the number after it.
    std::string radice = nome;
    long nNumero = 1;
    const std::size_t nSpazio = nome.rfind(' ');
    const std::size_t nCifre = nSpazio == std::string::npos ? 0 : nome.size() - nSpazio - 1;
    if (nCifre > 0 && nCifre <= MASSIMO_CIFRE &&
        nome.find_first_not_of("0123456789", nSpazio + 1) == std::string::npos)
    {
        radice = nome.substr(0, nSpazio);
        nNumero = std::stol(nome.substr(nSpazio + 1));
    }
    // One of the next usati.size() + 1 numbers is free.
    for (long n = nNumero + 1;; ++n)
    {
        const std::string numero = " " + std::to_string(n);
        const std::string candidato =
            radice.substr(0, MASSIMO_BYTE - std::min(MASSIMO_BYTE, numero.size())) + numero;
        if (!IsUsato(candidato, usati))
            return candidato;
    }
}

std::string NomeLibero(const std::string& nome, CContenitori& oggetti)
{
    std::vector<std::string> usati;
    COggetto* pOggetto = nullptr;
    for (oggetti.GetElemento(1, pOggetto); pOggetto; oggetti.GetSuccessivo(pOggetto))
        usati.emplace_back(pOggetto->GetNome());
    return NomeLibero(nome, usati);
}

#include "model/Testi.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

bool ControllaNumero(const char* pTesto)
{
    if (!pTesto)
        return false;
    const char* p = pTesto;
    if (*p == '-')
        ++p;
    bool bPunto = false;
    for (; *p; ++p)
    {
        if (*p >= '0' && *p <= '9')
            continue;
        if (*p == '.' && !bPunto)
        {
            bPunto = true;
            continue;
        }
        return false;
    }
    return true;
}

bool NumeroDaTesto(const char* pTesto, float& fValore)
{
    if (!pTesto)
        return false;
    // Italian users write a decimal comma: one comma reads as the point,
    // unless the text has a point already.
    std::string testo(pTesto);
    const std::size_t nVirgola = testo.find(',');
    if (nVirgola != std::string::npos && testo.find('.') == std::string::npos)
        testo[nVirgola] = '.';
    if (!ControllaNumero(testo.c_str()))
        return false;
    const double d = std::atof(testo.c_str());
    if (!std::isfinite(d) || std::fabs(d) > FLT_MAX)
        return false;
    fValore = static_cast<float>(d);
    return true;
}

char CifraInCarattere(int n)
{
    return static_cast<char>('0' + n);
}

char* FloatInStringa(float x)
{
    // From the shortest digits that read back as the same float: 0.9f is
    // 9e-01, not the 0.89999998 it holds, so it shows as ".900" and an OK
    // stores it unchanged. Then three decimals, truncated.
    const float v = std::isfinite(x) ? std::fabs(x) : 0.0f;
    char aBreve[32];
    const std::to_chars_result r =
        std::to_chars(aBreve, aBreve + sizeof aBreve, v, std::chars_format::scientific);
    const std::string breve(aBreve, r.ec == std::errc() ? r.ptr : aBreve);
    const std::size_t nE = breve.find('e');
    std::string cifre = "0";
    int nInteri = 1;  // digits before the point
    if (nE != std::string::npos && nE > 0)
    {
        cifre = breve.substr(0, 1) + (nE > 2 ? breve.substr(2, nE - 2) : "");
        nInteri = std::atoi(breve.c_str() + nE + 1) + 1;
    }
    if (nInteri <= 0)
    {
        cifre.insert(0, static_cast<std::size_t>(-nInteri), '0');
        nInteri = 0;
    }
    if (cifre.size() < static_cast<std::size_t>(nInteri) + 3)
        cifre.resize(static_cast<std::size_t>(nInteri) + 3, '0');
    std::string intero = cifre.substr(0, static_cast<std::size_t>(nInteri));
    // No digit before the point below 1.
    if (intero == "0")
        intero.clear();

    std::string testo;
    if (x < 0.0f)
        testo += '-';
    testo += intero;
    testo += '.';
    testo += cifre.substr(static_cast<std::size_t>(nInteri), 3);

    char* pRisultato = new char[testo.size() + 1];
    std::memcpy(pRisultato, testo.c_str(), testo.size() + 1);
    return pRisultato;
}

char* NumeroTexture(int i)
{
    char* pTesto = new char[3];
    pTesto[0] = CifraInCarattere(i / 10 % 10);
    pTesto[1] = CifraInCarattere(i % 10);
    pTesto[2] = '\0';
    return pTesto;
}

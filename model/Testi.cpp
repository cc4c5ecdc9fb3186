#include "model/Testi.h"

#include <cfloat>
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
    if (!ControllaNumero(pTesto))
        return false;
    const double d = std::atof(pTesto);
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
    std::string testo;
    if (std::signbit(x) && x != 0.0f)
        testo += '-';
    // Extended precision from the single-precision value, as the dialogs
    // expect: the float nearest 2.3 shows as 2.299.
    long double v = std::fabs(static_cast<long double>(x));
    if (!std::isfinite(v))
        v = 0.0L;
    const long double i = std::trunc(v);
    const long double f = std::trunc(v * 1000.0L - i * 1000.0L);

    std::string cifre;
    for (long double r = i; r >= 1.0L; r = std::trunc(r / 10.0L))
        cifre.insert(cifre.begin(), CifraInCarattere(static_cast<int>(std::fmod(r, 10.0L))));
    testo += cifre;
    testo += '.';
    const int nFrazione = static_cast<int>(f) % 1000;
    testo += CifraInCarattere(nFrazione / 100);
    testo += CifraInCarattere(nFrazione / 10 % 10);
    testo += CifraInCarattere(nFrazione % 10);

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

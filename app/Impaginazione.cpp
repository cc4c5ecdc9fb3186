#include "app/Impaginazione.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace esportazione
{
namespace
{
constexpr double DIDASCALIA = 10.0;  // mm under the drawing for the caption
constexpr double QUOTA = 8.0;        // mm left of and under the room for its sizes
const int s_aScale[] = {20, 50, 100};

wxString Metri(float f)
{
    wxString s = wxString::Format("%.2f m", f);
    s.Replace(".", ",");
    return s;
}
}  // namespace

void DimensioneFoglio(const COpzioniPiantina& opzioni, double& w, double& h)
{
    w = opzioni.bA3 ? 297.0 : 210.0;
    h = opzioni.bA3 ? 420.0 : 297.0;
    if (opzioni.bOrizzontale)
        std::swap(w, h);
}

bool Impagina(double fLarghezzaFoglio, double fAltezzaFoglio, int nScala, float W, float D,
              CImpaginazione& pagina, wxString& errore)
{
    const double aw = fLarghezzaFoglio - 2 * MARGINE_FOGLIO - QUOTA;
    const double ah = fAltezzaFoglio - 2 * MARGINE_FOGLIO - DIDASCALIA - QUOTA;
    if (!(W > 0 && D > 0 && aw > 0 && ah > 0))
    {
        errore = wxString::FromUTF8("Il foglio è troppo piccolo per la piantina.");
        return false;
    }
    if (nScala <= 0)  // the largest whole scale that fits
        nScala = std::max(1, static_cast<int>(std::ceil(std::max(W * 1000.0 / aw,
                                                                  D * 1000.0 / ah) - 1e-9)));
    pagina.fLarghezzaFoglio = fLarghezzaFoglio;
    pagina.fAltezzaFoglio = fAltezzaFoglio;
    pagina.nScala = nScala;
    pagina.fLarghezza = W * pagina.MillimetriPerMetro();
    pagina.fProfondita = D * pagina.MillimetriPerMetro();
    if (pagina.fLarghezza > aw + 1e-9 || pagina.fProfondita > ah + 1e-9)
    {
        const int* pProssima = std::upper_bound(std::begin(s_aScale), std::end(s_aScale), nScala);
        const wxString consiglio =
            pProssima != std::end(s_aScale)
                ? wxString::Format("scegliere la scala 1:%d", *pProssima)
                : wxString::FromUTF8("scegliere un foglio più grande o \"Adatta al foglio\"");
        errore = wxString::Format("La stanza (%s x %s) non entra nel foglio in scala 1:%d: %s.",
                                  Metri(W), Metri(D), nScala, consiglio);
        return false;
    }
    pagina.fX = MARGINE_FOGLIO + QUOTA + (aw - pagina.fLarghezza) / 2;
    pagina.fY = MARGINE_FOGLIO + DIDASCALIA + QUOTA + (ah - pagina.fProfondita) / 2;
    return true;
}

bool Impagina(const COpzioniPiantina& opzioni, float W, float D, CImpaginazione& pagina,
              wxString& errore)
{
    double w, h;
    DimensioneFoglio(opzioni, w, h);
    return Impagina(w, h, opzioni.nScala, W, D, pagina, errore);
}

std::vector<CScritta> Scritte(const CImpaginazione& pagina, float W, float D,
                              const wxString& nomeFile)
{
    return {{pagina.fX + pagina.fLarghezza / 2, pagina.fY - QUOTA / 2 - 1.2, 9, 0, true, Metri(W)},
            {pagina.fX - QUOTA / 2 + 1.2, pagina.fY + pagina.fProfondita / 2, 9, 90, true, Metri(D)},
            {MARGINE_FOGLIO, MARGINE_FOGLIO + DIDASCALIA / 2 - 1.5, 10, 0, false,
             wxString::Format("%s - Scala 1:%d", nomeFile, pagina.nScala)}};
}
}  // namespace esportazione

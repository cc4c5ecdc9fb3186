#include "app/DisegnoCarta.h"

#include "dialogs/Nomi.h"
#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace esportazione
{
namespace
{
constexpr double SPESSORE_MURO = 0.5;       // mm: the walls
constexpr double SPESSORE_CONTORNO = 0.18;  // a footprint, a window, a door's jambs
constexpr double SPESSORE_ANTA = 0.25;      // a door's leaf
constexpr double SPESSORE_ARCO = 0.13;      // its swing
constexpr double CANCELLA = 0.8;      // cleared across the wall line: wider than the view's outline
constexpr double BORDO = 5.0;         // mm of the sheet's edge that no name enters
constexpr double DISTACCO = 0.6;      // mm between a name and a line or another text
constexpr double CORPI_NOME[] = {6.0, 5.0, 4.0};
constexpr int COSTO_TESTO = 5;        // covering a text is worse than crossing two outlines
constexpr int LATI_CERCHIO = 40;      // as the view's disc, so the outline lies on its edge
constexpr int LATI_ARCO = 24;
constexpr double PI = 3.14159265358979;

double Corpo(double fPunti)
{
    return fPunti * 25.4 / 72.0;
}

bool IsApertura(const COggetto& o)
{
    return o.GetCategoria() == CATEGORIA_PORTE_FINESTRE;
}

// Room metres (x from the west wall, y from the north wall) to the page.
struct CFoglio
{
    const CImpaginazione& pagina;
    double D;
    CPuntoCarta operator()(double x, double y) const
    {
        const double k = pagina.MillimetriPerMetro();
        return {pagina.fX + x * k, pagina.fY + (D - y) * k};
    }
};

// The point s metres along wall nParete from the corner it starts at (the
// walls run clockwise from the north-west corner, as an opening's place
// does) and v metres into the room.
CPuntoCarta SullaParete(int nParete, double s, double v, double W, double D)
{
    switch (nParete)
    {
    case 1: return {s, v};
    case 2: return {W - v, s};
    case 3: return {W - s, D - v};
    default: return {v, D - s};
    }
}

bool Finita(const COggetto& o)
{
    return std::isfinite(o.GetX()) && std::isfinite(o.GetY()) && std::isfinite(o.GetLarghezza()) &&
           std::isfinite(o.GetProfondita()) && std::isfinite(o.GetRotazione());
}

// An opening drawn in a wall: one of the four walls and a width.
bool ApreUnMuro(const COggetto& o)
{
    return IsApertura(o) && o.GetParete() >= 1 && o.GetParete() <= 4 && o.GetLarghezza() > 0 &&
           Finita(o);
}

// The footprint the view fills, in room metres: the turned rectangle of a
// piece, the disc of a round table, the strip of an opening.
std::vector<CPuntoCarta> Impronta(const COggetto& o, double W, double D)
{
    std::vector<CPuntoCarta> punti;
    if (!Finita(o) || (IsApertura(o) && !ApreUnMuro(o)))
        return punti;
    const double x = o.GetX(), y = o.GetY(), L = o.GetLarghezza();
    if (IsApertura(o))
    {
        const double t = SPESSORE_APERTURA;
        const double aAngoli[4][2] = {{0, 0}, {L, 0}, {L, t}, {0, t}};
        for (const auto& a : aAngoli)
            punti.push_back(SullaParete(o.GetParete(), x + a[0], a[1], W, D));
        return punti;
    }
    const double a = o.GetRotazione() * PI / 180.0;
    if (o.GetCategoria() == CATEGORIA_TAVOLI && o.GetTipo() == 0)
    {
        for (int i = 0; i < LATI_CERCHIO; ++i)
        {
            const double b = a + i * 2 * PI / LATI_CERCHIO;
            punti.push_back({x + std::cos(b) * L / 2, y - std::sin(b) * L / 2});
        }
        return punti;
    }
    // Width along (cos a, -sin a), depth along (sin a, cos a) from the corner.
    const double P = o.GetProfondita(), c = std::cos(a), s = std::sin(a);
    punti = {{x, y}, {x + L * c, y - L * s}, {x + L * c + P * s, y - L * s + P * c},
             {x + P * s, y + P * c}};
    return punti;
}

std::vector<CPuntoCarta> SulFoglio(const std::vector<CPuntoCarta>& punti, const CFoglio& foglio)
{
    std::vector<CPuntoCarta> carta;
    for (const CPuntoCarta& p : punti)
        carta.push_back(foglio(p.x, p.y));
    return carta;
}

// The walls' line, broken where the openings stand, and the view's own
// outline cleared under each gap. The perimeter is walked clockwise from
// the north-west corner; vuoti are stretches of it.
void Muri(double W, double D, std::vector<std::pair<double, double>> vuoti, const CFoglio& foglio,
          std::vector<CTratto>& tratti)
{
    const double aInizio[4] = {0, W, W + D, 2 * W + D}, P = 2 * (W + D);
    auto punto = [&](double p) {
        p = std::fmod(p, P);
        const int n = p < W ? 0 : p < W + D ? 1 : p < 2 * W + D ? 2 : 3;
        const CPuntoCarta q = SullaParete(n + 1, p - aInizio[n], 0, W, D);
        return foglio(q.x, q.y);
    };
    if (vuoti.empty())
    {
        tratti.push_back({{punto(0), punto(W), punto(W + D), punto(2 * W + D)}, SPESSORE_MURO, true});
        return;
    }
    std::sort(vuoti.begin(), vuoti.end());
    std::vector<std::pair<double, double>> uniti;  // overlapping openings make one gap
    for (const auto& v : vuoti)
        if (!uniti.empty() && v.first <= uniti.back().second)
            uniti.back().second = std::max(uniti.back().second, v.second);
        else
            uniti.push_back(v);
    // Every gap is cleared before any wall is drawn, so that a gap at a
    // corner does not notch the other wall.
    for (const auto& v : uniti)
        tratti.push_back({{punto(v.first), punto(v.second)}, CANCELLA, false, true});
    for (std::size_t i = 0; i < uniti.size(); ++i)
    {
        const double a = uniti[i].second;
        const double b = i + 1 < uniti.size() ? uniti[i + 1].first : uniti[0].first + P;
        if (b <= a)
            continue;
        CTratto muro{{punto(a)}, SPESSORE_MURO};
        for (double c : {0.0, W, W + D, 2 * W + D, P, P + W, P + W + D, P + 2 * W + D})
            if (c > a && c < b)
                muro.punti.push_back(punto(c));
        muro.punti.push_back(punto(b));
        tratti.push_back(muro);
    }
}

// The sweep of a door, in room metres: the hinge, then the arc from the
// open leaf's edge to the jamb it closes on. The leaf hangs at the far end
// of the opening, as in 3D, where the handle is near the near end.
std::vector<CPuntoCarta> Battente(const COggetto& o, double W, double D)
{
    const double x = o.GetX(), L = o.GetLarghezza();
    std::vector<CPuntoCarta> punti{SullaParete(o.GetParete(), x + L, 0, W, D)};
    for (int i = 0; i <= LATI_ARCO; ++i)
    {
        const double b = i * PI / 2 / LATI_ARCO;
        punti.push_back(SullaParete(o.GetParete(), x + L - L * std::sin(b), L * std::cos(b), W, D));
    }
    return punti;
}

// A window: a double line along the wall, closed at its jambs. A door: its
// jambs, the leaf open square to the wall and the arc it swings through.
void SimboloApertura(const COggetto& o, double W, double D, const CFoglio& foglio,
                     std::vector<CTratto>& tratti)
{
    const double x = o.GetX(), L = o.GetLarghezza(), t = SPESSORE_APERTURA;
    auto punto = [&](double u, double v) {
        const CPuntoCarta q = SullaParete(o.GetParete(), x + u, v, W, D);
        return foglio(q.x, q.y);
    };
    if (o.GetTipo() != 0)
    {
        tratti.push_back(
            {{punto(0, 0), punto(L, 0), punto(L, t), punto(0, t)}, SPESSORE_CONTORNO, true});
        return;
    }
    tratti.push_back({{punto(0, 0), punto(0, t)}, SPESSORE_CONTORNO});
    tratti.push_back({{punto(L, 0), punto(L, t)}, SPESSORE_CONTORNO});
    const std::vector<CPuntoCarta> battente = SulFoglio(Battente(o, W, D), foglio);
    tratti.push_back({{battente[0], battente[1]}, SPESSORE_ANTA});
    tratti.push_back({{battente.begin() + 1, battente.end()}, SPESSORE_ARCO});
}

struct CRiquadroCarta
{
    double x0, y0, x1, y1;
    bool Tocca(const CRiquadroCarta& r) const
    {
        return x0 < r.x1 && r.x0 < x1 && y0 < r.y1 && r.y0 < y1;
    }
    bool Contiene(const CRiquadroCarta& r) const
    {
        return r.x0 >= x0 && r.x1 <= x1 && r.y0 >= y0 && r.y1 <= y1;
    }
    CRiquadroCarta Allargato(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
};

CRiquadroCarta Riquadro(const std::vector<CPuntoCarta>& punti)
{
    CRiquadroCarta r{1e300, 1e300, -1e300, -1e300};
    for (const CPuntoCarta& p : punti)
        r = {std::min(r.x0, p.x), std::min(r.y0, p.y), std::max(r.x1, p.x), std::max(r.y1, p.y)};
    return r;
}

// The box a text covers on the page, turned by its angle.
CRiquadroCarta Riquadro(const CScritta& s, const FLarghezzaTesto& fnLarghezza)
{
    const double w = fnLarghezza(s.testo, s.fCorpo), h = Corpo(s.fCorpo);
    const double a = s.fAngolo * PI / 180.0, c = std::cos(a), n = std::sin(a);
    const double x0 = s.bCentrato ? -w / 2 : 0.0;
    std::vector<CPuntoCarta> angoli;
    for (const double u : {x0, x0 + w})
        for (const double v : {-h / 2, h / 2})
            angoli.push_back({s.x + u * c - v * n, s.y + u * n + v * c});
    return Riquadro(angoli);
}

// Twice the polygon's area, positive when its points run anticlockwise.
double DoppiaArea(const std::vector<CPuntoCarta>& poligono)
{
    double f = 0;
    for (std::size_t i = 0, n = poligono.size(); i < n; ++i)
        f += poligono[i].x * poligono[(i + 1) % n].y - poligono[(i + 1) % n].x * poligono[i].y;
    return f;
}

// The box lies inside the convex polygon, dMargine clear of its sides.
bool DentroPoligono(const CRiquadroCarta& r, const std::vector<CPuntoCarta>& poligono, double dMargine)
{
    const double fArea = DoppiaArea(poligono);
    const std::size_t n = poligono.size();
    if (std::fabs(fArea) < 1e-9)
        return false;
    for (std::size_t i = 0; i < n; ++i)
    {
        const CPuntoCarta a = poligono[i], b = poligono[(i + 1) % n];
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        if (l < 1e-9)
            continue;
        for (const double x : {r.x0, r.x1})
            for (const double y : {r.y0, r.y1})
                if (((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) * (fArea > 0 ? 1 : -1) / l <
                    dMargine)
                    return false;
    }
    return true;
}

// The centre of mass of a polygon (of its box when it has no area).
CPuntoCarta Baricentro(const std::vector<CPuntoCarta>& poligono)
{
    const double fArea = DoppiaArea(poligono);
    double x = 0, y = 0;
    for (std::size_t i = 0, n = poligono.size(); i < n; ++i)
    {
        const CPuntoCarta a = poligono[i], b = poligono[(i + 1) % n];
        x += (a.x + b.x) * (a.x * b.y - b.x * a.y);
        y += (a.y + b.y) * (a.x * b.y - b.x * a.y);
    }
    if (std::fabs(fArea) < 1e-9)
    {
        const CRiquadroCarta r = Riquadro(poligono);
        return {(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2};
    }
    return {x / (3 * fArea), y / (3 * fArea)};  // fArea is twice the area
}

// Places the names one after another around what is already on the page.
class CPosaNomi
{
public:
    CPosaNomi(const CImpaginazione& pagina, const FLarghezzaTesto& fnLarghezza)
        : m_fnLarghezza(fnLarghezza),
          m_Foglio{BORDO, BORDO, pagina.fLarghezzaFoglio - BORDO, pagina.fAltezzaFoglio - BORDO},
          m_Stanza{pagina.fX, pagina.fY, pagina.fX + pagina.fLarghezza, pagina.fY + pagina.fProfondita}
    {
    }

    void Occupa(const CScritta& s) { m_Occupati.push_back(Riquadro(s, m_fnLarghezza)); }
    void AggiungiImpronta(const std::vector<CPuntoCarta>& impronta)
    {
        m_Impronte.push_back(impronta);
        m_Riquadri.push_back(Riquadro(impronta));
    }
    bool HaImpronta(std::size_t i) const { return !m_Impronte[i].empty(); }

    // The name of footprint i: inside it, else below, above, right or left
    // of it, the place that covers the fewest texts, then crosses the fewest
    // outlines of other footprints, then stays inside the walls.
    CScritta Posa(const wxString& nome, std::size_t i)
    {
        const std::vector<CPuntoCarta>& impronta = m_Impronte[i];
        const CRiquadroCarta& r = m_Riquadri[i];
        const auto [cx, cy] = Baricentro(impronta);
        CScritta migliore{cx, cy, 0, 0, true, nome};
        int nCosto = -1;
        // Beside a footprint at a wall, a name clears the wall line too.
        const double d = SPESSORE_MURO / 2 + DISTACCO + 0.1;
        for (const double fCorpo : CORPI_NOME)
        {
            const double w = m_fnLarghezza(nome, fCorpo) / 2, h = Corpo(fCorpo) / 2;
            const CPuntoCarta aPosti[] = {{cx, cy},
                                          {cx, r.y0 - d - h},
                                          {cx, r.y1 + d + h},
                                          {r.x1 + d + w, cy},
                                          {r.x0 - d - w, cy}};
            for (int k = 0; k < 5; ++k)
            {
                const CRiquadroCarta posto{aPosti[k].x - w, aPosti[k].y - h, aPosti[k].x + w,
                                           aPosti[k].y + h};
                if (!Ammesso(posto) || (k == 0 && !DentroPoligono(posto, impronta, DISTACCO / 2)))
                    continue;
                const int n = TestiCoperti(posto) + 2 * ContorniAttraversati(posto, i) +
                              !m_Stanza.Contiene(posto);
                if (nCosto < 0 || n < nCosto)
                    nCosto = n, migliore = {aPosti[k].x, aPosti[k].y, fCorpo, 0, true, nome};
            }
            if (nCosto >= 0 && nCosto < COSTO_TESTO)
                break;  // smaller only to keep off a text or a tangle of outlines
        }
        return Prendi(nCosto >= 0 ? migliore : SopraLaStanza(nome, cx));
    }

private:
    // On the sheet, and wholly inside the walls or wholly outside them.
    bool Ammesso(const CRiquadroCarta& posto) const
    {
        const double d = SPESSORE_MURO / 2 + DISTACCO;
        return m_Foglio.Contiene(posto) &&
               (m_Stanza.Allargato(-d).Contiene(posto) || !m_Stanza.Allargato(d).Tocca(posto));
    }

    // The texts a place covers, weighing more than footprints.
    int TestiCoperti(const CRiquadroCarta& posto) const
    {
        int n = 0;
        for (const CRiquadroCarta& r : m_Occupati)
            n += COSTO_TESTO * r.Allargato(DISTACCO / 2).Tocca(posto);
        return n;
    }

    // The outlines of other footprints a place crosses: a name wholly on
    // another piece still reads.
    int ContorniAttraversati(const CRiquadroCarta& posto, std::size_t nProprio) const
    {
        int n = 0;
        for (std::size_t k = 0; k < m_Riquadri.size(); ++k)
            n += k != nProprio && m_Riquadri[k].Tocca(posto) &&
                 !DentroPoligono(posto, m_Impronte[k], 0);
        return n;
    }

    // Where no place near the footprint will do: the first free row over the
    // north wall, at the smallest size, above the footprint as far as the
    // sheet allows.
    CScritta SopraLaStanza(const wxString& nome, double cx) const
    {
        const double fCorpo = CORPI_NOME[std::size(CORPI_NOME) - 1];
        const double w = m_fnLarghezza(nome, fCorpo) / 2, h = Corpo(fCorpo) / 2;
        const double x = std::clamp(cx, m_Foglio.x0 + w, std::max(m_Foglio.x0 + w, m_Foglio.x1 - w));
        const double y0 = m_Stanza.y1 + SPESSORE_MURO / 2 + DISTACCO + h;
        for (double y = y0; y + h <= m_Foglio.y1; y += 2 * h + DISTACCO)
        {
            const CRiquadroCarta posto{x - w, y - h, x + w, y + h};
            if (TestiCoperti(posto) == 0)
                return {x, y, fCorpo, 0, true, nome};
        }
        return {x, y0, fCorpo, 0, true, nome};
    }

    CScritta Prendi(const CScritta& s)
    {
        Occupa(s);
        return s;
    }

    const FLarghezzaTesto& m_fnLarghezza;
    const CRiquadroCarta m_Foglio, m_Stanza;
    std::vector<CRiquadroCarta> m_Occupati;
    std::vector<std::vector<CPuntoCarta>> m_Impronte;
    std::vector<CRiquadroCarta> m_Riquadri;  // the boxes round them
};
}  // namespace

double LarghezzaHelvetica(const wxString& testo, double fCorpo)
{
    // Advance widths in thousandths of the body, from ' ' to '~'.
    static const short s_aAscii[95] = {
        278, 278, 355, 556, 556, 889, 667, 222, 333, 333, 389, 584, 278, 333, 278, 278, 556,
        556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667,
        667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722,
        667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500,
        556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, 556, 556, 333, 500, 278,
        556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
    // The letters from U+00C0 to U+00FF measured as the plain letter of the
    // same width.
    static const char s_aAccentate[] =
        "AAAAAAWCEEEEIIIIDNOOOOO+OUUUUYPFaaaaaamceeeettttonooooo+ouuuuypy";
    double fMillesimi = 0;
    for (const wxUniChar c : testo)
    {
        wxUint32 n = c.GetValue();
        if (n >= 0xC0 && n <= 0xFF)
            n = static_cast<unsigned char>(s_aAccentate[n - 0xC0]);
        fMillesimi += n >= 32 && n <= 126 ? s_aAscii[n - 32] : 556;
    }
    return fMillesimi / 1000.0 * Corpo(fCorpo);
}

CDisegnoCarta DisegnoCarta(CScena& scena, const CImpaginazione& pagina, const wxString& nomeFile,
                           const FLarghezzaTesto& fnLarghezza)
{
    const double W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
    const CFoglio foglio{pagina, D};
    CDisegnoCarta carta;
    carta.scritte = Scritte(pagina, static_cast<float>(W), static_cast<float>(D), nomeFile);
    CPosaNomi posa(pagina, fnLarghezza);
    for (const CScritta& s : carta.scritte)
        posa.Occupa(s);

    std::vector<COggetto*> pezzi;
    CContenitori& oggetti = scena.m_Oggetti;
    COggetto* p = nullptr;
    oggetti.GetElemento(1, p);
    for (int i = 0; i < oggetti.GetNumero() && p; ++i, oggetti.GetSuccessivo(p))
        pezzi.push_back(p);

    std::vector<std::pair<double, double>> vuoti;
    const double aInizio[4] = {0, W, W + D, 2 * W + D}, aLunghezza[4] = {W, D, W, D};
    for (const COggetto* o : pezzi)
    {
        const std::vector<CPuntoCarta> impronta = SulFoglio(Impronta(*o, W, D), foglio);
        // A door's name goes in its sweep, and other names keep out of it.
        const bool bPorta = ApreUnMuro(*o) && o->GetTipo() == 0;
        posa.AggiungiImpronta(bPorta ? SulFoglio(Battente(*o, W, D), foglio) : impronta);
        if (ApreUnMuro(*o))
        {
            const int n = o->GetParete() - 1;
            const double x = o->GetX();
            const double a = std::max(0.0, x), b = std::min(aLunghezza[n], x + o->GetLarghezza());
            if (a < b)
                vuoti.push_back({aInizio[n] + a, aInizio[n] + b});
        }
        else if (!impronta.empty())
            carta.tratti.push_back({impronta, SPESSORE_CONTORNO, true});
    }
    // The walls first: the gaps' clearing must not erase an outline.
    std::vector<CTratto> muri;
    Muri(W, D, vuoti, foglio, muri);
    carta.tratti.insert(carta.tratti.begin(), muri.begin(), muri.end());
    for (const COggetto* o : pezzi)
        if (ApreUnMuro(*o))
            SimboloApertura(*o, W, D, foglio, carta.tratti);

    for (std::size_t i = 0; i < pezzi.size(); ++i)
    {
        const wxString nome = NomeInTesto(pezzi[i]->GetNome());
        if (!nome.empty() && posa.HaImpronta(i))
            carta.scritte.push_back(posa.Posa(nome, i));
    }
    return carta;
}
}  // namespace esportazione

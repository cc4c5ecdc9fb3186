#include "app/StampaPiantina.h"

#include "app/DisegnoCarta.h"
#include "model/Scena.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <cmath>
#include <wx/dc.h>
#include <wx/image.h>

namespace
{
constexpr int PUNTI_PER_MM = 8;  // about 200 dpi: lines stay crisp on paper
constexpr double MARGINE = esportazione::MARGINE_FOGLIO;  // the 3D view's page too

// The plan drawn on a page of the given size at nPuntiPerMm pixels per
// millimetre, white paper, rows top first.
bool PiantinaSuCarta(CLavedoView& vista, const esportazione::CImpaginazione& pagina,
                     int nPuntiPerMm, std::vector<std::uint8_t>& rgb, wxString& errore)
{
    const int w = static_cast<int>(pagina.fLarghezzaFoglio * nPuntiPerMm);
    const int h = static_cast<int>(pagina.fAltezzaFoglio * nPuntiPerMm);
    const float aPianta[3] = {static_cast<float>(pagina.MillimetriPerMetro() * nPuntiPerMm),
                              static_cast<float>(pagina.fX * nPuntiPerMm),
                              static_cast<float>(pagina.fY * nPuntiPerMm)};
    CFuoriSchermo fuori;
    std::string motivo;
    if (!fuori.Cattura(ContestoImmagine(vista, VISTA_PIANTINA, w, h, aPianta), *g_pDoc, rgb, motivo,
                       true))
    {
        errore = wxString::FromUTF8(motivo.c_str());
        return false;
    }
    return true;
}
}  // namespace

CStampaPiantina::CStampaPiantina(CLavedoView& vista, const wxString& nomeFile, int nScala,
                                 bool bVista3D)
    : wxPrintout(nomeFile), m_Vista(vista), m_NomeFile(nomeFile), m_nScala(nScala),
      m_bVista3D(bVista3D)
{
}

bool CStampaPiantina::HasPage(int nPagina)
{
    return nPagina == 1 || (nPagina == 2 && m_bVista3D);
}

void CStampaPiantina::GetPageInfo(int* pMin, int* pMax, int* pDa, int* pA)
{
    *pMin = *pDa = 1;
    *pMax = *pA = m_bVista3D ? 2 : 1;
}

bool CStampaPiantina::OnPrintPage(int nPagina)
{
    wxDC* pDC = GetDC();
    if (!pDC || !g_pDoc)
        return false;
    return nPagina == 1 ? StampaPiantina(*pDC) : StampaVista3D(*pDC);
}

void CStampaPiantina::Carattere(wxDC& dc, double fCorpo)
{
    // Printer DCs scale fonts each their own way: the size is measured.
    wxFont carattere(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
    dc.SetFont(carattere);
    const double fVoluto = fCorpo * 25.4 / 72.0 * PUNTI_PER_MM;
    const int nMisurato = std::max(1, dc.GetTextExtent("Hg").GetHeight());
    carattere.SetFractionalPointSize(10.0 * fVoluto / nMisurato);
    dc.SetFont(carattere);
}

double CStampaPiantina::Larghezza(wxDC& dc, const wxString& testo, double fCorpo)
{
    Carattere(dc, fCorpo);
    return dc.GetTextExtent(testo).GetWidth() / static_cast<double>(PUNTI_PER_MM);
}

wxPoint CStampaPiantina::Punto(double x, double y) const
{
    return wxPoint(static_cast<int>(std::lround(x * PUNTI_PER_MM)),
                   static_cast<int>(std::lround((m_fAltezzaFoglio - y) * PUNTI_PER_MM)));
}

void CStampaPiantina::Scrivi(wxDC& dc, const esportazione::CScritta& s)
{
    Carattere(dc, s.fCorpo);
    const wxSize esteso = dc.GetTextExtent(s.testo);
    // Anchored at the middle of its height, left end or centre.
    double dx = s.bCentrato ? -esteso.x / 2.0 : 0.0, dy = -esteso.y / 2.0;
    const double fRad = s.fAngolo * 3.14159265358979 / 180.0;
    const wxPoint p = Punto(s.x, s.y);
    dc.DrawRotatedText(s.testo, static_cast<int>(p.x + dx * std::cos(fRad) + dy * std::sin(fRad)),
                       static_cast<int>(p.y - dx * std::sin(fRad) + dy * std::cos(fRad)), s.fAngolo);
}

void CStampaPiantina::Traccia(wxDC& dc, const esportazione::CTratto& t)
{
    wxPen penna(t.bCancella ? *wxWHITE : *wxBLACK,
                std::max(1, static_cast<int>(std::lround(t.fSpessore * PUNTI_PER_MM))));
    penna.SetCap(wxCAP_BUTT);
    penna.SetJoin(wxJOIN_MITER);
    dc.SetPen(penna);
    std::vector<wxPoint> punti;
    for (const esportazione::CPuntoCarta& q : t.punti)
        punti.push_back(Punto(q.x, q.y));
    if (t.bChiuso)
        dc.DrawPolygon(static_cast<int>(punti.size()), punti.data());
    else
        dc.DrawLines(static_cast<int>(punti.size()), punti.data());
}

bool CStampaPiantina::StampaPiantina(wxDC& dc)
{
    int w = 0, h = 0;
    GetPageSizeMM(&w, &h);
    esportazione::CImpaginazione pagina;
    const float W = g_pDoc->m_Stanza.GetLarghezza(), D = g_pDoc->m_Stanza.GetProfondita();
    if (!esportazione::Impagina(w, h, m_nScala, W, D, pagina, m_Errore) &&
        !esportazione::Impagina(w, h, 0, W, D, pagina, m_Errore))
        return false;
    m_Errore.clear();
    m_fAltezzaFoglio = pagina.fAltezzaFoglio;
    std::vector<std::uint8_t> rgb;
    if (!PiantinaSuCarta(m_Vista, pagina, PUNTI_PER_MM, rgb, m_Errore))
        return false;
    const int wp = static_cast<int>(pagina.fLarghezzaFoglio * PUNTI_PER_MM);
    const int hp = static_cast<int>(pagina.fAltezzaFoglio * PUNTI_PER_MM);
    // One logical unit is one pixel of the picture, over the whole paper.
    FitThisSizeToPaper(wxSize(wp, hp));
    dc.DrawBitmap(wxBitmap(wxImage(wp, hp, rgb.data(), true)), 0, 0);
    // The names are placed by the printer's own font.
    const esportazione::CDisegnoCarta carta = esportazione::DisegnoCarta(
        *g_pDoc, pagina, m_NomeFile,
        [&](const wxString& testo, double fCorpo) { return Larghezza(dc, testo, fCorpo); });
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (const esportazione::CTratto& t : carta.tratti)
        Traccia(dc, t);
    dc.SetTextForeground(*wxBLACK);
    for (const esportazione::CScritta& s : carta.scritte)
        Scrivi(dc, s);
    return true;
}

bool CStampaPiantina::StampaVista3D(wxDC& dc)
{
    int w = 0, h = 0;
    GetPageSizeMM(&w, &h);
    const int wp = static_cast<int>((w - 2 * MARGINE) * PUNTI_PER_MM);
    const int hp = static_cast<int>((h - 2 * MARGINE) * PUNTI_PER_MM);
    if (wp < LATO_MINIMO_IMMAGINE || hp < LATO_MINIMO_IMMAGINE)
        return false;
    std::vector<std::uint8_t> rgb;
    std::string motivo;
    {
        CFuoriSchermo fuori;
        if (!fuori.Cattura(ContestoImmagine(m_Vista, VISTA_3D, std::min(wp, LATO_MASSIMO_IMMAGINE),
                                            std::min(hp, LATO_MASSIMO_IMMAGINE)),
                           *g_pDoc, rgb, motivo))
        {
            m_Errore = wxString::FromUTF8(motivo.c_str());
            return false;
        }
    }
    FitThisSizeToPaper(wxSize(w * PUNTI_PER_MM, h * PUNTI_PER_MM));
    dc.DrawBitmap(wxBitmap(wxImage(std::min(wp, LATO_MASSIMO_IMMAGINE),
                                   std::min(hp, LATO_MASSIMO_IMMAGINE), rgb.data(), true)),
                  static_cast<int>(MARGINE * PUNTI_PER_MM), static_cast<int>(MARGINE * PUNTI_PER_MM));
    return true;
}

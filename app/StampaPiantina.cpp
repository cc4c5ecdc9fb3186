#include "app/StampaPiantina.h"

#include "app/Esportazione.h"
#include "model/Scena.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <wx/dc.h>
#include <wx/image.h>

namespace
{
constexpr int PUNTI_PER_MM = 8;  // about 200 dpi: lines stay crisp on paper
constexpr double MARGINE = 10.0;
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

void CStampaPiantina::Scrivi(wxDC& dc, const wxString& testo, double x, double y, double fCorpo,
                             double fAngolo, bool bCentrato)
{
    // Printer DCs scale fonts each their own way: the size is measured.
    wxFont carattere(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
    dc.SetFont(carattere);
    const double fVoluto = fCorpo * 25.4 / 72.0 * PUNTI_PER_MM;
    const int nMisurato = std::max(1, dc.GetTextExtent("Hg").GetHeight());
    carattere.SetFractionalPointSize(10.0 * fVoluto / nMisurato);
    dc.SetFont(carattere);
    const wxSize esteso = dc.GetTextExtent(testo);
    // Anchored at the middle of its height, left end or centre.
    double dx = bCentrato ? -esteso.x / 2.0 : 0.0, dy = -esteso.y / 2.0;
    const double fRad = fAngolo * 3.14159265358979 / 180.0;
    const double px = x * PUNTI_PER_MM + dx * std::cos(fRad) + dy * std::sin(fRad);
    const double py = (m_fAltezzaFoglio - y) * PUNTI_PER_MM - dx * std::sin(fRad) +
                      dy * std::cos(fRad);
    dc.DrawRotatedText(testo, static_cast<int>(px), static_cast<int>(py), fAngolo);
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
    std::vector<esportazione::CScritta> scritte;
    if (!esportazione::PiantinaSuCarta(m_Vista, pagina, PUNTI_PER_MM, rgb, m_Errore))
        return false;
    {
        // The names are placed by measuring the footprints through GL.
        CFuoriSchermo fuori;
        std::string motivo;
        if (!fuori.Prepara(16, 16, motivo))
        {
            m_Errore = wxString::FromUTF8(motivo.c_str());
            return false;
        }
        scritte = esportazione::Scritte(m_Vista.ContestoDisegno(), pagina, m_NomeFile);
    }
    const int wp = static_cast<int>(pagina.fLarghezzaFoglio * PUNTI_PER_MM);
    const int hp = static_cast<int>(pagina.fAltezzaFoglio * PUNTI_PER_MM);
    // One logical unit is one pixel of the picture, over the whole paper.
    FitThisSizeToPaper(wxSize(wp, hp));
    dc.DrawBitmap(wxBitmap(wxImage(wp, hp, rgb.data(), true)), 0, 0);
    dc.SetPen(wxPen(*wxBLACK, std::max(1, PUNTI_PER_MM / 2)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(static_cast<int>(pagina.fX * PUNTI_PER_MM),
                     static_cast<int>((m_fAltezzaFoglio - pagina.fY - pagina.fProfondita) *
                                      PUNTI_PER_MM),
                     static_cast<int>(pagina.fLarghezza * PUNTI_PER_MM),
                     static_cast<int>(pagina.fProfondita * PUNTI_PER_MM));
    dc.SetTextForeground(*wxBLACK);
    for (const esportazione::CScritta& s : scritte)
        Scrivi(dc, s.testo, s.x, s.y, s.fCorpo, s.fAngolo, s.bCentrato);
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

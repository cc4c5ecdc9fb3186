#pragma once
#include <wx/print.h>

class CLavedoView;

// The plan to scale on the printer's page, as the plan export draws it
// (footprints, names, the room's sizes, the caption), and the 3D view on
// a second page when asked for. A room that does not fit the page at the
// chosen scale is printed at the largest scale that fits, which its
// caption states.
class CStampaPiantina : public wxPrintout
{
public:
    CStampaPiantina(CLavedoView& vista, const wxString& nomeFile, int nScala, bool bVista3D);

    bool HasPage(int nPagina) override;
    void GetPageInfo(int* pMin, int* pMax, int* pDa, int* pA) override;
    bool OnPrintPage(int nPagina) override;

    // Why the last page could not be drawn, or empty.
    const wxString& GetErrore() const { return m_Errore; }

private:
    bool StampaPiantina(wxDC& dc);
    bool StampaVista3D(wxDC& dc);
    void Scrivi(wxDC& dc, const wxString& testo, double x, double y, double fCorpo,
                double fAngolo, bool bCentrato);

    CLavedoView& m_Vista;
    wxString m_NomeFile;
    int m_nScala;
    bool m_bVista3D;
    wxString m_Errore;
    double m_fAltezzaFoglio = 0;  // mm, to turn the page's y upwards
};

#pragma once
#include "app/DisegnoCarta.h"

#include <wx/print.h>

class CLavedoView;

// The plan to scale on the printer's page, as the plan export draws it
// (footprints with their outlines, the walls with their openings, names,
// the room's sizes, the caption), and the 3D view on a second page when
// asked for. A room that does not fit the page at the chosen scale is
// printed at the largest scale that fits, which its caption states.
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
    // The paper's texts and lines, millimetres from the page's lower left
    // corner, over the picture of the plan.
    void Carattere(wxDC& dc, double fCorpo);
    double Larghezza(wxDC& dc, const wxString& testo, double fCorpo);
    wxPoint Punto(double x, double y) const;
    void Scrivi(wxDC& dc, const esportazione::CScritta& s);
    void Traccia(wxDC& dc, const esportazione::CTratto& t);

    CLavedoView& m_Vista;
    wxString m_NomeFile;
    int m_nScala;
    bool m_bVista3D;
    wxString m_Errore;
    double m_fAltezzaFoglio = 0;  // mm, to turn the page's y upwards
};

#include "app/Icona.h"

#include <wx/dcmemory.h>

wxBitmap CreaBitmapProgramma(int nLato)
{
    wxBitmap bitmap(nLato, nLato, 24);
    wxMemoryDC dc(bitmap);
    const double k = nLato / 32.0;
    auto P = [k](double x, double y) { return wxPoint(int(x * k), int(y * k)); };
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(wxPen(wxColour(60, 60, 60)));
    // Back wall, side wall, floor.
    const wxPoint aParete[] = {P(8, 2), P(30, 2), P(30, 20), P(8, 20)};
    const wxPoint aLato[] = {P(2, 8), P(8, 2), P(8, 20), P(2, 30)};
    const wxPoint aPavimento[] = {P(2, 30), P(8, 20), P(30, 20), P(30, 30)};
    dc.SetBrush(wxBrush(wxColour(128, 128, 128)));
    dc.DrawPolygon(4, aParete);
    dc.SetBrush(wxBrush(wxColour(176, 176, 176)));
    dc.DrawPolygon(4, aLato);
    dc.SetBrush(wxBrush(wxColour(205, 150, 90)));
    dc.DrawPolygon(4, aPavimento);
    // A red table.
    dc.SetBrush(wxBrush(wxColour(200, 30, 30)));
    dc.DrawRectangle(wxRect(P(13, 17), P(25, 20)));
    dc.DrawRectangle(wxRect(P(14, 20), P(15, 27)));
    dc.DrawRectangle(wxRect(P(23, 20), P(24, 27)));
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIcon CreaIconaProgramma()
{
    wxIcon icona;
    icona.CopyFromBitmap(CreaBitmapProgramma(32));
    return icona;
}

#include "app/Pulsanti.h"

#include "app/Comandi.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

namespace
{
// Stands for "transparent" while drawing; never a colour of a picture.
const wxColour s_Sfondo(255, 0, 255);

void Linea(wxDC& dc, const wxColour& colore, int x1, int y1, int x2, int y2, int nSpessore = 1)
{
    dc.SetPen(wxPen(colore, nSpessore));
    dc.DrawLine(x1, y1, x2, y2);
}

void Rettangolo(wxDC& dc, const wxColour& bordo, const wxColour& riempimento, int x, int y, int w,
                int h)
{
    dc.SetPen(wxPen(bordo));
    dc.SetBrush(riempimento.IsOk() ? wxBrush(riempimento) : *wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(x, y, w, h);
}

void Poligono(wxDC& dc, const wxColour& bordo, const wxColour& riempimento,
              std::initializer_list<wxPoint> punti)
{
    wxPoint aPunti[16];
    int n = 0;
    for (const wxPoint& p : punti)
        aPunti[n++] = p;
    dc.SetPen(wxPen(bordo));
    dc.SetBrush(riempimento.IsOk() ? wxBrush(riempimento) : *wxTRANSPARENT_BRUSH);
    dc.DrawPolygon(n, aPunti);
}

void Disegna(wxDC& dc, int nId)
{
    const wxColour nero(0, 0, 0), bianco(255, 255, 255), grigio(128, 128, 128),
        chiaro(192, 192, 192), blu(0, 0, 160), rosso(200, 0, 0), giallo(255, 230, 0),
        verde(0, 128, 0), marrone(160, 100, 40), nessuno;
    switch (nId)
    {
    case wxID_NEW:  // a sheet with a folded corner
        Poligono(dc, nero, bianco, {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
        Linea(dc, nero, 10, 1, 10, 4);
        Linea(dc, nero, 10, 4, 13, 4);
        break;
    case wxID_OPEN:  // an open folder
        Poligono(dc, nero, giallo, {{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}});
        Poligono(dc, nero, wxColour(200, 170, 0), {{3, 8}, {15, 8}, {12, 13}, {1, 13}});
        break;
    case wxID_SAVE:  // a floppy disk
        Rettangolo(dc, nero, blu, 1, 1, 14, 13);
        Rettangolo(dc, nero, bianco, 4, 1, 8, 6);
        Rettangolo(dc, nero, chiaro, 4, 9, 8, 5);
        Rettangolo(dc, nero, nero, 9, 10, 2, 3);
        break;
    case ID_VISTA_PIANTINA:  // a room from above: walls, a table, a door gap
        Rettangolo(dc, nero, bianco, 1, 1, 14, 13);
        Rettangolo(dc, marrone, marrone, 5, 5, 6, 4);
        Linea(dc, bianco, 2, 13, 7, 13);
        break;
    case ID_VISTA_3D:  // a solid cube
        Poligono(dc, nero, wxColour(90, 140, 220), {{1, 5}, {10, 5}, {10, 14}, {1, 14}});
        Poligono(dc, nero, wxColour(160, 200, 255), {{1, 5}, {5, 1}, {14, 1}, {10, 5}});
        Poligono(dc, nero, wxColour(40, 80, 170), {{10, 5}, {14, 1}, {14, 10}, {10, 14}});
        break;
    case ID_VISTA_WIREFRAMES:  // a cube as edges only
        Rettangolo(dc, nero, nessuno, 1, 5, 10, 10);
        Rettangolo(dc, nero, nessuno, 5, 1, 10, 10);
        Linea(dc, nero, 1, 5, 5, 1);
        Linea(dc, nero, 10, 5, 14, 1);
        Linea(dc, nero, 1, 14, 5, 10);
        Linea(dc, nero, 10, 14, 14, 10);
        break;
    case ID_VISTA_SELEZIONA:  // the pointer arrow
        Poligono(dc, nero, bianco,
                 {{4, 1}, {4, 12}, {7, 9}, {9, 14}, {11, 13}, {9, 8}, {13, 8}});
        break;
    case ID_VISTA_ELIMINA:  // a red cross
        Linea(dc, rosso, 3, 2, 13, 12, 3);
        Linea(dc, rosso, 13, 2, 3, 12, 3);
        break;
    case ID_VISTA_MODIFICA:  // a pencil
        Poligono(dc, nero, giallo, {{11, 1}, {14, 4}, {5, 13}, {2, 10}});
        Poligono(dc, nero, wxColour(240, 200, 150), {{2, 10}, {5, 13}, {1, 14}});
        Linea(dc, rosso, 12, 2, 13, 3, 2);
        break;
    case ID_VISTA_LUCI:  // a light bulb
        dc.SetPen(wxPen(nero));
        dc.SetBrush(wxBrush(giallo));
        dc.DrawCircle(8, 6, 5);
        Rettangolo(dc, nero, grigio, 6, 10, 5, 4);
        Linea(dc, nero, 6, 12, 10, 12);
        break;
    case ID_VISTA_TEXTURES:  // a checker
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                Rettangolo(dc, (r + c) % 2 ? marrone : bianco, (r + c) % 2 ? marrone : bianco,
                           1 + c * 3 + c / 2, 1 + r * 3 + r / 2, 3 + (c == 3), 3 + (r == 3));
        Rettangolo(dc, nero, nessuno, 0, 0, 16, 15);
        break;
    case ID_VISTA_ANTIALIASING:  // a jagged edge beside a smooth one
        for (int i = 0; i < 6; ++i)
            Rettangolo(dc, nero, nero, 1 + i, 12 - 2 * i, 1, 2);
        dc.SetPen(wxPen(grigio, 3));
        dc.DrawLine(8, 13, 14, 2);
        Linea(dc, nero, 8, 13, 14, 2);
        break;
    case ID_VISTA_ROTAZIONE:  // a circular arrow
        dc.SetPen(wxPen(verde, 2));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawEllipticArc(2, 2, 12, 11, 30, 330);
        Poligono(dc, verde, verde, {{10, 1}, {15, 4}, {10, 7}});
        break;
    case ID_VISTA_CENTRA:  // a target
        dc.SetPen(wxPen(rosso));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawCircle(8, 7, 6);
        dc.DrawCircle(8, 7, 3);
        Linea(dc, nero, 8, 0, 8, 15);
        Linea(dc, nero, 1, 7, 16, 7);
        break;
    default:
        break;
    }
}
}  // namespace

wxBitmapBundle BitmapPulsante(int nId)
{
    // Drawn afresh at each scale of the screen rather than blown up: sharp
    // at 200% and 300% too.
    wxVector<wxBitmap> aBitmap;
    for (int nScala = 1; nScala <= 3; ++nScala)
    {
        wxBitmap bitmap(LARGHEZZA_PULSANTE * nScala, ALTEZZA_PULSANTE * nScala, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(wxBrush(s_Sfondo));
            dc.Clear();
            dc.SetUserScale(nScala, nScala);
            Disegna(dc, nId);
        }
        wxImage immagine = bitmap.ConvertToImage();
        immagine.SetMaskColour(s_Sfondo.Red(), s_Sfondo.Green(), s_Sfondo.Blue());
        immagine.InitAlpha();
        aBitmap.push_back(wxBitmap(immagine));
    }
    return wxBitmapBundle::FromBitmaps(aBitmap);
}

#include "app/PiantinaVettoriale.h"

#include "app/DisegnoCarta.h"
#include "model/Scena.h"
#include "view/FileEsportato.h"
#include "view/DisegnoScena.h"
#include "view/FuoriSchermo.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <gl2ps.h>
#include <wx/filename.h>

namespace esportazione
{
namespace
{
constexpr double PUNTI_PER_MM = 72.0 / 25.4;
constexpr double PI = 3.14159265358979;

wxString Estensione(const wxString& percorso)
{
    return wxFileName(percorso).GetExt().Lower();
}

// SVG text takes XML; PDF strings take ( ) \ escaped, in the Mac Roman
// encoding gl2ps declares for its fonts.
std::string TestoPerFormato(const wxString& testo, bool bSvg)
{
    std::string s;
    if (bSvg)
    {
        for (const char c : std::string(testo.utf8_str()))
            switch (c)
            {
            case '&': s += "&amp;"; break;
            case '<': s += "&lt;"; break;
            case '>': s += "&gt;"; break;
            default: s += c;
            }
        return s;
    }
    // Bytes 0x80 to 0xFF of Mac Roman; what it lacks becomes '?'.
    static const wchar_t s_aMacRoman[] =
        L"\u00C4\u00C5\u00C7\u00C9\u00D1\u00D6\u00DC\u00E1\u00E0\u00E2\u00E4\u00E3\u00E5\u00E7\u00E9\u00E8"
        L"\u00EA\u00EB\u00ED\u00EC\u00EE\u00EF\u00F1\u00F3\u00F2\u00F4\u00F6\u00F5\u00FA\u00F9\u00FB\u00FC"
        L"\u2020\u00B0\u00A2\u00A3\u00A7\u2022\u00B6\u00DF\u00AE\u00A9\u2122\u00B4\u00A8\u2260\u00C6\u00D8"
        L"\u221E\u00B1\u2264\u2265\u00A5\u00B5\u2202\u2211\u220F\u03C0\u222B\u00AA\u00BA\u03A9\u00E6\u00F8"
        L"\u00BF\u00A1\u00AC\u221A\u0192\u2248\u2206\u00AB\u00BB\u2026\u00A0\u00C0\u00C3\u00D5\u0152\u0153"
        L"\u2013\u2014\u201C\u201D\u2018\u2019\u00F7\u25CA\u00FF\u0178\u2044\u20AC\u2039\u203A\uFB01\uFB02"
        L"\u2021\u00B7\u201A\u201E\u2030\u00C2\u00CA\u00C1\u00CB\u00C8\u00CD\u00CE\u00CF\u00CC\u00D3\u00D4"
        L"\uF8FF\u00D2\u00DA\u00DB\u00D9\u0131\u02C6\u02DC\u00AF\u02D8\u02D9\u02DA\u00B8\u02DD\u02DB\u02C7";
    for (const wxUniChar c : testo)
    {
        const wchar_t w = static_cast<wchar_t>(c.GetValue());
        const wchar_t* p = std::wcschr(s_aMacRoman, w);
        const char b = w < 0x80 ? static_cast<char>(w)
                       : p && w ? static_cast<char>(0x80 + (p - s_aMacRoman))
                                : '?';
        if (b == '(' || b == ')' || b == '\\')
            s += '\\';
        s += b;
    }
    return s;
}

// The paper's lines and texts over the view's plan, through gl2ps, one unit
// a point. The texts are set from their baseline's left end, the one anchor
// PDF and SVG agree on.
void DisegnaCarta(const CDisegnoCarta& carta, bool bSvg)
{
    glLoadIdentity();
    gl2psLineCap(GL2PS_LINE_CAP_BUTT);
    gl2psLineJoin(GL2PS_LINE_JOIN_MITER);
    for (const CTratto& t : carta.tratti)
    {
        gl2psLineWidth(static_cast<GLfloat>(t.fSpessore * PUNTI_PER_MM));
        const GLfloat f = t.bCancella ? 1.0f : 0.0f;
        glColor3f(f, f, f);
        glBegin(t.bChiuso ? GL_LINE_LOOP : GL_LINE_STRIP);
        for (const CPuntoCarta& p : t.punti)
            glVertex2d(p.x * PUNTI_PER_MM, p.y * PUNTI_PER_MM);
        glEnd();
    }
    glColor3f(0, 0, 0);
    for (const CScritta& s : carta.scritte)
    {
        const double a = s.fAngolo * PI / 180.0, c = std::cos(a), n = std::sin(a);
        const double u = s.bCentrato ? -LarghezzaHelvetica(s.testo, s.fCorpo) / 2 : 0.0;
        const double v = -LINEA_BASE * s.fCorpo / PUNTI_PER_MM;
        glRasterPos2d((s.x + u * c - v * n) * PUNTI_PER_MM, (s.y + u * n + v * c) * PUNTI_PER_MM);
        gl2psTextOpt(TestoPerFormato(s.testo, bSvg).c_str(), "Helvetica",
                     static_cast<GLshort>(s.fCorpo), GL2PS_TEXT_BL, static_cast<GLfloat>(s.fAngolo));
    }
}
}  // namespace

bool EsportaPiantina(CLavedoView& vista, const wxString& percorso, const wxString& nomeFile,
                     const COpzioniPiantina& opzioni, wxString& errore)
{
    const wxString estensione = Estensione(percorso);
    if (estensione != "pdf" && estensione != "svg")
    {
        errore = wxString::Format(
            "Impossibile scrivere \"%s\": la piantina si esporta in file .pdf o .svg.", percorso);
        return false;
    }
    const bool bSvg = estensione == "svg";
    CImpaginazione pagina;
    if (!Impagina(opzioni, g_pDoc->m_Stanza.GetLarghezza(), g_pDoc->m_Stanza.GetProfondita(),
                  pagina, errore))
        return false;

    CFuoriSchermo fuori;
    std::string motivo;
    if (!fuori.Prepara(64, 64, motivo))
    {
        errore = ErroreScrittura(percorso, wxString::FromUTF8(motivo.c_str()));
        return false;
    }
    // One unit of the drawing is one point of the page.
    GLint aViewport[4] = {0, 0, static_cast<GLint>(std::lround(pagina.fLarghezzaFoglio * PUNTI_PER_MM)),
                          static_cast<GLint>(std::lround(pagina.fAltezzaFoglio * PUNTI_PER_MM))};
    const float aPianta[3] = {static_cast<float>(pagina.MillimetriPerMetro() * PUNTI_PER_MM),
                              static_cast<float>(pagina.fX * PUNTI_PER_MM),
                              static_cast<float>(pagina.fY * PUNTI_PER_MM)};
    const CContestoDisegno contesto = fuori.Imposta(
        ContestoImmagine(vista, VISTA_PIANTINA, aViewport[2], aViewport[3], aPianta), *g_pDoc);
    const CDisegnoCarta carta = DisegnoCarta(*g_pDoc, pagina, nomeFile, LarghezzaHelvetica);
    CDisegnoScena disegno;
    const std::string titolo(nomeFile.utf8_str());
    std::vector<std::uint8_t> dati;
    GLint nEsito = GL2PS_OVERFLOW;
    for (GLint nBuffer = 1 << 20; nEsito == GL2PS_OVERFLOW && nBuffer <= (1 << 28); nBuffer *= 4)
    {
        char* pMemoria = nullptr;
        std::size_t nMemoria = 0;
        FILE* pFlusso = open_memstream(&pMemoria, &nMemoria);
        if (!pFlusso)
            break;
        gl2psBeginPage(titolo.c_str(), "Lavedo98", aViewport, bSvg ? GL2PS_SVG : GL2PS_PDF,
                       GL2PS_NO_SORT, GL2PS_SILENT | GL2PS_NO_PS3_SHADING, GL_RGBA, 0,
                       nullptr, 0, 0, 0, nBuffer, pFlusso, titolo.c_str());
        glViewport(0, 0, aViewport[2], aViewport[3]);
        disegno.DisegnaImmagine(*g_pDoc, contesto);
        DisegnaCarta(carta, bSvg);
        nEsito = gl2psEndPage();
        std::fclose(pFlusso);
        dati.assign(pMemoria, pMemoria + nMemoria);
        std::free(pMemoria);
    }
    if (nEsito != GL2PS_SUCCESS)
    {
        errore = ErroreScrittura(percorso,
                                 wxString::FromUTF8("il disegno vettoriale non è riuscito"));
        return false;
    }
    return ScriviFile(percorso, dati, errore);
}
}  // namespace esportazione

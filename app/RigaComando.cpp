#include "app/RigaComando.h"

#include "app/LavedoDoc.h"
#include "app/ModelloGlb.h"
#include "app/PiantinaVettoriale.h"
#include "app/SceltaFile.h"
#include "view/FuoriSchermo.h"
#include "view/ImmaginePng.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <wx/filename.h>

const char* const TESTO_AIUTO =
    "Uso: lavedo [STANZA.lav]\n"
    "     lavedo --esporta USCITA [--vista 3d|piantina] [--dimensione LxA]\n"
    "            [--scala 20|50|100] STANZA.lav\n"
    "     lavedo --miniatura STANZA.lav USCITA.png LATO\n"
    "\n"
    "Senza opzioni apre l'editor (con la stanza indicata, se c'è).\n"
    "\n"
    "  --esporta USCITA   scrive USCITA senza aprire finestre: un'immagine PNG\n"
    "                     (.png) della vista, la piantina in scala su un\n"
    "                     foglio A4 come PDF (.pdf) o SVG (.svg), oppure il\n"
    "                     modello 3D della stanza in glTF binario (.glb)\n"
    "  --vista V          per le immagini: 3d (predefinita) o piantina\n"
    "  --dimensione LxA   larghezza e altezza dell'immagine in pixel, da 16 a 8192\n"
    "                     (predefinita 1600x1200)\n"
    "  --scala N          per la piantina: 1:20, 1:50 o 1:100 (predefinita: la\n"
    "                     più grande che entra nel foglio)\n"
    "  --miniatura STANZA USCITA LATO\n"
    "                     anteprima PNG della piantina, al più LATO pixel sul lato\n"
    "                     lungo (per i gestori di file)\n"
    "  --help             mostra questo testo\n"
    "\n"
    "In caso di errore scrive il motivo su una riga, esce con stato diverso da 0\n"
    "e non lascia file di uscita incompleti. Serve un display X: su una macchina\n"
    "senza, usare xvfb-run lavedo --esporta ...\n";

namespace
{
bool Intero(const wxString& s, int& n)
{
    long l = 0;
    if (!s.ToLong(&l) || l < 0 || l > 1000000)
        return false;
    n = static_cast<int>(l);
    return true;
}
}  // namespace

bool LeggiRigaComando(const wxArrayString& a, COpzioniRiga& o, wxString& errore)
{
    o = COpzioniRiga();
    if (a.empty() || !a[0].StartsWith("--"))
        return true;
    const wxString comando = a[0];
    if (comando == "--help" || comando == "-h")
    {
        o.nModo = COpzioniRiga::AIUTO;
        return true;
    }
    if (comando == "--miniatura")
    {
        o.nModo = COpzioniRiga::MINIATURA;
        if (a.size() != 4 || !Intero(a[3], o.nLato))
        {
            errore = "Uso: lavedo --miniatura STANZA USCITA LATO (LATO in pixel).";
            return false;
        }
        o.stanza = a[1];
        o.uscita = a[2];
        return true;
    }
    if (comando != "--esporta")
    {
        errore = wxString::Format("Opzione sconosciuta \"%s\": \"lavedo --help\" elenca le opzioni.",
                                  comando);
        return false;
    }
    o.nModo = COpzioniRiga::ESPORTA;
    bool bDimensione = false, bScala = false;
    for (size_t i = 1; i < a.size(); ++i)
    {
        const wxString& s = a[i];
        const bool bValore = i + 1 < a.size();
        if (!s.StartsWith("--"))
        {
            if (o.uscita.empty() && i == 1)
                o.uscita = s;
            else if (o.stanza.empty())
                o.stanza = s;
            else
            {
                errore = wxString::Format(wxString::FromUTF8("Argomento in più: \"%s\"."), s);
                return false;
            }
        }
        else if (s == "--vista" && bValore)
        {
            const wxString v = a[++i].Lower();
            if (v != "3d" && v != "piantina")
            {
                errore = wxString::Format("Vista \"%s\" sconosciuta: usare 3d o piantina.", v);
                return false;
            }
            o.nVista = v == "3d" ? VISTA_3D : VISTA_PIANTINA;
        }
        else if (s == "--dimensione" && bValore)
        {
            const wxString d = a[++i];
            if (!Intero(d.BeforeFirst('x'), o.nLarghezza) ||
                !Intero(d.AfterFirst('x'), o.nAltezza) || o.nLarghezza < LATO_MINIMO_IMMAGINE ||
                o.nAltezza < LATO_MINIMO_IMMAGINE || o.nLarghezza > LATO_MASSIMO_IMMAGINE ||
                o.nAltezza > LATO_MASSIMO_IMMAGINE)
            {
                errore = wxString::Format(
                    "Dimensione \"%s\" non valida: scrivere LxA in pixel, da %d a %d, per "
                    "esempio 1600x900.",
                    d, LATO_MINIMO_IMMAGINE, LATO_MASSIMO_IMMAGINE);
                return false;
            }
            bDimensione = true;
        }
        else if (s == "--scala" && bValore)
        {
            if (!Intero(a[++i], o.nScala) ||
                (o.nScala != 20 && o.nScala != 50 && o.nScala != 100))
            {
                errore = wxString::Format("Scala \"%s\" non valida: usare 20, 50 o 100.", a[i]);
                return false;
            }
            bScala = true;
        }
        else
        {
            errore = wxString::Format("Opzione \"%s\" sconosciuta o senza valore.", s);
            return false;
        }
    }
    if (o.uscita.empty() || o.stanza.empty())
    {
        errore = "Uso: lavedo --esporta USCITA [opzioni] STANZA.lav (\"lavedo --help\").";
        return false;
    }
    const wxString estensione = wxFileName(o.uscita).GetExt().Lower();
    if (estensione != "png" && estensione != "pdf" && estensione != "svg" && estensione != "glb")
    {
        errore = wxString::Format("Il file \"%s\" deve terminare in .png, .pdf, .svg o .glb.",
                                  o.uscita);
        return false;
    }
    if (estensione == "glb" && (o.nVista >= 0 || bDimensione || bScala))
    {
        errore = wxString::FromUTF8(
            "Il modello 3D (.glb) non ha --vista, --dimensione né --scala: è la stanza intera.");
        return false;
    }
    if (estensione != "png" && (o.nVista == VISTA_3D || bDimensione))
    {
        errore = wxString::FromUTF8(
            "La piantina in PDF o SVG non ha --vista 3d né --dimensione: esportare in .png.");
        return false;
    }
    return true;
}

bool RispondiSenzaFinestre(const wxArrayString& argomenti, int& nUscita)
{
    COpzioniRiga opzioni;
    wxString errore;
    if (!LeggiRigaComando(argomenti, opzioni, errore))
    {
        std::fprintf(stderr, "lavedo: %s\n", static_cast<const char*>(errore.utf8_str()));
        nUscita = 2;
        return true;
    }
    if (opzioni.nModo == COpzioniRiga::AIUTO)
    {
        std::fputs(TESTO_AIUTO, stdout);
        nUscita = 0;
        return true;
    }
    const char* pX = std::getenv("DISPLAY");
    const char* pWayland = std::getenv("WAYLAND_DISPLAY");
    if ((pX && *pX) || (pWayland && *pWayland))
        return false;
    std::fputs(opzioni.nModo == COpzioniRiga::NESSUNO
                   ? "lavedo: nessun display (DISPLAY non \u00e8 impostato): l'editor si apre "
                     "solo in una sessione grafica.\n"
                   : "lavedo: per disegnare serve un display X; su una macchina senza, usare "
                     "xvfb-run lavedo ...\n",
               stderr);
    nUscita = 1;
    return true;
}

wxArrayString Argomenti(int argc, char** argv)
{
    wxArrayString argomenti;
    for (int i = 1; i < argc; ++i)
    {
        wxString a = wxString::FromUTF8(argv[i]);
        if (a.empty())
            a = wxString(argv[i], wxConvISO8859_1);
        argomenti.Add(a);
    }
    return argomenti;
}

int EseguiRigaComando(const COpzioniRiga& o)
{
    wxString errore;
    // The loader reports through the error box's hook: its first line.
    scelta_file::g_fnErrore = [&errore](const wxString& m) { errore = m.BeforeFirst('\n'); };
    auto* pDoc = static_cast<CLavedoDoc*>(g_pDoc);
    CLavedoView* pVista = GetLavedoView();
    bool bRiuscito = pDoc && pVista && pDoc->Apri(o.stanza, false);
    if (bRiuscito)
    {
        // No window has placed the camera: it looks into the room from
        // just inside its front, a little from above, lit and textured.
        pVista->m_fRotX = 20.0f;
        pVista->m_fRotY = 0.0f;
        pVista->m_fTraslZ = -std::max(0.5f, pDoc->m_Stanza.GetProfondita() / 2 - 0.3f);
        pVista->m_bLuci = pVista->m_bTextures = true;
        pVista->CentraEAdatta(pDoc->m_Stanza);
    }
    if (bRiuscito && o.nModo == COpzioniRiga::MINIATURA)
        bRiuscito = esportazione::Miniatura(*pVista, o.uscita, o.nLato, errore);
    else if (bRiuscito && wxFileName(o.uscita).GetExt().Lower() == "glb")
        bRiuscito = esportazione::EsportaModello(*pDoc, pVista->ContestoDisegno(), o.uscita, errore);
    else if (bRiuscito && wxFileName(o.uscita).GetExt().Lower() == "png")
        bRiuscito = esportazione::EsportaImmagine(*pVista, o.uscita,
                                                  o.nVista < 0 ? VISTA_3D : o.nVista,
                                                  o.nLarghezza, o.nAltezza, errore);
    else if (bRiuscito)
    {
        // The page turns the way the room is longer.
        esportazione::COpzioniPiantina piantina;
        piantina.nScala = o.nScala;
        piantina.bOrizzontale =
            pDoc->m_Stanza.GetLarghezza() > pDoc->m_Stanza.GetProfondita();
        bRiuscito = esportazione::EsportaPiantina(*pVista, o.uscita,
                                                  wxFileName(o.stanza).GetFullName(), piantina,
                                                  errore);
    }
    scelta_file::g_fnErrore = nullptr;
    if (bRiuscito)
        return 0;
    if (errore.empty())
        errore = wxString::Format("Impossibile aprire \"%s\".", o.stanza);
    std::fprintf(stderr, "lavedo: %s\n", static_cast<const char*>(errore.utf8_str()));
    return 1;
}

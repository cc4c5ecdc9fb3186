#include "app/ComandiEsportazione.h"

#include "app/Impaginazione.h"
#include "app/LavedoDoc.h"
#include "app/ModelloGlb.h"
#include "app/PiantinaVettoriale.h"
#include "app/SceltaFile.h"
#include "app/StampaPiantina.h"
#include "dialogs/EsportaImmagineDlg.h"
#include "dialogs/EsportaPiantinaDlg.h"
#include "view/CanvasGL.h"
#include "view/ImmaginePng.h"
#include "view/LavedoView.h"

#include <wx/cmndata.h>
#include <wx/filename.h>
#include <wx/printdlg.h>

namespace comandi_esportazione
{
namespace
{
// The page set-up and the last print choices, for the whole run.
wxPageSetupDialogData& DatiPagina()
{
    static wxPageSetupDialogData s_Dati = [] {
        wxPageSetupDialogData d;
        d.GetPrintData().SetPaperId(wxPAPER_A4);
        return d;
    }();
    return s_Dati;
}
int s_nScalaStampa = 50;
bool s_bVista3DStampa = false;

wxString NomeProposto(const char* pEstensione)
{
    wxFileName nome(NomeDocumento());
    nome.SetExt(pEstensione);
    return nome.GetFullName();
}
}  // namespace

wxString NomeDocumento()
{
    auto* pDoc = static_cast<CLavedoDoc*>(g_pDoc);
    const wxString percorso = pDoc ? pDoc->GetFilename() : wxString();
    return percorso.empty() ? wxString("Lavedo") : wxFileName(percorso).GetFullName();
}

void EsportaImmagine(wxWindow* pPadre)
{
    CLavedoView* pVista = GetLavedoView();
    if (!pVista)
        return;
    const wxSize dimensione =
        pVista->GetCanvas() ? pVista->GetCanvas()->GetClientSize() : wxSize(800, 600);
    CEsportaImmagineDlg dlg(pPadre, pVista->m_nVista, dimensione.x, dimensione.y);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const wxString percorso = ScegliFileDaEsportare(
        "Esporta immagine", "Immagini PNG (*.png)|*.png", NomeProposto("png"));
    wxString errore;
    if (!percorso.empty() &&
        !esportazione::EsportaImmagine(*pVista, percorso, dlg.GetVista(), dlg.GetLarghezza(),
                                       dlg.GetAltezza(), errore))
        MostraErroreFile(errore);
}

void EsportaPiantina(wxWindow* pPadre)
{
    CLavedoView* pVista = GetLavedoView();
    if (!pVista || !g_pDoc)
        return;
    CEsportaPiantinaDlg dlg(pPadre, false);
    if (dlg.ShowModal() != wxID_OK)
        return;
    esportazione::COpzioniPiantina opzioni;
    opzioni.bA3 = dlg.IsA3();
    opzioni.bOrizzontale = dlg.IsOrizzontale();
    opzioni.nScala = dlg.GetScala();
    // A room too large for the sheet is refused before the file is chosen.
    esportazione::CImpaginazione pagina;
    wxString errore;
    if (!esportazione::Impagina(opzioni, g_pDoc->m_Stanza.GetLarghezza(),
                                g_pDoc->m_Stanza.GetProfondita(), pagina, errore))
    {
        MostraErroreFile(errore);
        return;
    }
    const wxString percorso = ScegliFileDaEsportare(
        "Esporta piantina", "Documenti PDF (*.pdf)|*.pdf|Disegni SVG (*.svg)|*.svg",
        NomeProposto("pdf"));
    if (!percorso.empty() &&
        !esportazione::EsportaPiantina(*pVista, percorso, NomeDocumento(), opzioni, errore))
        MostraErroreFile(errore);
}

void EsportaModello()
{
    CLavedoView* pVista = GetLavedoView();
    if (!pVista || !g_pDoc)
        return;
    const wxString percorso = ScegliFileDaEsportare(
        "Esporta modello 3D", "Modelli glTF binari (*.glb)|*.glb", NomeProposto("glb"));
    wxString errore;
    if (!percorso.empty() &&
        !esportazione::EsportaModello(*g_pDoc, pVista->ContestoDisegno(), percorso, errore))
        MostraErroreFile(errore);
}

void Stampa(wxWindow* pPadre)
{
    CLavedoView* pVista = GetLavedoView();
    if (!pVista || !g_pDoc)
        return;
    CEsportaPiantinaDlg dlg(pPadre, true);
    if (dlg.ShowModal() != wxID_OK)
        return;
    s_nScalaStampa = dlg.GetScala();
    s_bVista3DStampa = dlg.IsVista3D();
    wxPrintDialogData dati(DatiPagina().GetPrintData());
    wxPrinter stampante(&dati);
    CStampaPiantina stampa(*pVista, NomeDocumento(), s_nScalaStampa, s_bVista3DStampa);
    if (stampante.Print(pPadre, &stampa, true))
        DatiPagina().SetPrintData(stampante.GetPrintDialogData().GetPrintData());
    else if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
        MostraErroreFile(wxString::FromUTF8("La stampa non è riuscita") +
                         (stampa.GetErrore().empty() ? wxString(".") : ": " + stampa.GetErrore()));
}

void Anteprima(wxWindow* pPadre)
{
    CLavedoView* pVista = GetLavedoView();
    if (!pVista || !g_pDoc)
        return;
    wxPrintDialogData dati(DatiPagina().GetPrintData());
    auto* pAnteprima = new wxPrintPreview(
        new CStampaPiantina(*pVista, NomeDocumento(), s_nScalaStampa, s_bVista3DStampa),
        new CStampaPiantina(*pVista, NomeDocumento(), s_nScalaStampa, s_bVista3DStampa), &dati);
    if (!pAnteprima->IsOk())
    {
        delete pAnteprima;
        MostraErroreFile("Impossibile mostrare l'anteprima di stampa: nessuna stampante.");
        return;
    }
    auto* pCornice = new wxPreviewFrame(pAnteprima, pPadre, "Anteprima di stampa",
                                        wxDefaultPosition, wxSize(800, 900));
    pCornice->Initialize();
    pCornice->Show();
}

void ImpostaPagina(wxWindow* pPadre)
{
    wxPageSetupDialog dlg(pPadre, &DatiPagina());
    if (dlg.ShowModal() == wxID_OK)
        DatiPagina() = dlg.GetPageSetupDialogData();
}
}  // namespace comandi_esportazione

// The catalogue: the pane's first show with every picture drawn, and an
// insertion from it into the fullest room (refused with its message) and
// into a room of 254 pieces with the repaint, at 1024 x 768. Median
// microseconds; each is checked to have done its work (pictures that show
// their pieces, the message given, the piece in the room and drawn), or the
// run fails.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "app/ListaCatalogo.h"
#include "app/MainFrame.h"
#include "app/PannelloCatalogo.h"
#include "dialogs/AttributiDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/LavedoView.h"
#include "view/Miniature.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <wx/app.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

namespace
{
constexpr int RIPETIZIONI = 30;

CLavedoDoc& Doc()
{
    return *static_cast<CLavedoDoc*>(g_pDoc);
}

// Answers the full room's message at once and keeps its text.
class CMessaggio : public wxModalDialogHook
{
public:
    wxString m_testo;

protected:
    int Enter(wxDialog* pDialogo) override
    {
        if (auto* pMessaggio = dynamic_cast<wxMessageDialog*>(pDialogo))
            m_testo = pMessaggio->GetMessage();
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// Whether every picture of the pane shows a piece on its background.
bool MiniatureDisegnate(CPannelloCatalogo& pannello)
{
    for (std::size_t i = 0; i < pannello.GetCatalogo().GetVoci().size(); ++i)
    {
        const wxImage img = pannello.Miniatura(i).ConvertToImage();
        const unsigned char* p = img.GetData();
        const int nPixel = img.GetWidth() * img.GetHeight();
        int nPezzo = 0;
        for (int k = 0; k < nPixel; ++k)
            nPezzo += std::abs(p[3 * k] - COLORE_SFONDO_MINIATURA[0]) > 12 ||
                      std::abs(p[3 * k + 2] - COLORE_SFONDO_MINIATURA[2]) > 12;
        if (nPixel == 0 || nPezzo < nPixel / 12)
            return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
        misura::Fallisci("the editor's GL window could not be set up for timing");
    CPannelloCatalogo& pannello =
        dynamic_cast<CMainFrame&>(*wxTheApp->GetTopWindow()).GetCatalogo();
    CListaCatalogo& lista = *pannello.GetLista();

    // Every picture drawn afresh off screen, then the list painted.
    const char* const pMostra = "catalogue pane's first show, every picture drawn";
    const double fMostra = misura::MedianaMicrosecondi(
        [&] {
            pannello.DimenticaMiniature();
            pannello.Miniatura(0);
            lista.Update();
        },
        RIPETIZIONI, 1, [&] {
            if (!MiniatureDisegnate(pannello))
                misura::Fallisci(std::string(pMostra) + ": a picture shows no piece");
        });
    misura::Stampa(pMostra, fMostra);
    std::printf("  %zu pictures (target under 150000 us)\n",
                pannello.GetCatalogo().GetVoci().size());

    misura::ImpostaVista(VISTA_PIANTINA);
    CLavedoView& v = *GetLavedoView();
    Doc().SvuotaScena();
    Doc().ImpostaStanzaPredefinita();
    scena_di_prova::Piena(Doc());
    Doc().AzzeraStoria();
    const std::size_t nSedia = 0;

    // The fullest room: the insertion's own message, nothing added.
    CMessaggio messaggio;
    messaggio.Register();
    const char* const pPiena = "catalogue insertion, fullest room (255): the message";
    const double fPiena = misura::MedianaMicrosecondi(
        [&] { pannello.InserisciVoce(nSedia); }, RIPETIZIONI, 3, [&] {
            if (messaggio.m_testo != CAttributiDlg::TestoStanzaPiena() ||
                Doc().m_Oggetti.GetNumero() != CContenitori::MASSIMO_ELEMENTI)
                misura::Fallisci(std::string(pPiena) + ": no message, or a piece added");
            messaggio.m_testo.clear();
        });
    misura::Stampa(pPiena, fPiena);
    messaggio.Unregister();

    // 254 pieces: one more, the plan painted with it; taken back untimed.
    Doc().m_Oggetti.Rimuovi(1);
    Doc().AzzeraStoria();
    const char* const pInserisci = "catalogue insertion + repaint, 254 pieces";
    const double fInserisci = misura::MedianaMicrosecondi(
        [&] {
            pannello.InserisciVoce(nSedia);
            v.Renderizza();
            glFinish();
        },
        RIPETIZIONI, 0, [&] {
            COggetto* pNuovo = nullptr;
            Doc().m_Oggetti.GetElemento(1, pNuovo);
            const std::string nome = pNuovo ? pNuovo->GetNome() : "";
            if (Doc().m_Oggetti.GetNumero() != CContenitori::MASSIMO_ELEMENTI ||
                v.GetOggettoSelezionato() != pNuovo || nome.rfind("Sedia ", 0) != 0)
                misura::Fallisci(std::string(pInserisci) + ": the piece is not in the room");
            if (misura::LeggiFotogramma(1024, 768).QuotaDisegnata() < 0.3)
                misura::Fallisci(std::string(pInserisci) + ": the plan was not drawn");
            Doc().Storia().Undo();
        });
    misura::Stampa(pInserisci, fInserisci);
    std::printf("  insertions: target within one frame (16667 us at 60 Hz)\n");

    Doc().SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

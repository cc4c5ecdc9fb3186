#include "app/PannelloCatalogo.h"

#include "app/Appunti.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "app/ListaCatalogo.h"
#include "dialogs/Nomi.h"
#include "model/Appunti.h"
#include "model/Oggetto.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/srchctrl.h>
#include <wx/stattext.h>

#include <cmath>

namespace
{
const char* const NOME_PANNELLO = "Catalogo";
const char* const AIUTO_PANNELLO =
    "Catalogo: pezzi pronti con le misure dei mobili veri, e \u00abI miei mobili\u00bb. Doppio "
    "clic o Invio mette il pezzo al centro della vista; trascinato sulla piantina o sulla "
    "vista 3D va dove lo si lascia. Ctrl+K porta qui la tastiera.";

// The view's window takes the pieces dragged from the pane, or from another
// editor's: the clipboard's format.
class CRilascio : public wxDropTarget
{
public:
    explicit CRilascio(CPannelloCatalogo& pannello)
        : wxDropTarget(new wxCustomDataObject(wxDataFormat(FORMATO_APPUNTI))), m_Pannello(pannello)
    {
    }
    wxDragResult OnDragOver(wxCoord, wxCoord, wxDragResult) override { return wxDragCopy; }
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult) override
    {
        if (!GetData())
            return wxDragNone;
        const auto* pDati = static_cast<wxCustomDataObject*>(GetDataObject());
        const auto* p = static_cast<const std::uint8_t*>(pDati->GetData());
        std::vector<std::uint8_t> dati(p, p + pDati->GetSize());
        // Once the drop is over: a full room is told in a dialog of its own.
        CPannelloCatalogo& pannello = m_Pannello;
        pannello.CallAfter([&pannello, dati, x, y] { pannello.Rilascia(dati, x, y); });
        return wxDragCopy;
    }

private:
    CPannelloCatalogo& m_Pannello;
};

wxString NomeDi(const COggetto& pezzo)
{
    return pezzo.GetNome()[0] ? NomeInTesto(pezzo.GetNome())
                              : wxString::FromUTF8(NomeTipo(pezzo.GetCategoria(), pezzo.GetTipo()));
}

COggetto* PezzoSelezionato()
{
    return g_pView && !g_pView->m_bSelezioneLuce ? g_pView->GetOggettoSelezionato() : nullptr;
}
}  // namespace

wxAuiPaneInfo CPannelloCatalogo::Pannello()
{
    return wxAuiPaneInfo()
        .Name(NOME_PANNELLO)
        .Caption("Catalogo")
        .Left()
        .Layer(0)
        .Position(0)
        .BestSize(260, 400)
        .MinSize(200, 150)
        .FloatingSize(280, 560)
        .CloseButton(true)
        .MaximizeButton(false)
        .PinButton(false);
}

CPannelloCatalogo::CPannelloCatalogo(wxFrame* pFrame, const std::string& fileMiei)
    : wxPanel(pFrame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL),
      m_pFrame(pFrame),
      m_sFileMiei(fileMiei.empty() ? CartellaDatiUtente() + "/catalogo.lav" : fileMiei),
      m_Miniature(m_Catalogo, [this](const wxString& testo) { Nota(testo); })
{
    m_pRicerca = new wxSearchCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                  wxTE_PROCESS_ENTER);
    m_pRicerca->SetDescriptiveText("Cerca nel catalogo");
    m_pRicerca->ShowCancelButton(true);
    m_pLista = new CListaCatalogo(
        this, m_Catalogo, [this](std::size_t n) -> const wxBitmap& { return Miniatura(n); });
    m_pNessuno = new wxStaticText(this, wxID_ANY, wxEmptyString);
    auto* pColonna = new wxBoxSizer(wxVERTICAL);
    pColonna->Add(m_pRicerca, 0, wxEXPAND | wxALL, 4);
    pColonna->Add(m_pNessuno, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    pColonna->Add(m_pLista, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 4);
    SetSizer(pColonna);
    for (wxWindow* p : std::initializer_list<wxWindow*>{this, m_pRicerca, m_pLista})
        p->SetHelpText(wxString::FromUTF8(AIUTO_PANNELLO));

    m_pRicerca->Bind(wxEVT_TEXT, &CPannelloCatalogo::OnTesto, this);
    m_pRicerca->Bind(wxEVT_KEY_DOWN, &CPannelloCatalogo::OnTastoRicerca, this);
    m_pLista->Bind(wxEVT_KEY_DOWN, &CPannelloCatalogo::OnTastoLista, this);
    m_pLista->Bind(wxEVT_LEFT_DOWN, &CPannelloCatalogo::OnMouseLista, this);
    m_pLista->Bind(wxEVT_LEFT_UP, &CPannelloCatalogo::OnMouseLista, this);
    m_pLista->Bind(wxEVT_MOTION, &CPannelloCatalogo::OnMouseLista, this);
    m_pLista->Bind(wxEVT_CONTEXT_MENU, &CPannelloCatalogo::OnMenuLista, this);
    m_pLista->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (VoceScelta() >= 0)
            InserisciVoce(static_cast<std::size_t>(VoceScelta()));
    });

    // Bound to this pane's methods: the frame forgets them when it goes.
    pFrame->Bind(wxEVT_MENU, &CPannelloCatalogo::OnComando, this, ID_INSERISCI_CATALOGO);
    pFrame->Bind(wxEVT_MENU, &CPannelloCatalogo::OnComando, this, ID_MODIFICA_AGGIUNGI_CATALOGO);
    pFrame->Bind(wxEVT_MENU, &CPannelloCatalogo::OnComando, this, ID_MODIFICA_RIMUOVI_CATALOGO);
    pFrame->Bind(wxEVT_MENU, &CPannelloCatalogo::OnComando, this, ID_VISTA_CATALOGO);
    pFrame->Bind(wxEVT_UPDATE_UI, &CPannelloCatalogo::OnUpdateComando, this,
                 ID_MODIFICA_AGGIUNGI_CATALOGO);
    pFrame->Bind(wxEVT_UPDATE_UI, &CPannelloCatalogo::OnUpdateComando, this,
                 ID_MODIFICA_RIMUOVI_CATALOGO);
    pFrame->Bind(wxEVT_UPDATE_UI, &CPannelloCatalogo::OnUpdateComando, this, ID_VISTA_CATALOGO);

    Bind(wxEVT_DPI_CHANGED, [this](wxDPIChangedEvent& event) {
        DimenticaMiniature();
        event.Skip();
    });

    Filtra();
    CallAfter(&CPannelloCatalogo::CaricaMiei);
}

void CPannelloCatalogo::OnComando(wxCommandEvent& event)
{
    switch (event.GetId())
    {
    case ID_INSERISCI_CATALOGO:
        ApriRicerca();
        break;
    case ID_MODIFICA_AGGIUNGI_CATALOGO:
        AggiungiSelezionato();
        break;
    case ID_MODIFICA_RIMUOVI_CATALOGO:
        RimuoviScelto();
        break;
    default:
        Riquadro().Show(!Riquadro().IsShown());
        wxAuiManager::GetManager(this)->Update();
        break;
    }
}

void CPannelloCatalogo::OnUpdateComando(wxUpdateUIEvent& event)
{
    const long nVoce = VoceScelta();
    switch (event.GetId())
    {
    case ID_MODIFICA_AGGIUNGI_CATALOGO:
        event.Enable(PezzoSelezionato() != nullptr);
        break;
    case ID_MODIFICA_RIMUOVI_CATALOGO:
        event.Enable(nVoce >= 0 && m_Catalogo.IsMio(static_cast<std::size_t>(nVoce)));
        break;
    default:
        event.Check(Riquadro().IsShown());
        break;
    }
}

void CPannelloCatalogo::CollegaVista(wxWindow* pFinestra)
{
    if (pFinestra && !pFinestra->GetDropTarget())
        pFinestra->SetDropTarget(new CRilascio(*this));
}

wxAuiPaneInfo& CPannelloCatalogo::Riquadro() const
{
    return wxAuiManager::GetManager(const_cast<CPannelloCatalogo*>(this))
        ->GetPane(const_cast<CPannelloCatalogo*>(this));
}

void CPannelloCatalogo::CaricaMiei()
{
    const std::string nota = m_Catalogo.CaricaMiei(m_sFileMiei);
    m_Miniature.VociCambiate();
    Filtra();
    if (!nota.empty())
        Nota(wxString::FromUTF8(nota.c_str()));
}

void CPannelloCatalogo::Nota(const wxString& testo) const
{
    if (m_pFrame->GetStatusBar())
        m_pFrame->SetStatusText(testo, m_pFrame->GetStatusBarPane());
}

long CPannelloCatalogo::VoceScelta() const
{
    return m_pLista->VoceDellaRiga(m_pLista->GetSelection());
}

void CPannelloCatalogo::Filtra()
{
    const long nScelta = VoceScelta();
    const wxString ricerca = m_pRicerca->GetValue();
    const std::vector<std::size_t> voci = m_Catalogo.Cerca(TestoInNome(ricerca));
    m_pLista->Mostra(voci);
    // The piece chosen stays chosen while the search still shows it.
    if (nScelta >= 0)
        m_pLista->SetSelection(m_pLista->RigaDellaVoce(static_cast<std::size_t>(nScelta)));
    const wxString nessuno = wxString::FromUTF8("Nessun pezzo corrisponde a \u00ab%s\u00bb.");
    m_pNessuno->SetLabel(voci.empty() ? wxString::Format(nessuno, ricerca) : wxString());
    m_pNessuno->Show(voci.empty());
    Layout();
}

void CPannelloCatalogo::OnTesto(wxCommandEvent&)
{
    Filtra();
}

const wxBitmap& CPannelloCatalogo::Miniatura(std::size_t nVoce)
{
    return m_Miniature.Miniatura(nVoce, GetContentScaleFactor());
}

void CPannelloCatalogo::DimenticaMiniature()
{
    m_Miniature.Dimentica();
    m_pLista->RefreshAll();
}

void CPannelloCatalogo::ApriRicerca()
{
    if (!Riquadro().IsShown())
    {
        Riquadro().Show();
        wxAuiManager::GetManager(this)->Update();
    }
    m_pRicerca->SetFocus();
    m_pRicerca->SelectAll();
}

void CPannelloCatalogo::OnTastoRicerca(wxKeyEvent& event)
{
    switch (event.GetKeyCode())
    {
    case WXK_DOWN: case WXK_NUMPAD_DOWN:
        if (m_pLista->GetItemCount() == 0)
            return;
        if (m_pLista->GetSelection() == wxNOT_FOUND)
            m_pLista->SetSelection(0);
        m_pLista->SetFocus();
        return;
    case WXK_RETURN: case WXK_NUMPAD_ENTER:
        // The piece chosen, or the first the search shows.
        if (m_pLista->GetItemCount() > 0)
            InserisciVoce(static_cast<std::size_t>(
                m_pLista->VoceDellaRiga(VoceScelta() >= 0 ? m_pLista->GetSelection() : 0)));
        return;
    default:
        event.Skip();
    }
}

void CPannelloCatalogo::OnTastoLista(wxKeyEvent& event)
{
    const long nVoce = VoceScelta();
    switch (event.GetKeyCode())
    {
    case WXK_RETURN: case WXK_NUMPAD_ENTER:
        if (nVoce >= 0)
            InserisciVoce(static_cast<std::size_t>(nVoce));
        return;
    case WXK_DELETE: case WXK_NUMPAD_DELETE:
        RimuoviScelto();
        return;
    case WXK_UP: case WXK_NUMPAD_UP:
        if (m_pLista->GetSelection() <= 0)
        {
            m_pRicerca->SetFocus();
            return;
        }
        break;
    default:
        break;
    }
    event.Skip();
}

void CPannelloCatalogo::OnMouseLista(wxMouseEvent& event)
{
    event.Skip();
    if (event.GetEventType() == wxEVT_LEFT_DOWN)
    {
        m_ptPressione = event.GetPosition();
        return;
    }
    if (event.GetEventType() == wxEVT_LEFT_UP || !event.LeftIsDown())
    {
        m_ptPressione = wxDefaultPosition;
        return;
    }
    if (m_ptPressione == wxDefaultPosition)
        return;
    const wxPoint d = event.GetPosition() - m_ptPressione;
    if (std::abs(d.x) <= wxSystemSettings::GetMetric(wxSYS_DRAG_X, this) &&
        std::abs(d.y) <= wxSystemSettings::GetMetric(wxSYS_DRAG_Y, this))
        return;
    const long nVoce = m_pLista->VoceDellaRiga(m_pLista->VirtualHitTest(m_ptPressione.y));
    m_ptPressione = wxDefaultPosition;
    if (nVoce >= 0)
        Trascina(static_cast<std::size_t>(nVoce));
}

void CPannelloCatalogo::Trascina(std::size_t nVoce)
{
    const std::vector<std::uint8_t> dati = CodificaOggetto(*m_Catalogo.GetVoci()[nVoce].pPezzo);
    wxCustomDataObject oggetto{wxDataFormat(FORMATO_APPUNTI)};
    oggetto.SetData(dati.size(), dati.data());
    // The piece's picture follows the pointer.
    wxIcon icona;
    icona.CopyFromBitmap(Miniatura(nVoce));
    wxDropSource sorgente(oggetto, m_pLista, icona, icona, icona);
    sorgente.DoDragDrop(wxDrag_CopyOnly);
}

void CPannelloCatalogo::OnMenuLista(wxContextMenuEvent& event)
{
    // The row under the pointer is the one the menu acts on.
    const wxPoint punto = event.GetPosition() == wxDefaultPosition
                              ? wxPoint(0, 0)
                              : m_pLista->ScreenToClient(event.GetPosition());
    if (event.GetPosition() != wxDefaultPosition)
        m_pLista->SetSelection(m_pLista->VirtualHitTest(punto.y));
    const long nVoce = VoceScelta();
    if (nVoce < 0)
        return;
    wxMenu menu;
    menu.Append(ID_INSERISCI_CATALOGO, "&Inserisci nella stanza");
    menu.Append(ID_MODIFICA_RIMUOVI_CATALOGO, "&Rimuovi dal catalogo")
        ->Enable(m_Catalogo.IsMio(static_cast<std::size_t>(nVoce)));
    const int nScelta = m_pLista->GetPopupMenuSelectionFromUser(menu, punto);
    if (nScelta == ID_INSERISCI_CATALOGO)
        InserisciVoce(static_cast<std::size_t>(nVoce));
    else if (nScelta == ID_MODIFICA_RIMUOVI_CATALOGO)
        RimuoviScelto();
}

bool CPannelloCatalogo::InserisciVoce(std::size_t nVoce)
{
    if (nVoce >= m_Catalogo.GetVoci().size())
        return false;
    return Inserisci(CodificaOggetto(*m_Catalogo.GetVoci()[nVoce].pPezzo), nullptr);
}

bool CPannelloCatalogo::Rilascia(const std::vector<std::uint8_t>& dati, int x, int y)
{
    const wxPoint punto(x, y);
    return Inserisci(dati, &punto);
}

bool CPannelloCatalogo::Inserisci(const std::vector<std::uint8_t>& dati, const wxPoint* pPunto)
{
    auto* pDoc = dynamic_cast<CLavedoDoc*>(g_pDoc);
    CLavedoView* pVista = GetLavedoView();
    if (!pDoc || !pVista)
        return false;
    std::string errore;
    std::unique_ptr<COggetto> pPezzo = DecodificaOggetto(dati.data(), dati.size(), errore);
    if (pPezzo && !NomeTipo(pPezzo->GetCategoria(), pPezzo->GetTipo()))
        pPezzo.reset();
    if (!pPezzo)
    {
        Nota(wxString::FromUTF8(("Impossibile inserire il pezzo trascinato: non \u00e8 un mobile "
                                 "di Lavedo98 (" + errore + ").").c_str()));
        return false;
    }
    const float W = pDoc->m_Stanza.GetLarghezza(), D = pDoc->m_Stanza.GetProfondita();
    float x = W / 2.0f, y = D / 2.0f;
    if (pPunto && !pVista->PuntoSulPavimento(static_cast<float>(pPunto->x),
                                             static_cast<float>(pPunto->y), D, x, y))
    {
        Nota(wxString::FromUTF8("Sotto il puntatore non c'\u00e8 pavimento: lasciare il pezzo "
                                "pi\u00f9 in basso nella vista 3D."));
        return false;
    }
    // The view's middle, or the room's when the 3D view looks above the floor.
    if (!pPunto && !pVista->PuntoAlCentro(D, x, y))
    {
        x = W / 2.0f;
        y = D / 2.0f;
    }
    PosizionaNuovo(*pPezzo, x, y, W, D);
    pPezzo->SetNome(NomeNuovo(*pPezzo, pDoc->m_Oggetti).c_str());
    if (!pDoc->AggiungiNuovo(std::move(pPezzo), "inserimento"))
        return false;
    // The plan's keys move and turn the new piece at once.
    if (wxWindow* pFinestra = pVista->GetCanvas())
        pFinestra->SetFocus();
    return true;
}

void CPannelloCatalogo::AggiungiSelezionato()
{
    COggetto* pPezzo = PezzoSelezionato();
    if (!pPezzo)
        return;
    const CEsitoFile esito = m_Catalogo.AggiungiMio(*pPezzo);
    if (!esito.bRiuscito)
    {
        wxMessageBox(wxString::FromUTF8(esito.messaggio.c_str()), "Lavedo98",
                     wxOK | wxICON_EXCLAMATION, m_pFrame);
        return;
    }
    m_Miniature.VociCambiate();
    Filtra();
    // The new one leads its group.
    const auto& voci = m_Catalogo.GetVoci();
    for (std::size_t i = 0; i < voci.size(); ++i)
        if (voci[i].nGruppo == GRUPPO_MIEI)
        {
            const int nRiga = m_pLista->RigaDellaVoce(i);
            if (nRiga != wxNOT_FOUND)
            {
                m_pLista->SetSelection(nRiga);
                m_pLista->ScrollToRow(static_cast<size_t>(nRiga));
            }
            break;
        }
    Nota(wxString::Format(wxString::FromUTF8("\u00ab%s\u00bb \u00e8 ora tra \u00abI miei "
                                             "mobili\u00bb, nel catalogo."),
                          NomeDi(*pPezzo)));
}

void CPannelloCatalogo::RimuoviScelto()
{
    const long nVoce = VoceScelta();
    if (nVoce < 0 || !m_Catalogo.IsMio(static_cast<std::size_t>(nVoce)))
        return;
    const wxString nome = NomeDi(*m_Catalogo.GetVoci()[static_cast<std::size_t>(nVoce)].pPezzo);
    wxMessageDialog conferma(
        m_pFrame,
        wxString::Format(wxString::FromUTF8("Togliere \u00ab%s\u00bb da \u00abI miei mobili\u00bb? "
                                            "I pezzi gi\u00e0 nella stanza restano."),
                         nome),
        "Rimuovi dal catalogo", wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    conferma.SetYesNoLabels("&Rimuovi", "&Annulla");
    if (conferma.ShowModal() != wxID_YES)
        return;
    const CEsitoFile esito = m_Catalogo.RimuoviMio(static_cast<std::size_t>(nVoce));
    if (!esito.bRiuscito)
    {
        wxMessageBox(wxString::FromUTF8(esito.messaggio.c_str()), "Lavedo98",
                     wxOK | wxICON_EXCLAMATION, m_pFrame);
        return;
    }
    m_Miniature.VociCambiate();
    Filtra();
    Nota(wxString::Format(wxString::FromUTF8("\u00ab%s\u00bb non \u00e8 pi\u00f9 tra \u00abI "
                                             "miei mobili\u00bb."),
                          nome));
}

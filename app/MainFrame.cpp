#include "app/MainFrame.h"

#include "app/AiutoContesto.h"
#include "app/ModoAiuto.h"
#include "app/BarraMenu.h"
#include "app/BarraStrumenti.h"
#include "app/Cartelle.h"
#include "app/Comandi.h"
#include "app/ComandiEsportazione.h"
#include "app/DialoghiVista.h"
#include "app/Disposizione.h"
#include "app/GestoreDocumenti.h"
#include "app/Guida.h"
#include "app/IconeProgramma.h"
#include "app/LavedoDoc.h"
#include "app/MenuPiantina.h"
#include "app/PannelloCatalogo.h"
#include "dialogs/Nomi.h"
#include "app/Pulsanti.h"
#include "dialogs/AttributiDlg.h"
#include "dialogs/ImpostazioniDlg.h"
#include "dialogs/NuovaLuceDlg.h"
#include "dialogs/SelezioneDlg.h"
#include "dialogs/SelezioneLuciDlg.h"
#include "dialogs/TroppeLuciDlg.h"
#include "model/Ingombro.h"
#include "model/Luci.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/LavedoView.h"
#include "view/StatoVista.h"

#include <algorithm>
#include <wx/accel.h>
#include <wx/config.h>
#include <wx/cshelp.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

namespace
{
// Toolbar 132, in order; 0 is a separator.
const int s_aBarraVista[] = {ID_VISTA_PIANTINA, ID_VISTA_3D,        ID_VISTA_WIREFRAMES, 0,
                             ID_VISTA_SELEZIONA, ID_VISTA_ELIMINA,  ID_VISTA_MODIFICA,   0,
                             ID_VISTA_LUCI,      ID_VISTA_TEXTURES, ID_VISTA_ANTIALIASING, 0,
                             ID_VISTA_ROTAZIONE, ID_VISTA_CENTRA};
// Positions of the buttons that stay pressed while their command is checked.
bool IsPulsanteACasella(int nPosizione)
{
    switch (nPosizione)
    {
    case 0: case 1: case 2: case 4: case 8: case 9: case 10: case 12:
        return true;
    default:
        return false;
    }
}

const char* const TESTO_NESSUNA_SELEZIONE = "Nessun oggetto selezionato";
const char* const TESTO_MESSAGGIO_INATTIVO = "Per informazioni, premere F1";
const char* const TESTO_MODO_AIUTO = "Selezionare un oggetto su cui si desiderano informazioni";

// Names of the docked panes, also the keys of their remembered places.
const char* const PANNELLO_BARRA_FILE = "BarraFile";
const char* const PANNELLO_BARRA_VISTA = "BarraVista";
const char* const PANNELLO_VISTA = "Vista";

// The selection pane takes the width of this text, as the program always had.
wxString TestoRiquadroSelezione()
{
    return wxString(TESTO_NESSUNA_SELEZIONE) + wxString(' ', 46);
}

// A long name and position, which the selection pane is made wide enough for.
wxString TestoSelezioneLungo()
{
    return wxString::FromUTF8("Oggetto selezionato: Tavolo Rettangolare 12 \xE2\x80\x94 x 10.00 m, "
                              "y 10.00 m, 360\xC2\xB0");
}

enum
{
    RIQUADRO_MESSAGGIO,
    RIQUADRO_SELEZIONE,
    RIQUADRO_MAIUSCOLE,
    RIQUADRO_NUMERI,
    RIQUADRO_SCORRIMENTO,
    NUMERO_RIQUADRI
};
}  // namespace

CMainFrame::CMainFrame(wxDocManager* pGestore)
    : wxDocParentFrame(pGestore, nullptr, wxID_ANY, "Lavedo98", wxDefaultPosition, wxSize(900, 700))
{
    SetIcons(CreaIconeProgramma());
    SetMenuBar(CreaBarraMenu(m_pMenuFile));
    if (!CreaBarre())
        wxLogDebug("Failed to create toolbar\n");
    m_pCatalogo = new CPannelloCatalogo(this);
    m_GestoreBarre.AddPane(m_pCatalogo, CPannelloCatalogo::Pannello());
    if (!CreaBarraStato())
        wxLogDebug("Failed to create status bar\n");
    CreaAcceleratori();
    ImpostaAiutiFinestre();
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        CaricaDisposizione(*pConfig, *this, m_GestoreBarre);
    // The view bar cannot be hidden, whatever the settings say.
    m_GestoreBarre.GetPane(PANNELLO_BARRA_VISTA).Show();
    m_GestoreBarre.Update();

    Bind(wxEVT_MENU, &CMainFrame::OnEsci, this, ID_ESCI);
    Bind(wxEVT_MENU, &CMainFrame::OnEsci, this, wxID_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnGuida, this, ID_GUIDA_ARGOMENTI);
    Bind(wxEVT_MENU, &CMainFrame::OnGuidaIndice, this, ID_GUIDA_INDICE);
    Bind(wxEVT_MENU, &CMainFrame::OnGuida, this, ID_GUIDA);
    Bind(wxEVT_MENU, &CMainFrame::OnGuidaContesto, this, ID_GUIDA_CONTESTO);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnChiudi, this);
    Bind(wxEVT_MENU, &CMainFrame::OnBarraStrumenti, this, ID_BARRA_STRUMENTI);
    Bind(wxEVT_MENU, &CMainFrame::OnBarraStato, this, ID_BARRA_STATO);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateBarraStrumenti, this, ID_BARRA_STRUMENTI);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateBarraStato, this, ID_BARRA_STATO);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateSelezione, this, ID_INDICATORE_SELEZIONE);
    Bind(wxEVT_MENU, &CMainFrame::OnInserisciSedia, this, ID_INSERISCI_SEDIA);
    Bind(wxEVT_MENU, &CMainFrame::OnInserisciTavolo, this, ID_INSERISCI_TAVOLO);
    Bind(wxEVT_MENU, &CMainFrame::OnInserisciMobile, this, ID_INSERISCI_MOBILE);
    Bind(wxEVT_MENU, &CMainFrame::OnInserisciPortaFinestra, this, ID_INSERISCI_PORTA_FINESTRA);
    Bind(wxEVT_MENU, &CMainFrame::OnModificaOggetto, this, ID_MODIFICA_OGGETTO);
    Bind(wxEVT_MENU, &CMainFrame::OnInserisciLuce, this, ID_INSERISCI_LUCE);
    Bind(wxEVT_MENU, &CMainFrame::OnModificaLuce, this, ID_MODIFICA_LUCE);
    Bind(wxEVT_MENU, &CMainFrame::OnImpostazioni, this, ID_IMPOSTAZIONI);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { comandi_esportazione::EsportaImmagine(this); },
         ID_FILE_ESPORTA_IMMAGINE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { comandi_esportazione::EsportaPiantina(this); },
         ID_FILE_ESPORTA_PIANTINA);
    Bind(wxEVT_MENU, [](wxCommandEvent&) { comandi_esportazione::EsportaModello(); },
         ID_FILE_ESPORTA_MODELLO);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { comandi_esportazione::Stampa(this); },
         ID_FILE_STAMPA);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { comandi_esportazione::Anteprima(this); },
         ID_FILE_ANTEPRIMA);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { comandi_esportazione::ImpostaPagina(this); },
         ID_FILE_IMPOSTA_PAGINA);
    m_pModoAiuto = std::make_unique<CModoAiuto>(*this, [this](bool bAttivo) {
        SetStatusText(bAttivo ? TESTO_MODO_AIUTO : TESTO_MESSAGGIO_INATTIVO, RIQUADRO_MESSAGGIO);
    });
}

CMainFrame::~CMainFrame()
{
    if (auto* pGestore = dynamic_cast<CGestoreDocumenti*>(GetDocumentManager()))
        pGestore->CollegaMenuFile(nullptr);
    if (auto* pDoc = dynamic_cast<CLavedoDoc*>(g_pDoc))
        pDoc->Unbind(EVT_STORIA_CAMBIATA, &CMainFrame::OnStoriaCambiata, this);
    m_GestoreBarre.UnInit();
}

bool CMainFrame::CreaBarre()
{
    m_GestoreBarre.SetManagedWindow(this);

    m_wndToolBar = new CBarraStrumenti(this, wxString::FromUTF8(AIUTO_BARRA_FILE));
    for (int nId : {wxID_NEW, wxID_OPEN, wxID_SAVE})
        m_wndToolBar->AddTool(nId, TooltipComando(nId), BitmapPulsante(nId), wxNullBitmap,
                              wxITEM_NORMAL, TooltipComando(nId), PromptComando(nId), nullptr);
    if (!m_wndToolBar->Realize())
        return false;

    m_wndVistaBar = new CBarraStrumenti(this, wxString::FromUTF8(AIUTO_BARRA_VISTA));
    int nPosizione = 0;
    for (int nId : s_aBarraVista)
    {
        if (nId == 0)
            m_wndVistaBar->AddSeparator();
        else
            m_wndVistaBar->AddTool(nId, TooltipComando(nId), BitmapPulsante(nId), wxNullBitmap,
                                   IsPulsanteACasella(nPosizione) ? wxITEM_CHECK : wxITEM_NORMAL,
                                   TooltipComando(nId), PromptComando(nId), nullptr);
        ++nPosizione;
    }
    if (!m_wndVistaBar->Realize())
        return false;

    // Both on the top row, the view bar after the file bar; either can be
    // dragged to any side or floated. Closing the floating file bar hides
    // it like the menu command; the view bar has no way back, so no close.
    m_GestoreBarre.AddPane(m_wndToolBar, wxAuiPaneInfo()
                                             .Name(PANNELLO_BARRA_FILE)
                                             .Caption("Barra degli strumenti")
                                             .ToolbarPane()
                                             .Top()
                                             .Row(0)
                                             .Position(0));
    m_GestoreBarre.AddPane(m_wndVistaBar, wxAuiPaneInfo()
                                              .Name(PANNELLO_BARRA_VISTA)
                                              .Caption("Barra della vista")
                                              .ToolbarPane()
                                              .Top()
                                              .Row(0)
                                              .Position(1)
                                              .CloseButton(false));
    m_GestoreBarre.Update();
    return true;
}

bool CMainFrame::CreaBarraStato()
{
    m_wndStatusBar = CreateStatusBar(NUMERO_RIQUADRI, wxSTB_DEFAULT_STYLE, wxID_ANY);
    if (!m_wndStatusBar)
        return false;
    const wxString aMisure[NUMERO_RIQUADRI] = {"", TestoRiquadroSelezione(), "MA", "NUM", "BS"};
    int aLarghezze[NUMERO_RIQUADRI];
    aLarghezze[RIQUADRO_MESSAGGIO] = -1;
    for (int i = RIQUADRO_SELEZIONE; i < NUMERO_RIQUADRI; ++i)
        aLarghezze[i] = m_wndStatusBar->GetTextExtent(aMisure[i]).GetWidth() + 12;
    aLarghezze[RIQUADRO_SELEZIONE] = std::max(
        aLarghezze[RIQUADRO_SELEZIONE], m_wndStatusBar->GetTextExtent(TestoSelezioneLungo()).GetWidth() + 12);
    m_wndStatusBar->SetStatusWidths(NUMERO_RIQUADRI, aLarghezze);
    SetStatusBarPane(RIQUADRO_MESSAGGIO);
    SetStatusText(TESTO_MESSAGGIO_INATTIVO, RIQUADRO_MESSAGGIO);
    AggiornaBarraStato();
    return true;
}

void CMainFrame::ImpostaAiutiFinestre()
{
    if (m_wndStatusBar)
        m_wndStatusBar->SetHelpText(wxString::FromUTF8(AIUTO_BARRA_STATO));
}

void CMainFrame::CreaAcceleratori()
{
    // The pane keys have no handler: there is no split window.
    wxAcceleratorEntry aTasti[] = {
        {wxACCEL_CTRL, 'N', wxID_NEW},
        {wxACCEL_CTRL, 'A', wxID_OPEN},
        {wxACCEL_CTRL, 'S', wxID_SAVE},
        {wxACCEL_CTRL, 'P', ID_FILE_STAMPA},
        {wxACCEL_CTRL, 'K', ID_INSERISCI_CATALOGO},
        {wxACCEL_CTRL, 'Z', ID_MODIFICA_ANNULLA},
        {wxACCEL_ALT, WXK_BACK, ID_MODIFICA_ANNULLA},
        {wxACCEL_CTRL, 'Y', ID_MODIFICA_RIPETI},
        {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ID_MODIFICA_RIPETI},
        {wxACCEL_CTRL, 'D', ID_MODIFICA_DUPLICA},
        {wxACCEL_CTRL, 'X', ID_MODIFICA_TAGLIA},
        {wxACCEL_SHIFT, WXK_DELETE, ID_MODIFICA_TAGLIA},
        {wxACCEL_CTRL, 'C', ID_MODIFICA_COPIA},
        {wxACCEL_CTRL, WXK_INSERT, ID_MODIFICA_COPIA},
        {wxACCEL_CTRL, 'V', ID_MODIFICA_INCOLLA},
        {wxACCEL_SHIFT, WXK_INSERT, ID_MODIFICA_INCOLLA},
        {wxACCEL_NORMAL, WXK_F6, ID_RIQUADRO_SUCCESSIVO},
        {wxACCEL_SHIFT, WXK_F6, ID_RIQUADRO_PRECEDENTE},
        {wxACCEL_SHIFT, WXK_F1, ID_GUIDA_CONTESTO},
        {wxACCEL_NORMAL, WXK_F1, ID_GUIDA},
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(WXSIZEOF(aTasti)), aTasti));
}

void CMainFrame::AttaccaVista(wxWindow* pFinestra)
{
    if (pFinestra && !m_GestoreBarre.GetPane(pFinestra).IsOk())
    {
        m_GestoreBarre.AddPane(pFinestra, wxAuiPaneInfo().Name(PANNELLO_VISTA).CentrePane());
        m_GestoreBarre.Update();
        pFinestra->SetHelpText(wxString::FromUTF8(AIUTO_VISTA));
        // The view's keys work from the start.
        pFinestra->SetFocus();
        m_pCatalogo->CollegaVista(pFinestra);
        if (CLavedoView* pVista = GetLavedoView())
        {
            pVista->m_fnMenuPiantina = [this, pFinestra](const wxPoint& punto) {
                MostraMenuPiantina(*this, *pFinestra, punto);
            };
            CollegaDialoghiVista(*pVista);
        }
    }
    if (auto* pGestore = dynamic_cast<CGestoreDocumenti*>(GetDocumentManager()))
        pGestore->CollegaMenuFile(m_pMenuFile);
    if (auto* pDoc = dynamic_cast<CLavedoDoc*>(g_pDoc))
    {
        pDoc->Unbind(EVT_STORIA_CAMBIATA, &CMainFrame::OnStoriaCambiata, this);
        pDoc->Bind(EVT_STORIA_CAMBIATA, &CMainFrame::OnStoriaCambiata, this);
        AggiornaVociStoria(pDoc->Storia());
    }
}

void CMainFrame::OnStoriaCambiata(wxCommandEvent& event)
{
    if (auto* pDoc = dynamic_cast<CLavedoDoc*>(event.GetEventObject()))
        AggiornaVociStoria(pDoc->Storia());
}

void CMainFrame::AggiornaVociStoria(CStoria& storia)
{
    // Renamed as the history changes rather than as the menu opens: GTK
    // drops the accelerator text of an item renamed while it opens.
    wxMenuBar* pBarra = GetMenuBar();
    for (const bool bRipeti : {false, true})
    {
        wxMenuItem* pVoce =
            pBarra ? pBarra->FindItem(bRipeti ? ID_MODIFICA_RIPETI : ID_MODIFICA_ANNULLA) : nullptr;
        const wxString testo = storia.TestoVoce(bRipeti);
        if (pVoce && pVoce->GetItemLabel() != testo)
            pVoce->SetItemLabel(testo);
    }
}

wxString CMainFrame::TestoSelezione()
{
    const COggetto* pOggetto = g_pView ? g_pView->GetOggettoSelezionato() : nullptr;
    if (!pOggetto)
        return TestoRiquadroSelezione();
    // Where it stands too, which follows it while it is dragged or moved with the keys.
    return "Oggetto selezionato: " + NomeInTesto(pOggetto->GetNome()) +
           wxString::FromUTF8((" \xE2\x80\x94 " + TestoPosizione(*pOggetto)).c_str());
}

void CMainFrame::OnUpdateSelezione(wxUpdateUIEvent& event)
{
    event.Enable(true);
    event.SetText(TestoSelezione());
}

void CMainFrame::AggiornaBarraStato()
{
    if (!m_wndStatusBar)
        return;
    auto imposta = [this](int nRiquadro, const wxString& testo) {
        if (m_wndStatusBar->GetStatusText(nRiquadro) != testo)
            m_wndStatusBar->SetStatusText(testo, nRiquadro);
    };
    wxUpdateUIEvent richiesta(ID_INDICATORE_SELEZIONE);
    richiesta.SetEventObject(this);
    OnUpdateSelezione(richiesta);
    if (richiesta.GetSetText())
        imposta(RIQUADRO_SELEZIONE, richiesta.GetText());
    imposta(RIQUADRO_MAIUSCOLE, wxGetKeyState(WXK_CAPITAL) ? "MA" : "");
    imposta(RIQUADRO_NUMERI, wxGetKeyState(WXK_NUMLOCK) ? "NUM" : "");
    imposta(RIQUADRO_SCORRIMENTO, wxGetKeyState(WXK_SCROLL) ? "BS" : "");
}

void CMainFrame::OnIdle(wxIdleEvent& event)
{
    AggiornaBarraStato();
    // The title's "*" follows the modified flag, whoever changed the room.
    if (wxDocManager* pGestore = GetDocumentManager())
        if (wxDocument* pDoc = pGestore->GetCurrentDocument())
        {
            const wxString titolo = pGestore->MakeFrameTitle(pDoc);
            if (GetTitle() != titolo)
                SetTitle(titolo);
        }
    event.Skip();
}

void CMainFrame::OnEsci(wxCommandEvent&)
{
    Close();
}

CGuida& CMainFrame::GetGuida()
{
    if (!m_pGuida)
        m_pGuida = std::make_unique<CGuida>(this, FileGuida());
    return *m_pGuida;
}

void CMainFrame::OnGuida(wxCommandEvent&)
{
    GetGuida().MostraArgomenti();
}

void CMainFrame::OnGuidaIndice(wxCommandEvent&)
{
    GetGuida().MostraIndice();
}

void CMainFrame::OnGuidaContesto(wxCommandEvent&)
{
    // Until the next click the pointer asks "what is this?"; the click
    // shows the help of the window or button under it. The tip of the last
    // help holds the mouse while open: it goes first.
    if (CAiutoContesto* pAiuto = CAiutoContesto::Get())
        pAiuto->ChiudiSuggerimento();
    m_pModoAiuto->Inizia();
}

void CMainFrame::OnChiudi(wxCloseEvent& event)
{
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        SalvaDisposizione(*pConfig, *this, m_GestoreBarre);
    event.Skip();
}

void CMainFrame::OnBarraStrumenti(wxCommandEvent&)
{
    // Only the file bar: the view bar always stays.
    wxAuiPaneInfo& barra = m_GestoreBarre.GetPane(PANNELLO_BARRA_FILE);
    if (!barra.IsOk())
        return;
    barra.Show(!barra.IsShown());
    m_GestoreBarre.Update();
}

void CMainFrame::OnBarraStato(wxCommandEvent&)
{
    if (!m_wndStatusBar)
        return;
    m_wndStatusBar->Show(!m_wndStatusBar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateBarraStrumenti(wxUpdateUIEvent& event)
{
    event.Check(m_GestoreBarre.GetPane(PANNELLO_BARRA_FILE).IsShown());
}

void CMainFrame::OnUpdateBarraStato(wxUpdateUIEvent& event)
{
    event.Check(m_wndStatusBar && m_wndStatusBar->IsShown());
}

namespace
{
// The attributes dialog creates, adds and selects the object itself.
void InserisciOggetto(int nFamiglia)
{
    if (!g_pView)
        return;
    g_pView->m_bNuovoOggetto = true;
    g_pView->m_nFamigliaNuovoOggetto = nFamiglia;
    CAttributiDlg dlg;
    dlg.ShowModal();
}
}  // namespace

void CMainFrame::OnInserisciSedia(wxCommandEvent&)
{
    InserisciOggetto(CATEGORIA_SEDIE);
}

void CMainFrame::OnInserisciTavolo(wxCommandEvent&)
{
    InserisciOggetto(CATEGORIA_TAVOLI);
}

void CMainFrame::OnInserisciMobile(wxCommandEvent&)
{
    InserisciOggetto(CATEGORIA_ARMADI);
}

void CMainFrame::OnInserisciPortaFinestra(wxCommandEvent&)
{
    InserisciOggetto(CATEGORIA_PORTE_FINESTRE);
}

void CMainFrame::OnModificaOggetto(wxCommandEvent&)
{
    CSelezioneDlg dlg;
    dlg.ShowModal();
}

void CMainFrame::OnInserisciLuce(wxCommandEvent&)
{
    // One GL light per light: there are eight.
    if (g_pDoc && g_pDoc->m_Luci.GetNumero() >= MASSIMO_LUCI)
    {
        CTroppeLuciDlg dlg;
        dlg.ShowModal();
        return;
    }
    CNuovaLuceDlg dlg;
    dlg.ShowModal();
}

void CMainFrame::OnModificaLuce(wxCommandEvent&)
{
    CSelezioneLuciDlg dlg;
    dlg.ShowModal();
}

void CMainFrame::OnImpostazioni(wxCommandEvent&)
{
    CImpostazioniDlg dlg;
    dlg.ShowModal();
}

#include "app/AiutoContesto.h"

#include "app/Comandi.h"

#include <wx/tipwin.h>
#include <dlfcn.h>

namespace
{
struct CAiutoPulsante
{
    int nId;
    const char* pTesto;
};

// More than the status prompt: what the button does and when it works.
const CAiutoPulsante s_aAiuti[] = {
    {wxID_NEW,
     "Crea una stanza nuova e vuota. Se la stanza aperta ha modifiche non salvate, "
     "Lavedo98 chiede prima conferma."},
    {wxID_OPEN,
     "Apre una stanza salvata. Un file danneggiato, o che non \u00e8 una stanza di Lavedo98, "
     "viene rifiutato e la stanza aperta resta com'era."},
    {wxID_SAVE, "Salva la stanza nel suo file; per una stanza nuova chiede il nome del file."},
    {ID_VISTA_PIANTINA,
     "Passa dall'una all'altra vista. Nella piantina la stanza \u00e8 vista dall'alto: "
     "l'oggetto selezionato si ruota trascinandolo col tasto sinistro e si sposta col tasto "
     "destro."},
    {ID_VISTA_3D,
     "Passa dall'una all'altra vista; la vista 3D parte con la telecamera al centro. "
     "Trascinando col tasto sinistro la telecamera gira intorno alla stanza, col tasto destro "
     "si avvicina, si allontana e si sposta di lato."},
    {ID_VISTA_WIREFRAMES, "Disegna le superfici come reticoli di linee, o di nuovo piene."},
    {ID_VISTA_SELEZIONA,
     "Prepara la selezione: il clic successivo col tasto sinistro seleziona l'oggetto sotto "
     "il puntatore. Se sotto il puntatore ci sono pi\u00f9 oggetti, si sceglie da un elenco."},
    {ID_VISTA_ELIMINA, "Elimina l'oggetto selezionato, dopo una conferma."},
    {ID_VISTA_MODIFICA,
     "Apre la finestra \"Attributi\" dell'oggetto selezionato: nome, dimensioni, colori, "
     "texture e posizione."},
    {ID_VISTA_LUCI, "Accende o spegne le luci della stanza. Solo nella vista 3D."},
    {ID_VISTA_TEXTURES,
     "Mostra o nasconde le textures di pareti, pavimento e oggetti. Solo nella vista 3D."},
    {ID_VISTA_ANTIALIASING, "Smussa le linee della scena, utile con i wireframes."},
    {ID_VISTA_ROTAZIONE,
     "Fa girare la telecamera da sola intorno alla stanza; premere di nuovo per fermarla. "
     "Solo nella vista 3D."},
    {ID_VISTA_CENTRA,
     "Riporta la stanza al centro della finestra, alla distanza iniziale, senza cambiare "
     "l'angolo di vista. Solo nella vista 3D."},
};
}  // namespace

const char* const AIUTO_BARRA_FILE =
    "Barra degli strumenti\n\nNuovo, Apri e Salva. Si sposta trascinandola per la maniglia "
    "verso un altro lato della finestra, o fuori per lasciarla libera; \"Barra degli "
    "strumenti\" nel menu Visualizza la mostra o la nasconde.";
const char* const AIUTO_BARRA_VISTA =
    "Barra della vista\n\nCambia vista e modo di disegno, seleziona, elimina e modifica gli "
    "oggetti. Si sposta trascinandola per la maniglia verso un altro lato della finestra, o "
    "fuori per lasciarla libera.";
const char* const AIUTO_VISTA =
    "Vista della stanza\n\nNella piantina la stanza \u00e8 vista dall'alto: con \"Seleziona\" e "
    "un clic si sceglie un oggetto, che si ruota trascinandolo col tasto sinistro e si sposta "
    "col tasto destro. Nella vista 3D si trascina col tasto sinistro per girare intorno alla "
    "stanza e col tasto destro per avvicinarsi, allontanarsi o spostarsi di lato; la "
    "rotellina avvicina e allontana, le frecce girano intorno alla stanza.";
const char* const AIUTO_BARRA_STATO =
    "Barra di stato\n\nA sinistra la descrizione del comando sotto il puntatore, poi il nome "
    "dell'oggetto selezionato e gli indicatori di Bloc Maiusc (MA), Bloc Num (NUM) e Bloc "
    "Scorr (BS).";

CAiutoContesto::CAiutoContesto()
{
    wxEvtHandler::AddFilter(this);
}

CAiutoContesto::~CAiutoContesto()
{
    wxEvtHandler::RemoveFilter(this);
    if (m_pSuggerimento)
        m_pSuggerimento->SetTipWindowPtr(nullptr);
}

int CAiutoContesto::FilterEvent(wxEvent& event)
{
    const wxEventType tipo = event.GetEventType();
    if (m_pSuggerimento && (tipo == wxEVT_CHAR_HOOK || tipo == wxEVT_KEY_DOWN) &&
        static_cast<wxKeyEvent&>(event).GetKeyCode() == WXK_ESCAPE)
    {
        ChiudiSuggerimento();
        return Event_Processed;
    }
    return Event_Skip;
}

CAiutoContesto* CAiutoContesto::Get()
{
    return dynamic_cast<CAiutoContesto*>(wxHelpProvider::Get());
}

bool CAiutoContesto::ShowHelp(wxWindowBase* pFinestra)
{
    const wxString testo = GetHelpTextMaybeAtPoint(pFinestra);
    if (testo.empty())
        return false;
    m_ultimo = testo;
    ChiudiSuggerimento();
    m_pSuggerimento = new wxTipWindow(static_cast<wxWindow*>(pFinestra), testo, 320,
                                      &m_pSuggerimento);
    // The tip takes every key from the toolkit while it is open, and hears
    // none itself: the keys go back to the window, where Escape closes it.
    // It keeps the mouse, so a click anywhere still closes it too.
    using FRilascia = void (*)(void*);
    static const auto fnRilascia =
        reinterpret_cast<FRilascia>(dlsym(RTLD_DEFAULT, "gtk_grab_remove"));
    if (fnRilascia)
        fnRilascia(m_pSuggerimento->GetHandle());
    return true;
}

void CAiutoContesto::ChiudiSuggerimento()
{
    if (!m_pSuggerimento)
        return;
    // Under GTK the open tip holds the mouse: it gives it back before it
    // goes, or the toolkit would later hand the mouse to a window that is gone.
    for (wxWindow* p = wxWindow::GetCapture(); p; p = p->GetParent())
        if (p == m_pSuggerimento)
        {
            wxWindow::GetCapture()->ReleaseMouse();
            break;
        }
    m_pSuggerimento->SetTipWindowPtr(nullptr);
    m_pSuggerimento->Close();
    m_pSuggerimento = nullptr;
}

wxString AiutoPulsante(int nId, const wxString& nome, const wxString& prompt)
{
    for (const CAiutoPulsante& a : s_aAiuti)
        if (a.nId == nId)
            return nome + "\n\n" + wxString::FromUTF8(a.pTesto);
    return nome + "\n\n" + prompt;
}

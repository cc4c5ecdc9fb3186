#include "dialogs/Dialogo.h"

#include "dialogs/Nomi.h"
#include "dialogs/ErroreImmissioneDlg.h"
#include "dialogs/SceltaColoreFloat.h"
#include "model/Oggetto.h"
#include "model/Testi.h"

#include <wx/accel.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stockitem.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <memory>
#include <vector>

std::function<void(const wxString&)> CDialogo::s_fnModelloMancante;

namespace
{
// The toolkit's own button calls, for the one thing the framework does not
// offer; found in the toolkit the framework has already loaded.
template <class F>
F Funzione(const char* pNome)
{
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, pNome));
}
}  // namespace

namespace
{
// A template is never stretched past this, whatever a control reports.
constexpr double MASSIMO_ALLUNGAMENTO = 2.5;

void SegnalaModelloMancante(const char* pNome)
{
    const wxString messaggio = wxString::Format(
        wxString::FromUTF8("Impossibile aprire la finestra di dialogo \xC2\xAB%s\xC2\xBB: il suo "
                           "modello manca dal programma. Reinstallare Lavedo98."),
        pNome);
    if (CDialogo::s_fnModelloMancante)
        CDialogo::s_fnModelloMancante(messaggio);
    else
        wxMessageBox(messaggio, "Lavedo98", wxOK | wxICON_ERROR,
                     wxTheApp ? wxTheApp->GetTopWindow() : nullptr);
}

// The controls whose text must show whole: their best size drives how much
// the template is stretched. Edits count for their height only.
bool MisuraIlTesto(const wxWindow* p)
{
    return dynamic_cast<const wxStaticText*>(p) || dynamic_cast<const wxButton*>(p) ||
           dynamic_cast<const wxCheckBox*>(p) || dynamic_cast<const wxRadioButton*>(p) ||
           dynamic_cast<const wxChoice*>(p);
}

// The mnemonic letter of a label ("&Texture" -> 't'), or 0.
wxChar Mnemonico(const wxString& etichetta)
{
    for (size_t i = 0; i + 1 < etichetta.length(); ++i)
    {
        if (etichetta[i] != '&')
            continue;
        if (etichetta[i + 1] != '&')
            return static_cast<wxChar>(wxTolower(etichetta[i + 1]));
        ++i;
    }
    return 0;
}
}  // namespace

void DaiFuoco(wxWindow* p)
{
    if (!p)
        return;
    p->SetFocus();
    if (auto* pEdit = dynamic_cast<wxTextCtrl*>(p))
        pEdit->SelectAll();
}

namespace
{
// Presses button nId of dlg as a click would, when it exists and is enabled.
bool Premi(wxWindow& dlg, int nId)
{
    auto* pPulsante = dynamic_cast<wxButton*>(dlg.FindWindow(nId));
    if (!pPulsante || !pPulsante->IsEnabled())
        return false;
    wxCommandEvent evento(wxEVT_BUTTON, nId);
    evento.SetEventObject(pPulsante);
    pPulsante->GetEventHandler()->ProcessEvent(evento);
    return true;
}

// True when Enter was the key and it pressed the default button.
bool InvioSulPredefinito(wxDialog& dlg, const wxKeyEvent& event)
{
    const int nTasto = event.GetKeyCode();
    if (nTasto != WXK_RETURN && nTasto != WXK_NUMPAD_ENTER)
        return false;
    // A focused button takes Enter itself.
    if (dynamic_cast<wxButton*>(wxWindow::FindFocus()))
        return false;
    const auto* pPredefinito = dynamic_cast<wxButton*>(dlg.GetDefaultItem());
    Premi(dlg, pPredefinito ? pPredefinito->GetId() : static_cast<int>(wxID_OK));
    return true;
}
}  // namespace

void MostraCampione(wxButton* pPulsante, unsigned char r, unsigned char g, unsigned char b)
{
    if (!pPulsante)
        return;
    // A dark edge, so that a white or a pale colour shows too, and a clear
    // strip on the right between the swatch and the caption.
    const wxSize lato = pPulsante->FromDIP(wxSize(20, 12));
    const int nSpazio = pPulsante->FromDIP(4);
    wxImage campione(lato.x + nSpazio, lato.y);
    campione.InitAlpha();
    for (int x = 0; x < campione.GetWidth(); ++x)
        for (int y = 0; y < lato.y; ++y)
        {
            const bool bBordo = x == 0 || y == 0 || x == lato.x - 1 || y == lato.y - 1;
            if (bBordo)
                campione.SetRGB(x, y, 64, 64, 64);
            else
                campione.SetRGB(x, y, r, g, b);
            campione.SetAlpha(x, y, x < lato.x ? 255 : 0);
        }
    pPulsante->SetBitmap(wxBitmap(campione), wxLEFT);
    AllargaAlCentro(pPulsante);
}

void MostraCampione(wxButton* pPulsante, const float* pColore)
{
    if (pColore)
        MostraCampione(pPulsante, static_cast<unsigned char>(ComponenteInByte(pColore[0])),
                       static_cast<unsigned char>(ComponenteInByte(pColore[1])),
                       static_cast<unsigned char>(ComponenteInByte(pColore[2])));
}

void AllargaAlCentro(wxButton* pPulsante)
{
    pPulsante->InvalidateBestSize();
    const wxRect r = pPulsante->GetRect();
    const int nLarghezza = pPulsante->GetBestSize().x;
    if (nLarghezza > r.width)
        pPulsante->SetSize(r.x - (nLarghezza - r.width + 1) / 2, r.y, nLarghezza, r.height);
}

void InvioPremeIlPredefinito(wxDialog& dlg)
{
    // Caught before the focused control: a drop-down list would open on
    // Enter, a spinner would only take its text.
    dlg.Bind(wxEVT_CHAR_HOOK, [&dlg](wxKeyEvent& event) {
        if (!InvioSulPredefinito(dlg, event))
            event.Skip();
    });
}

bool CDialogo::CaricaModello(const char* pNome, int nLarghezza, int nAltezza)
{
    wxWindow* pPrincipale = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    {
        // The resource system's own English complaint is replaced by ours.
        wxLogNull silenzio;
        m_bModelloCaricato = wxXmlResource::Get()->LoadDialog(this, pPrincipale, pNome);
    }
    if (!m_bModelloCaricato)
    {
        SegnalaModelloMancante(pNome);
        return false;
    }
    MostraTestiPulsanti(*this);
    AdattaAlTesto(nLarghezza, nAltezza);
    CreaScorciatoieRiquadri();
    Bind(wxEVT_CHAR_HOOK, &CDialogo::OnTasto, this);
    Bind(wxEVT_CLOSE_WINDOW, &CDialogo::OnChiudi, this);
    if (pPrincipale)
        CentreOnParent();
    else
        CentreOnScreen();
    return true;
}

void MostraTestiPulsanti(wxWindow& finestra)
{
    // With the framework's Italian texts loaded, "&Annulla" reads as its
    // stock label for Cancel, and the framework hands the button to the
    // toolkit's stock item, which speaks the system's language ("Cancel").
    // The template's own text, with its mnemonic, is what the user reads.
    for (wxWindow* p : finestra.GetChildren())
    {
        auto* pPulsante = dynamic_cast<wxButton*>(p);
        if (!pPulsante || !wxIsStockID(pPulsante->GetId()))
            continue;
        const wxString etichetta = pPulsante->GetLabel();
        wxString testo;
        for (std::size_t i = 0; i < etichetta.length(); ++i)
        {
            if (etichetta[i] == '_')
                testo += "__";
            else if (etichetta[i] == '&' && i + 1 < etichetta.length())
                testo += etichetta[++i] == '&' ? wxString("&") : "_" + wxString(etichetta[i]);
            else
                testo += etichetta[i];
        }
        using FInt = void (*)(void*, int);
        using FTesto = void (*)(void*, const char*);
        static const FInt fnStock = Funzione<FInt>("gtk_button_set_use_stock");
        static const FInt fnSottolineato = Funzione<FInt>("gtk_button_set_use_underline");
        static const FTesto fnTesto = Funzione<FTesto>("gtk_button_set_label");
        if (!fnStock || !fnSottolineato || !fnTesto)
            return;
        void* pGtk = pPulsante->GetHandle();
        fnStock(pGtk, 0);
        fnSottolineato(pGtk, 1);
        fnTesto(pGtk, testo.utf8_str());
        pPulsante->InvalidateBestSize();
    }
}

int CDialogo::ShowModal()
{
    if (!m_bModelloCaricato)
        return wxID_CANCEL;
    return wxDialog::ShowModal();
}

void CDialogo::AdattaAlTesto(int nLarghezza, int nAltezza)
{
    // The template was measured in a smaller font than this platform's: one
    // stretch for the whole dialog keeps every alignment of the template.
    double fX = 1.0;
    double fY = 1.0;
    for (const wxWindow* p : GetChildren())
    {
        const wxSize attuale = p->GetSize();
        const wxSize migliore = p->GetBestSize();
        if (MisuraIlTesto(p) && attuale.x > 0)
            fX = std::max(fX, static_cast<double>(migliore.x) / attuale.x);
        if ((MisuraIlTesto(p) || dynamic_cast<const wxTextCtrl*>(p)) && attuale.y > 0)
            fY = std::max(fY, static_cast<double>(migliore.y) / attuale.y);
        if (const auto* pRiquadro = dynamic_cast<const wxStaticBox*>(p))
        {
            const int nTesto = GetTextExtent(pRiquadro->GetLabelText()).x + 24;
            if (attuale.x > 0)
                fX = std::max(fX, static_cast<double>(nTesto) / attuale.x);
        }
    }
    fX = std::min(fX, MASSIMO_ALLUNGAMENTO);
    fY = std::min(fY, MASSIMO_ALLUNGAMENTO);
    for (wxWindow* p : GetChildren())
    {
        const wxRect r = p->GetRect();
        const int x = static_cast<int>(std::lround(r.x * fX));
        const int y = static_cast<int>(std::lround(r.y * fY));
        const int w = static_cast<int>(std::ceil(r.width * fX));
        const int h = static_cast<int>(std::ceil(r.height * fY));
        p->SetSize(x, y, w, h);
    }
    const wxSize modello = ConvertDialogToPixels(wxSize(nLarghezza, nAltezza));
    SetClientSize(static_cast<int>(std::ceil(modello.x * fX)),
                  static_cast<int>(std::ceil(modello.y * fY)));
}

void CDialogo::CreaScorciatoieRiquadri()
{
    // GTK finds no target for a group box's mnemonic: Alt and its letter
    // focus the first control inside the box instead.
    const wxWindowList& figli = GetChildren();
    std::vector<wxAcceleratorEntry> scorciatoie;
    auto aggiungi = [this, &scorciatoie](wxChar cLettera, wxWindow* pBersaglio) {
        const int nId = wxWindow::NewControlId();
        scorciatoie.emplace_back(wxACCEL_ALT, static_cast<int>(wxToupper(cLettera)), nId);
        Bind(wxEVT_MENU, [pBersaglio](wxCommandEvent&) { DaiFuoco(pBersaglio); }, nId);
    };
    for (auto it = figli.begin(); it != figli.end(); ++it)
    {
        // GTK gives a label's mnemonic to a drop-down list's inner button,
        // where the dialog no longer sees its focus: focus the list itself.
        const auto* pEtichetta = dynamic_cast<const wxStaticText*>(*it);
        if (pEtichetta && std::next(it) != figli.end())
            if (auto* pElenco = dynamic_cast<wxChoice*>(*std::next(it)))
                if (const wxChar cLettera = Mnemonico(pEtichetta->GetLabel()))
                    aggiungi(cLettera, pElenco);
        const auto* pRiquadro = dynamic_cast<const wxStaticBox*>(*it);
        const wxChar cLettera = pRiquadro ? Mnemonico(pRiquadro->GetLabel()) : 0;
        if (!cLettera)
            continue;
        const wxRect area = pRiquadro->GetRect();
        for (auto jt = std::next(it); jt != figli.end(); ++jt)
        {
            wxWindow* pBersaglio = *jt;
            if (!pBersaglio->AcceptsFocus() || dynamic_cast<wxStaticBox*>(pBersaglio) ||
                !area.Contains(pBersaglio->GetRect().GetPosition()))
                continue;
            aggiungi(cLettera, pBersaglio);
            break;
        }
    }
    if (!scorciatoie.empty())
        SetAcceleratorTable(
            wxAcceleratorTable(static_cast<int>(scorciatoie.size()), scorciatoie.data()));
}

void CDialogo::OnTasto(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE)
    {
        Annulla();
        return;
    }
    if (!InvioSulPredefinito(*this, event))
        event.Skip();
}

void CDialogo::OnChiudi(wxCloseEvent&)
{
    Annulla();
}

void CDialogo::Annulla()
{
    // The close box and Escape never fall back on OK, even in a dialog
    // without a cancel button.
    if (!PremiPulsante(wxID_CANCEL))
        Termina(wxID_CANCEL);
}

bool CDialogo::PremiPulsante(int nId)
{
    return Premi(*this, nId);
}

void CDialogo::Termina(int nCodice)
{
    if (IsModal())
        EndModal(nCodice);
    else
        SetReturnCode(nCodice);
}

void CDialogo::SegnalaErroreImmissione(wxWindow* pCampo)
{
    {
        CErroreImmissioneDlg errore;
        errore.ShowModal();
    }
    DaiFuoco(pCampo);
}

void CDialogo::MostraTipoOggetto(wxStaticText* pEtichetta, const COggetto* pOggetto)
{
    if (!pOggetto)
        return;
    if (const char* pTipo = NomeTipo(pOggetto->GetCategoria(), pOggetto->GetTipo()))
        MostraTesto(pEtichetta, NomeInTesto(pTipo));
}

void CDialogo::MostraTesto(wxStaticText* pEtichetta, const wxString& testo)
{
    if (!pEtichetta)
        return;
    pEtichetta->SetLabel(testo);
    // A label that keeps its size also keeps the best size of its old text.
    pEtichetta->InvalidateBestSize();
    const wxRect r = pEtichetta->GetRect();
    const int nLarghezza = pEtichetta->GetBestSize().x;
    if (nLarghezza <= r.width)
        return;
    pEtichetta->SetSize(r.x, r.y, nLarghezza, r.height);
    const int nMargine = ConvertDialogToPixels(wxSize(7, 0)).x;
    const wxSize client = GetClientSize();
    if (r.x + nLarghezza + nMargine > client.x)
    {
        SetClientSize(r.x + nLarghezza + nMargine, client.y);
        if (GetParent())
            CentreOnParent();
    }
}

bool CDialogo::LeggiNumero(const wxTextCtrl* pEdit, float& fValore) const
{
    if (!pEdit)
        return false;
    const wxString testo = pEdit->GetValue();
    // What the user did not touch keeps its value: a size shown cut to
    // three decimals is not stored cut.
    const auto it = m_Mostrati.find(pEdit);
    if (it != m_Mostrati.end() && it->second.testo == testo)
    {
        fValore = it->second.fValore;
        return true;
    }
    return testo.IsAscii() && NumeroDaTesto(testo.ToAscii().data(), fValore);
}

bool CDialogo::LeggiNumeri(const std::vector<std::pair<wxTextCtrl*, float*>>& campi)
{
    for (const auto& [pEdit, pValore] : campi)
        if (!LeggiNumero(pEdit, *pValore))
        {
            SegnalaErroreImmissione(pEdit);
            return false;
        }
    return true;
}

void CDialogo::MostraNumero(wxTextCtrl* pEdit, float fValore)
{
    if (!pEdit)
        return;
    const std::unique_ptr<char[]> pTesto(FloatInStringa(fValore));
    pEdit->ChangeValue(pTesto.get());
    m_Mostrati[pEdit] = {pEdit->GetValue(), fValore};
}

void CDialogo::MostraNome(wxTextCtrl* pEdit, const char* pNome)
{
    if (!pEdit)
        return;
    pEdit->ChangeValue(NomeInTesto(pNome));
    m_Mostrati[pEdit] = {pEdit->GetValue(), 0.0f};
}

bool CDialogo::IsModificato(const wxTextCtrl* pEdit) const
{
    const auto it = m_Mostrati.find(pEdit);
    return !pEdit || it == m_Mostrati.end() || it->second.testo != pEdit->GetValue();
}

void CDialogo::PreparaCampoNome(wxTextCtrl* pEdit)
{
    if (!pEdit)
        return;
    // Cut rather than a length limit: a limited GTK entry refuses a pasted
    // text whole instead of keeping the part that fits.
    pEdit->Bind(wxEVT_TEXT, [pEdit](wxCommandEvent& event) {
        const wxString testo = pEdit->GetValue();
        const wxString conservato = NomeInTesto(TestoInNome(testo).c_str());
        if (conservato != testo)
        {
            const long nPunto = pEdit->GetInsertionPoint();
            pEdit->ChangeValue(conservato);
            pEdit->SetInsertionPoint(std::min<long>(nPunto, conservato.length()));
        }
        event.Skip();
    });
}

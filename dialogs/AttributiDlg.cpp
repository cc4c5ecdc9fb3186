#include "dialogs/AttributiDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/SceltaColore.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "model/Contenitori.h"
#include "model/Ingombro.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
constexpr unsigned char ALFA_COLORE = 170;
constexpr int NUMERO_PARETI = 4;
constexpr int NUMERO_TEXTURE = 38;

// What each kind of furnishing lets the user set, and the sizes a new one
// starts with (metres): a piece of no size could not be seen or picked.
struct CRigaTipo
{
    const char* pColore2;  // caption of the second colour button
    bool bProfondita;
    bool bAltezzaDalPavimento;
    bool bParete;
    bool bY;
    bool bTexture;
    bool bColore2;
    float fAltezza, fProfondita, fLarghezza, fAltezzaDalPavimento;
};

// [family][kind], as the type names.
const CRigaTipo s_aTipi[4][2] = {
    {{"Colore maniglie", true, false, false, true, true, true, 0.9f, 0.45f, 0.8f, 0.0f},
     {"Colore maniglie", true, false, false, true, false, true, 2.2f, 0.6f, 1.0f, 0.0f}},
    {{"Colore cornice", false, false, true, false, true, true, 2.1f, 0.0f, 0.8f, 0.0f},
     {"Colore cornice", false, true, true, false, false, true, 1.2f, 0.0f, 1.2f, 0.9f}},
    {{"Colore gambe", true, false, false, true, false, true, 0.9f, 0.5f, 0.45f, 0.0f},
     {"Colore gambe", true, false, false, true, false, false, 0.9f, 0.85f, 0.85f, 0.0f}},
    {{"Colore gambe", false, false, false, true, true, true, 0.75f, 0.0f, 1.0f, 0.0f},
     {"Colore gambe", true, false, false, true, false, true, 0.75f, 0.8f, 1.2f, 0.0f}},
};

// The corner an opening's x counts from, by wall: the position runs
// clockwise round the room.
const char* const s_aAngoliParete[4] = {"nord-ovest", "nord-est", "sud-est", "sud-ovest"};

// A caption set after the template was fitted may need more room.
void MostraDidascalia(wxButton* pPulsante, const char* pTesto)
{
    pPulsante->SetLabel(pTesto);
    AllargaAlCentro(pPulsante);
}

bool IsTipoValido(int nCategoria, int nTipo)
{
    return NomeTipo(nCategoria, nTipo) != nullptr;
}

// Which point x and y place, for a kind (and an opening's wall, 0 to 3).
wxString TestoPunto(int nCategoria, int nTipo, int nParete)
{
    if (nCategoria == CATEGORIA_PORTE_FINESTRE)
        return wxString::Format("x: dall'angolo %s,\nlungo la parete",
                                s_aAngoliParete[nParete >= 0 && nParete < 4 ? nParete : 0]);
    if (nCategoria == CATEGORIA_TAVOLI && nTipo == 0)
        return "x, y: il centro del tavolo";
    return "x, y: l'angolo nord-ovest\ndel pezzo non ruotato";
}

// The view's selected object when it is a furnishing the document holds;
// a pointer left behind by a deleted object is only compared, never read.
COggetto* OggettoDaModificare()
{
    COggetto* pCercato = g_pView->m_pOggettoSelezionato;
    if (!g_pDoc->m_Oggetti.Posizione(pCercato))
        return nullptr;
    return IsTipoValido(pCercato->GetCategoria(), pCercato->GetTipo()) ? pCercato : nullptr;
}

// The stored colour as it is, alpha included, so that an OK without a new
// colour writes back what the file held; white for a new piece.
void ImpostaColore(unsigned char* pColore, const unsigned char* pOrigine)
{
    for (int i = 0; i < 3; ++i)
        pColore[i] = pOrigine ? pOrigine[i] : 255;
    pColore[3] = pOrigine ? pOrigine[3] : ALFA_COLORE;
}
}  // namespace

CAttributiDlg::CAttributiDlg()
{
    if (!CaricaModello("IDD_ATTRIBUTI", 383, 192))
        return;
    TrovaControlli();
    Bind(wxEVT_BUTTON, &CAttributiDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CAttributiDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CAttributiDlg::OnColore1, this, XRCID("IDC_COLORE1"));
    Bind(wxEVT_BUTTON, &CAttributiDlg::OnColore2, this, XRCID("IDC_COLORE2"));
    Bind(wxEVT_BUTTON, &CAttributiDlg::OnElimina, this, XRCID("IDC_ELIMINA"));
    Bind(wxEVT_CHOICE, &CAttributiDlg::OnSelchangeTipo, this, XRCID("IDC_TIPO"));
    Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { MostraPunto(); }, XRCID("IDC_PARETE"));
    PreparaCampoNome(m_pNome);
    Inizializza();
}

int CAttributiDlg::ShowModal()
{
    return m_bPronto ? CDialogo::ShowModal() : wxID_CANCEL;
}

void CAttributiDlg::TrovaControlli()
{
    m_pNome = Controllo<wxTextCtrl>("IDC_NOME");
    m_pTipo = Controllo<wxChoice>("IDC_TIPO");
    m_pAltezza = Controllo<wxTextCtrl>("IDC_ALTEZZA");
    m_pProfondita = Controllo<wxTextCtrl>("IDC_PROFONDITA");
    m_pLarghezza = Controllo<wxTextCtrl>("IDC_LARGHEZZA");
    m_pColore1 = Controllo<wxButton>("IDC_COLORE1");
    m_pColore2 = Controllo<wxButton>("IDC_COLORE2");
    m_pTexture = Controllo<wxChoice>("IDC_TEXTURE");
    m_pParete = Controllo<wxChoice>("IDC_PARETE");
    m_pAltezzaDalPavimento = Controllo<wxTextCtrl>("IDC_ALTEZZA_PAVIMENTO");
    m_pX = Controllo<wxTextCtrl>("IDC_X");
    m_pY = Controllo<wxTextCtrl>("IDC_Y");
    m_pAngolo = Controllo<wxTextCtrl>("IDC_ANGOLO");
    m_pPunto = Controllo<wxStaticText>("IDC_PUNTO");
    m_pElimina = Controllo<wxButton>("IDC_ELIMINA");
}

void CAttributiDlg::Inizializza()
{
    const wxWindow* aControlli[] = {
        m_pNome,    m_pTipo,    m_pAltezza, m_pProfondita, m_pLarghezza,
        m_pColore1, m_pColore2, m_pTexture, m_pParete,     m_pAltezzaDalPavimento,
        m_pX,       m_pY,       m_pAngolo,  m_pPunto,      m_pElimina};
    for (const wxWindow* p : aControlli)
        if (!p)
            return;  // a template that does not match the code
    if (!g_pView || !g_pDoc)
        return;
    m_bNuovo = g_pView->m_bNuovoOggetto;
    if (m_bNuovo)
    {
        m_nCategoria = g_pView->m_nFamigliaNuovoOggetto;
        if (!IsTipoValido(m_nCategoria, 0))
            return;
    }
    else if (!(m_pOggetto = OggettoDaModificare()))
        return;
    m_bPronto = true;

    if (g_pView->IsOggettoSelezionato())
    {
        if (COggetto* pSelezionato = g_pView->GetOggettoSelezionato())
            pSelezionato->Deseleziona();
        g_pView->SetOggettoSelezionato(false);
    }
    if (m_bNuovo)
    {
        // The new object takes the selection on OK; until then the view
        // names none, so an earlier pointer is never followed.
        g_pView->m_pOggettoSelezionato = nullptr;
        g_pView->SetOggettoSelezionato(true);
        m_pElimina->Disable();
        ImpostaColore(m_Colore1, nullptr);
        ImpostaColore(m_Colore2, nullptr);
        for (wxTextCtrl* pEdit : {m_pX, m_pY, m_pAngolo})
            pEdit->ChangeValue("0.0");
        MostraMisureTipiche(0);
        m_pTexture->SetSelection(0);
        m_pParete->SetSelection(0);
        m_pTipo->Append(NomeInTesto(NomeTipo(m_nCategoria, 0)));
        m_pTipo->Append(NomeInTesto(NomeTipo(m_nCategoria, 1)));
        ApplicaTipo(m_nCategoria, 0);
    }
    else
    {
        MostraOggetto(*m_pOggetto);
    }
    m_pTipo->SetSelection(0);
}

void CAttributiDlg::MostraOggetto(const COggetto& oggetto)
{
    ImpostaColore(m_Colore1, oggetto.GetColore1());
    ImpostaColore(m_Colore2, oggetto.GetColore2());
    MostraNome(m_pNome, oggetto.GetNome());
    MostraNumero(m_pAltezza, oggetto.GetAltezza());
    MostraNumero(m_pProfondita, oggetto.GetProfondita());
    MostraNumero(m_pLarghezza, oggetto.GetLarghezza());
    MostraNumero(m_pAltezzaDalPavimento, oggetto.GetZ());
    MostraNumero(m_pX, oggetto.GetX());
    MostraNumero(m_pY, oggetto.GetY());
    MostraNumero(m_pAngolo, oggetto.GetRotazione());
    // A value outside a list leaves it unselected, and an unselected list
    // writes nothing back.
    const int nTexture = oggetto.GetTexture() + 1;
    if (nTexture >= 0 && nTexture <= NUMERO_TEXTURE)
        m_pTexture->SetSelection(nTexture);
    const int nParete = oggetto.GetParete() - 1;
    if (nParete >= 0 && nParete < NUMERO_PARETI)
        m_pParete->SetSelection(nParete);
    m_nCategoria = oggetto.GetCategoria();
    m_pTipo->Append(NomeInTesto(NomeTipo(m_nCategoria, oggetto.GetTipo())));
    m_pTipo->Disable();
    ApplicaTipo(m_nCategoria, oggetto.GetTipo());
}

void CAttributiDlg::ApplicaTipo(int nCategoria, int nTipo)
{
    if (!IsTipoValido(nCategoria, nTipo))
        return;
    const CRigaTipo& riga = s_aTipi[nCategoria][nTipo];
    MostraDidascalia(m_pColore1, "Colore principale");
    MostraDidascalia(m_pColore2, riga.pColore2);
    m_pProfondita->Enable(riga.bProfondita);
    m_pAltezzaDalPavimento->Enable(riga.bAltezzaDalPavimento);
    m_pParete->Enable(riga.bParete);
    m_pY->Enable(riga.bY);
    m_pTexture->Enable(riga.bTexture);
    m_pColore2->Enable(riga.bColore2);
    // Openings stand in their wall and do not turn.
    m_pAngolo->Enable(nCategoria != CATEGORIA_PORTE_FINESTRE);
    m_nTipoMostrato = nTipo;
    MostraPunto();
    MostraColori();
}

void CAttributiDlg::MostraPunto()
{
    MostraTesto(m_pPunto, TestoPunto(m_nCategoria, m_nTipoMostrato, m_pParete->GetSelection()));
}

void CAttributiDlg::MostraColori()
{
    MostraCampione(m_pColore1, m_Colore1[0], m_Colore1[1], m_Colore1[2]);
    MostraCampione(m_pColore2, m_Colore2[0], m_Colore2[1], m_Colore2[2]);
}

void CAttributiDlg::MostraMisureTipiche(int nTipo)
{
    // A size the user typed stays; one still showing the last kind's
    // typical value takes the new kind's.
    const CRigaTipo& riga = s_aTipi[m_nCategoria][nTipo];
    const std::pair<wxTextCtrl*, float> aMisure[] = {
        {m_pAltezza, riga.fAltezza},
        {m_pProfondita, riga.fProfondita},
        {m_pLarghezza, riga.fLarghezza},
        {m_pAltezzaDalPavimento, riga.fAltezzaDalPavimento},
    };
    for (const auto& [pEdit, fValore] : aMisure)
        if (!IsModificato(pEdit) || pEdit->GetValue().empty())
            MostraNumero(pEdit, fValore);
}

void CAttributiDlg::OnSelchangeTipo(wxCommandEvent&)
{
    // Only a creation offers a choice: an edited object keeps its kind.
    const int nTipo = m_pTipo->GetSelection();
    if (!m_bNuovo || !IsTipoValido(m_nCategoria, nTipo))
        return;
    MostraMisureTipiche(nTipo);
    ApplicaTipo(m_nCategoria, nTipo);
}

void CAttributiDlg::CambiaColore(unsigned char* pColore, const unsigned char* pMemorizzato)
{
    // The chooser opens on the stored colour (white for a new object); a
    // cancel leaves the colour being edited as it was.
    unsigned long nIniziale = 0xFFFFFF;
    if (!m_bNuovo && pMemorizzato)
        nIniziale = pMemorizzato[0] + 256UL * pMemorizzato[1] + 65536UL * pMemorizzato[2];
    unsigned long nScelto = 0;
    if (!ScegliColore(this, nIniziale, nScelto))
        return;
    pColore[0] = static_cast<unsigned char>(nScelto & 0xFF);
    pColore[1] = static_cast<unsigned char>((nScelto >> 8) & 0xFF);
    pColore[2] = static_cast<unsigned char>((nScelto >> 16) & 0xFF);
    pColore[3] = ALFA_COLORE;
    MostraColori();
}

void CAttributiDlg::OnColore1(wxCommandEvent&)
{
    CambiaColore(m_Colore1, m_pOggetto ? m_pOggetto->GetColore1() : nullptr);
}

void CAttributiDlg::OnColore2(wxCommandEvent&)
{
    CambiaColore(m_Colore2, m_pOggetto ? m_pOggetto->GetColore2() : nullptr);
}

bool CAttributiDlg::LeggiValori(CValori& v)
{
    // Every text is checked before anything is stored, in the order the
    // fields show; a disabled edit counts as 0, whatever it shows.
    std::vector<std::pair<wxTextCtrl*, float*>> campi = {
        {m_pAltezza, &v.fAltezza},   {m_pProfondita, &v.fProfondita},
        {m_pLarghezza, &v.fLarghezza}, {m_pAltezzaDalPavimento, &v.fAltezzaDalPavimento},
        {m_pX, &v.fX},               {m_pY, &v.fY},
        {m_pAngolo, &v.fAngolo},
    };
    campi.erase(std::remove_if(campi.begin(), campi.end(),
                               [](const auto& c) { return !c.first->IsEnabled(); }),
                campi.end());
    if (!LeggiNumeri(campi))
        return false;
    // A piece of no size cannot be seen, nor picked again to mend it.
    const struct
    {
        wxTextCtrl* pEdit;
        float fValore;
        const char* pCampo;
        const char* pMisura;
    } aMisure[] = {
        {m_pAltezza, v.fAltezza, "L'altezza massima", "altezza"},
        {m_pProfondita, v.fProfondita, "La profondit\u00e0 massima", "profondit\u00e0"},
        {m_pLarghezza, v.fLarghezza, "La larghezza massima", "larghezza"},
    };
    for (const auto& m : aMisure)
        if (m.pEdit->IsEnabled() && m.fValore == 0.0f)
        {
            wxMessageBox(wxString::Format(TestoMisuraNulla(), wxString::FromUTF8(m.pCampo),
                                          wxString::FromUTF8(m.pMisura)),
                         "Lavedo98", wxOK | wxICON_EXCLAMATION, this);
            DaiFuoco(m.pEdit);
            return false;
        }
    return true;
}

wxString CAttributiDlg::TestoMisuraNulla()
{
    return wxString::FromUTF8("%s non pu\u00f2 essere 0: un oggetto senza %s non si vede e non "
                              "si potrebbe pi\u00f9 selezionare. Scrivere la misura in metri, "
                              "per esempio 0.45.");
}

wxString CAttributiDlg::TestoStanzaPiena()
{
    return wxString::Format(wxString::FromUTF8("La stanza contiene gi\xC3\xA0 %d oggetti, il "
                                               "massimo: per inserirne un altro eliminarne "
                                               "prima uno."),
                            CContenitori::MASSIMO_ELEMENTI);
}

COggetto* CAttributiDlg::CreaNuovo(CValori& v)
{
    if (g_pDoc->m_Oggetti.GetNumero() >= CContenitori::MASSIMO_ELEMENTI)
    {
        wxMessageBox(TestoStanzaPiena(), "Lavedo98", wxOK | wxICON_EXCLAMATION, this);
        return nullptr;
    }
    const int nTipo = m_pTipo->GetSelection();
    COggetto* pOggetto = CreaOggetto(m_nCategoria, nTipo);
    if (!pOggetto)
        return nullptr;
    // A new round table's centre lies at least its radius from the walls
    // x = 0 and y = 0.
    if (m_nCategoria == CATEGORIA_TAVOLI && nTipo == 0)
    {
        const float fRaggio = v.fLarghezza / 2.0f;
        if (fRaggio > v.fX)
            v.fX = fRaggio;
        if (fRaggio > v.fY)
            v.fY = fRaggio;
    }
    return pOggetto;
}

void CAttributiDlg::Applica(COggetto& o, const CValori& v) const
{
    o.SetLarghezza(v.fLarghezza);
    o.SetAltezza(v.fAltezza);
    // A depth the kind has not (a round table's) is 0 on a new piece, as it
    // always was; an edited piece keeps its own, whatever a file gave it.
    if (m_pProfondita->IsEnabled() || m_bNuovo)
        o.SetProfondita(v.fProfondita);
    if (m_pAltezzaDalPavimento->IsEnabled())
        o.SetZ(v.fAltezzaDalPavimento);
    if (m_pY->IsEnabled())
        o.SetY(v.fY);
    o.SetX(v.fX);
    // An angle typed is brought into [0, 360), as turning with the mouse keeps it.
    if (m_pAngolo->IsEnabled())
        o.SetRotazione(IsModificato(m_pAngolo) ? AngoloNormale(v.fAngolo) : v.fAngolo);
    // A name left as shown keeps its bytes, even those the window cannot show.
    if (IsModificato(m_pNome))
        o.SetNome(TestoInNome(m_pNome->GetValue()).c_str());
    if (m_pTexture->IsEnabled() && m_pTexture->GetSelection() != wxNOT_FOUND)
        o.SetTexture(m_pTexture->GetSelection() - 1);
    if (m_pParete->IsEnabled() && m_pParete->GetSelection() != wxNOT_FOUND)
        o.SetParete(m_pParete->GetSelection() + 1);
    o.SetColore1(m_Colore1);
    o.SetColore2(m_Colore2);
}

void CAttributiDlg::OnOK(wxCommandEvent&)
{
    CValori valori;
    if (!LeggiValori(valori))
        return;
    COggetto* pOggetto = m_bNuovo ? CreaNuovo(valori) : m_pOggetto;
    if (!pOggetto)
        return;
    Applica(*pOggetto, valori);
    if (m_bNuovo)
    {
        // Drawn as the selection, as a pasted piece is.
        g_pView->SelezionaOggetto(pOggetto);
        g_pDoc->m_Oggetti.Aggiungi(pOggetto);  // room was checked on creation
    }
    Termina(wxID_OK);
    g_pView->Ridisegna();
    g_pDoc->RegistraPasso(m_bNuovo ? "inserimento" : "modifica");
}

void CAttributiDlg::OnCancel(wxCommandEvent&)
{
    if (g_pView && g_pView->IsOggettoSelezionato())
    {
        if (COggetto* pSelezionato = g_pView->GetOggettoSelezionato())
            pSelezionato->Deseleziona();
        g_pView->SetOggettoSelezionato(false);
        g_pView->Ridisegna();
    }
    Termina(wxID_CANCEL);
}

void CAttributiDlg::OnElimina(wxCommandEvent&)
{
    CConfermaEliminaDlg conferma;
    conferma.ShowModal();
    if (!conferma.m_bConfermato)
        return;
    m_pOggetto = nullptr;  // destroyed by the confirmation
    Termina(wxID_OK);
    g_pView->Ridisegna();
}

#include "dialogs/AttributiDlg.h"

#include "dialogs/Nomi.h"
#include "dialogs/SceltaColore.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

namespace
{
constexpr unsigned char ALFA_COLORE = 170;
constexpr int NUMERO_PARETI = 4;
constexpr int NUMERO_TEXTURE = 38;

// What each kind of furnishing lets the user set.
struct CRigaTipo
{
    const char* pColore2;  // caption of the second colour button
    bool bProfondita;
    bool bAltezzaDalPavimento;
    bool bParete;
    bool bY;
    bool bTexture;
    bool bColore2;
};

// [family][kind], as the type names.
const CRigaTipo s_aTipi[4][2] = {
    {{"Colore maniglie", true, false, false, true, true, true},
     {"Colore maniglie", true, false, false, true, false, true}},
    {{"Colore cornice", false, false, true, false, true, true},
     {"Colore cornice", false, true, true, false, false, true}},
    {{"Colore gambe", true, false, false, true, false, true},
     {"Colore gambe", true, false, false, true, false, false}},
    {{"Colore gambe", false, false, false, true, true, true},
     {"Colore gambe", true, false, false, true, false, true}},
};

// A caption set after the template was fitted may need more room: the
// button widens about its centre (the colour box leaves space either side).
void MostraDidascalia(wxButton* pPulsante, const char* pTesto)
{
    pPulsante->SetLabel(pTesto);
    const wxRect r = pPulsante->GetRect();
    const int nLarghezza = pPulsante->GetBestSize().x;
    if (nLarghezza > r.width)
        pPulsante->SetSize(r.x - (nLarghezza - r.width + 1) / 2, r.y, nLarghezza, r.height);
}

bool IsTipoValido(int nCategoria, int nTipo)
{
    return NomeTipo(nCategoria, nTipo) != nullptr;
}

// The view's selected object when it is a furnishing the document holds;
// a pointer left behind by a deleted object is only compared, never read.
COggetto* OggettoDaModificare()
{
    COggetto* pCercato = g_pView->m_pOggettoSelezionato;
    CContenitori& oggetti = g_pDoc->m_Oggetti;
    for (int p = 1; pCercato && p <= oggetti.GetNumero(); ++p)
    {
        COggetto* pOggetto = nullptr;
        oggetti.GetElemento(static_cast<std::uint8_t>(p), pOggetto);
        if (pOggetto == pCercato)
            return IsTipoValido(pOggetto->GetCategoria(), pOggetto->GetTipo()) ? pOggetto
                                                                               : nullptr;
    }
    return nullptr;
}

void ImpostaColore(unsigned char* pColore, const unsigned char* pOrigine)
{
    for (int i = 0; i < 3; ++i)
        pColore[i] = pOrigine ? pOrigine[i] : 255;
    pColore[3] = ALFA_COLORE;
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
    m_pElimina = Controllo<wxButton>("IDC_ELIMINA");
}

void CAttributiDlg::Inizializza()
{
    const wxWindow* aControlli[] = {
        m_pNome,    m_pTipo,    m_pAltezza, m_pProfondita, m_pLarghezza,
        m_pColore1, m_pColore2, m_pTexture, m_pParete,     m_pAltezzaDalPavimento,
        m_pX,       m_pY,       m_pElimina};
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
        for (wxTextCtrl* pEdit :
             {m_pAltezza, m_pProfondita, m_pLarghezza, m_pAltezzaDalPavimento, m_pX, m_pY})
            pEdit->ChangeValue("0.0");
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
    m_pNome->ChangeValue(NomeInTesto(oggetto.GetNome()));
    MostraNumero(m_pAltezza, oggetto.GetAltezza());
    MostraNumero(m_pProfondita, oggetto.GetProfondita());
    MostraNumero(m_pLarghezza, oggetto.GetLarghezza());
    MostraNumero(m_pAltezzaDalPavimento, oggetto.GetZ());
    MostraNumero(m_pX, oggetto.GetX());
    MostraNumero(m_pY, oggetto.GetY());
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
}

void CAttributiDlg::OnSelchangeTipo(wxCommandEvent&)
{
    // Only a creation offers a choice: an edited object keeps its kind.
    if (m_bNuovo)
        ApplicaTipo(m_nCategoria, m_pTipo->GetSelection());
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
}

void CAttributiDlg::OnColore1(wxCommandEvent&)
{
    CambiaColore(m_Colore1, m_pOggetto ? m_pOggetto->GetColore1() : nullptr);
}

void CAttributiDlg::OnColore2(wxCommandEvent&)
{
    CambiaColore(m_Colore2, m_pOggetto ? m_pOggetto->GetColore2() : nullptr);
}

bool CAttributiDlg::LeggiSeAbilitato(const wxTextCtrl* pEdit, float& fValore)
{
    // A disabled edit counts as 0, whatever it shows.
    fValore = 0.0f;
    return !pEdit->IsEnabled() || LeggiNumero(pEdit, fValore);
}

bool CAttributiDlg::LeggiValori(CValori& v) const
{
    // Every text is checked before anything is stored.
    const bool aLetti[] = {
        LeggiNumero(m_pAltezza, v.fAltezza),
        LeggiNumero(m_pLarghezza, v.fLarghezza),
        LeggiNumero(m_pX, v.fX),
        LeggiSeAbilitato(m_pProfondita, v.fProfondita),
        LeggiSeAbilitato(m_pAltezzaDalPavimento, v.fAltezzaDalPavimento),
        LeggiSeAbilitato(m_pY, v.fY),
    };
    for (bool bLetto : aLetti)
        if (!bLetto)
            return false;
    return true;
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
    o.SetProfondita(v.fProfondita);
    if (m_pAltezzaDalPavimento->IsEnabled())
        o.SetZ(v.fAltezzaDalPavimento);
    if (m_pY->IsEnabled())
        o.SetY(v.fY);
    o.SetX(v.fX);
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
    {
        SegnalaErroreImmissione();
        return;
    }
    COggetto* pOggetto = m_bNuovo ? CreaNuovo(valori) : m_pOggetto;
    if (!pOggetto)
        return;
    Applica(*pOggetto, valori);
    if (m_bNuovo)
    {
        g_pView->m_pOggettoSelezionato = pOggetto;
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

#include "dialogs/ImpostazioniDlg.h"

#include "dialogs/SceltaColoreFloat.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <GL/gl.h>
#include <algorithm>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

namespace
{
// Selects entry n when the list has it; otherwise nothing is selected and
// OK leaves that setting alone.
void Seleziona(wxChoice* pElenco, int n)
{
    if (pElenco && n >= 0 && n < static_cast<int>(pElenco->GetCount()))
        pElenco->SetSelection(n);
}

// "Nearest" for GL_NEAREST, "Linear" for any other value.
int PosizioneFiltro(unsigned int nFiltro)
{
    return nFiltro == GL_NEAREST ? 0 : 1;
}

unsigned int FiltroDaPosizione(int nPosizione)
{
    return nPosizione == 0 ? GL_NEAREST : GL_LINEAR;
}

int Posizione(const wxChoice* pElenco)
{
    return pElenco ? pElenco->GetSelection() : wxNOT_FOUND;
}
}  // namespace

CImpostazioniDlg::CImpostazioniDlg()
{
    CaricaModello("IDD_IMPOSTAZIONI", 195, 294);
    m_pLarghezza = Controllo<wxTextCtrl>("IDC_LARGHEZZA");
    m_pAltezza = Controllo<wxTextCtrl>("IDC_ALTEZZA");
    m_pProfondita = Controllo<wxTextCtrl>("IDC_PROFONDITA");
    m_pTexturePareti = Controllo<wxChoice>("IDC_TEXTURE_PARETI");
    m_pTexturePavimento = Controllo<wxChoice>("IDC_TEXTURE_PAVIMENTO");
    m_pFiltroMin = Controllo<wxChoice>("IDC_FILTRO_MIN");
    m_pFiltroMag = Controllo<wxChoice>("IDC_FILTRO_MAG");
    m_pPareti = Controllo<wxChoice>("IDC_PARETI");
    Bind(wxEVT_BUTTON, &CImpostazioniDlg::OnColorePareti, this, XRCID("IDC_COLORE_PARETI"));
    Bind(wxEVT_BUTTON, &CImpostazioniDlg::OnColorePavimento, this,
         XRCID("IDC_COLORE_PAVIMENTO"));
    Bind(wxEVT_BUTTON, &CImpostazioniDlg::OnColoreSoffitto, this, XRCID("IDC_COLORE_SOFFITTO"));
    Bind(wxEVT_BUTTON, &CImpostazioniDlg::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CImpostazioniDlg::OnCancel, this, wxID_CANCEL);
    Inizializza();
}

void CImpostazioniDlg::Inizializza()
{
    if (!g_pDoc)
        return;
    const CStanza& stanza = g_pDoc->m_Stanza;
    MostraNumero(m_pLarghezza, stanza.GetLarghezza());
    MostraNumero(m_pAltezza, stanza.GetAltezza());
    MostraNumero(m_pProfondita, stanza.GetProfondita());
    Seleziona(m_pTexturePareti, stanza.GetTexturePareti() + 1);
    Seleziona(m_pTexturePavimento, stanza.GetTexturePavimento() + 1);
    Seleziona(m_pFiltroMin, PosizioneFiltro(stanza.GetFiltroMin()));
    Seleziona(m_pFiltroMag, PosizioneFiltro(stanza.GetFiltroMag()));
    Seleziona(m_pPareti, stanza.GetPareti());
    std::copy_n(stanza.GetColoreSoffitto(), 4, m_ColoreSoffitto);
    std::copy_n(stanza.GetColorePavimento(), 4, m_ColorePavimento);
    std::copy_n(stanza.GetColorePareti(), 4, m_ColorePareti);
    MostraColori();
}

void CImpostazioniDlg::MostraColori()
{
    MostraCampione(Controllo<wxButton>("IDC_COLORE_PARETI"), m_ColorePareti);
    MostraCampione(Controllo<wxButton>("IDC_COLORE_PAVIMENTO"), m_ColorePavimento);
    MostraCampione(Controllo<wxButton>("IDC_COLORE_SOFFITTO"), m_ColoreSoffitto);
}

void CImpostazioniDlg::OnColorePareti(wxCommandEvent&)
{
    if (g_pDoc)
        ScegliColoreFloat(this, g_pDoc->m_Stanza.GetColorePareti(), 1.0f, m_ColorePareti);
    MostraColori();
}

void CImpostazioniDlg::OnColorePavimento(wxCommandEvent&)
{
    if (g_pDoc)
        ScegliColoreFloat(this, g_pDoc->m_Stanza.GetColorePavimento(), 1.0f, m_ColorePavimento);
    MostraColori();
}

void CImpostazioniDlg::OnColoreSoffitto(wxCommandEvent&)
{
    if (g_pDoc)
        ScegliColoreFloat(this, g_pDoc->m_Stanza.GetColoreSoffitto(), 1.0f, m_ColoreSoffitto);
    MostraColori();
}

bool CImpostazioniDlg::LeggiDimensioni(float aDimensioni[3])
{
    wxTextCtrl* aEdit[3] = {m_pLarghezza, m_pAltezza, m_pProfondita};
    if (!LeggiNumeri({{aEdit[0], &aDimensioni[0]}, {aEdit[1], &aDimensioni[1]},
                      {aEdit[2], &aDimensioni[2]}}))
        return false;
    // A room of no size cannot be drawn or furnished, nor one whose walls
    // lie beyond any distance the drawing can resolve.
    for (int i = 0; i < 3; ++i)
        if (!(aDimensioni[i] > 0.0f) || aDimensioni[i] > LATO_MASSIMO_STANZA)
        {
            SegnalaErroreImmissione(aEdit[i]);
            return false;
        }
    return true;
}

void CImpostazioniDlg::ApplicaAllaStanza(const float aDimensioni[3])
{
    CStanza& stanza = g_pDoc->m_Stanza;
    stanza.SetColoreSoffitto(m_ColoreSoffitto);
    stanza.SetColorePavimento(m_ColorePavimento);
    stanza.SetColorePareti(m_ColorePareti);
    // A size left as shown is not set again: the room keeps its bytes.
    if (IsModificato(m_pLarghezza))
        stanza.SetLarghezza(aDimensioni[0]);
    if (IsModificato(m_pAltezza))
        stanza.SetAltezza(aDimensioni[1]);
    if (IsModificato(m_pProfondita))
        stanza.SetProfondita(aDimensioni[2]);
    if (Posizione(m_pTexturePareti) != wxNOT_FOUND)
        stanza.SetTexturePareti(Posizione(m_pTexturePareti) - 1);
    if (Posizione(m_pTexturePavimento) != wxNOT_FOUND)
        stanza.SetTexturePavimento(Posizione(m_pTexturePavimento) - 1);
    // The filters go to the GL textures at once: on the view's context.
    if (g_pView)
        g_pView->RendiGLCorrente();
    if (Posizione(m_pFiltroMin) != wxNOT_FOUND)
        stanza.SetFiltroMin(FiltroDaPosizione(Posizione(m_pFiltroMin)));
    if (Posizione(m_pFiltroMag) != wxNOT_FOUND)
        stanza.SetFiltroMag(FiltroDaPosizione(Posizione(m_pFiltroMag)));
    if (Posizione(m_pPareti) != wxNOT_FOUND)
        stanza.SetPareti(Posizione(m_pPareti));
}

void CImpostazioniDlg::OnOK(wxCommandEvent&)
{
    float aDimensioni[3] = {};
    if (!LeggiDimensioni(aDimensioni))
        return;
    if (g_pDoc)
    {
        ApplicaAllaStanza(aDimensioni);
        // The camera turns about the new room's centre; the plan fits it.
        if (g_pView)
        {
            g_pView->CentraEAdatta(g_pDoc->m_Stanza);
            g_pView->Ridisegna();
        }
    }
    Termina(wxID_OK);
    if (g_pDoc)
        g_pDoc->RegistraPasso("impostazioni");
}

void CImpostazioniDlg::OnCancel(wxCommandEvent&)
{
    Termina(wxID_CANCEL);
}

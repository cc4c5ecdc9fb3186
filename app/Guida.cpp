#include "app/Guida.h"

#include "app/Cartelle.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/msgdlg.h>
#include <wx/splitter.h>
#include <wx/treectrl.h>

#include <algorithm>

namespace
{
// The right end of the widest title under voce, voce's own included, in
// the tree's client pixels; xTesto is where voce's text starts when the
// tree does not show it (a closed book).
int FineTitoli(wxTreeCtrl& albero, const wxTreeItemId& voce, int xTesto)
{
    wxRect r;
    if (albero.GetBoundingRect(voce, r, true))
        xTesto = r.x;
    int nFine = xTesto + albero.GetTextExtent(albero.GetItemText(voce)).x;
    const int xFigli = xTesto + static_cast<int>(albero.GetIndent());
    wxTreeItemIdValue cookie;
    for (wxTreeItemId figlio = albero.GetFirstChild(voce, cookie); figlio.IsOk();
         figlio = albero.GetNextChild(voce, cookie))
        nFine = std::max(nFine, FineTitoli(albero, figlio, xFigli));
    return nFine;
}
}  // namespace

CGuida::CGuida(wxWindow* pGenitore, const wxString& file)
    : m_pGenitore(pGenitore),
      m_file(file),
      m_pController(std::make_unique<wxHtmlHelpController>(
          wxHF_DEFAULT_STYLE | wxHF_FRAME | wxHF_MERGE_BOOKS, pGenitore))
{
    // %s is the title of the page shown.
    m_pController->SetTitleFormat("%s - Guida di Lavedo98");
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        m_pController->UseConfig(pConfig, "/Guida");
}

CGuida::~CGuida() = default;

bool CGuida::Carica()
{
    if (m_bCaricata)
        return true;
    if (!m_file.empty() && wxFileName::FileExists(m_file))
        m_bCaricata = m_pController->AddBook(wxFileName(m_file));
    if (!m_bCaricata)
    {
        wxMessageBox(
            wxString::Format(wxString::FromUTF8(
                                 "Impossibile aprire la Guida: il file \"%s\" manca o non "
                                 "\u00e8 leggibile. Reinstallare Lavedo98 per riaverla."),
                             m_file.empty() ? wxString(NOME_FILE_GUIDA) : m_file),
            "Lavedo98", wxOK | wxICON_ERROR, m_pGenitore);
    }
    return m_bCaricata;
}

bool CGuida::MostraArgomenti()
{
    return Carica() && Dimensiona(m_pController->DisplayContents());
}

bool CGuida::MostraIndice()
{
    return Carica() && Dimensiona(m_pController->DisplayIndex());
}

bool CGuida::Dimensiona(bool bMostrata)
{
    // The browser's own first size is too small for the pages' pictures;
    // later it keeps the size the user gave it.
    wxFrame* pFinestra = m_pController->GetFrame();
    if (!bMostrata || !pFinestra || m_bDimensionata)
        return bMostrata;
    m_bDimensionata = true;
    const wxConfigBase* pConfig = wxConfigBase::Get();
    if (!pConfig || !pConfig->HasEntry("/Guida/hcW"))
    {
        pFinestra->SetSize(pFinestra->FromDIP(wxSize(960, 720)));
        pFinestra->CentreOnParent();
    }
    AllargaSommario();
    return true;
}

void CGuida::AllargaSommario()
{
    // The contents are as wide as their longest title, within half the window.
    wxHtmlHelpWindow* pAiuto = m_pController->GetHelpWindow();
    wxTreeCtrl* pAlbero = pAiuto ? pAiuto->GetTreeCtrl() : nullptr;
    wxSplitterWindow* pDivisore = pAiuto ? pAiuto->GetSplitterWindow() : nullptr;
    if (!pAlbero || !pDivisore || !pDivisore->IsSplit() || !pAlbero->GetRootItem().IsOk())
        return;
    pAiuto->Layout();
    const int nMargine = pAlbero->FromDIP(12);
    const int nManca = FineTitoli(*pAlbero, pAlbero->GetRootItem(), 0) + nMargine -
                       pAlbero->GetClientSize().x;
    if (nManca > 0)
        pDivisore->SetSashPosition(
            std::min(pDivisore->GetSashPosition() + nManca, pDivisore->GetClientSize().x / 2));
}

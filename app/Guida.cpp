#include "app/Guida.h"

#include "app/Cartelle.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/html/helpctrl.h>
#include <wx/msgdlg.h>

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
    return true;
}

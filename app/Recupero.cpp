#include "app/Recupero.h"

#include "app/LavedoDoc.h"
#include "dialogs/RipristinoDlg.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/datetime.h>
#include <wx/filename.h>
#include <wx/frame.h>

namespace
{
CRecupero* s_pAttivo = nullptr;
std::unique_ptr<CRecupero> s_pProgramma;

std::string PercorsoDi(const CLavedoDoc& doc)
{
    return std::string(doc.GetFilename().fn_str());
}

wxString Voce(const CCopiaAbbandonata& copia)
{
    const wxString nome =
        copia.percorsoDocumento.empty()
            ? wxString("Nuova stanza")
            : wxFileName(wxString(copia.percorsoDocumento.c_str(), *wxConvFileName)).GetFullName();
    const wxDateTime ora(static_cast<time_t>(copia.nOra));
    return nome + ", " + ora.Format("%d/%m/%Y %H:%M:%S");
}
}  // namespace

CRecupero::CRecupero(CLavedoDoc& doc, int nSecondi, const std::string& cartella)
    : m_pDoc(&doc),
      m_sCartella(cartella),
      m_timer(this),
      m_pCopia(std::make_unique<CCopiaRecupero>(cartella))
{
    s_pAttivo = this;
    m_pCopia->m_fnEsito = [](const CEsitoFile& esito)
    {
        if (wxTheApp)
            wxTheApp->CallAfter([esito] {
                if (s_pAttivo)
                    s_pAttivo->Esito(esito);
            });
    };
    Bind(wxEVT_TIMER, &CRecupero::OnTimer, this);
    if (nSecondi > 0)
        m_timer.Start(nSecondi * 1000);
}

CRecupero::~CRecupero()
{
    m_timer.Stop();
    if (s_pAttivo == this)
        s_pAttivo = nullptr;
}

CRecupero* CRecupero::Get()
{
    return s_pAttivo;
}

void CRecupero::Avvia(CLavedoDoc& doc)
{
    s_pProgramma = std::make_unique<CRecupero>(doc, SecondiDaImpostazioni(),
                                              CCopiaRecupero::CartellaPredefinita());
}

void CRecupero::Termina()
{
    s_pProgramma.reset();
}

int CRecupero::SecondiDaImpostazioni()
{
    long nSecondi = 60;
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        pConfig->Read("/Recupero/Secondi", &nSecondi, 60);
    return nSecondi < 0 ? 0 : static_cast<int>(std::min(nSecondi, 24L * 3600));
}

void CRecupero::Dimentica()
{
    m_pCopia->Rimuovi();
    m_ultima.clear();
}

void CRecupero::FineModifiche(bool bDocumentoChiuso)
{
    Dimentica();
    if (!bDocumentoChiuso)
        return;
    m_timer.Stop();
    m_pDoc = nullptr;
}

void CRecupero::ScriviCopia()
{
    if (!m_pDoc || !m_pDoc->m_bModificato)
        return;
    std::vector<std::uint8_t> dati = m_pDoc->Scrivi();
    if (dati == m_ultima)
        return;
    m_ultima = dati;
    m_pCopia->Scrivi(std::move(dati), PercorsoDi(*m_pDoc), m_pDoc->GetIdentitaFile());
}

void CRecupero::Attendi()
{
    m_pCopia->Attendi();
}

void CRecupero::OnTimer(wxTimerEvent&)
{
    ScriviCopia();
}

void CRecupero::Esito(const CEsitoFile& esito)
{
    if (esito.bRiuscito)
    {
        m_bErroreSegnalato = false;
        return;
    }
    // Written again at the next change; said once, in the status bar.
    m_ultima.clear();
    if (m_bErroreSegnalato)
        return;
    m_bErroreSegnalato = true;
    if (auto* pCornice = dynamic_cast<wxFrame*>(wxTheApp ? wxTheApp->GetTopWindow() : nullptr))
        if (pCornice->GetStatusBar())
            pCornice->SetStatusText(
                wxString::FromUTF8("Impossibile scrivere la copia di recupero (") +
                    wxString::FromUTF8(DescriviErrno(esito.nErrno).c_str()) +
                    wxString::FromUTF8("): le modifiche sono al sicuro solo salvando."),
                pCornice->GetStatusBarPane());
}

void CRecupero::OffriCopie()
{
    const std::vector<CCopiaAbbandonata> copie = CCopiaRecupero::Abbandonate(m_sCartella);
    if (copie.empty() || !m_pDoc)
        return;
    std::vector<wxString> voci;
    for (const CCopiaAbbandonata& copia : copie)
        voci.push_back(Voce(copia));
    CRipristinoDlg dlg(voci);
    dlg.m_fnElimina = [&copie](int n) {
        return CCopiaRecupero::Elimina(copie[static_cast<std::size_t>(n)]);
    };
    if (dlg.ShowModal() != wxID_OK || dlg.m_nScelta < 0 || !m_pDoc->ConfermaPerdita())
        return;
    const CCopiaAbbandonata& copia = copie[static_cast<std::size_t>(dlg.m_nScelta)];
    const wxString originale(copia.percorsoDocumento.c_str(), *wxConvFileName);
    if (!m_pDoc->Ripristina(wxString(copia.FileStanza().c_str(), *wxConvFileName), originale,
                            copia.identita))
        return;
    // The room is safe in a copy of ours before the old one goes.
    m_ultima = m_pDoc->Scrivi();
    const CEsitoFile esito = m_pCopia->ScriviOra(m_ultima, copia.percorsoDocumento, copia.identita);
    if (esito.bRiuscito)
        CCopiaRecupero::Elimina(copia);
    else
        Esito(esito);
}

#include "app/SceltaFile.h"

#include "app/Cartelle.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

namespace scelta_file
{
std::function<wxString()> g_fnAprire;
std::function<wxString(const wxString&)> g_fnSalvare;
std::function<void(const wxString&)> g_fnErrore;
std::function<wxString(const wxString&, const wxString&, const wxString&)> g_fnEsportare;
}  // namespace scelta_file

const char* const FILTRO_FILE = "Stanze di Lavedo98 (*.lav)|*.lav|Tutti i file (*)|*";

namespace
{
const char* const CHIAVE_CARTELLA = "/Impostazioni/UltimaCartella";

void RicordaCartella(const wxString& percorso)
{
    wxConfigBase* pConfig = wxConfigBase::Get();
    if (!pConfig || percorso.empty())
        return;
    pConfig->Write(CHIAVE_CARTELLA, wxFileName(percorso).GetPath());
    pConfig->Flush();
}
}  // namespace

namespace
{
// A folder's absolute path, ending in the separator.
wxString Percorso(const wxString& cartella)
{
    wxFileName f = wxFileName::DirName(cartella);
    f.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return f.GetPath(wxPATH_GET_SEPARATOR);
}

// Whether cartella is the program's data folder or lies inside it.
bool IsCartellaDelProgramma(const wxString& cartella)
{
    for (const wxString& dati : {CartellaDati(), CartellaEsempi()})
        if (!dati.empty() && Percorso(cartella).StartsWith(Percorso(dati)))
            return true;
    return false;
}
}  // namespace

wxString CartellaSalvataggio()
{
    wxString cartella;
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        pConfig->Read(CHIAVE_CARTELLA, &cartella);
    if (!cartella.empty() && wxFileName::DirExists(cartella) && !IsCartellaDelProgramma(cartella))
        return cartella;
    const wxString documenti = wxStandardPaths::Get().GetDocumentsDir();
    return wxFileName::DirExists(documenti) ? documenti : wxFileName::GetHomeDir();
}

wxString CartellaIniziale()
{
    wxString cartella;
    if (wxConfigBase* pConfig = wxConfigBase::Get())
        pConfig->Read(CHIAVE_CARTELLA, &cartella);
    if (!cartella.empty() && wxFileName::DirExists(cartella))
        return cartella;
    return CartellaEsempi();
}

wxString ScegliFileDaAprire()
{
    wxString percorso;
    if (scelta_file::g_fnAprire)
        percorso = scelta_file::g_fnAprire();
    else
    {
        wxFileDialog dlg(wxTheApp->GetTopWindow(), "Apri", CartellaIniziale(), wxEmptyString,
                         FILTRO_FILE, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
        if (dlg.ShowModal() == wxID_OK)
            percorso = dlg.GetPath();
    }
    RicordaCartella(percorso);
    return percorso;
}

wxString ScegliFileDaSalvare(const wxString& nomeProposto)
{
    wxString percorso;
    if (scelta_file::g_fnSalvare)
        percorso = scelta_file::g_fnSalvare(nomeProposto);
    else
    {
        // A room already saved is proposed where it is; a new one in the
        // folder last used. The name is kept exactly as typed: rooms carry
        // no extension of their own.
        const wxFileName proposto(nomeProposto);
        const wxString cartella =
            proposto.IsAbsolute() ? proposto.GetPath() : CartellaSalvataggio();
        wxFileDialog dlg(wxTheApp->GetTopWindow(), "Salva con nome", cartella,
                         proposto.GetFullName(), FILTRO_FILE,
                         wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
        if (dlg.ShowModal() == wxID_OK)
            percorso = dlg.GetPath();
    }
    RicordaCartella(percorso);
    return percorso;
}

wxString ScegliFileDaEsportare(const wxString& titolo, const wxString& filtro,
                               const wxString& nomeProposto)
{
    if (scelta_file::g_fnEsportare)
        return scelta_file::g_fnEsportare(titolo, filtro, nomeProposto);
    wxFileDialog dlg(wxTheApp->GetTopWindow(), titolo, CartellaSalvataggio(), nomeProposto, filtro,
                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK)
        return wxEmptyString;
    wxFileName percorso(dlg.GetPath());
    if (!percorso.HasExt())
    {
        // "Immagini PNG (*.png)|*.png": the pattern of the chosen filter.
        const wxArrayString parti = wxSplit(filtro, '|');
        const size_t n = 2 * static_cast<size_t>(std::max(0, dlg.GetFilterIndex())) + 1;
        if (n < parti.size())
            percorso.SetExt(parti[n].AfterLast('.'));
    }
    return percorso.GetFullPath();
}

void MostraErroreFile(const wxString& messaggio)
{
    if (scelta_file::g_fnErrore)
    {
        scelta_file::g_fnErrore(messaggio);
        return;
    }
    wxMessageBox(messaggio, "Lavedo98", wxOK | wxICON_ERROR, wxTheApp->GetTopWindow());
}

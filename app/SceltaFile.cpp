#include "app/SceltaFile.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace scelta_file
{
std::function<wxString()> g_fnAprire;
std::function<wxString(const wxString&)> g_fnSalvare;
std::function<void(const wxString&)> g_fnErrore;
}  // namespace scelta_file

namespace
{
// Files carry no extension of their own: every file is offered.
const char* const FILTRO = "Tutti i file (*)|*";
}

wxString ScegliFileDaAprire()
{
    if (scelta_file::g_fnAprire)
        return scelta_file::g_fnAprire();
    wxFileDialog dlg(wxTheApp->GetTopWindow(), "Apri", wxEmptyString, wxEmptyString, FILTRO,
                     wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    return dlg.ShowModal() == wxID_OK ? dlg.GetPath() : wxString();
}

wxString ScegliFileDaSalvare(const wxString& nomeProposto)
{
    if (scelta_file::g_fnSalvare)
        return scelta_file::g_fnSalvare(nomeProposto);
    wxFileDialog dlg(wxTheApp->GetTopWindow(), "Salva con nome", wxEmptyString, nomeProposto,
                     FILTRO, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    return dlg.ShowModal() == wxID_OK ? dlg.GetPath() : wxString();
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

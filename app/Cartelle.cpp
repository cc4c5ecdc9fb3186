#include "app/Cartelle.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

const char* const NOME_FILE_GUIDA = "lavedo98.htb";

namespace
{
wxFileName Eseguibile()
{
    return wxFileName(wxStandardPaths::Get().GetExecutablePath());
}
}  // namespace

wxString CartellaDati()
{
    wxFileName cartella = wxFileName::DirName(Eseguibile().GetPath());
    cartella.AppendDir("..");
    cartella.AppendDir("share");
    cartella.AppendDir("lavedo98");
    cartella.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return cartella.DirExists() ? cartella.GetPath() : wxString();
}

wxString CartellaEsempi()
{
    const wxString dati = CartellaDati();
    if (!dati.empty() && wxFileName::DirExists(dati + "/esempi"))
        return dati + "/esempi";
    const wxFileName locale = wxFileName::DirName(wxFileName::GetCwd() + "/esempi");
    return locale.DirExists() ? locale.GetPath() : wxString();
}

wxString FileGuida()
{
    for (const wxString& cartella : {CartellaDati(), Eseguibile().GetPath()})
        if (!cartella.empty() && wxFileName::FileExists(cartella + "/" + NOME_FILE_GUIDA))
            return cartella + "/" + NOME_FILE_GUIDA;
    return wxString();
}

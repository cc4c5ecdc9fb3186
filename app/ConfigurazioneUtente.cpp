#include "app/ConfigurazioneUtente.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/translation.h>
#include <wx/wfstream.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace
{
// wxFileConfig writes a temporary file beside its own, then renames it:
// both the folder and an existing file must take writes.
bool Scrivibile(const wxFileName& file)
{
    const wxString cartella = file.GetPath();
    if (!wxFileName::DirExists(cartella) ||
        access(cartella.fn_str(), W_OK | X_OK) != 0)
        return false;
    return !file.FileExists() || access(file.GetFullPath().fn_str(), W_OK) == 0;
}
}  // namespace

wxConfigBase* CreaConfigurazione(const wxString& applicazione, const wxString& fornitore,
                                 wxString& messaggio)
{
    const wxFileName file = wxFileConfig::GetLocalFile(applicazione);
    if (Scrivibile(file))
        return new wxFileConfig(applicazione, fornitore);
    // What matters first: the pane may show only the start of it.
    messaggio = wxString::FromUTF8("Le impostazioni non verranno conservate: impossibile "
                                   "scrivere \xC2\xAB") +
                file.GetFullPath() + wxString::FromUTF8("\xC2\xBB.");
    wxLogNull silenzio;
    if (file.FileExists())
    {
        wxFileInputStream ingresso(file.GetFullPath());
        if (ingresso.IsOk())
            return new wxFileConfig(ingresso);
    }
    // No file at all: in memory only.
    return new wxFileConfig(wxEmptyString, wxEmptyString, wxEmptyString, wxEmptyString, 0);
}

void CaricaTraduzioni()
{
    // The toolkit's own texts (file and colour choosers, stock buttons)
    // follow the language list, which the C library ignores while messages
    // are in the "C" locale: they take an Italian locale, or the built-in
    // C.UTF-8 where none is installed. Only messages: numbers keep being
    // read and written with the point.
    setenv("LANGUAGE", "it", 1);
    const char* pMessaggi = std::setlocale(LC_MESSAGES, nullptr);
    if (!pMessaggi || std::strcmp(pMessaggi, "C") == 0 || std::strcmp(pMessaggi, "POSIX") == 0)
        for (const char* pLocale : {"it_IT.UTF-8", "it_IT.utf8", "C.UTF-8", "C.utf8"})
            if (std::setlocale(LC_MESSAGES, pLocale))
                break;
    auto* pTraduzioni = new wxTranslations;
    pTraduzioni->SetLanguage(wxLANGUAGE_ITALIAN);
    {
        wxLogNull silenzio;
        pTraduzioni->AddStdCatalog();
    }
    wxTranslations::Set(pTraduzioni);
}

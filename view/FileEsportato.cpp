#include "view/FileEsportato.h"

#include "model/SalvataggioSicuro.h"

#include <string>

namespace esportazione
{
bool ScriviFile(const wxString& percorso, const std::vector<std::uint8_t>& dati, wxString& errore)
{
    const CEsitoFile esito =
        SalvaFileSicuro(std::string(percorso.fn_str()), dati.data(), dati.size());
    if (!esito.bRiuscito)
        errore = wxString::FromUTF8(esito.messaggio.c_str());
    return esito.bRiuscito;
}

wxString ErroreScrittura(const wxString& percorso, const wxString& motivo)
{
    return wxString::Format("Impossibile scrivere \"%s\": %s.", percorso, motivo);
}
}  // namespace esportazione

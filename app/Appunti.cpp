#include "app/Appunti.h"

#include "dialogs/Nomi.h"
#include "model/Oggetto.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

const char* const FORMATO_APPUNTI = "application/x-lavedo98-oggetto";

wxString DescriviOggetto(const COggetto& o)
{
    const char* pTipo = NomeTipo(o.GetCategoria(), o.GetTipo());
    wxString testo = wxString::Format("%s \"%s\": larghezza %.3f m, altezza %.3f m",
                                      pTipo ? pTipo : "Oggetto", NomeInTesto(o.GetNome()),
                                      o.GetLarghezza(), o.GetAltezza());
    if (o.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
        testo += wxString::Format(", sulla parete %d a %.3f m dal suo inizio, %.3f m dal "
                                  "pavimento",
                                  o.GetParete(), o.GetX(), o.GetZ());
    else
        testo += wxString::Format(wxString::FromUTF8(", profondit\xC3\xA0 %.3f m; posizione x "
                                                     "%.3f m, y %.3f m, ruotato di %.1f gradi"),
                                  o.GetProfondita(), o.GetX(), o.GetY(), o.GetRotazione());
    return testo;
}

bool MettiNegliAppunti(const std::vector<std::uint8_t>& dati, const wxString& testo)
{
    wxClipboardLocker blocco;
    if (!blocco)
        return false;
    auto* pDati = new wxCustomDataObject(wxDataFormat(FORMATO_APPUNTI));
    pDati->SetData(dati.size(), dati.data());
    auto* pInsieme = new wxDataObjectComposite;
    pInsieme->Add(pDati, true);
    pInsieme->Add(new wxTextDataObject(testo));
    return wxTheClipboard->SetData(pInsieme);
}

bool LeggiDagliAppunti(std::vector<std::uint8_t>& dati)
{
    wxClipboardLocker blocco;
    const wxDataFormat formato(FORMATO_APPUNTI);
    if (!blocco || !wxTheClipboard->IsSupported(formato))
        return false;
    wxCustomDataObject letti(formato);
    if (!wxTheClipboard->GetData(letti))
        return false;
    const auto* p = static_cast<const std::uint8_t*>(letti.GetData());
    dati.assign(p, p + letti.GetSize());
    return true;
}

bool IsOggettoNegliAppunti()
{
    return wxTheClipboard->IsSupported(wxDataFormat(FORMATO_APPUNTI));
}

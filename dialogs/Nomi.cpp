#include "dialogs/Nomi.h"

#include <wx/strconv.h>

namespace
{
wxCSConv& Conversione()
{
    static wxCSConv s_Conv(wxFONTENCODING_CP1252);
    return s_Conv;
}

constexpr std::size_t MASSIMO_BYTE_NOME = 49;
}  // namespace

wxString NomeInTesto(const char* pNome)
{
    if (!pNome || !*pNome)
        return wxString();
    wxString testo(pNome, Conversione());
    if (!testo.empty())
        return testo;
    // The whole-string conversion fails on one undefined byte: go byte by
    // byte so the rest of the name still shows.
    for (const char* p = pNome; *p; ++p)
    {
        const char a[2] = {*p, '\0'};
        const wxString c(a, Conversione());
        testo += c.empty() ? wxString(wxUniChar(0xFFFD)) : c;
    }
    return testo;
}

std::string TestoInNome(const wxString& testo)
{
    std::string nome;
    for (wxUniChar c : testo)
    {
        if (nome.size() >= MASSIMO_BYTE_NOME || c == 0)
            break;
        const wxString uno(c);
        const wxCharBuffer b = uno.mb_str(Conversione());
        nome += (b.length() == 1) ? b.data()[0] : '?';
    }
    return nome;
}

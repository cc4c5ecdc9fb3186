#include "model/Oggetto.h"

#include "model/Archivio.h"

#include <cstring>

namespace
{
const char* const s_aNomiTipo[4][2] = {
    {"Mobiletto", "Armadio"},
    {"Porta", "Finestra"},
    {"Sedia", "Poltrona"},
    {"Tavolo Tondo", "Tavolo Rettangolare"},
};
}

const char* NomeTipo(int nCategoria, int nTipo)
{
    if (nCategoria < 0 || nCategoria > 3 || nTipo < 0 || nTipo > 1)
        return nullptr;
    return s_aNomiTipo[nCategoria][nTipo];
}

COggetto::COggetto() : m_pNome(new char[LUNGHEZZA_NOME]())
{
}

COggetto::~COggetto()
{
    delete[] m_pNome;
}

void COggetto::SetNome(const char* pNome)
{
    char* pNuovo = new char[LUNGHEZZA_NOME]();
    if (pNome)
        std::strncpy(pNuovo, pNome, LUNGHEZZA_NOME - 1);
    delete[] m_pNome;
    m_pNome = pNuovo;
}

void COggetto::SerializeNome(CArchivio& ar)
{
    if (ar.IsStoring())
    {
        ar.ScriviBytes(m_pNome, LUNGHEZZA_NOME);
        return;
    }
    // The whole buffer is kept, so a file saves back byte for byte; a field
    // without a terminator keeps its first 49 bytes.
    ar.LeggiBytes(m_pNome, LUNGHEZZA_NOME);
    if (std::memchr(m_pNome, '\0', LUNGHEZZA_NOME) == nullptr)
        m_pNome[LUNGHEZZA_NOME - 1] = '\0';
}

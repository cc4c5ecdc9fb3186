#include "model/Oggetto.h"

#include "model/Archivio.h"
#include "model/ContestoDisegno.h"
#include "model/Scena.h"

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

void COggetto::Firma(const CContestoDisegno& contesto, float* a) const
{
    // Everything a kind's geometry may read. Compared bit for bit, so a
    // value that is not a number still matches itself.
    const unsigned char* c1 = GetColore1();
    const unsigned char* c2 = GetColore2();
    const CStanza* pStanza = g_pDoc ? &g_pDoc->m_Stanza : nullptr;
    const float aValori[VALORI_FIRMA] = {
        static_cast<float>(m_nCategoria), static_cast<float>(m_nTipo), m_fX, GetY(), GetZ(),
        GetAltezza(), GetLarghezza(), GetProfondita(), GetRotazione(),
        static_cast<float>(GetTexture()), static_cast<float>(GetParete()),
        c1 ? static_cast<float>(c1[0] | c1[1] << 8 | c1[2] << 16) : -1.0f,
        c1 ? static_cast<float>(c1[3]) : -1.0f,
        c2 ? static_cast<float>(c2[0] | c2[1] << 8 | c2[2] << 16) : -1.0f,
        c2 ? static_cast<float>(c2[3]) : -1.0f, contesto.bTextures ? 1.0f : 0.0f,
        contesto.bWireframe ? 1.0f : 0.0f, pStanza ? pStanza->GetLarghezza() : 0.0f,
        pStanza ? pStanza->GetProfondita() : 0.0f, 1.0f};
    std::memcpy(a, aValori, sizeof aValori);
}

const CMaglia& COggetto::Maglia(const CContestoDisegno& contesto) const
{
    float aFirma[VALORI_FIRMA];
    Firma(contesto, aFirma);
    // The last value is 1 once built: a fresh piece never matches.
    if (std::memcmp(aFirma, m_aFirma, sizeof aFirma) != 0)
    {
        CRegistratore r(m_Maglia);
        CostruisciMaglia(r, contesto);
        std::memcpy(m_aFirma, aFirma, sizeof aFirma);
        ++m_nVersioneMaglia;
    }
    return m_Maglia;
}

void COggetto::Disegna(const CContestoDisegno& contesto) const
{
    if (IsVisibile3D(contesto))
        DisegnaMaglia(Maglia(contesto), contesto);
}

#include "model/Archivio.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

CArchivio::CArchivio() : m_bStoring(true)
{
    m_aBuffer.reserve(32 * 1024);
}

CArchivio::CArchivio(const std::uint8_t* data, std::size_t size)
    : m_bStoring(false), m_pDati(data), m_nDimensione(data ? size : 0)
{
}

void CArchivio::ScriviByte(std::uint8_t v)
{
    m_aBuffer.push_back(v);
}

void CArchivio::ScriviBytes(const void* p, std::size_t n)
{
    const auto* b = static_cast<const std::uint8_t*>(p);
    m_aBuffer.insert(m_aBuffer.end(), b, b + n);
}

void CArchivio::ScriviUInt32(std::uint32_t v)
{
    const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                               std::uint8_t(v >> 24)};
    ScriviBytes(b, 4);
}

void CArchivio::ScriviInt32(std::int32_t v)
{
    ScriviUInt32(static_cast<std::uint32_t>(v));
}

void CArchivio::ScriviFloat(float v)
{
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    ScriviUInt32(u);
}

bool CArchivio::Disponibili(std::size_t n)
{
    if (m_bFineInattesa || n > m_nDimensione - m_nPosizione)
    {
        m_bFineInattesa = true;
        return false;
    }
    return true;
}

std::uint8_t CArchivio::LeggiByte()
{
    if (!Disponibili(1))
        return 0;
    return m_pDati[m_nPosizione++];
}

void CArchivio::LeggiBytes(void* p, std::size_t n)
{
    if (!Disponibili(n))
    {
        std::memset(p, 0, n);
        return;
    }
    std::memcpy(p, m_pDati + m_nPosizione, n);
    m_nPosizione += n;
}

std::uint32_t CArchivio::LeggiUInt32()
{
    std::uint8_t b[4];
    LeggiBytes(b, 4);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::int32_t CArchivio::LeggiInt32()
{
    return static_cast<std::int32_t>(LeggiUInt32());
}

float CArchivio::LeggiFloat()
{
    const std::uint32_t u = LeggiUInt32();
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

void CArchivio::SegnalaDanno(const std::string& descrizione)
{
    if (m_danno.empty())
        m_danno = descrizione.empty() ? std::string("dati non validi") : descrizione;
}

std::string FormattaTesto(const char* pFormato, ...)
{
    va_list args;
    va_start(args, pFormato);
    va_list copia;
    va_copy(copia, args);
    const int n = std::vsnprintf(nullptr, 0, pFormato, copia);
    va_end(copia);
    std::string testo(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(testo.data(), testo.size() + 1, pFormato, args);
    va_end(args);
    return testo;
}

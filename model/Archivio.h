#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Byte archive of the document files: little-endian, no padding. Storing
// appends to an in-memory buffer; loading reads from a borrowed buffer and
// turns any read past the end into a sticky error the caller reports.
class CArchivio
{
public:
    // Storing archive writing into its own buffer.
    CArchivio();
    // Loading archive over size bytes at data (not copied, must outlive it).
    CArchivio(const std::uint8_t* data, std::size_t size);

    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }

    void ScriviByte(std::uint8_t v);
    void ScriviBytes(const void* p, std::size_t n);
    void ScriviInt32(std::int32_t v);
    void ScriviUInt32(std::uint32_t v);
    void ScriviFloat(float v);
    void ScriviFlag(bool v) { ScriviInt32(v ? 1 : 0); }

    // On error the readers yield 0 and leave the output zeroed.
    std::uint8_t LeggiByte();
    void LeggiBytes(void* p, std::size_t n);
    std::int32_t LeggiInt32();
    std::uint32_t LeggiUInt32();
    float LeggiFloat();
    bool LeggiFlag() { return LeggiInt32() != 0; }

    // True once a read went past the end of the data.
    bool IsFineInattesa() const { return m_bFineInattesa; }
    // A record that was read whole but holds values no document can hold
    // reports them here (the first report wins); the loader then stops.
    void SegnalaDanno(const std::string& descrizione);
    bool IsDanneggiato() const { return !m_danno.empty(); }
    const std::string& GetDanno() const { return m_danno; }
    // Either of the two: stop reading.
    bool IsGuasto() const { return m_bFineInattesa || !m_danno.empty(); }
    std::size_t GetPosizione() const { return m_nPosizione; }
    std::size_t GetRestanti() const { return m_nDimensione - m_nPosizione; }

    const std::vector<std::uint8_t>& GetBuffer() const { return m_aBuffer; }

private:
    bool Disponibili(std::size_t n);

    bool m_bStoring;
    std::vector<std::uint8_t> m_aBuffer;
    const std::uint8_t* m_pDati = nullptr;
    std::size_t m_nDimensione = 0;
    std::size_t m_nPosizione = 0;
    bool m_bFineInattesa = false;
    std::string m_danno;
};

// printf-style text for the loader's messages.
std::string FormattaTesto(const char* pFormato, ...) __attribute__((format(printf, 1, 2)));

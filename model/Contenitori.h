#pragma once
#include <cstdint>
#include <string>

class COggetto;
class CArchivio;

// Owning singly linked list of scene objects: newest first, positions from 1,
// at most 255 elements, one cursor shared by every walk.
class CContenitori
{
public:
    static constexpr int MASSIMO_ELEMENTI = 255;

    CContenitori() = default;
    ~CContenitori();
    CContenitori(const CContenitori&) = delete;
    CContenitori& operator=(const CContenitori&) = delete;

    std::uint8_t GetNumero() const { return m_nNumero; }
    // Inserts at the head and takes ownership. A 256th element is refused:
    // the call returns false and the caller still owns the object.
    bool Aggiungi(COggetto* pOggetto);
    // Walks to position nPosizione and sets the cursor there; null (cursor
    // untouched) when the position exceeds the count.
    void GetElemento(std::uint8_t nPosizione, COggetto*& pOggetto);
    // Position of pOggetto, or 0 when it is not here: the pointer is only
    // compared, never followed (it may belong to a piece already gone), and
    // the cursor stays where it was.
    std::uint8_t Posizione(const COggetto* pOggetto) const;
    // Advances the cursor; null when it was unset or runs off the end.
    void GetSuccessivo(COggetto*& pOggetto);
    // Destroys the element at nPosizione and moves the cursor to the head.
    void Rimuovi(std::uint8_t nPosizione);
    // Destroys every element.
    void Svuota();
    // Exchanges contents with another container (used to install a scene
    // only once it was read whole).
    void Scambia(CContenitori& altro);
    // Reverses the order: a block read back by Leggi comes reversed, and
    // this puts it in the order it was written in.
    void Rovescia();

    // Writes the block: count byte, then family, kind and record of each
    // element in container order.
    void Serialize(CArchivio& ar);
    // Reads a block into this (empty) container. Each element read goes to
    // the head, so the order comes back reversed. On a damaged block returns
    // false with an Italian description in errore.
    bool Leggi(CArchivio& ar, bool bLuci, std::string& errore);

private:
    struct CNodo
    {
        COggetto* pOggetto;
        CNodo* pSuccessivo;
    };

    CNodo* m_pTesta = nullptr;
    std::uint8_t m_nNumero = 0;
    CNodo* m_pNodoCorrente = nullptr;
};

// The object of the class a family and kind code name, or null when the
// pair names no class.
COggetto* CreaOggetto(int nCategoria, int nTipo);

// What is wrong with a record just read (a texture or wall no room has), in
// Italian, or empty for a sound one.
std::string DannoRecord(const COggetto& oggetto);

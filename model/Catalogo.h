#pragma once
// The catalogue: ready pieces with the sizes and colours of real furniture,
// and the user's own, kept in a room file of their own. Every piece is one
// of the existing kinds, so nothing new goes into a room. No window code.
#include "model/SalvataggioSicuro.h"
#include "model/Scena.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CContenitori;
class COggetto;

// Groups, in the order they are shown.
enum : int
{
    GRUPPO_SEDUTE,
    GRUPPO_TAVOLI,
    GRUPPO_MOBILI,
    GRUPPO_APERTURE,
    GRUPPO_MIEI,
    NUMERO_GRUPPI
};

// "Sedute", "Tavoli", "Mobili", "Porte e finestre", "I miei mobili".
const char* NomeGruppo(int nGruppo);

// One piece of the catalogue: its kind, sizes, colours, texture and name
// (Windows-1252, as every name); where it goes is decided on insertion.
struct CVoceCatalogo
{
    int nGruppo;
    COggetto* pPezzo;
};

class CCatalogo
{
public:
    // The ready pieces; the user's own come with CaricaMiei.
    CCatalogo();
    ~CCatalogo();
    CCatalogo(const CCatalogo&) = delete;
    CCatalogo& operator=(const CCatalogo&) = delete;

    // Ready pieces by group, then the user's own, newest first. Adding or
    // removing one of the user's makes the list anew.
    const std::vector<CVoceCatalogo>& GetVoci() const { return m_aVoci; }
    // The entries whose name holds every word of ricerca (Windows-1252),
    // case and accents aside, in list order.
    std::vector<std::size_t> Cerca(const std::string& ricerca) const;

    // Reads the user's pieces from file, a room file. A file that cannot be
    // read or is damaged is renamed aside, never deleted, and the group
    // starts empty; the returned note (UTF-8) tells the user, and is empty
    // when all went well or there is no file yet.
    std::string CaricaMiei(const std::string& file);
    const std::string& GetFileMiei() const { return m_sFile; }
    // Keeps a copy of the piece, unplaced and unturned, first among the
    // user's own, and writes the file with the safe writer. On failure
    // nothing changes and the result says why.
    CEsitoFile AggiungiMio(COggetto& pezzo);
    // Takes entry nVoce, one of the user's own, away and writes the file.
    CEsitoFile RimuoviMio(std::size_t nVoce);
    bool IsMio(std::size_t nVoce) const
    {
        return nVoce < m_aVoci.size() && m_aVoci[nVoce].nGruppo == GRUPPO_MIEI;
    }

    // How many pieces "I miei mobili" holds at most: a room's worth.
    static int MassimoMiei();

private:
    // Writes the user's pieces as nuova holds them and takes them on.
    CEsitoFile Scrivi(std::unique_ptr<CScena> pNuova);
    // A copy of the user's pieces as they stand, to change and write.
    std::unique_ptr<CScena> CopiaMiei(std::string& errore) const;
    void Elenca();

    std::vector<std::unique_ptr<COggetto>> m_aPronti;
    std::vector<int> m_aGruppiPronti;
    std::unique_ptr<CScena> m_pMiei;
    std::string m_sFile;
    // The file could not be read nor set aside: writing would lose it.
    std::string m_sBloccato;
    std::vector<CVoceCatalogo> m_aVoci;
};

// Name text folded for searching: ASCII lower case, accented letters of
// Windows-1252 without their accents ("Comò" -> "como").
std::string ChiaveRicerca(const std::string& nome);

// The sizes shown under a piece (UTF-8): "120 × 80 × 75 cm" (width, depth,
// height), "Ø 100 × 75 cm" for a round table, "80 × 210 cm" for a door,
// and a window's height from the floor after its own.
std::string TestoMisure(const COggetto& pezzo);

// Puts a piece from the catalogue at room point (x, y) of a W x D room:
// the centre of its footprint there, turned 0°, then kept inside the room
// as dragging keeps it. A door or window goes into the wall nearest the
// point, centred on it along the wall. False for a point that is not a
// number.
bool PosizionaNuovo(COggetto& pezzo, float x, float y, float W, float D);

// The name of a piece inserted from the catalogue: its own (its kind's
// when it has none), numbered with the first number free in the room:
// "Sedia 1", then "Sedia 2".
std::string NomeNuovo(const COggetto& modello, CContenitori& oggetti);

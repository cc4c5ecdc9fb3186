#pragma once
// Recovery copies of rooms with unsaved changes, free of any window code.
// Each editor keeps at most one copy in the recovery folder, under a name of
// its own: "<id>.lav" (the room as it would be saved), "<id>.info" (which
// file it belongs to, when it was made, which process made it) and
// "<id>.lock", which the editor holds locked for as long as it runs. A copy
// whose lock nobody holds belongs to an editor that ended without removing
// it: that is the one to offer back.
#include "model/SalvataggioSicuro.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A copy left behind by an editor that is no longer running.
struct CCopiaAbbandonata
{
    std::string base;               // folder and id, without extension
    std::string percorsoDocumento;  // empty for a room never saved
    std::int64_t nOra = 0;          // seconds since 1970
    long nProcesso = 0;
    CIdentitaFile identita;         // of the document's file when it was last read or written
    std::string FileStanza() const { return base + ".lav"; }
};

class CCopiaRecupero
{
public:
    explicit CCopiaRecupero(std::string cartella);
    // Removes this editor's copy: ending normally leaves nothing behind.
    ~CCopiaRecupero();
    CCopiaRecupero(const CCopiaRecupero&) = delete;
    CCopiaRecupero& operator=(const CCopiaRecupero&) = delete;

    // $XDG_DATA_HOME/lavedo98/recupero, or ~/.local/share/lavedo98/recupero.
    static std::string CartellaPredefinita();

    // Hands a copy to the writing thread and returns at once; a copy still
    // waiting to be written is replaced by the newer one.
    void Scrivi(std::vector<std::uint8_t> dati, const std::string& percorsoDocumento,
                const CIdentitaFile& identita);
    // Writes a copy on the caller's thread.
    CEsitoFile ScriviOra(const std::vector<std::uint8_t>& dati,
                         const std::string& percorsoDocumento, const CIdentitaFile& identita);
    // Removes this editor's copy, after any write in progress.
    void Rimuovi();
    // Waits until every copy handed over is written.
    void Attendi();
    // Called on the writing thread after each write.
    std::function<void(const CEsitoFile&)> m_fnEsito;

    // The description of a copy ("<id>.info"): what the room belongs to,
    // and when and by which process it was written.
    static std::string Descrizione(const std::string& percorsoDocumento,
                                   const CIdentitaFile& identita, long nProcesso,
                                   std::int64_t nOra);
    // Reads a description back into copia; false for a damaged one (any
    // other text, a time before 1970 or after 9999, a relative path or one
    // with a NUL byte), which is then never offered.
    static bool LeggiDescrizione(const std::string& testo, CCopiaAbbandonata& copia);
    // Copies of editors no longer running, oldest first.
    static std::vector<CCopiaAbbandonata> Abbandonate(const std::string& cartella);
    // Removes a copy, unless its editor turns out to be running.
    static bool Elimina(const CCopiaAbbandonata& copia);

private:
    bool PreparaCartella(CEsitoFile& esito);
    void Lavora();

    std::string m_sCartella;
    std::string m_sBase;
    int m_fdBlocco = -1;

    std::mutex m_mutex;
    std::condition_variable m_cvLavoro, m_cvFatto;
    std::thread m_thread;
    bool m_bInAttesa = false, m_bOccupato = false, m_bFine = false;
    std::vector<std::uint8_t> m_datiInAttesa;
    std::string m_percorsoInAttesa;
    CIdentitaFile m_identitaInAttesa;
    std::mutex m_mutexFile;  // one write or removal of the files at a time
};

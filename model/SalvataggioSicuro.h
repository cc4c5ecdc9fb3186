#pragma once
// File access of the documents, free of any window code: a save that never
// leaves a half-written or missing file behind, and a bounded whole-file read.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

struct CEsitoFile
{
    bool bRiuscito = false;
    int nErrno = 0;         // what the system said, 0 when it said nothing
    std::string messaggio;  // Italian, names the file; empty on success
};

namespace salvataggio_sicuro
{
// Every write of bytes a save makes goes through this function, write(2)
// when empty: tests replace it to make a chosen write fail as a full or
// broken disk would.
extern std::function<ssize_t(int fd, const void* p, std::size_t n)> g_fnScrivi;
}  // namespace salvataggio_sicuro

// Writes the bytes to a temporary file (a short name of its own) in the
// target's folder, checks every write, gives it the target's owner and
// permissions, flushes it to disk and renames it over the target, then
// flushes the folder. Before the rename any failure leaves the target
// untouched and removes the temporary file; a folder that does not reach
// the disk is reported too. A symbolic link is followed, dangling or not,
// so the file it names is the one written; what is not a regular file is
// never replaced. A file of one's own whose group cannot be given to a new
// file (a group the user is not in) is rewritten in place instead, its old
// bytes kept in a copy beside it until the new ones are on disk, so owner,
// group and permissions stay. Our temporary files in the folder that a
// killed save left behind, and that no save is writing, are removed.
CEsitoFile SalvaFileSicuro(const std::string& percorso, const std::uint8_t* pDati,
                           std::size_t nDimensione);

// What tells one version of a file from another: the file's identity when a
// document was opened or saved is compared with its identity before the
// next save, to notice another program's change in between.
struct CIdentitaFile
{
    bool bEsiste = false;
    std::uint64_t nDispositivo = 0, nInode = 0, nDimensione = 0;
    std::int64_t nModificaNs = 0;
    bool operator==(const CIdentitaFile& a) const
    {
        return bEsiste == a.bEsiste && nDispositivo == a.nDispositivo && nInode == a.nInode &&
               nDimensione == a.nDimensione && nModificaNs == a.nModificaNs;
    }
    bool operator!=(const CIdentitaFile& a) const { return !(*this == a); }
};
// The identity of the file a path leads to (links followed); bEsiste is
// false when there is none.
CIdentitaFile IdentitaFile(const std::string& percorso);

// Removes from the folder the temporary files our saves make
// (".lavedo-" and 8 letters or digits) that belong to this user, are older
// than nEtaMinima seconds and that no save holds locked; returns how many.
int RimuoviTemporaneiAbbandonati(const std::string& cartella, int nEtaMinima = 30);

// Reads a whole file of at most nMassimo bytes; a longer one is refused
// without reading it all. A folder, a pipe, a device or a socket is refused
// at once, without waiting on it.
CEsitoFile LeggiFileIntero(const std::string& percorso, std::size_t nMassimo,
                           std::vector<std::uint8_t>& dati);

// The user's own data of the program: $XDG_DATA_HOME/lavedo98 (an absolute
// XDG_DATA_HOME only), else ~/.local/share/lavedo98.
std::string CartellaDatiUtente();
// Makes a folder and the ones above it that are missing (mode 0700), once
// the home folder exists: a missing home is never created. 0, or the errno.
int CreaCartelleUtente(const std::string& cartella);

// The reason behind an errno value, in Italian ("il disco è pieno").
std::string DescriviErrno(int nErrno);

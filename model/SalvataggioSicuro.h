#pragma once
// File access of the documents, free of any window code: a save that never
// leaves a half-written or missing file behind, and a bounded whole-file read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CEsitoFile
{
    bool bRiuscito = false;
    int nErrno = 0;         // what the system said, 0 when it said nothing
    std::string messaggio;  // Italian, names the file; empty on success
};

// Writes the bytes to a temporary file (a short name of its own) in the
// target's folder, checks every write, gives it the target's owner and
// permissions, flushes it to disk and renames it over the target, then
// flushes the folder. Before the rename any failure leaves the target
// untouched and removes the temporary file; a folder that does not reach
// the disk is reported too. A symbolic link is followed, dangling or not,
// so the file it names is the one written; what is not a regular file is
// never replaced.
CEsitoFile SalvaFileSicuro(const std::string& percorso, const std::uint8_t* pDati,
                           std::size_t nDimensione);

// Reads a whole file of at most nMassimo bytes; a longer one is refused
// without reading it all. A folder, a pipe, a device or a socket is refused
// at once, without waiting on it.
CEsitoFile LeggiFileIntero(const std::string& percorso, std::size_t nMassimo,
                           std::vector<std::uint8_t>& dati);

// The reason behind an errno value, in Italian ("il disco è pieno").
std::string DescriviErrno(int nErrno);

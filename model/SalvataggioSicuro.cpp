#include "model/SalvataggioSicuro.h"

#include "model/Archivio.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::string DescriviErrno(int nErrno)
{
    switch (nErrno)
    {
    case ENOSPC:
    case EDQUOT:
        return "il disco \u00e8 pieno";
    case EFBIG:
        return "il file supera la dimensione massima consentita";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "il disco \u00e8 di sola lettura";
    case EISDIR:
        return "al suo posto c'\u00e8 una cartella";
    case ENOENT:
        return "il file o la cartella non esiste";
    case ENOTDIR:
        return "una parte del percorso non \u00e8 una cartella";
    case ENAMETOOLONG:
        return "il nome \u00e8 troppo lungo";
    case EIO:
        return "errore di lettura o scrittura sul disco";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case ENOMEM:
        return "memoria insufficiente";
    case EBUSY:
    case ETXTBSY:
        return "il file \u00e8 in uso";
    case ELOOP:
        return "troppi collegamenti simbolici nel percorso";
    default:
        return FormattaTesto("errore di sistema %d (%s)", nErrno, std::strerror(nErrno));
    }
}

std::function<ssize_t(int, const void*, std::size_t)> salvataggio_sicuro::g_fnScrivi;

namespace
{
CEsitoFile Fallito(int nErrno, const std::string& messaggio)
{
    CEsitoFile esito;
    esito.nErrno = nErrno;
    esito.messaggio = messaggio;
    return esito;
}

std::string Cartella(const std::string& percorso)
{
    const std::size_t n = percorso.rfind('/');
    if (n == std::string::npos)
        return ".";
    return n == 0 ? "/" : percorso.substr(0, n);
}

bool ScriviTutto(int fd, const std::uint8_t* p, std::size_t n)
{
    while (n > 0)
    {
        const ssize_t nScritti = salvataggio_sicuro::g_fnScrivi
                                     ? salvataggio_sicuro::g_fnScrivi(fd, p, n)
                                     : write(fd, p, n);
        if (nScritti < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (nScritti == 0)
        {
            errno = ENOSPC;
            return false;
        }
        p += nScritti;
        n -= static_cast<std::size_t>(nScritti);
    }
    return true;
}

const char* DescriviTipoNonFile(mode_t nModo)
{
    if (S_ISDIR(nModo))
        return "\u00e8 una cartella, non un file";
    if (S_ISFIFO(nModo))
        return "\u00e8 una pipe con nome, non un file";
    if (S_ISCHR(nModo) || S_ISBLK(nModo))
        return "\u00e8 un dispositivo, non un file";
    if (S_ISSOCK(nModo))
        return "\u00e8 un socket, non un file";
    return "non \u00e8 un file normale";
}

// Follows symbolic links from the given name to the name of the file they
// lead to, which need not exist: a dangling link names the file to create.
bool RisolviCollegamenti(std::string& percorso, int& nErrno)
{
    for (int i = 0; i < 40; ++i)  // as many as the system itself follows
    {
        struct stat st{};
        if (lstat(percorso.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::vector<char> aDestinazione(PATH_MAX);
        const ssize_t n = readlink(percorso.c_str(), aDestinazione.data(), aDestinazione.size());
        if (n < 0 || static_cast<std::size_t>(n) >= aDestinazione.size())
        {
            nErrno = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const std::string destinazione(aDestinazione.data(), static_cast<std::size_t>(n));
        percorso = destinazione[0] == '/' ? destinazione : Cartella(percorso) + "/" + destinazione;
    }
    nErrno = ELOOP;
    return false;
}

const char* const PREFISSO_TEMPORANEO = ".lavedo-";
constexpr std::size_t LETTERE_TEMPORANEO = 8;

// A new, empty file with a short name of its own in the folder: the
// target's name may be as long as the file system allows, so the temporary
// one cannot be derived from it. It stays locked while its descriptor is
// open, so that no other save takes it for one a killed save left behind.
int CreaTemporaneo(int fdCartella, std::string& nome, const char* pSuffisso = "")
{
    static unsigned int s_nContatore = 0;
    for (int nTentativo = 0; nTentativo < 100; ++nTentativo)
    {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        std::uint64_t n = static_cast<std::uint64_t>(t.tv_nsec) ^
                          (static_cast<std::uint64_t>(getpid()) << 30) ^
                          (static_cast<std::uint64_t>(++s_nContatore) * 2654435761u);
        nome = PREFISSO_TEMPORANEO;
        for (std::size_t k = 0; k < LETTERE_TEMPORANEO; ++k, n /= 36)
            nome += "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36];
        nome += pSuffisso;
        const int fd = openat(fdCartella, nome.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                              0600);
        if (fd >= 0)
            flock(fd, LOCK_EX);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool NomeTemporaneo(const char* pNome)
{
    const std::size_t nPrefisso = std::strlen(PREFISSO_TEMPORANEO);
    if (std::strncmp(pNome, PREFISSO_TEMPORANEO, nPrefisso) != 0 ||
        std::strlen(pNome) != nPrefisso + LETTERE_TEMPORANEO)
        return false;
    for (const char* p = pNome + nPrefisso; *p; ++p)
        if (!((*p >= '0' && *p <= '9') || (*p >= 'a' && *p <= 'z')))
            return false;
    return true;
}

int RimuoviAbbandonati(int fdCartella, int nEtaMinima)
{
    const int fdElenco = dup(fdCartella);
    DIR* pCartella = fdElenco >= 0 ? fdopendir(fdElenco) : nullptr;
    if (!pCartella)
    {
        if (fdElenco >= 0)
            close(fdElenco);
        return 0;
    }
    rewinddir(pCartella);
    timespec adesso{};
    clock_gettime(CLOCK_REALTIME, &adesso);
    int nRimossi = 0;
    while (const dirent* e = readdir(pCartella))
    {
        struct stat st{};
        if (!NomeTemporaneo(e->d_name) ||
            fstatat(fdCartella, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != geteuid() ||
            adesso.tv_sec - st.st_mtim.tv_sec < nEtaMinima)
            continue;
        // A save that is still writing holds the lock: leave its file alone.
        const int fd = openat(fdCartella, e->d_name,
                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat stAperto{};
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &stAperto) == 0 &&
            stAperto.st_ino == st.st_ino && unlinkat(fdCartella, e->d_name, 0) == 0)
            ++nRimossi;
        close(fd);
    }
    closedir(pCartella);
    return nRimossi;
}

mode_t ModoNuovoFile()
{
    // What open(O_CREAT, 0666) would have given: the process umask applies.
    const mode_t nMaschera = umask(0);
    umask(nMaschera);
    return 0666 & ~nMaschera;
}

// Rewrites the file in place, keeping its inode (owner, group, mode): first
// its old bytes go to a copy beside it that reaches the disk, then the new
// bytes over the old ones. A failure puts the old bytes back; if even that
// fails the copy stays, and the message says where.
CEsitoFile RiscriviSulPosto(int fdCartella, const std::string& nome, const std::string& percorso,
                            const std::string& cartella, const std::uint8_t* pDati,
                            std::size_t nDimensione)
{
    const auto Errore = [&nome](int nErrno, const std::string& dopo)
    {
        return Fallito(nErrno, FormattaTesto("Impossibile salvare il file \"%s\": %s.%s",
                                             nome.c_str(), DescriviErrno(nErrno).c_str(),
                                             dopo.c_str()));
    };
    const int fd = open(percorso.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat st{};
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        const int nErrno = fd < 0 ? errno : EINVAL;
        if (fd >= 0)
            close(fd);
        return Errore(nErrno, "");
    }
    std::vector<std::uint8_t> vecchi(static_cast<std::size_t>(st.st_size));
    std::size_t nLetti = 0;
    while (nLetti < vecchi.size())
    {
        const ssize_t n = pread(fd, vecchi.data() + nLetti, vecchi.size() - nLetti,
                                static_cast<off_t>(nLetti));
        if (n <= 0 && !(n < 0 && errno == EINTR))
            break;
        if (n > 0)
            nLetti += static_cast<std::size_t>(n);
    }
    vecchi.resize(nLetti);

    std::string copia;
    const int fdCopia = CreaTemporaneo(fdCartella, copia, ".bak");
    bool bCopiaSalva = fdCopia >= 0 && ScriviTutto(fdCopia, vecchi.data(), vecchi.size()) &&
                       fsync(fdCopia) == 0;
    int nErrno = errno;
    if (fdCopia >= 0 && close(fdCopia) != 0 && bCopiaSalva)
    {
        bCopiaSalva = false;
        nErrno = errno;
    }
    if (bCopiaSalva && fsync(fdCartella) != 0)
    {
        bCopiaSalva = false;
        nErrno = errno;
    }
    if (!bCopiaSalva)
    {
        if (fdCopia >= 0)
            unlinkat(fdCartella, copia.c_str(), 0);
        close(fd);
        return Errore(nErrno, " Il file non \u00e8 stato toccato.");
    }

    const auto Sovrascrivi = [fd](const std::uint8_t* p, std::size_t n)
    {
        return lseek(fd, 0, SEEK_SET) == 0 && ScriviTutto(fd, p, n) &&
               ftruncate(fd, static_cast<off_t>(n)) == 0 && fsync(fd) == 0;
    };
    const auto RimuoviCopia = [&]
    {
        unlinkat(fdCartella, copia.c_str(), 0);
        fsync(fdCartella);
    };
    if (!Sovrascrivi(pDati, nDimensione))
    {
        nErrno = errno;
        const bool bRimesso = Sovrascrivi(vecchi.data(), vecchi.size());
        close(fd);
        if (bRimesso)
        {
            RimuoviCopia();
            return Errore(nErrno, "");
        }
        return Errore(nErrno, FormattaTesto(" Il contenuto precedente \u00e8 conservato in "
                                            "\"%s/%s\".",
                                            cartella.c_str(), copia.c_str()));
    }
    if (close(fd) != 0)
    {
        nErrno = errno;
        return Errore(nErrno, FormattaTesto(" Il contenuto precedente \u00e8 conservato in "
                                            "\"%s/%s\".",
                                            cartella.c_str(), copia.c_str()));
    }
    RimuoviCopia();
    CEsitoFile esito;
    esito.bRiuscito = true;
    return esito;
}
}  // namespace

CEsitoFile SalvaFileSicuro(const std::string& percorsoRichiesto, const std::uint8_t* pDati,
                           std::size_t nDimensione)
{
    const std::string& nome = percorsoRichiesto;
    const auto Errore = [&nome](int nErrno, const char* pPasso)
    {
        return Fallito(nErrno, FormattaTesto("Impossibile salvare il file \"%s\": %s%s.",
                                             nome.c_str(), DescriviErrno(nErrno).c_str(), pPasso));
    };
    if (percorsoRichiesto.empty())
        return Errore(ENOENT, "");

    // Replace what a link points to, not the link itself.
    std::string percorso = percorsoRichiesto;
    int nErrno = 0;
    if (!RisolviCollegamenti(percorso, nErrno))
        return Errore(nErrno, "");

    mode_t nModo = ModoNuovoFile();
    struct stat st{};
    const bool bEsiste = stat(percorso.c_str(), &st) == 0;
    if (bEsiste)
    {
        if (!S_ISREG(st.st_mode))
            return Fallito(S_ISDIR(st.st_mode) ? EISDIR : 0,
                           FormattaTesto("Impossibile salvare il file \"%s\": %s.", nome.c_str(),
                                         DescriviTipoNonFile(st.st_mode)));
        nModo = st.st_mode & 07777;
        if (access(percorso.c_str(), W_OK) != 0)
            return Errore(errno, " (il file \u00e8 protetto in scrittura)");
    }
    else if (errno != ENOENT)
        return Errore(errno, "");

    // The folder stays open to the end: the temporary file is made and
    // renamed in it, and it is flushed once the rename is done.
    const std::string cartella = Cartella(percorso);
    const std::string nomeFile = percorso.substr(percorso.rfind('/') + 1);
    const auto ErroreCartella = [&](int nErrnoCartella)
    {
        return Fallito(nErrnoCartella,
                       FormattaTesto("Impossibile salvare il file \"%s\": non si pu\u00f2 "
                                     "scrivere nella cartella \"%s\" (%s).",
                                     nome.c_str(), cartella.c_str(),
                                     DescriviErrno(nErrnoCartella).c_str()));
    };
    const int fdCartella = open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdCartella < 0)
        return ErroreCartella(errno);
    RimuoviAbbandonati(fdCartella, 30);
    std::string temporaneo;
    int fd = CreaTemporaneo(fdCartella, temporaneo);
    if (fd < 0)
    {
        nErrno = errno;
        close(fdCartella);
        return ErroreCartella(nErrno);
    }
    const auto Abbandona = [&](int nErrnoPasso, const char* pPasso)
    {
        if (fd >= 0)
            close(fd);
        unlinkat(fdCartella, temporaneo.c_str(), 0);
        close(fdCartella);
        return Errore(nErrnoPasso, pPasso);
    };

    // The new file takes the old one's owner and permissions before it goes
    // to disk; the owner first, as changing it clears the set-id bits. Even
    // a file of our own group needs it: in a folder with the set-group-id
    // bit the new file starts with the folder's group.
    if (bEsiste && fchown(fd, st.st_uid, st.st_gid) != 0)
    {
        // Our own file with a group we are not in: the new file cannot take
        // that group, but the old one can take the new bytes.
        if (errno == EPERM && st.st_uid == geteuid())
        {
            close(fd);
            unlinkat(fdCartella, temporaneo.c_str(), 0);
            const CEsitoFile esito =
                RiscriviSulPosto(fdCartella, nome, percorso, cartella, pDati, nDimensione);
            close(fdCartella);
            return esito;
        }
        return Abbandona(errno, " (non si pu\u00f2 conservare il proprietario del file)");
    }
    if (!ScriviTutto(fd, pDati, nDimensione))
        return Abbandona(errno, "");
    if (fchmod(fd, nModo) != 0 && errno != EPERM && errno != EOPNOTSUPP)
        return Abbandona(errno, "");
    if (fsync(fd) != 0)
        return Abbandona(errno, "");
    const int nChiusura = close(fd);
    fd = -1;
    if (nChiusura != 0)
        return Abbandona(errno, "");
    if (renameat(fdCartella, temporaneo.c_str(), fdCartella, nomeFile.c_str()) != 0)
        return Abbandona(errno, "");
    // The rename is durable only once the folder itself is on disk.
    if (fsync(fdCartella) != 0)
    {
        nErrno = errno;
        close(fdCartella);
        return Fallito(nErrno, FormattaTesto("Impossibile completare il salvataggio del file "
                                             "\"%s\": la cartella \"%s\" non \u00e8 stata "
                                             "registrata sul disco (%s).",
                                             nome.c_str(), cartella.c_str(),
                                             DescriviErrno(nErrno).c_str()));
    }
    close(fdCartella);
    CEsitoFile esito;
    esito.bRiuscito = true;
    return esito;
}

CIdentitaFile IdentitaFile(const std::string& percorso)
{
    CIdentitaFile id;
    struct stat st{};
    if (stat(percorso.c_str(), &st) != 0)
        return id;
    id.bEsiste = true;
    id.nDispositivo = static_cast<std::uint64_t>(st.st_dev);
    id.nInode = static_cast<std::uint64_t>(st.st_ino);
    id.nDimensione = static_cast<std::uint64_t>(st.st_size);
    id.nModificaNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

int RimuoviTemporaneiAbbandonati(const std::string& cartella, int nEtaMinima)
{
    const int fd = open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int n = RimuoviAbbandonati(fd, nEtaMinima);
    close(fd);
    return n;
}

CEsitoFile LeggiFileIntero(const std::string& percorso, std::size_t nMassimo,
                           std::vector<std::uint8_t>& dati)
{
    dati.clear();
    const auto Errore = [&percorso](int nErrno)
    {
        return Fallito(nErrno, FormattaTesto("Impossibile aprire il file \"%s\": %s.",
                                             percorso.c_str(), DescriviErrno(nErrno).c_str()));
    };
    const auto NonUnFile = [&percorso](mode_t nModo)
    {
        return Fallito(S_ISDIR(nModo) ? EISDIR : 0,
                       FormattaTesto("Impossibile aprire \"%s\": %s.", percorso.c_str(),
                                     DescriviTipoNonFile(nModo)));
    };
    // A pipe or a device can block the open itself or never end: look at
    // the type first, open without blocking, then check again what opened.
    struct stat st{};
    if (stat(percorso.c_str(), &st) != 0)
        return Errore(errno);
    if (!S_ISREG(st.st_mode))
        return NonUnFile(st.st_mode);
    const int fd = open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Errore(errno);
    if (fstat(fd, &st) != 0)
    {
        const int nErrno = errno;
        close(fd);
        return Errore(nErrno);
    }
    if (!S_ISREG(st.st_mode))
    {
        close(fd);
        return NonUnFile(st.st_mode);
    }
    // One byte beyond the limit tells a file that is too long.
    dati.resize(nMassimo + 1);
    std::size_t nLetti = 0;
    while (nLetti < dati.size())
    {
        const ssize_t n = read(fd, dati.data() + nLetti, dati.size() - nLetti);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            const int nErrno = errno;
            close(fd);
            dati.clear();
            return Errore(nErrno);
        }
        if (n == 0)
            break;
        nLetti += static_cast<std::size_t>(n);
    }
    close(fd);
    if (nLetti > nMassimo)
    {
        dati.clear();
        return Fallito(EFBIG, FormattaTesto("Impossibile aprire il file \"%s\": \u00e8 pi\u00f9 "
                                            "lungo di qualsiasi documento di Lavedo98 (%zu byte "
                                            "al massimo), quindi non \u00e8 uno dei nostri "
                                            "documenti oppure \u00e8 danneggiato.",
                                            percorso.c_str(), nMassimo));
    }
    dati.resize(nLetti);
    CEsitoFile esito;
    esito.bRiuscito = true;
    return esito;
}

namespace
{
// What must exist before any folder is made: the home folder.
std::string Casa()
{
    const char* pCasa = std::getenv("HOME");
    return pCasa && pCasa[0] == '/' ? pCasa : "/";
}
}  // namespace

std::string CartellaDatiUtente()
{
    const char* pDati = std::getenv("XDG_DATA_HOME");
    const std::string base =
        pDati && pDati[0] == '/' ? std::string(pDati) : Casa() + "/.local/share";
    return base + "/lavedo98";
}

int CreaCartelleUtente(const std::string& cartella)
{
    struct stat st{};
    if (stat(Casa().c_str(), &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    for (std::size_t n = cartella.find('/', 1); n != std::string::npos;
         n = cartella.find('/', n + 1))
        if (mkdir(cartella.substr(0, n).c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    if (mkdir(cartella.c_str(), 0700) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

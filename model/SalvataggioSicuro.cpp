#include "model/SalvataggioSicuro.h"

#include "model/Archivio.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
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
        const ssize_t nScritti = write(fd, p, n);
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

// A new, empty file with a short name of its own in the folder: the
// target's name may be as long as the file system allows, so the temporary
// one cannot be derived from it.
int CreaTemporaneo(int fdCartella, std::string& nome)
{
    static unsigned int s_nContatore = 0;
    for (int nTentativo = 0; nTentativo < 100; ++nTentativo)
    {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        std::uint64_t n = static_cast<std::uint64_t>(t.tv_nsec) ^
                          (static_cast<std::uint64_t>(getpid()) << 30) ^
                          (static_cast<std::uint64_t>(++s_nContatore) * 2654435761u);
        nome = ".lavedo-";
        for (int k = 0; k < 8; ++k, n /= 36)
            nome += "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36];
        const int fd = openat(fdCartella, nome.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                              0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

mode_t ModoNuovoFile()
{
    // What open(O_CREAT, 0666) would have given: the process umask applies.
    const mode_t nMaschera = umask(0);
    umask(nMaschera);
    return 0666 & ~nMaschera;
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

    if (!ScriviTutto(fd, pDati, nDimensione))
        return Abbandona(errno, "");
    // The new file takes the old one's owner and permissions before it goes
    // to disk; the owner first, as changing it clears the set-id bits.
    if (bEsiste && (st.st_uid != geteuid() || st.st_gid != getegid()) &&
        fchown(fd, st.st_uid, st.st_gid) != 0)
        return Abbandona(errno, " (non si pu\u00f2 conservare il proprietario del file)");
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

// Saving never destroys the previous file: real files in a real folder,
// failures provoked as the system would (disk full, permissions, rename).
#include "model/SalvataggioSicuro.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
bool g_bFsyncCartelleFallisce = false;
bool g_bGruppoAltrui = false;
}

// The system's fchown, except that a test can refuse it as for a file of
// one's own whose group the user is not in: only root could make one.
extern "C" int fchown(int fd, uid_t nUtente, gid_t nGruppo)
{
    if (g_bGruppoAltrui)
    {
        errno = EPERM;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fchown, fd, nUtente, nGruppo));
}

// The system's fsync, except that a test can make it fail on folders, as a
// failing disk would: no real folder can be made to fail on demand.
extern "C" int fsync(int fd)
{
    struct stat st{};
    if (g_bFsyncCartelleFallisce && fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
    {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace
{
using Byte = std::vector<std::uint8_t>;

// A folder of its own under /tmp, reachable by an unprivileged user.
struct CCartella
{
    std::string percorso;
    CCartella()
    {
        char a[] = "/tmp/lavedo-salva-XXXXXX";
        percorso = mkdtemp(a);
        chmod(percorso.c_str(), 0777);
    }
    ~CCartella()
    {
        chmod(percorso.c_str(), 0777);
        for (const std::string& f : Elenco())
        {
            const std::string p = percorso + "/" + f;
            if (unlink(p.c_str()) == 0)
                continue;
            // A folder made by a test, with what it holds.
            CCartella sotto(p);
        }
        rmdir(percorso.c_str());
    }
    explicit CCartella(std::string esistente) : percorso(std::move(esistente)) {}
    std::set<std::string> Elenco() const
    {
        std::set<std::string> s;
        if (DIR* d = opendir(percorso.c_str()))
        {
            while (dirent* e = readdir(d))
                if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                    s.insert(e->d_name);
            closedir(d);
        }
        return s;
    }
    std::string File(const char* pNome) const { return percorso + "/" + pNome; }
};

void Scrivi(const std::string& p, const Byte& b)
{
    FILE* f = std::fopen(p.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

Byte Leggi(const std::string& p)
{
    Byte b;
    const CEsitoFile e = LeggiFileIntero(p, 1 << 20, b);
    EXPECT_TRUE(e.bRiuscito) << e.messaggio;
    return b;
}

Byte Dati(std::size_t n, std::uint8_t v)
{
    return Byte(n, v);
}

// Runs the save in a child process, as user nobody when we are root and
// bInutenteComune, with at most nLimiteFile bytes per file (0: no limit),
// and hands back its outcome.
CEsitoFile SalvaInUnFiglio(const std::string& percorso, const Byte& dati, bool bUtenteComune,
                           rlim_t nLimiteFile)
{
    int aTubo[2];
    if (pipe(aTubo) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0)
    {
        close(aTubo[0]);
        if (bUtenteComune && geteuid() == 0)
        {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(90);
        }
        if (nLimiteFile > 0)
        {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{nLimiteFile, nLimiteFile};
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        const CEsitoFile e = SalvaFileSicuro(percorso, dati.data(), dati.size());
        const std::string risposta = std::string(e.bRiuscito ? "1" : "0") + " " +
                                     std::to_string(e.nErrno) + " " + e.messaggio;
        const ssize_t n = write(aTubo[1], risposta.data(), risposta.size());
        _exit(n == static_cast<ssize_t>(risposta.size()) ? 0 : 91);
    }
    close(aTubo[1]);
    std::string risposta;
    char a[256];
    ssize_t n;
    while ((n = read(aTubo[0], a, sizeof a)) > 0)
        risposta.append(a, static_cast<std::size_t>(n));
    close(aTubo[0]);
    int nStato = 0;
    waitpid(pid, &nStato, 0);
    EXPECT_TRUE(WIFEXITED(nStato) && WEXITSTATUS(nStato) == 0) << "child status " << nStato;
    CEsitoFile e;
    if (risposta.size() < 2)
        return e;
    e.bRiuscito = risposta[0] == '1';
    const std::size_t nSpazio = risposta.find(' ', 2);
    e.nErrno = std::atoi(risposta.substr(2, nSpazio - 2).c_str());
    e.messaggio = nSpazio == std::string::npos ? "" : risposta.substr(nSpazio + 1);
    return e;
}
}  // namespace

TEST(Salvataggio, SostituisceIlFileConservandoIPermessi)
{
    CCartella c;
    const std::string p = c.File("stanza");
    // A new file gets the usual permissions, not mkstemp's 0600.
    const Byte primo = Dati(230, 1);
    CEsitoFile e = SalvaFileSicuro(p, primo.data(), primo.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    EXPECT_EQ(Leggi(p), primo);
    struct stat st{};
    stat(p.c_str(), &st);
    const mode_t nMaschera = umask(0);
    umask(nMaschera);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~nMaschera);

    chmod(p.c_str(), 0640);
    const Byte secondo = Dati(462, 2);
    e = SalvaFileSicuro(p, secondo.data(), secondo.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    EXPECT_EQ(Leggi(p), secondo);
    stat(p.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Through a link the file it points to is replaced; the link stays.
    ASSERT_EQ(symlink("stanza", c.File("collegamento").c_str()), 0);
    const Byte terzo = Dati(324, 3);
    e = SalvaFileSicuro(c.File("collegamento"), terzo.data(), terzo.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    struct stat sl{};
    lstat(c.File("collegamento").c_str(), &sl);
    EXPECT_TRUE(S_ISLNK(sl.st_mode));
    EXPECT_EQ(Leggi(p), terzo);
    EXPECT_EQ(c.Elenco(), (std::set<std::string>{"stanza", "collegamento"}));
}

TEST(Salvataggio, UnFallimentoLasciaIntattoIlFilePrecedente)
{
    const Byte vecchio = Dati(324, 7);
    const Byte nuovo = Dati(20000, 9);
    const struct
    {
        const char* pCaso;
        mode_t nModoCartella, nModoFile;
        bool bUtenteComune;
        rlim_t nLimite;
        bool bCartellaAlPosto;
        int nErrno;
        const char* pMotivo;
    } aCasi[] = {
        {"disco pieno", 0777, 0666, false, 4096, false, EFBIG, "dimensione massima"},
        {"file di sola lettura", 0777, 0444, true, 0, false, EACCES, "protetto in scrittura"},
        {"cartella di sola lettura", 0755, 0666, true, 0, false, EACCES, "nella cartella"},
        {"una cartella al posto del file", 0777, 0666, false, 0, true, EISDIR, "cartella"},
        // A folder that cannot be opened cannot be flushed to disk either.
        {"cartella senza lettura", 0733, 0666, true, 0, false, EACCES, "nella cartella"},
        // A file of root's that nobody could write: its owner cannot be kept.
        {"proprietario altrui", 0777, 0666, true, 0, false, EPERM, "proprietario"},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        CCartella c;
        const std::string p = c.File("stanza");
        if (k.bCartellaAlPosto)
        {
            ASSERT_EQ(mkdir(p.c_str(), 0755), 0);
            Scrivi(p + "/dentro", vecchio);
        }
        else
        {
            Scrivi(p, vecchio);
            chmod(p.c_str(), k.nModoFile);
        }
        chmod(c.percorso.c_str(), k.nModoCartella);
        const std::set<std::string> prima = c.Elenco();

        const CEsitoFile e = SalvaInUnFiglio(p, nuovo, k.bUtenteComune, k.nLimite);
        EXPECT_FALSE(e.bRiuscito);
        EXPECT_EQ(e.nErrno, k.nErrno) << e.messaggio;
        EXPECT_NE(e.messaggio.find(p), std::string::npos) << e.messaggio;
        EXPECT_NE(e.messaggio.find(k.pMotivo), std::string::npos) << e.messaggio;
        chmod(c.percorso.c_str(), 0777);
        EXPECT_EQ(c.Elenco(), prima) << "a temporary file was left behind";
        EXPECT_EQ(Leggi(k.bCartellaAlPosto ? p + "/dentro" : p), vecchio);
    }
}

TEST(Salvataggio, LetturaDiFileCheNonSonoDocumenti)
{
    CCartella c;
    Byte b;
    CEsitoFile e = LeggiFileIntero(c.File("manca"), 100, b);
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_EQ(e.nErrno, ENOENT);
    EXPECT_NE(e.messaggio.find("non esiste"), std::string::npos) << e.messaggio;

    e = LeggiFileIntero(c.percorso, 100, b);
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_NE(e.messaggio.find("cartella"), std::string::npos) << e.messaggio;

    Scrivi(c.File("grande"), Dati(101, 0));
    e = LeggiFileIntero(c.File("grande"), 100, b);
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_TRUE(b.empty());
    Scrivi(c.File("giusto"), Dati(100, 5));
    e = LeggiFileIntero(c.File("giusto"), 100, b);
    EXPECT_TRUE(e.bRiuscito);
    EXPECT_EQ(b, Dati(100, 5));
}

TEST(Salvataggio, LaLetturaRifiutaSubitoCioCheNonEUnFile)
{
    CCartella c;
    ASSERT_EQ(mkfifo(c.File("fifo").c_str(), 0644), 0);
    ASSERT_EQ(symlink("fifo", c.File("verso-fifo").c_str()), 0);
    const int fdSocket = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    std::snprintf(indirizzo.sun_path, sizeof indirizzo.sun_path, "%s", c.File("socket").c_str());
    ASSERT_EQ(bind(fdSocket, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo), 0);
    const struct
    {
        std::string percorso;
        const char* pMotivo;
    } aCasi[] = {
        {c.File("fifo"), "pipe con nome"},
        {c.File("verso-fifo"), "pipe con nome"},
        {"/dev/null", "dispositivo"},
        {"/dev/zero", "dispositivo"},
        {c.File("socket"), "socket"},
        {c.percorso, "cartella"},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.percorso);
        // A read that blocks cannot fail a test: the alarm ends the run.
        alarm(5);
        Byte b;
        const CEsitoFile e = LeggiFileIntero(k.percorso, 100, b);
        alarm(0);
        EXPECT_FALSE(e.bRiuscito);
        EXPECT_NE(e.messaggio.find(k.percorso), std::string::npos) << e.messaggio;
        EXPECT_NE(e.messaggio.find(k.pMotivo), std::string::npos) << e.messaggio;
    }
    close(fdSocket);
}

TEST(Salvataggio, NomiLunghiQuantoIlFileSystemConsente)
{
    const Byte dati = Dati(230, 4);
    for (const std::size_t n : {248u, 250u, 255u})
    {
        SCOPED_TRACE(n);
        CCartella c;
        const std::string nome(n, 'x');
        const CEsitoFile e = SalvaFileSicuro(c.File(nome.c_str()), dati.data(), dati.size());
        ASSERT_TRUE(e.bRiuscito) << e.messaggio;
        EXPECT_EQ(Leggi(c.File(nome.c_str())), dati);
        EXPECT_EQ(c.Elenco(), std::set<std::string>{nome});
    }
    CCartella c;
    const CEsitoFile e = SalvaFileSicuro(c.File(std::string(256, 'x').c_str()), dati.data(),
                                         dati.size());
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_NE(e.messaggio.find("troppo lungo"), std::string::npos) << e.messaggio;
    EXPECT_TRUE(c.Elenco().empty());
}

TEST(Salvataggio, UnCollegamentoSenzaFileCreaIlFileACuiPunta)
{
    CCartella c;
    ASSERT_EQ(mkdir(c.File("sotto").c_str(), 0777), 0);
    ASSERT_EQ(symlink("nuovo", c.File("rotto").c_str()), 0);
    ASSERT_EQ(symlink("anello2", c.File("anello1").c_str()), 0);
    ASSERT_EQ(symlink("anello1", c.File("anello2").c_str()), 0);
    ASSERT_EQ(symlink("sotto/catena2", c.File("catena1").c_str()), 0);
    ASSERT_EQ(symlink(c.File("assoluto").c_str(), c.File("sotto/catena2").c_str()), 0);
    ASSERT_EQ(symlink("manca/file", c.File("senza-cartella").c_str()), 0);
    const struct
    {
        const char* pCollegamento;
        const char* pFile;  // null: the save must fail
        const char* pMotivo;
    } aCasi[] = {
        {"rotto", "nuovo", nullptr},
        {"catena1", "assoluto", nullptr},
        {"anello1", nullptr, "troppi collegamenti"},
        {"senza-cartella", nullptr, "non esiste"},
    };
    const Byte dati = Dati(230, 6);
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCollegamento);
        const std::set<std::string> prima = c.Elenco();
        const CEsitoFile e = SalvaFileSicuro(c.File(k.pCollegamento), dati.data(), dati.size());
        struct stat st{};
        ASSERT_EQ(lstat(c.File(k.pCollegamento).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        if (!k.pFile)
        {
            EXPECT_FALSE(e.bRiuscito);
            EXPECT_NE(e.messaggio.find(k.pMotivo), std::string::npos) << e.messaggio;
            EXPECT_EQ(c.Elenco(), prima);
            continue;
        }
        ASSERT_TRUE(e.bRiuscito) << e.messaggio;
        EXPECT_EQ(Leggi(c.File(k.pFile)), dati);
    }
}

TEST(Salvataggio, ConservaIlProprietarioENonSostituisceCioCheNonEUnFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file to another owner needs root";
    CCartella c;
    const std::string p = c.File("di-nobody");
    Scrivi(p, Dati(10, 1));
    ASSERT_EQ(chown(p.c_str(), 65534, 65534), 0);
    chmod(p.c_str(), 0604);
    const Byte dati = Dati(230, 2);
    CEsitoFile e = SalvaFileSicuro(p, dati.data(), dati.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    struct stat st{};
    stat(p.c_str(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0604u);

    // A folder that gives new files its own group: the file keeps its group.
    CCartella g;
    ASSERT_EQ(chown(g.percorso.c_str(), 0, 65534), 0);
    chmod(g.percorso.c_str(), 02777);
    const std::string q = g.File("di-root");
    Scrivi(q, Dati(10, 1));
    ASSERT_EQ(chown(q.c_str(), 0, 0), 0);
    e = SalvaFileSicuro(q, dati.data(), dati.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    stat(q.c_str(), &st);
    EXPECT_EQ(st.st_gid, 0u);

    // A pipe in the file's place stays a pipe.
    const std::string fifo = c.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    const std::set<std::string> prima = c.Elenco();
    e = SalvaFileSicuro(fifo, dati.data(), dati.size());
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_NE(e.messaggio.find("pipe con nome"), std::string::npos) << e.messaggio;
    ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(c.Elenco(), prima);
}

TEST(Salvataggio, UnaCartellaCheNonVaSulDiscoEUnErrore)
{
    CCartella c;
    const std::string p = c.File("stanza");
    const Byte dati = Dati(230, 8);
    g_bFsyncCartelleFallisce = true;
    const CEsitoFile e = SalvaFileSicuro(p, dati.data(), dati.size());
    g_bFsyncCartelleFallisce = false;
    EXPECT_FALSE(e.bRiuscito);
    EXPECT_EQ(e.nErrno, EIO);
    EXPECT_NE(e.messaggio.find(c.percorso), std::string::npos) << e.messaggio;
    EXPECT_NE(e.messaggio.find("disco"), std::string::npos) << e.messaggio;
    EXPECT_EQ(c.Elenco(), std::set<std::string>{"stanza"});
}

// A file of one's own in a group one is not in is rewritten in place. Its
// bytes are always either the old or the new ones; when neither could be
// kept, a copy of the old ones stays beside it and the message names it.
TEST(Salvataggio, UnFileProprioDiUnGruppoAltruiSiRiscriveSulPosto)
{
    const Byte vecchio = Dati(324, 7), nuovo = Dati(20000, 9);
    enum Guasto { NESSUNO, COPIA = 1, NUOVI = 2, RIPRISTINO = 4 };
    const struct
    {
        const char* pCaso;
        int nGuasti;
        bool bReale;  // a real group of root's, saved as nobody: needs root
        bool bRiuscito;
        const char* pMotivo;
    } aCasi[] = {
        {"salvato", NESSUNO, false, true, ""},
        {"salvato da nobody in un gruppo di root", NESSUNO, true, true, ""},
        {"la copia dei vecchi byte non si scrive", COPIA, false, false, "non \u00e8 stato toccato"},
        {"disco pieno a met\u00e0 dei nuovi byte", NUOVI, false, false, "disco \u00e8 pieno"},
        {"neppure i vecchi byte tornano", NUOVI | RIPRISTINO, false, false, "conservato in"},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        if (k.bReale && geteuid() != 0)
            continue;
        CCartella c;
        const std::string p = c.File("stanza");
        Scrivi(p, vecchio);
        struct stat prima{};
        stat(p.c_str(), &prima);
        if (k.bReale)
        {
            ASSERT_EQ(chown(p.c_str(), 65534, 0), 0);
            chmod(p.c_str(), 0640);
            stat(p.c_str(), &prima);
        }
        // The disk as the case has it: the copy of the old bytes, the new
        // bytes (once half of them are written) or the old ones put back fail.
        bool bMetaScritta = false;
        salvataggio_sicuro::g_fnScrivi = [&](int fd, const void* pDati, std::size_t n) -> ssize_t {
            struct stat s{};
            fstat(fd, &s);
            const bool bNuovi = static_cast<const std::uint8_t*>(pDati)[0] == nuovo[0];
            const int nPasso = s.st_ino != prima.st_ino ? COPIA : bNuovi ? NUOVI : RIPRISTINO;
            if ((k.nGuasti & nPasso) && nPasso == NUOVI && !bMetaScritta)
            {
                bMetaScritta = true;
                return write(fd, pDati, n / 2);
            }
            if (k.nGuasti & nPasso)
            {
                errno = nPasso == RIPRISTINO ? EIO : ENOSPC;
                return -1;
            }
            return write(fd, pDati, n);
        };
        g_bGruppoAltrui = !k.bReale;
        const CEsitoFile e = k.bReale ? SalvaInUnFiglio(p, nuovo, true, 0)
                                      : SalvaFileSicuro(p, nuovo.data(), nuovo.size());
        g_bGruppoAltrui = false;
        salvataggio_sicuro::g_fnScrivi = nullptr;
        EXPECT_EQ(e.bRiuscito, k.bRiuscito) << e.messaggio;
        EXPECT_NE(e.messaggio.find(k.pMotivo), std::string::npos) << e.messaggio;
        struct stat dopo{};
        stat(p.c_str(), &dopo);
        EXPECT_EQ(dopo.st_ino, prima.st_ino);
        EXPECT_EQ(dopo.st_uid, prima.st_uid);
        EXPECT_EQ(dopo.st_gid, prima.st_gid);
        EXPECT_EQ(dopo.st_mode, prima.st_mode);
        const Byte ora = Leggi(p);
        EXPECT_EQ(ora, k.bRiuscito ? nuovo : k.nGuasti & RIPRISTINO ? Byte(nuovo.size() / 2, 9)
                                                                     : vecchio);
        std::set<std::string> file = c.Elenco();
        file.erase("stanza");
        if (ora == vecchio || ora == nuovo)
        {
            EXPECT_TRUE(file.empty()) << "the old bytes' copy stayed";
            continue;
        }
        ASSERT_EQ(file.size(), 1u) << "neither old nor new bytes, and no copy of the old ones";
        EXPECT_EQ(Leggi(c.File(file.begin()->c_str())), vecchio);
        EXPECT_NE(e.messaggio.find(*file.begin()), std::string::npos) << e.messaggio;
    }
}

TEST(Salvataggio, SiRimuovonoSoloITemporaneiNostriCheNessunoScrive)
{
    CCartella c;
    const struct
    {
        const char* pNome;
        bool bVecchio, bBloccato, bAltrui, bCartella, bRimosso;
    } aCasi[] = {
        {".lavedo-abc12345", true, false, false, false, true},
        {".lavedo-abc12346", false, false, false, false, false},  // a save just begun
        {".lavedo-abc12347", true, true, false, false, false},    // a save still writing
        {".lavedo-abc12348", true, false, true, false, false},    // another user's
        {".lavedo-abc12349", true, false, false, true, false},
        {".lavedo-abc1234", true, false, false, false, false},
        {".lavedo-ABC12345", true, false, false, false, false},
        {".lavedo-abc12345.bak", true, false, false, false, false},  // old bytes kept by a save
        {"lavedo-abc12345", true, false, false, false, false},
    };
    std::vector<int> aBlocchi;
    std::set<std::string> attesi = {"stanza"};
    for (const auto& k : aCasi)
    {
        const std::string p = c.File(k.pNome);
        if (k.bCartella)
            mkdir(p.c_str(), 0700);
        else
            Scrivi(p, Dati(10, 1));
        if (k.bAltrui && (geteuid() != 0 || chown(p.c_str(), 65534, 65534) != 0))
            continue;
        if (k.bBloccato)
        {
            aBlocchi.push_back(open(p.c_str(), O_RDONLY));
            flock(aBlocchi.back(), LOCK_EX);
        }
        const timespec aOre[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        if (k.bVecchio)
            utimensat(AT_FDCWD, p.c_str(), aOre, AT_SYMLINK_NOFOLLOW);
        if (!k.bRimosso)
            attesi.insert(k.pNome);
    }
    const Byte dati = Dati(230, 2);
    const CEsitoFile e = SalvaFileSicuro(c.File("stanza"), dati.data(), dati.size());
    ASSERT_TRUE(e.bRiuscito) << e.messaggio;
    EXPECT_EQ(c.Elenco(), attesi);
    for (const int fd : aBlocchi)
        close(fd);
}

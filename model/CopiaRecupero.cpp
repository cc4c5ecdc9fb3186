#include "model/CopiaRecupero.h"

#include "model/Archivio.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const INTESTAZIONE = "Lavedo98 recupero 1";

// A room opened by a relative name is saved back to the same file by
// whichever editor restores it, wherever that one was started.
std::string PercorsoAssoluto(const std::string& percorso)
{
    if (percorso.empty() || percorso[0] == '/')
        return percorso;
    std::vector<char> cartella(4096);
    while (!getcwd(cartella.data(), cartella.size()) && errno == ERANGE)
        cartella.resize(cartella.size() * 2);
    return cartella[0] == '/' ? std::string(cartella.data()) + "/" + percorso : percorso;
}

bool LeggiFileDescrizione(const std::string& file, CCopiaAbbandonata& copia)
{
    std::vector<std::uint8_t> dati;
    return LeggiFileIntero(file, 1 << 16, dati).bRiuscito &&
           CCopiaRecupero::LeggiDescrizione(std::string(dati.begin(), dati.end()), copia);
}

// Opens a copy's lock and takes it: false while its editor runs. A copy
// without a lock file has no editor either.
int PrendiBlocco(const std::string& base, bool& bLibero)
{
    const int fd = open((base + ".lock").c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
    {
        bLibero = errno == ENOENT;
        return -1;
    }
    bLibero = flock(fd, LOCK_EX | LOCK_NB) == 0;
    return fd;
}
}  // namespace

CCopiaRecupero::CCopiaRecupero(std::string cartella) : m_sCartella(std::move(cartella))
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    m_sBase = m_sCartella + "/" + std::to_string(getpid()) + "-" +
              std::to_string(static_cast<long long>(t.tv_sec)) + "-" + std::to_string(t.tv_nsec);
}

CCopiaRecupero::~CCopiaRecupero()
{
    {
        std::lock_guard<std::mutex> blocco(m_mutex);
        m_bFine = true;
        m_bInAttesa = false;
    }
    m_cvLavoro.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    Rimuovi();
    if (m_fdBlocco >= 0)
    {
        unlink((m_sBase + ".lock").c_str());
        close(m_fdBlocco);
    }
}

std::string CCopiaRecupero::CartellaPredefinita()
{
    return CartellaDatiUtente() + "/recupero";
}

bool CCopiaRecupero::PreparaCartella(CEsitoFile& esito)
{
    if (m_fdBlocco >= 0)
        return true;
    const int nErrno = CreaCartelleUtente(m_sCartella);
    if (nErrno == 0)
    {
        m_fdBlocco = open((m_sBase + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fdBlocco >= 0 && flock(m_fdBlocco, LOCK_EX) == 0)
            return true;
    }
    esito.bRiuscito = false;
    esito.nErrno = nErrno ? nErrno : errno;
    esito.messaggio = FormattaTesto("Impossibile scrivere la copia di recupero in \"%s\": %s.",
                                    m_sCartella.c_str(), DescriviErrno(esito.nErrno).c_str());
    if (m_fdBlocco >= 0)
        close(m_fdBlocco);
    m_fdBlocco = -1;
    return false;
}

CEsitoFile CCopiaRecupero::ScriviOra(const std::vector<std::uint8_t>& dati,
                                     const std::string& percorsoDocumento,
                                     const CIdentitaFile& identita)
{
    std::lock_guard<std::mutex> blocco(m_mutexFile);
    CEsitoFile esito;
    if (!PreparaCartella(esito))
        return esito;
    // The room first: a description without its room is never offered.
    esito = SalvaFileSicuro(m_sBase + ".lav", dati.data(), dati.size());
    if (!esito.bRiuscito)
        return esito;
    const std::string info =
        Descrizione(PercorsoAssoluto(percorsoDocumento), identita, getpid(), std::time(nullptr));
    return SalvaFileSicuro(m_sBase + ".info", reinterpret_cast<const std::uint8_t*>(info.data()),
                           info.size());
}

void CCopiaRecupero::Scrivi(std::vector<std::uint8_t> dati, const std::string& percorsoDocumento,
                            const CIdentitaFile& identita)
{
    {
        std::lock_guard<std::mutex> blocco(m_mutex);
        m_datiInAttesa = std::move(dati);
        m_percorsoInAttesa = percorsoDocumento;
        m_identitaInAttesa = identita;
        m_bInAttesa = true;
        if (!m_thread.joinable())
            m_thread = std::thread(&CCopiaRecupero::Lavora, this);
    }
    m_cvLavoro.notify_one();
}

void CCopiaRecupero::Lavora()
{
    std::unique_lock<std::mutex> blocco(m_mutex);
    for (;;)
    {
        m_cvLavoro.wait(blocco, [this] { return m_bInAttesa || m_bFine; });
        if (m_bFine)
            return;
        std::vector<std::uint8_t> dati = std::move(m_datiInAttesa);
        const std::string percorso = m_percorsoInAttesa;
        const CIdentitaFile identita = m_identitaInAttesa;
        m_bInAttesa = false;
        m_bOccupato = true;
        blocco.unlock();
        const CEsitoFile esito = ScriviOra(dati, percorso, identita);
        if (m_fnEsito)
            m_fnEsito(esito);
        blocco.lock();
        m_bOccupato = false;
        m_cvFatto.notify_all();
    }
}

void CCopiaRecupero::Attendi()
{
    std::unique_lock<std::mutex> blocco(m_mutex);
    m_cvFatto.wait(blocco, [this] { return !m_bInAttesa && !m_bOccupato; });
}

void CCopiaRecupero::Rimuovi()
{
    {
        std::unique_lock<std::mutex> blocco(m_mutex);
        m_bInAttesa = false;
        m_cvFatto.wait(blocco, [this] { return !m_bOccupato; });
    }
    std::lock_guard<std::mutex> blocco(m_mutexFile);
    unlink((m_sBase + ".info").c_str());
    unlink((m_sBase + ".lav").c_str());
}

std::string CCopiaRecupero::Descrizione(const std::string& percorso, const CIdentitaFile& id,
                                        long nProcesso, std::int64_t nOra)
{
    std::ostringstream s;
    s << INTESTAZIONE << "\nprocesso " << nProcesso << "\nora " << nOra << "\nidentita "
      << (id.bEsiste ? 1 : 0) << ' ' << id.nDispositivo << ' ' << id.nInode << ' '
      << id.nDimensione << ' ' << id.nModificaNs << "\npercorso " << percorso;
    return s.str();
}

bool CCopiaRecupero::LeggiDescrizione(const std::string& testo, CCopiaAbbandonata& copia)
{
    // Up to 31 December 9999: any later time is no date a calendar shows.
    constexpr std::int64_t ORA_MASSIMA = 253402300799;
    const std::size_t nPercorso = testo.find("\npercorso ");
    if (testo.rfind(INTESTAZIONE, 0) != 0 || nPercorso == std::string::npos)
        return false;
    std::istringstream s(testo.substr(0, nPercorso));
    std::string riga, chiave;
    std::getline(s, riga);
    int nEsiste = 0;
    CCopiaAbbandonata letta = copia;
    if (riga != INTESTAZIONE || !(s >> chiave >> letta.nProcesso) || chiave != "processo" ||
        !(s >> chiave >> letta.nOra) || chiave != "ora" ||
        !(s >> chiave >> nEsiste >> letta.identita.nDispositivo >> letta.identita.nInode >>
          letta.identita.nDimensione >> letta.identita.nModificaNs) ||
        chiave != "identita" || (s >> std::ws, !s.eof()))
        return false;
    letta.identita.bEsiste = nEsiste != 0;
    letta.percorsoDocumento = testo.substr(nPercorso + 10);
    // The room is saved back where the path leads: never relative to
    // wherever the editor was started, never cut short at a NUL.
    const std::string& p = letta.percorsoDocumento;
    if (letta.nProcesso <= 0 || letta.nOra < 0 || letta.nOra > ORA_MASSIMA ||
        (nEsiste != 0 && nEsiste != 1) || (!p.empty() && p[0] != '/') ||
        p.find('\0') != std::string::npos)
        return false;
    copia = letta;
    return true;
}

std::vector<CCopiaAbbandonata> CCopiaRecupero::Abbandonate(const std::string& cartella)
{
    std::vector<CCopiaAbbandonata> copie;
    DIR* pCartella = opendir(cartella.c_str());
    if (!pCartella)
        return copie;
    while (const dirent* e = readdir(pCartella))
    {
        const std::string nome = e->d_name;
        const std::size_t n = nome.size();
        if (n <= 5 || nome.compare(n - 5, 5, ".info") != 0 || nome[0] == '.')
            continue;
        CCopiaAbbandonata copia;
        copia.base = cartella + "/" + nome.substr(0, n - 5);
        bool bLibero = false;
        const int fd = PrendiBlocco(copia.base, bLibero);
        if (bLibero && access(copia.FileStanza().c_str(), R_OK) == 0 &&
            LeggiFileDescrizione(copia.base + ".info", copia))
            copie.push_back(copia);
        if (fd >= 0)
            close(fd);
    }
    closedir(pCartella);
    std::sort(copie.begin(), copie.end(),
              [](const CCopiaAbbandonata& a, const CCopiaAbbandonata& b) { return a.nOra < b.nOra; });
    return copie;
}

bool CCopiaRecupero::Elimina(const CCopiaAbbandonata& copia)
{
    bool bLibero = false;
    const int fd = PrendiBlocco(copia.base, bLibero);
    if (bLibero)
    {
        unlink((copia.base + ".info").c_str());
        unlink(copia.FileStanza().c_str());
        unlink((copia.base + ".lock").c_str());
    }
    if (fd >= 0)
        close(fd);
    return bLibero;
}

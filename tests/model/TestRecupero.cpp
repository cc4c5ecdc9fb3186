// Recovery copies between processes: a live editor's copy is never offered
// or removed by another, a killed one's is, with the bytes it wrote.
#include "CartellaTemporanea.h"
#include "model/CopiaRecupero.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using Byte = std::vector<std::uint8_t>;

struct CCartellaRecupero
{
    CCartellaTemporanea cartella{"lavedo-recupero"};
    const std::string& percorso = cartella.Percorso();
    std::set<std::string> Estensioni() const
    {
        std::set<std::string> s;
        for (const auto& e : std::filesystem::directory_iterator(percorso))
            s.insert(e.path().extension().string());
        return s;
    }
};

Byte Leggi(const std::string& p)
{
    Byte b;
    EXPECT_TRUE(LeggiFileIntero(p, 1 << 20, b).bRiuscito) << p;
    return b;
}

// An editor in a process of its own that writes one copy, says so through
// the pipe and waits to be killed.
pid_t EditorCheScrive(const std::string& cartella, const Byte& dati, const std::string& percorso,
                      const CIdentitaFile& id)
{
    int aTubo[2];
    if (pipe(aTubo) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0)
    {
        close(aTubo[0]);
        CCopiaRecupero copia(cartella);
        const char c = copia.ScriviOra(dati, percorso, id).bRiuscito ? '1' : '0';
        if (write(aTubo[1], &c, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    close(aTubo[1]);
    char c = 0;
    EXPECT_EQ(read(aTubo[0], &c, 1), 1);
    EXPECT_EQ(c, '1');
    close(aTubo[0]);
    return pid;
}
}  // namespace

TEST(Recupero, SoloLaCopiaDiUnEditorFinitoEOffertaERimovibile)
{
    CIdentitaFile id;
    id.bEsiste = true;
    id.nDispositivo = 2049;
    id.nInode = 1234567;
    id.nDimensione = 324;
    id.nModificaNs = 1700000000123456789;
    const struct
    {
        const char* pCaso;
        std::string percorso;
        bool bUcciso;
    } aCasi[] = {
        {"ucciso, con il suo file", "/home/anna/stanze/soggiorno con\nritorno.lav", true},
        {"ucciso, stanza nuova", "", true},
        {"in funzione, poi ucciso", "/home/anna/cucina.lav", false},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        CCartellaRecupero c;
        const Byte dati(3000, static_cast<std::uint8_t>(k.percorso.size()));
        // This process's own copy is never offered to itself either.
        CCopiaRecupero propria(c.percorso);
        ASSERT_TRUE(propria.ScriviOra(Byte(10, 1), "/mia.lav", {}).bRiuscito);

        const pid_t pid = EditorCheScrive(c.percorso, dati, k.percorso, id);
        ASSERT_GT(pid, 0);
        // While its editor runs a copy is neither offered nor removable.
        if (!k.bUcciso)
        {
            EXPECT_TRUE(CCopiaRecupero::Abbandonate(c.percorso).empty());
            int nInfo = 0;
            for (const auto& e : std::filesystem::directory_iterator(c.percorso))
                if (e.path().extension() == ".info" && ++nInfo)
                {
                    CCopiaAbbandonata viva;
                    viva.base = e.path().parent_path() / e.path().stem();
                    EXPECT_FALSE(CCopiaRecupero::Elimina(viva));
                }
            EXPECT_EQ(nInfo, 2);
            EXPECT_EQ(CCopiaRecupero::Abbandonate(c.percorso).size(), 0u);
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::vector<CCopiaAbbandonata> copie = CCopiaRecupero::Abbandonate(c.percorso);
        ASSERT_EQ(copie.size(), 1u);
        EXPECT_EQ(Leggi(copie[0].FileStanza()), dati);
        EXPECT_EQ(copie[0].percorsoDocumento, k.percorso);
        EXPECT_EQ(copie[0].nProcesso, pid);
        EXPECT_EQ(copie[0].identita, id);
        EXPECT_LE(std::abs(copie[0].nOra - static_cast<std::int64_t>(time(nullptr))), 5);
        EXPECT_TRUE(CCopiaRecupero::Elimina(copie[0]));
        EXPECT_TRUE(CCopiaRecupero::Abbandonate(c.percorso).empty());
        // Only our own copy is left: room, description and lock.
        EXPECT_EQ(c.Estensioni(), (std::set<std::string>{".lav", ".info", ".lock"}));
    }
}

TEST(Recupero, LaCopiaVaEVieneSenzaLasciareNulla)
{
    CCartellaRecupero c;
    const std::string cartella = c.percorso + "/lavedo98/recupero";
    std::vector<CEsitoFile> esiti;
    {
        CCopiaRecupero copia(cartella);
        copia.m_fnEsito = [&esiti](const CEsitoFile& e) { esiti.push_back(e); };
        for (std::uint8_t n = 1; n <= 3; ++n)
            copia.Scrivi(Byte(500, n), "/a.lav", {});
        copia.Attendi();
        ASSERT_FALSE(esiti.empty());
        EXPECT_TRUE(esiti.back().bRiuscito) << esiti.back().messaggio;
        // The last copy handed over is the one on disk.
        std::string lav;
        for (const auto& e : std::filesystem::directory_iterator(cartella))
            if (e.path().extension() == ".lav")
                lav = e.path().string();
        EXPECT_EQ(Leggi(lav), Byte(500, 3));
        copia.Rimuovi();
        EXPECT_EQ(std::filesystem::exists(lav), false);
        copia.Scrivi(Byte(20, 4), "", {});
    }
    // Ending normally leaves the folder empty.
    EXPECT_TRUE(std::filesystem::is_empty(cartella));

    // A folder that cannot be made is an outcome, not a crash.
    esiti.clear();
    {
        CCopiaRecupero copia(c.percorso + "/lavedo98/recupero/.lav/sotto");
        std::filesystem::create_directories(c.percorso + "/lavedo98/recupero");
        std::FILE* f = std::fopen((c.percorso + "/lavedo98/recupero/.lav").c_str(), "w");
        std::fclose(f);
        copia.m_fnEsito = [&esiti](const CEsitoFile& e) { esiti.push_back(e); };
        copia.Scrivi(Byte(20, 4), "", {});
        copia.Attendi();
    }
    ASSERT_EQ(esiti.size(), 1u);
    EXPECT_FALSE(esiti[0].bRiuscito);
    EXPECT_NE(esiti[0].messaggio.find("copia di recupero"), std::string::npos)
        << esiti[0].messaggio;
}

// A description read at start-up is offered only whole and sound: a damaged
// one is skipped, never read into a room saved somewhere else.
TEST(Recupero, DescrizioniDanneggiateNonSiOffrono)
{
    CIdentitaFile id;
    id.bEsiste = true;
    id.nInode = 42;
    const std::string buona = CCopiaRecupero::Descrizione("/casa/sala.lav", id, 77, 1796794354);
    const auto Con = [&buona](const char* pVecchio, const std::string& nuovo) {
        std::string t = buona;
        return t.replace(t.find(pVecchio), std::string(pVecchio).size(), nuovo);
    };
    const struct
    {
        const char* pCaso;
        std::string testo;
    } aCasi[] = {
        {"relative path", Con("/casa", "casa")},
        {"NUL in the path", Con("sala", std::string("sa\0la", 5))},
        {"after the year 9999", Con("1796794354", "253402300800")},
        {"before 1970", Con("1796794354", "-1")},
        {"no process", Con("77", "0")},
        {"a word among the numbers", Con("identita 1", "identita 1 x")},
        {"other header", Con("recupero 1", "recupero 2")},
    };
    CCopiaAbbandonata copia;
    ASSERT_TRUE(CCopiaRecupero::LeggiDescrizione(buona, copia));
    EXPECT_EQ(copia.percorsoDocumento, "/casa/sala.lav");
    EXPECT_EQ(copia.identita, id);
    EXPECT_EQ(copia.nOra, 1796794354);
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        EXPECT_FALSE(CCopiaRecupero::LeggiDescrizione(k.testo, copia));
    }
}

// Recovery copies and the overwrite check through the real window and
// document: what the user sees of them, file by file.
#include "Ambiente.h"
#include "Risposte.h"
#include "CartellaTemporanea.h"
#include "ScenaDiProva.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "app/Recupero.h"
#include "app/SceltaFile.h"
#include "dialogs/FileModificatoDlg.h"
#include "dialogs/RipristinoDlg.h"
#include "model/Oggetto.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/config.h>
#include <wx/filehistory.h>

using namespace ambiente;

namespace
{
using Byte = std::vector<std::uint8_t>;

// A folder for the test's rooms; its files leave the recent list with it.
struct CCartellaStanze
{
    CCartellaTemporanea cartella{"lavedo-rec"};
    const std::string& percorso = cartella.Percorso();
    std::vector<wxString> errori;
    CCartellaStanze()
    {
        scelta_file::g_fnErrore = [this](const wxString& m) { errori.push_back(m); };
    }
    ~CCartellaStanze()
    {
        scelta_file::g_fnErrore = nullptr;
        scelta_file::g_fnSalvare = nullptr;
        TogliDaiRecenti(percorso);
        Documento().m_bModificato = false;
    }
    std::string File(const char* pNome) const { return cartella.File(pNome); }
};

Byte Leggi(const std::string& p)
{
    Byte b;
    LeggiFileIntero(p, 1 << 20, b);
    return b;
}

void Scrivi(const std::string& p, const Byte& b)
{
    ASSERT_TRUE(SalvaFileSicuro(p, b.data(), b.size()).bRiuscito);
}

Byte Dimostrativa(int nSedie)
{
    CScena scena(false);
    scena_di_prova::Dimostrativa(scena);
    for (int i = 0; i < nSedie; ++i)
        scena.m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 2, 2));
    return scena.Scrivi();
}

void Comando(int nId)
{
    wxCommandEvent evento(wxEVT_MENU, nId);
    Cornice().GetEventHandler()->ProcessEvent(evento);
    Pompa();
}

void Cambia()
{
    Documento().m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 3, 3));
    Documento().SetModificato();
}

std::vector<std::string> CopieSulDisco()
{
    std::vector<std::string> copie;
    if (!std::filesystem::exists(CRecupero::Get()->GetCartella()))
        return copie;
    for (const auto& e : std::filesystem::directory_iterator(CRecupero::Get()->GetCartella()))
        if (e.path().extension() == ".lav")
            copie.push_back(e.path().string());
    return copie;
}

std::string Titolo()
{
    Pompa();
    return std::string(Cornice().GetTitle().utf8_str());
}

// The bytes with Cambia's chair added.
Byte ConSedia(const Byte& dati)
{
    CScena scena(false);
    std::string errore;
    EXPECT_TRUE(scena.LeggiNellOrdine(dati.data(), dati.size(), errore)) << errore;
    scena.m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 3, 3));
    return scena.Scrivi();
}

// Another editor wrote a copy of the room of file p (none when empty) and
// ended without removing it.
void LasciaCopia(const Byte& copia, const std::string& p)
{
    const std::string cartella = CRecupero::Get()->GetCartella();
    const pid_t pid = fork();
    if (pid == 0)
    {
        CCopiaRecupero altro(cartella);
        _exit(altro.ScriviOra(copia, p, IdentitaFile(p)).bRiuscito ? 0 : 1);
    }
    int nStato = 0;
    waitpid(pid, &nStato, 0);
    ASSERT_EQ(nStato, 0);
}

// The answer to a dialog that may or may not come: counts it and presses
// one of its buttons.
class CRisposta : public wxModalDialogHook
{
public:
    explicit CRisposta(int nPulsante) : m_nPulsante(nPulsante) { Register(); }
    ~CRisposta() override { Unregister(); }
    int m_nVolte = 0;

protected:
    int Enter(wxDialog* pDialogo) override
    {
        ++m_nVolte;
        wxCommandEvent evento(wxEVT_BUTTON, m_nPulsante);
        evento.SetEventObject(pDialogo);
        pDialogo->ProcessWindowEvent(evento);
        return pDialogo->GetReturnCode();
    }
    void Exit(wxDialog*) override {}

private:
    int m_nPulsante;
};
}  // namespace

// The program's own timer writes the copy, every [Recupero] Secondi of the
// settings.
TEST(Recupero, UnaCopiaDopoUnaModificaSparisceColSalvataggio)
{
    struct COgniSecondo
    {
        COgniSecondo()
        {
            wxConfigBase::Get()->Write("/Recupero/Secondi", 1);
            CRecupero::Avvia(Documento());
        }
        ~COgniSecondo()
        {
            wxConfigBase::Get()->DeleteEntry("/Recupero/Secondi");
            CRecupero::Avvia(Documento());
        }
    } ogniSecondo;
    Ripristina();
    CCartellaStanze c;
    const std::string p = c.File("soggiorno.lav");
    Scrivi(p, Dimostrativa(0));
    ASSERT_TRUE(Documento().Apri(p, false));
    CRecupero& recupero = *CRecupero::Get();
    recupero.ScriviCopia();
    recupero.Attendi();
    EXPECT_TRUE(CopieSulDisco().empty()) << "a room without changes has no copy";

    Cambia();
    const std::size_t nRecenti = Documento().GetDocumentManager()->GetHistoryFilesCount();
    ASSERT_TRUE(AspettaChe([] { return !CopieSulDisco().empty(); }, 5000))
        << "the timer wrote no copy";
    recupero.Attendi();
    const std::vector<std::string> copie = CopieSulDisco();
    ASSERT_EQ(copie.size(), 1u);
    const Byte copia = Leggi(copie[0]);
    EXPECT_EQ(copia, Documento().Scrivi());
    EXPECT_EQ(Leggi(p), Dimostrativa(0)) << "the user's file is not touched";
    // The copy changes nothing the user sees.
    EXPECT_TRUE(Documento().m_bModificato);
    EXPECT_EQ(Documento().GetFilename(), wxString(p));
    EXPECT_EQ(Documento().GetDocumentManager()->GetHistoryFilesCount(), nRecenti);
    EXPECT_EQ(Titolo(), "*soggiorno.lav - Lavedo98");

    Comando(wxID_SAVE);
    EXPECT_TRUE(CopieSulDisco().empty());
    EXPECT_EQ(Leggi(p), copia) << "the copy held what saving writes";
    EXPECT_EQ(Titolo(), "soggiorno.lav - Lavedo98");
    EXPECT_TRUE(c.errori.empty());
}

TEST(Recupero, LaCopiaDiUnEditorFinitoSiRipristinaEliminaORimanda)
{
    const struct
    {
        const char* pCaso;
        int nPulsante;
        bool bRipristinata, bRimane;
    } aCasi[] = {
        {"Ripristina", wxID_OK, true, false},
        {"Elimina", XRCID("IDC_ELIMINA"), false, false},
        {"Piu' tardi", wxID_CANCEL, false, true},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        Ripristina();
        CCartellaStanze c;
        const std::string p = c.File("soggiorno.lav");
        Scrivi(p, Dimostrativa(0));
        const Byte copia = Dimostrativa(2);
        LasciaCopia(copia, p);
        const std::string cartella = CRecupero::Get()->GetCartella();

        wxTEST_DIALOG(CRecupero::Get()->OffriCopie(), CPremiPulsante<CRipristinoDlg>(k.nPulsante));
        EXPECT_EQ(CCopiaRecupero::Abbandonate(cartella).size(), k.bRimane ? 1u : 0u);
        EXPECT_EQ(Documento().m_bModificato, k.bRipristinata);
        if (!k.bRipristinata)
        {
            for (const CCopiaAbbandonata& a : CCopiaRecupero::Abbandonate(cartella))
                CCopiaRecupero::Elimina(a);
            continue;
        }
        EXPECT_EQ(Documento().Scrivi(), copia);
        EXPECT_EQ(Titolo(), "*soggiorno.lav - Lavedo98");
        EXPECT_EQ(CopieSulDisco().size(), 1u) << "the restored room has a copy of its own";
        // Saved to its original file, unasked: nobody changed that file.
        CRisposta risposta(wxID_CANCEL);
        Comando(wxID_SAVE);
        EXPECT_EQ(risposta.m_nVolte, 0);
        EXPECT_EQ(Leggi(p), copia);
        EXPECT_TRUE(CopieSulDisco().empty());
    }
}

TEST(Documento, UnFileCambiatoDaAltriNonSiSovrascriveSenzaChiedere)
{
    const struct
    {
        const char* pCaso;
        bool bSostituito, bEliminato;
        int nPulsante;
        int nDomande;
        bool bNostroNelFile, bNostroInAltro;
    } aCasi[] = {
        {"Annulla", true, false, wxID_CANCEL, 1, false, false},
        {"Sovrascrivi", true, false, XRCID("IDC_SOVRASCRIVI"), 1, true, false},
        {"Salva con nome", true, false, XRCID("IDC_SALVA_CON_NOME"), 1, false, true},
        {"eliminato nel frattempo", false, true, wxID_CANCEL, 0, true, false},
        {"nessuno l'ha toccato", false, false, wxID_CANCEL, 0, true, false},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        Ripristina();
        CCartellaStanze c;
        const std::string p = c.File("cucina.lav");
        const std::string altro = c.File("altro.lav");
        scelta_file::g_fnSalvare = [&altro](const wxString&) { return wxString(altro); };
        Scrivi(p, Dimostrativa(0));
        ASSERT_TRUE(Documento().Apri(p, false));
        // Another program puts a file of the same size in its place.
        const Byte esterno = Dimostrativa(1);
        if (k.bSostituito)
            Scrivi(p, esterno);
        if (k.bEliminato)
            unlink(p.c_str());
        Cambia();
        const Byte nostro = Documento().Scrivi();

        CRisposta risposta(k.nPulsante);
        Comando(wxID_SAVE);
        EXPECT_EQ(risposta.m_nVolte, k.nDomande);
        EXPECT_EQ(Leggi(p), k.bNostroNelFile ? nostro : k.bSostituito ? esterno : Byte());
        EXPECT_EQ(Leggi(altro), k.bNostroInAltro ? nostro : Byte());
        EXPECT_EQ(Documento().m_bModificato, !k.bNostroNelFile && !k.bNostroInAltro);
        EXPECT_TRUE(c.errori.empty());
    }
}

// A restored room is a modified room with no saved state in its history:
// every command after the restore works on it, none crashes, and the copy
// on disk goes with a save or a discard, never before.
TEST(Recupero, DopoIlRipristinoOgniComandoTrattaLaStanzaComeModificata)
{
    enum Attesa { RIPRISTINATA, CON_SEDIA, PREDEFINITA, ALTRO_FILE, SECONDA_COPIA, ORIGINALE, ESTERNA };
    const auto Modifica = [] {
        Cambia();
        Documento().RegistraPasso("inserimento");
    };
    const struct
    {
        const char* pCaso;
        std::function<void(CCartellaStanze&)> azione;
        int nRisposta;  // to any dialog the command opens
        int nDomande;
        Attesa attesa;
        bool bModificato;
        std::size_t nCopie;  // on disk afterwards, ours included
        Attesa nelFile = ORIGINALE;
    } aCasi[] = {
        {"modifica", [&](CCartellaStanze&) { Modifica(); }, wxID_CANCEL, 0, CON_SEDIA, true, 1},
        {"annulla oltre il ripristino",
         [&](CCartellaStanze&) { Modifica(), Comando(ID_MODIFICA_ANNULLA), Comando(ID_MODIFICA_ANNULLA); },
         wxID_CANCEL, 0, RIPRISTINATA, true, 1},
        {"ripeti",
         [&](CCartellaStanze&) { Modifica(), Comando(ID_MODIFICA_ANNULLA), Comando(ID_MODIFICA_RIPETI); },
         wxID_CANCEL, 0, CON_SEDIA, true, 1},
        {"salva", [&](CCartellaStanze&) { Modifica(), Comando(wxID_SAVE); }, wxID_CANCEL, 0, CON_SEDIA,
         false, 0, CON_SEDIA},
        {"salva con nome", [](CCartellaStanze&) { Comando(wxID_SAVEAS); }, wxID_CANCEL, 0, RIPRISTINATA,
         false, 0},
        {"nuovo annullato", [](CCartellaStanze&) { Comando(wxID_NEW); }, wxID_CANCEL, 1, RIPRISTINATA,
         true, 1},
        {"nuovo", [](CCartellaStanze&) { Comando(wxID_NEW); }, wxID_OK, 1, PREDEFINITA, false, 0},
        {"apri", [](CCartellaStanze& c) { Documento().Apri(c.File("altro.lav")); }, wxID_OK, 1,
         ALTRO_FILE, false, 0},
        {"uscita annullata", [](CCartellaStanze&) { EXPECT_FALSE(Documento().OnSaveModified()); },
         wxID_CANCEL, 1, RIPRISTINATA, true, 1},
        {"uscita",
         [](CCartellaStanze&) {
             EXPECT_TRUE(Documento().OnSaveModified());
             Documento().OnCloseDocument();
         },
         wxID_OK, 1, RIPRISTINATA, false, 0},
        {"un altro ripristino",
         [](CCartellaStanze& c) {
             LasciaCopia(Dimostrativa(3), c.File("soggiorno.lav"));
             CRecupero::Get()->OffriCopie();
         },
         wxID_OK, 2, SECONDA_COPIA, true, 1},
        // The original changed after the copy was made: saving asks first.
        {"originale cambiato da altri",
         [](CCartellaStanze& c) { Scrivi(c.File("soggiorno.lav"), Dimostrativa(4)), Comando(wxID_SAVE); },
         wxID_CANCEL, 1, RIPRISTINATA, true, 1, ESTERNA},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.pCaso);
        Ripristina();
        CCartellaStanze c;
        const std::string p = c.File("soggiorno.lav");
        scelta_file::g_fnSalvare = [&c](const wxString&) { return wxString(c.File("altro.lav")); };
        Scrivi(p, Dimostrativa(0));
        Scrivi(c.File("altro.lav"), Dimostrativa(5));
        LasciaCopia(Dimostrativa(2), p);
        wxTEST_DIALOG(CRecupero::Get()->OffriCopie(), CPremiPulsante<CRipristinoDlg>(wxID_OK));
        const Byte ripristinata = Documento().Scrivi();
        ASSERT_EQ(ripristinata, Dimostrativa(2));

        CRisposta risposta(k.nRisposta);
        k.azione(c);
        EXPECT_EQ(risposta.m_nVolte, k.nDomande);
        const Byte attese[] = {ripristinata,    ConSedia(ripristinata), BytePredefiniti(),
                               Dimostrativa(5), Dimostrativa(3), Dimostrativa(0),
                               Dimostrativa(4)};
        EXPECT_EQ(Documento().Scrivi(), attese[k.attesa]);
        EXPECT_EQ(Leggi(p), attese[k.nelFile]);
        EXPECT_EQ(Documento().m_bModificato, k.bModificato);
        EXPECT_EQ(CopieSulDisco().size(), k.nCopie);
        EXPECT_TRUE(CCopiaRecupero::Abbandonate(CRecupero::Get()->GetCartella()).empty())
            << "the crashed editor's copy is gone: nothing is offered at the next start";
        EXPECT_TRUE(c.errori.empty());
        CRecupero::Get()->Dimentica();
    }
}

// A document that goes takes its copy with it, and its recovery never reads
// it again (the window can close before the program ends).
TEST(Recupero, UnDocumentoChiusoNonSiCopiaPiu)
{
    CCartellaTemporanea cartella{"lavedo-rec-fine"};
    CScena* const pProgramma = g_pDoc;
    auto* pDoc = new CLavedoDoc;
    g_pDoc = pProgramma;
    {
        CRecupero recupero(*pDoc, 0, cartella.Percorso());
        pDoc->m_fnFineModifiche = [&recupero](CLavedoDoc::FineModifiche fine) {
            recupero.FineModifiche(fine == CLavedoDoc::DOCUMENTO_CHIUSO);
        };
        pDoc->SetModificato();
        for (const std::size_t nCopie : {1u, 0u})
        {
            SCOPED_TRACE(nCopie ? "document open" : "document gone");
            recupero.ScriviCopia();
            recupero.Attendi();
            EXPECT_EQ(CopieSulDisco().size(), nCopie);
            delete std::exchange(pDoc, nullptr);
        }
    }
    CRecupero::Avvia(Documento());
}

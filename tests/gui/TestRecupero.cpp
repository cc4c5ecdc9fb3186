// Recovery copies and the overwrite check through the real window and
// document: what the user sees of them, file by file.
#include "Ambiente.h"
#include "Risposte.h"
#include "CartellaTemporanea.h"
#include "ScenaDiProva.h"
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

TEST(Recupero, UnaCopiaDopoUnaModificaSparisceColSalvataggio)
{
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
    recupero.ScriviCopia();
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
        // Another editor wrote a copy and ended without removing it.
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

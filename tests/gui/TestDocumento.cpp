// Open, save and the recent files through the real window and document.
#include "../model/TestFormatoAMano.h"
#include "Ambiente.h"
#include "CartellaTemporanea.h"
#include "Risposte.h"
#include "app/Comandi.h"
#include "ScenaDiProva.h"
#include "app/LavedoDoc.h"
#include "dialogs/Nomi.h"
#include "app/Cartelle.h"
#include "app/GestoreDocumenti.h"
#include "app/SceltaFile.h"
#include "dialogs/ConfermaNuovoDlg.h"
#include "model/Luci.h"
#include "view/LavedoView.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/config.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/menu.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace ambiente;

namespace
{
CGestoreDocumenti& Gestore()
{
    return static_cast<CGestoreDocumenti&>(*Documento().GetDocumentManager());
}

using Byte = std::vector<std::uint8_t>;

void InviaComando(int nId)
{
    wxCommandEvent evento(wxEVT_MENU, nId);
    Cornice().GetEventHandler()->ProcessEvent(evento);
    Pompa();
}

Byte LeggiFile(const std::string& p)
{
    Byte b;
    if (FILE* f = std::fopen(p.c_str(), "rb"))
    {
        int c;
        while ((c = std::fgetc(f)) != EOF)
            b.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return b;
}

void ScriviFile(const std::string& p, const Byte& b)
{
    FILE* f = std::fopen(p.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!b.empty())
        std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}

// The hooks of the file choosers and the error box, for one test: counts
// what was asked and answers with the given paths.
struct CRisposteFile
{
    wxString aprire, salvare;
    int nAperture = 0, nSalvataggi = 0;
    std::vector<wxString> errori;
    CCartellaTemporanea temporanea{"lavedo-doc"};
    const std::string& cartella = temporanea.Percorso();

    CRisposteFile()
    {
        scelta_file::g_fnAprire = [this] { ++nAperture; return aprire; };
        scelta_file::g_fnSalvare = [this](const wxString&) { ++nSalvataggi; return salvare; };
        scelta_file::g_fnErrore = [this](const wxString& m) { errori.push_back(m); };
    }
    ~CRisposteFile()
    {
        scelta_file::g_fnAprire = nullptr;
        scelta_file::g_fnSalvare = nullptr;
        scelta_file::g_fnErrore = nullptr;
        TogliDaiRecenti(cartella);
        Gestore().AggiornaMenuFile();
    }
    std::string File(const char* pNome) const { return temporanea.File(pNome); }
};

// A visible change, as a dialog would make it.
void Modifica(CLavedoDoc& doc)
{
    doc.m_Oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, "Sedia", 1, 1));
    doc.SetModificato();
}

// The title once idle time has brought its "*" up to date.
std::string Titolo()
{
    Pompa();
    return std::string(Cornice().GetTitle().utf8_str());
}

bool LuceGL(int n)
{
    return glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + n)) == GL_TRUE;
}

float RossoDiffusaGL(int n)
{
    GLfloat a[4] = {};
    glGetLightfv(static_cast<GLenum>(GL_LIGHT0 + n), GL_DIFFUSE, a);
    return a[0];
}
}  // namespace

TEST(Nomi, ConversioneWindows1252)
{
    const struct
    {
        const char* pByte;
        const wchar_t* pTesto;
    } aNomi[] = {
        {"Sedia di pap\xE0", L"Sedia di pap\u00e0"},
        {"\x80 5 \x93x\x94", L"\u20ac 5 \u201cx\u201d"},
        {"", L""},
    };
    for (const auto& n : aNomi)
    {
        EXPECT_EQ(NomeInTesto(n.pByte), wxString(n.pTesto));
        EXPECT_EQ(TestoInNome(n.pTesto), n.pByte);
    }
    // An undefined byte does not blank the whole name.
    EXPECT_EQ(NomeInTesto("a\x81z"), wxString(L"a\ufffdz"));
    // Characters outside the code page become '?'; the name stops at 49.
    EXPECT_EQ(TestoInNome(L"\u4e2d\u00e8\u0416"), "?\xE8?");
    EXPECT_EQ(TestoInNome(wxString(60, 'x')), std::string(49, 'x'));
    EXPECT_EQ(TestoInNome(wxString(48, 'x') + L"\u00e0\u00e0"), std::string(48, 'x') + "\xE0");
}

TEST(Documento, SalvaUnaStanzaNuovaDallaFinestra)
{
    Ripristina();
    CRisposteFile r;
    const std::string p = r.File("nuova");
    r.salvare = wxString(p);
    InviaComando(wxID_SAVE);
    // A new room has no file yet: Save asks where, like Save As.
    EXPECT_EQ(r.nSalvataggi, 1);
    EXPECT_EQ(LeggiFile(p), a_mano::Stanza().u8(0).u8(0).b);
    EXPECT_EQ(Titolo(), "nuova - Lavedo98");
    EXPECT_EQ(Documento().GetFilename(), wxString(p));
    EXPECT_EQ(Documento().GetDocumentManager()->GetHistoryFile(0), wxString(p));

    // Saving again writes without asking, modified or not.
    unlink(p.c_str());
    InviaComando(wxID_SAVE);
    EXPECT_EQ(r.nSalvataggi, 1);
    EXPECT_EQ(LeggiFile(p).size(), 230u);
    Modifica(Documento());
    InviaComando(wxID_SAVE);
    EXPECT_FALSE(Documento().m_bModificato);
    EXPECT_EQ(LeggiFile(p).size(), 230u + 94u);

    // Save As, then cancelled at the chooser: nothing written.
    r.salvare = wxString(r.File("copia"));
    InviaComando(wxID_SAVEAS);
    EXPECT_EQ(LeggiFile(r.File("copia")), LeggiFile(p));
    EXPECT_EQ(Titolo(), "copia - Lavedo98");
    r.salvare.clear();
    Modifica(Documento());
    InviaComando(wxID_SAVEAS);
    EXPECT_TRUE(Documento().m_bModificato);
    EXPECT_EQ(Titolo(), "*copia - Lavedo98");
    EXPECT_TRUE(r.errori.empty());
}

TEST(Documento, SalvaConUnNomeLungoQuantoIlFileSystemConsente)
{
    Ripristina();
    CRisposteFile r;
    const std::string p = r.File(std::string(250, 's').c_str());
    r.salvare = wxString(p);
    InviaComando(wxID_SAVEAS);
    EXPECT_TRUE(r.errori.empty()) << r.errori[0];
    EXPECT_EQ(LeggiFile(p).size(), 230u);
    EXPECT_EQ(Documento().GetFilename(), wxString(p));
}

TEST(Documento, ApreUnFileNellOrdineScritto)
{
    Ripristina();
    CRisposteFile r;
    // Three lights added first, second, third; the first is off and each
    // has its own diffuse red, so the GL light each drives can be told.
    CScena scena(false);
    scena_di_prova::Dimostrativa(scena);
    while (scena.m_Luci.GetNumero() > 0)
        scena.m_Luci.Rimuovi(1);
    const float aRosso[3] = {0.1f, 0.2f, 0.3f};
    for (int i = 0; i < 3; ++i)
    {
        COggetto* l = scena_di_prova::Luce("L", 1, 1, 2, false);
        const float d[4] = {aRosso[i], 0.5f, 0.5f, 1.0f};
        l->SetDiffusa(d);
        l->SetAccesa(i != 0);
        scena.m_Luci.Aggiungi(l);
    }
    const std::string p = r.File("dimostrativa");
    ScriviFile(p, scena.Scrivi());

    Vista().m_bLuci = true;
    Vista().m_bTextures = true;
    r.aprire = wxString(p);
    InviaComando(wxID_OPEN);
    ASSERT_TRUE(r.errori.empty()) << r.errori[0];
    CLavedoDoc& doc = Documento();
    EXPECT_EQ(doc.m_Oggetti.GetNumero(), scena.m_Oggetti.GetNumero());
    EXPECT_EQ(doc.m_Luci.GetNumero(), 3);
    EXPECT_FALSE(doc.m_bModificato);
    EXPECT_FALSE(Vista().m_bLuci);
    EXPECT_FALSE(Vista().m_bTextures);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(Titolo(), "dimostrativa - Lavedo98");
    // The lights keep their order, so each drives the GL light it drove
    // when saved: the first, switched off, GL_LIGHT0; the third GL_LIGHT2.
    EXPECT_EQ(doc.Scrivi(), scena.Scrivi());
    EXPECT_FALSE(LuceGL(0));
    EXPECT_TRUE(LuceGL(1));
    EXPECT_TRUE(LuceGL(2));
    EXPECT_FLOAT_EQ(RossoDiffusaGL(0), 0.1f);
    EXPECT_FLOAT_EQ(RossoDiffusaGL(2), 0.3f);
    for (int n = 3; n < 8; ++n)
        EXPECT_FALSE(LuceGL(n)) << n;
    // The plan fits the 12 x 10 room inside the 800 x 600 window's margin.
    EXPECT_FLOAT_EQ(Vista().m_fScala, 56.0f);

    // Saved unchanged, the file is the one opened.
    InviaComando(wxID_SAVE);
    EXPECT_EQ(LeggiFile(p), scena.Scrivi());
}

TEST(Documento, UnFileDanneggiatoNonToccaIlDocumentoAperto)
{
    Ripristina();
    CRisposteFile r;
    CLavedoDoc& doc = Documento();
    r.salvare = wxString(r.File("mia"));
    InviaComando(wxID_SAVE);
    Modifica(doc);
    doc.m_Luci.Aggiungi(scena_di_prova::Luce("Luce", 1, 1, 1, false));
    const COggetto* pPrimo = nullptr;
    {
        COggetto* p = nullptr;
        doc.m_Oggetti.GetElemento(1, p);
        pPrimo = p;
    }
    const std::string titolo = Titolo();

    CScena scena(false);
    scena_di_prova::Dimostrativa(scena);
    const Byte intero = scena.Scrivi();
    const struct
    {
        const char* pCaso;
        Byte dati;
        const char* pMotivo;
    } aCasi[] = {
        {"troncato", Byte(intero.begin(), intero.begin() + 400), "finisce prima del previsto"},
        {"in coda", [&] { Byte b = intero; b.push_back(1); return b; }(), "altri 1 byte"},
        {"vuoto", Byte(), "finisce prima"},
    };
    for (const auto& c : aCasi)
    {
        SCOPED_TRACE(c.pCaso);
        const std::string p = r.File(c.pCaso);
        ScriviFile(p, c.dati);
        r.aprire = wxString(p);
        r.errori.clear();
        wxTEST_DIALOG(InviaComando(wxID_OPEN), CPremiPulsante<CConfermaNuovoDlg>(wxID_OK));
        ASSERT_EQ(r.errori.size(), 1u);
        EXPECT_NE(r.errori[0].Find(wxString(p)), wxNOT_FOUND) << r.errori[0];
        EXPECT_NE(r.errori[0].Find(wxString::FromUTF8(c.pMotivo)), wxNOT_FOUND) << r.errori[0];
        EXPECT_EQ(doc.m_Oggetti.GetNumero(), 1);
        COggetto* p1 = nullptr;
        doc.m_Oggetti.GetElemento(1, p1);
        EXPECT_EQ(p1, pPrimo);
        EXPECT_EQ(doc.m_Luci.GetNumero(), 1);
        EXPECT_TRUE(doc.m_bModificato);
        EXPECT_EQ(doc.GetFilename(), wxString(r.File("mia")));
        EXPECT_EQ(Titolo(), titolo);
    }

    // A file that is missing: the same, and the message says so.
    r.aprire = wxString(r.File("manca"));
    r.errori.clear();
    wxTEST_DIALOG(InviaComando(wxID_OPEN), CPremiPulsante<CConfermaNuovoDlg>(wxID_OK));
    ASSERT_EQ(r.errori.size(), 1u);
    EXPECT_NE(r.errori[0].Find("non esiste"), wxNOT_FOUND) << r.errori[0];
    EXPECT_EQ(doc.m_Oggetti.GetNumero(), 1);

    // A save that fails (a folder stands where the file should go) keeps
    // the document modified and under its old name.
    const std::string cartella = r.File("cartella");
    mkdir(cartella.c_str(), 0755);
    r.salvare = wxString(cartella);
    r.errori.clear();
    InviaComando(wxID_SAVEAS);
    ASSERT_EQ(r.errori.size(), 1u);
    EXPECT_NE(r.errori[0].Find(wxString(cartella)), wxNOT_FOUND) << r.errori[0];
    EXPECT_TRUE(doc.m_bModificato);
    EXPECT_EQ(doc.GetFilename(), wxString(r.File("mia")));
    EXPECT_EQ(Titolo(), titolo);
}

TEST(Documento, UnFileCheNonEUnFileNonBloccaLApertura)
{
    Ripristina();
    CRisposteFile r;
    CLavedoDoc& doc = Documento();
    const std::string fifo = r.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const struct
    {
        std::string percorso;
        bool bDalMenu;  // "&Apri...", or the call the command line makes
        const char* pMotivo;
    } aCasi[] = {
        {fifo, true, "pipe con nome"},
        {fifo, false, "pipe con nome"},
        {"/dev/zero", true, "dispositivo"},
    };
    for (const auto& k : aCasi)
    {
        SCOPED_TRACE(k.percorso + (k.bDalMenu ? " (menu)" : " (command line)"));
        r.errori.clear();
        // An open that blocks cannot fail a test: the alarm ends the run.
        alarm(5);
        if (k.bDalMenu)
        {
            r.aprire = wxString(k.percorso);
            InviaComando(wxID_OPEN);
        }
        else
        {
            EXPECT_FALSE(doc.Apri(wxString(k.percorso), false));
        }
        alarm(0);
        ASSERT_EQ(r.errori.size(), 1u);
        EXPECT_NE(r.errori[0].Find(wxString(k.percorso)), wxNOT_FOUND) << r.errori[0];
        EXPECT_NE(r.errori[0].Find(wxString::FromUTF8(k.pMotivo)), wxNOT_FOUND) << r.errori[0];
        EXPECT_EQ(doc.GetFilename(), wxString());
        EXPECT_EQ(Titolo(), "Lavedo - Lavedo98");
    }
}

TEST(Documento, AnnullareLaConfermaNonCambiaNulla)
{
    Ripristina();
    CRisposteFile r;
    CLavedoDoc& doc = Documento();
    const std::string p = r.File("altra");
    CScena scena(false);
    scena_di_prova::Dimostrativa(scena);
    ScriviFile(p, scena.Scrivi());
    Modifica(doc);
    r.aprire = wxString(p);
    wxTEST_DIALOG(InviaComando(wxID_OPEN), CPremiPulsante<CConfermaNuovoDlg>(wxID_CANCEL));
    EXPECT_EQ(doc.m_Oggetti.GetNumero(), 1);
    EXPECT_TRUE(doc.m_bModificato);
    EXPECT_TRUE(r.errori.empty());

    // Closing the window asks as well; Cancel keeps the editor open.
    wxTEST_DIALOG(Cornice().Close(), CPremiPulsante<CConfermaNuovoDlg>(wxID_CANCEL));
    Pompa();
    ASSERT_EQ(g_pDoc, static_cast<CScena*>(&doc));
    EXPECT_FALSE(Cornice().IsBeingDeleted());
    EXPECT_EQ(doc.m_Oggetti.GetNumero(), 1);
    EXPECT_TRUE(doc.m_bModificato);
    doc.m_bModificato = false;
}

// "Salva" in the question before a room is discarded saves it, asking for a
// name when it has none, then goes on; a save refused keeps the room.
TEST(Documento, SalvaDallaConfermaPoiProsegue)
{
    struct Caso
    {
        const char* pNome;
        bool bConFile;   // the room was saved before
        bool bScelto;    // a name is given when asked
        int nRichieste;  // names asked
        bool bProsegue;  // the new room replaces it
    } aCasi[] = {
        {"new room, name given", false, true, 1, true},
        {"new room, chooser cancelled", false, false, 1, false},
        {"saved room", true, false, 0, true},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pNome);
        Ripristina();
        CRisposteFile r;
        const std::string p = r.File("salvata");
        if (c.bConFile)
        {
            r.salvare = wxString(p);
            InviaComando(wxID_SAVE);
            r.nSalvataggi = 0;
        }
        Modifica(Documento());
        const Byte stanza = Documento().Scrivi();
        r.salvare = c.bScelto ? wxString(p) : wxString();
        wxTEST_DIALOG(InviaComando(wxID_NEW),
                      CPremiPulsante<CConfermaNuovoDlg>(XRCID("IDC_SALVA")));
        EXPECT_EQ(r.nSalvataggi, c.nRichieste);
        EXPECT_EQ(LeggiFile(p) == stanza, c.bProsegue);
        EXPECT_EQ(Documento().m_Oggetti.GetNumero(), c.bProsegue ? 0 : 1);
        EXPECT_EQ(Documento().m_bModificato, !c.bProsegue);
        Documento().m_bModificato = false;
    }
}

// A file is first offered in the folder last used, but never in the
// program's own sample folder: then in the user's documents.
TEST(Documento, SalvareNonProponeLaCartellaDelProgramma)
{
    CCartellaTemporanea altra("lavedo-cartella");
    wxConfigBase& config = *wxConfigBase::Get();
    const wxString chiave = "/Impostazioni/UltimaCartella";
    const wxString prima = config.Read(chiave, wxString());
    const wxString documenti = wxStandardPaths::Get().GetDocumentsDir();
    const wxString ripiego = wxDirExists(documenti) ? documenti : wxGetHomeDir();
    const std::pair<wxString, wxString> aCasi[] = {
        {wxString(altra.Percorso()), wxString(altra.Percorso())},
        {CartellaEsempi(), ripiego},
        {CartellaEsempi() + "/../esempi", ripiego},
        {"/nessuna/cartella", ripiego},
    };
    for (const auto& [ultima, attesa] : aCasi)
    {
        config.Write(chiave, ultima);
        EXPECT_EQ(CartellaSalvataggio(), attesa) << ultima;
    }
    config.Write(chiave, prima);
}

TEST(Documento, FileRecentiNelMenuAlPostoDelSegnaposto)
{
    Ripristina();
    CLavedoDoc& doc = Documento();
    wxFileHistory& storia = *doc.GetDocumentManager()->GetFileHistory();
    std::vector<wxString> salvati;
    for (std::size_t i = 0; i < storia.GetCount(); ++i)
        salvati.push_back(storia.GetHistoryFile(i));
    while (storia.GetCount() > 0)
        storia.RemoveFileFromHistory(0);

    wxMenu menu;
    menu.Append(wxID_NEW, "&Nuovo");
    menu.Append(wxID_SAVEAS, "Sa&lva con nome...");
    menu.AppendSeparator();
    menu.Append(wxID_FILE1, "Ultimo file usato");
    menu.AppendSeparator();
    menu.Append(ID_ESCI, "&Esci");
    Gestore().CollegaMenuFile(&menu);
    EXPECT_FALSE(menu.IsEnabled(wxID_FILE1));
    EXPECT_EQ(menu.FindItemByPosition(3)->GetItemLabelText(), "Ultimo file usato");

    {
        CRisposteFile r;
        const char* aNomi[] = {"uno", "due", "tre", "quattro", "cinque"};
        for (const char* pNome : aNomi)
        {
            r.salvare = wxString(r.File(pNome));
            InviaComando(wxID_SAVEAS);
        }
        // Four entries, newest first, where the placeholder was.
        ASSERT_EQ(menu.GetMenuItemCount(), 9u);
        EXPECT_EQ(menu.FindItemByPosition(3)->GetId(), wxID_FILE1);
        EXPECT_TRUE(menu.FindItemByPosition(3)->GetItemLabel().StartsWith("&1 "));
        EXPECT_TRUE(menu.FindItemByPosition(3)->GetItemLabel().EndsWith("cinque"));
        EXPECT_TRUE(menu.FindItemByPosition(6)->GetItemLabel().EndsWith("due"));
        EXPECT_TRUE(menu.IsEnabled(wxID_FILE1));
        EXPECT_EQ(menu.FindItemByPosition(8)->GetId(), ID_ESCI);

        // The fourth entry opens "due".
        InviaComando(wxID_FILE4);
        EXPECT_EQ(doc.GetFilename(), wxString(r.File("due")));
        EXPECT_EQ(Titolo(), "due - Lavedo98");
        // A file that is gone leaves the list.
        unlink(r.File("tre").c_str());
        const std::size_t nPrima = storia.GetCount();
        int nTre = -1;
        for (std::size_t i = 0; i < nPrima; ++i)
            if (storia.GetHistoryFile(i) == wxString(r.File("tre")))
                nTre = static_cast<int>(i);
        ASSERT_GE(nTre, 0);
        InviaComando(wxID_FILE1 + nTre);
        EXPECT_EQ(r.errori.size(), 1u);
        EXPECT_EQ(storia.GetCount(), nPrima - 1);
    }
    // The test's files left the list: the placeholder is back.
    EXPECT_EQ(storia.GetCount(), 0u);
    EXPECT_FALSE(menu.IsEnabled(wxID_FILE1));
    EXPECT_EQ(menu.GetMenuItemCount(), 6u);

    // The real File menu gets the list back.
    Gestore().CollegaMenuFile(nullptr);
    for (auto it = salvati.rbegin(); it != salvati.rend(); ++it)
        storia.AddFileToHistory(*it);
    if (wxMenuBar* pBarra = Cornice().GetMenuBar())
    {
        wxMenu* pFile = nullptr;
        if (pBarra->FindItem(wxID_FILE1, &pFile) && pFile)
            Gestore().CollegaMenuFile(pFile);
    }
}

TEST(Documento, GliEsempiSiAprono)
{
    Ripristina();
    CRisposteFile r;
    for (const char* pNome : {"esempi/soggiorno.lav", "esempi/camera.lav", "esempi/cucina.lav"})
    {
        SCOPED_TRACE(pNome);
        ASSERT_TRUE(Documento().Apri(pNome, false)) << (r.errori.empty() ? "" : r.errori[0]);
        EXPECT_GT(Documento().m_Oggetti.GetNumero(), 5);
        EXPECT_GT(Documento().m_Luci.GetNumero(), 0);
    }
    Ripristina();
}

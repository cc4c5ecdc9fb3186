// The undo history and the clipboard through the real frame, document and view.
#include "Compila.h"
#include "ScenaDiProva.h"
#include "TestMouseAiuti.h"
#include "app/Appunti.h"
#include "app/Comandi.h"
#include "app/LavedoDoc.h"
#include "dialogs/AttributiDlg.h"
#include "dialogs/ConfermaEliminaDlg.h"
#include "dialogs/ImpostazioniDlg.h"
#include "dialogs/NuovaLuceDlg.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <functional>

using namespace ambiente;
using namespace aiuti;
using compila::CCompila;

namespace
{
using Byte = std::vector<std::uint8_t>;

wxString Voce(int nId)
{
    return Cornice().GetMenuBar()->FindItem(nId)->GetItemLabel();
}

// Which GL lights are on, one bit each.
int LuciGL()
{
    Vista().RendiCorrente();
    int n = 0;
    for (int i = 0; i < 8; ++i)
        n |= glIsEnabled(GL_LIGHT0 + i) ? 1 << i : 0;
    return n;
}

// Runs a command whose dialog T is answered by typing testo in pEdit and OK.
template <class T>
std::function<void()> ConDialogo(int nComando, const char* pEdit = nullptr, const char* pTesto = "")
{
    const auto fnCompila = [=](T& d) {
        if (pEdit)
            compila::Scrivi(d, pEdit, pTesto);
        compila::Premi(d, wxID_OK);
    };
    return [=] { wxTEST_DIALOG(Comando(nComando), CCompila<T>(fnCompila)); };
}

// The demonstration room, saved as it stands, and a chair selected in it.
COggetto* StanzaConSedia()
{
    Ripristina();
    scena_di_prova::Dimostrativa(Documento());
    COggetto* p = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 5.0f, 5.0f, 0.5f, 0.5f);
    Documento().AzzeraStoria();
    Vista().RendiCorrente();
    Documento().ApplicaLuci();
    Seleziona(p);
    return p;
}
}  // namespace

TEST(Storia, OgniModificaSiAnnullaESiRipeteAlByte)
{
    struct Caso
    {
        const char* pPasso;
        std::function<void()> fnModifica;
    };
    const Caso aCasi[] = {
        {"inserimento", ConDialogo<CAttributiDlg>(ID_INSERISCI_SEDIA, "IDC_X", "2")},
        {"modifica", ConDialogo<CAttributiDlg>(ID_VISTA_MODIFICA, "IDC_X", "7")},
        {"eliminazione", ConDialogo<CConfermaEliminaDlg>(ID_VISTA_ELIMINA)},
        {"spostamento", [] { Trascina(false, 300, 250, 350, 290); }},
        {"rotazione", [] { Trascina(true, 300, 250, 330, 250); }},
        // A run of key presses is one step.
        {"spostamento", [] { Tasto(WXK_RIGHT), Tasto(WXK_RIGHT, true), Tasto(WXK_UP); }},
        {"rotazione", [] { Tasto(WXK_PAGEUP), Tasto(WXK_PAGEUP, true); }},
        {"luce", ConDialogo<CNuovaLuceDlg>(ID_INSERISCI_LUCE)},
        {"impostazioni", ConDialogo<CImpostazioniDlg>(ID_IMPOSTAZIONI, "IDC_LARGHEZZA", "9")},
        {"taglio", [] { Comando(ID_MODIFICA_TAGLIA); }},
        {"incolla", [] { Comando(ID_MODIFICA_COPIA), Comando(ID_MODIFICA_INCOLLA); }},
        {"duplicazione", [] { Comando(ID_MODIFICA_DUPLICA); }},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(c.pPasso);
        StanzaConSedia();
        const Byte prima = Documento().Scrivi();
        const int nLuciPrima = LuciGL();
        EXPECT_FALSE(StatoComando(ID_MODIFICA_ANNULLA).bAbilitato);
        c.fnModifica();
        const Byte dopo = Documento().Scrivi();
        const int nLuciDopo = LuciGL();
        ASSERT_NE(dopo, prima);
        EXPECT_EQ(Voce(ID_MODIFICA_ANNULLA), wxString("&Annulla ") + c.pPasso + "\tCtrl+Z");
        for (int nVolta = 0; nVolta < 2; ++nVolta)
        {
            Comando(ID_MODIFICA_ANNULLA);
            EXPECT_EQ(Documento().Scrivi(), prima);
            EXPECT_FALSE(Documento().m_bModificato);
            EXPECT_EQ(LuciGL(), nLuciPrima);
            EXPECT_EQ(Voce(ID_MODIFICA_RIPETI), wxString("&Ripeti ") + c.pPasso + "\tCtrl+Y");
            Comando(ID_MODIFICA_RIPETI);
            EXPECT_EQ(Documento().Scrivi(), dopo);
            EXPECT_TRUE(Documento().m_bModificato);
            EXPECT_EQ(LuciGL(), nLuciDopo);
        }
        // The selection never outlives its piece.
        bool bPresente = !Vista().GetOggettoSelezionato();
        for (int i = 1; i <= Documento().m_Oggetti.GetNumero(); ++i)
        {
            COggetto* q = nullptr;
            Documento().m_Oggetti.GetElemento(static_cast<std::uint8_t>(i), q);
            bPresente = bPresente || q == Vista().GetOggettoSelezionato();
        }
        EXPECT_TRUE(bPresente);
    }
}

TEST(Storia, IlFlagModificatoSegueLaStoria)
{
    StanzaConSedia();
    // Undo and redo make the pieces anew: the selection follows by place.
    const auto X = [] { return Vista().GetOggettoSelezionato()->GetX(); };
    const auto Sposta = [](float x, const char* pPasso = "spostamento", bool bUnisci = false) {
        Vista().GetOggettoSelezionato()->SetX(x);
        Documento().RegistraPasso(pPasso, bUnisci);
    };
    const auto Salva = [] {
        const wxString percorso = wxFileName::CreateTempFileName("lavedo_storia");
        EXPECT_TRUE(Documento().SalvaSu(percorso) && wxRemoveFile(percorso));
    };
    const auto Annulla = [] { Comando(ID_MODIFICA_ANNULLA); return Documento().m_bModificato; };
    const auto Ripeti = [] { Comando(ID_MODIFICA_RIPETI); return Documento().m_bModificato; };

    Sposta(5.0f);  // no change, no step
    EXPECT_FALSE(Documento().m_bModificato);
    EXPECT_FALSE(Documento().Storia().CanUndo());
    Sposta(6.0f);
    EXPECT_TRUE(Documento().m_bModificato);
    Salva();
    Sposta(7.0f);
    EXPECT_FALSE(Annulla());  // back to the saved room
    EXPECT_TRUE(Annulla());
    EXPECT_FALSE(Ripeti());
    EXPECT_TRUE(Ripeti());
    EXPECT_FLOAT_EQ(X(), 7.0f);

    // A run of presses of one name is one step, but never across a save.
    Sposta(8.0f, "spostamento", true);
    Sposta(9.0f, "spostamento", true);
    EXPECT_FALSE(Annulla());
    Sposta(1.0f, "spostamento", true);  // after an undo: a step of its own
    Sposta(2.0f, "rotazione", true);
    Comando(ID_MODIFICA_ANNULLA);
    EXPECT_FLOAT_EQ(X(), 1.0f);
    Sposta(3.0f);
    Salva();
    Sposta(4.0f, "spostamento", true);
    EXPECT_FALSE(Annulla());

    // At least a hundred steps are kept; New forgets them.
    for (int i = 0; i < 120; ++i)
        Sposta(static_cast<float>(i % 10));
    int nPassi = 0;
    for (; Documento().Storia().CanUndo() && nPassi < 200; ++nPassi)
        Comando(ID_MODIFICA_ANNULLA);
    EXPECT_EQ(nPassi, CStoria::MASSIMO_PASSI);
    Documento().m_bModificato = false;
    Comando(wxID_NEW);
    EXPECT_FALSE(Documento().Storia().CanUndo() || Documento().Storia().CanRedo());
}

TEST(Appunti, UnPezzoCopiatoSiIncollaInUnAltraStanza)
{
    // 12 x 10 room; the copy lands 0.25 m east and south, inside the room;
    // an opening slides along its wall the way a drag east or south would.
    struct Caso
    {
        int nCategoria, nTipo, nParete;
        float x, y, fAngolo, fAttesaX, fAttesaY;
    };
    const Caso aCasi[] = {
        {CATEGORIA_SEDIE, 1, 0, 5.0f, 5.0f, 30.0f, 5.25f, 5.25f},
        {CATEGORIA_ARMADI, 0, 0, 10.9f, 8.9f, 0.0f, 11.0f, 9.0f},
        {CATEGORIA_PORTE_FINESTRE, 0, 1, 2.0f, 0.0f, 0.0f, 2.25f, 0.0f},
        {CATEGORIA_PORTE_FINESTRE, 1, 2, 2.0f, 0.0f, 0.0f, 2.25f, 0.0f},
        {CATEGORIA_PORTE_FINESTRE, 0, 3, 2.0f, 0.0f, 0.0f, 1.75f, 0.0f},
        {CATEGORIA_PORTE_FINESTRE, 1, 4, 0.1f, 0.0f, 0.0f, 0.0f, 0.0f},
    };
    for (const Caso& c : aCasi)
    {
        SCOPED_TRACE(testing::Message() << c.nCategoria << "/" << c.nTipo << " wall " << c.nParete);
        Ripristina();
        COggetto* p =
            Aggiungi(c.nCategoria, c.nTipo, "Pezzo \xE8", c.x, c.y, 1.0f, 1.0f, c.fAngolo);
        p->SetParete(c.nParete);
        Seleziona(p);
        Comando(ID_MODIFICA_COPIA);
        p->SetX(c.fAttesaX);
        p->SetY(c.fAttesaY);
        const Byte atteso = Documento().CopiaSelezionato();

        Ripristina();  // another room
        Comando(ID_MODIFICA_INCOLLA);
        ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 1);
        EXPECT_EQ(Documento().CopiaSelezionato(), atteso);
        EXPECT_TRUE(Documento().m_bModificato);
        EXPECT_EQ(Voce(ID_MODIFICA_ANNULLA), "&Annulla incolla\tCtrl+Z");
    }
}

// Copies take the next free number, so "Modifica > Oggetto..." never lists
// two pieces of one name; a piece cut and pasted keeps its own.
TEST(Appunti, LeCopieHannoNomiPropri)
{
    Ripristina();
    Seleziona(Aggiungi(CATEGORIA_SEDIE, 0, "Sedia 1", 2.0f, 2.0f, 0.5f, 0.5f));
    Comando(ID_MODIFICA_DUPLICA);
    Comando(ID_MODIFICA_DUPLICA);
    Comando(ID_MODIFICA_COPIA);
    Comando(ID_MODIFICA_INCOLLA);
    Comando(ID_MODIFICA_TAGLIA);
    Comando(ID_MODIFICA_INCOLLA);
    std::string nomi;
    COggetto* p = nullptr;
    for (Documento().m_Oggetti.GetElemento(1, p); p; Documento().m_Oggetti.GetSuccessivo(p))
        nomi += std::string(p->GetNome()) + ";";
    EXPECT_EQ(nomi, "Sedia 4;Sedia 3;Sedia 2;Sedia 1;");
}

TEST(Appunti, DatiDanneggiatiEStanzaPienaRifiutatiConUnMessaggio)
{
    // Damaged data in our format, then a sound piece into a full room.
    for (const bool bPiena : {false, true})
    {
        SCOPED_TRACE(bPiena ? "full room" : "truncated");
        StanzaConSedia();
        Byte dati = Documento().CopiaSelezionato();
        dati.resize(bPiena ? dati.size() : 20);
        while (bPiena && Documento().m_Oggetti.GetNumero() < CContenitori::MASSIMO_ELEMENTI)
            Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 1, 1, 1, 1);
        Documento().AzzeraStoria();
        ASSERT_TRUE(MettiNegliAppunti(dati, "testo"));
        const Byte prima = Documento().Scrivi();
        wxString messaggio;
        const auto fnLeggi = [&](wxMessageDialog& d) {
            messaggio = d.GetMessage();
            d.SetReturnCode(wxID_OK);
        };
        wxTEST_DIALOG(Comando(ID_MODIFICA_INCOLLA), CCompila<wxMessageDialog>(fnLeggi));
        EXPECT_EQ(messaggio.StartsWith("Impossibile incollare"), !bPiena) << messaggio;
        EXPECT_EQ(messaggio == CAttributiDlg::TestoStanzaPiena(), bPiena) << messaggio;
        EXPECT_EQ(Documento().Scrivi(), prima);
        EXPECT_FALSE(Documento().Storia().CanUndo());
        Byte restati;
        EXPECT_TRUE(LeggiDagliAppunti(restati) && restati == dati);
    }
}

// The view's commands and their command states, through the frame's
// routing, with the GL state they leave.
#include "Risposte.h"
#include "ScenaDiProva.h"
#include "TestMouseAiuti.h"
#include "app/Comandi.h"
#include "dialogs/ConfermaEliminaDlg.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>

using namespace ambiente;
using namespace aiuti;

namespace
{
struct CAtteso
{
    int nId;
    bool bAbilitato;
    bool bSpuntato;
};

void VerificaStati(const char* pCaso, std::initializer_list<CAtteso> attesi)
{
    for (const CAtteso& a : attesi)
    {
        const CStatoComando s = StatoComando(a.nId);
        EXPECT_TRUE(s.bGestito) << pCaso << " id " << a.nId;
        EXPECT_EQ(s.bAbilitato, a.bAbilitato) << pCaso << " id " << a.nId;
        EXPECT_EQ(s.bSpuntato, a.bSpuntato) << pCaso << " id " << a.nId;
    }
}

// Answers the delete confirmation and notes the name it showed.
class CRispostaElimina : public CPremiPulsante<CConfermaEliminaDlg>
{
public:
    CRispostaElimina(int nPulsante, wxString& nome) : CPremiPulsante(nPulsante), m_Nome(nome) {}

protected:
    int OnInvoked(CConfermaEliminaDlg* pDlg) const override
    {
        m_Nome = XRCCTRL(*pDlg, "IDC_NOME", wxStaticText)->GetLabel();
        return CPremiPulsante::OnInvoked(pDlg);
    }

private:
    wxString& m_Nome;
};
}  // namespace

TEST(ComandiStato, TabellaNeiDueModi)
{
    Ripristina();
    VerificaStati("plan", {{ID_VISTA_3D, true, false},
                           {ID_VISTA_PIANTINA, true, true},
                           {ID_VISTA_WIREFRAMES, true, false},
                           {ID_VISTA_ANTIALIASING, true, false},
                           {ID_VISTA_TEXTURES, false, false},
                           {ID_VISTA_LUCI, false, false},
                           {ID_VISTA_CENTRA, false, false},
                           {ID_VISTA_SELEZIONA, true, false},
                           {ID_VISTA_ELIMINA, false, false},
                           {ID_VISTA_MODIFICA, false, false}});
    EXPECT_FALSE(StatoComando(ID_VISTA_ROTAZIONE).bAbilitato);

    Comando(ID_VISTA_3D);
    Comando(ID_VISTA_WIREFRAMES);
    Comando(ID_VISTA_ANTIALIASING);
    Comando(ID_VISTA_TEXTURES);
    Comando(ID_VISTA_LUCI);
    Comando(ID_VISTA_ROTAZIONE);
    Comando(ID_VISTA_SELEZIONA);
    VerificaStati("3D, all on", {{ID_VISTA_3D, true, true},
                                 {ID_VISTA_PIANTINA, true, false},
                                 {ID_VISTA_WIREFRAMES, true, true},
                                 {ID_VISTA_ANTIALIASING, true, true},
                                 {ID_VISTA_TEXTURES, true, true},
                                 {ID_VISTA_LUCI, true, true},
                                 {ID_VISTA_ROTAZIONE, true, true},
                                 {ID_VISTA_CENTRA, true, false},
                                 {ID_VISTA_SELEZIONA, true, true},
                                 {ID_VISTA_ELIMINA, false, false}});
    Comando(ID_VISTA_ROTAZIONE);
    Comando(ID_VISTA_SELEZIONA);

    // A selection enables Elimina; a light's selection would not.
    Seleziona(Aggiungi(CATEGORIA_SEDIE, 0, "Sedia", 2.0f, 2.0f, 0.5f, 0.5f));
    EXPECT_TRUE(StatoComando(ID_VISTA_ELIMINA).bAbilitato);
    EXPECT_TRUE(StatoComando(ID_VISTA_MODIFICA).bAbilitato);
    Vista().m_bSelezioneLuce = true;
    EXPECT_FALSE(StatoComando(ID_VISTA_ELIMINA).bAbilitato);
    EXPECT_FALSE(StatoComando(ID_VISTA_MODIFICA).bAbilitato);
    Vista().m_bSelezioneLuce = false;
}

TEST(ComandiModo, OgniComandoDiModoInverteIlModo)
{
    // "Piantina" from the plan goes to 3D without re-centring or levelling.
    Ripristina();
    Vista().m_fRotX = 30.0f;
    Vista().SetCentroX(1.0f);
    Comando(ID_VISTA_PIANTINA);
    EXPECT_EQ(Vista().m_nVista, VISTA_3D);
    EXPECT_FLOAT_EQ(Vista().m_fRotX, 30.0f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroX, 1.0f);

    // "Vista 3D" from the plan re-centres and levels.
    Ripristina();
    Vista().m_fRotX = 30.0f;
    Vista().m_fRotY = 40.0f;
    Vista().SetCentroX(1.0f);
    Comando(ID_VISTA_3D);
    EXPECT_EQ(Vista().m_nVista, VISTA_3D);
    EXPECT_FLOAT_EQ(Vista().m_fRotX, 0.0f);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, 0.0f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroX, -6.0f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroY, -1.75f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroZ, -5.0f);

    // "Vista 3D", checked in 3D, goes back to the plan and stops rotating.
    Comando(ID_VISTA_ROTAZIONE);
    ASSERT_TRUE(Vista().IsRotazioneAttiva());
    Comando(ID_VISTA_3D);
    EXPECT_EQ(Vista().m_nVista, VISTA_PIANTINA);
    EXPECT_FALSE(Vista().m_bRotazione);
    EXPECT_FALSE(Vista().IsRotazioneAttiva());
}

TEST(ComandiModo, RotazioneFermataDaEntrambiIModi)
{
    for (int nId : {ID_VISTA_3D, ID_VISTA_PIANTINA})
    {
        Ripristina();
        Comando(ID_VISTA_3D);
        Comando(ID_VISTA_ROTAZIONE);
        ASSERT_TRUE(Vista().IsRotazioneAttiva());
        Comando(nId);
        ASSERT_EQ(Vista().m_nVista, VISTA_PIANTINA);
        EXPECT_FALSE(Vista().IsRotazioneAttiva()) << nId;
        EXPECT_FALSE(StatoComando(ID_VISTA_ROTAZIONE).bAbilitato);
        Comando(ID_VISTA_3D);
        const CStatoComando s = StatoComando(ID_VISTA_ROTAZIONE);
        EXPECT_TRUE(s.bAbilitato);
        EXPECT_FALSE(s.bSpuntato) << "shown released back in 3D";
    }
}

TEST(ComandiGL, LuciTextureWireframeAntialiasing)
{
    Ripristina();
    Comando(ID_VISTA_3D);
    Comando(ID_VISTA_LUCI);
    Comando(ID_VISTA_TEXTURES);
    ASSERT_TRUE(Vista().RendiCorrente());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    // The plan never lights or textures; 3D gets both back.
    Comando(ID_VISTA_PIANTINA, false);
    Vista().RendiCorrente();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(Vista().m_bLuci);
    EXPECT_TRUE(Vista().m_bTextures);
    // A 3D paint of the room leaves texturing off again: check before it.
    Comando(ID_VISTA_3D, false);
    Vista().RendiCorrente();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    // A room with no light: the status bar says how to add one, as long as
    // lighting is on and no light is there.
    const wxStatusBar& barra = *Cornice().GetStatusBar();
    EXPECT_EQ(barra.GetStatusText(0), wxString::FromUTF8(TESTO_NESSUNA_LUCE));
    Pompa();
    Comando(ID_VISTA_LUCI);
    Vista().RendiCorrente();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(barra.GetStatusText(0), "Per informazioni, premere F1");
    Comando(ID_VISTA_LUCI);
    Documento().m_Luci.Aggiungi(scena_di_prova::Luce("Luce", 1, 1, 1, false));
    StatoComando(ID_VISTA_LUCI);  // asked while idle
    EXPECT_EQ(barra.GetStatusText(0), "Per informazioni, premere F1");
    Comando(ID_VISTA_LUCI);

    // Antialiasing answers to both its ids.
    for (int nId : {ID_VISTA_ANTIALIASING, ID_VISTA_ANTIALIASING2})
    {
        Comando(nId);
        Vista().RendiCorrente();
        EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH)) << nId;
        EXPECT_TRUE(Vista().m_bAntialiasing);
        Comando(nId);
        Vista().RendiCorrente();
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH)) << nId;
    }
    Comando(ID_VISTA_WIREFRAMES);
    Vista().RendiCorrente();
    GLint aModo[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, aModo);
    EXPECT_EQ(aModo[0], GL_LINE);
    EXPECT_EQ(aModo[1], GL_LINE);
    Comando(ID_VISTA_WIREFRAMES);
    Vista().RendiCorrente();
    glGetIntegerv(GL_POLYGON_MODE, aModo);
    EXPECT_EQ(aModo[0], GL_FILL);
    EXPECT_EQ(aModo[1], GL_FILL);
}

TEST(ComandiCamera, CentraTieneGliAngoli)
{
    Ripristina(600, 500);
    Comando(ID_VISTA_3D);
    Trascina(true, 300, 250, 330, 280);   // orbit
    Trascina(false, 300, 250, 340, 290);  // dolly and pan
    Vista().SetCentroX(3.0f);
    Vista().m_fTraslY = 2.0f;
    const float fRotX = Vista().m_fRotX, fRotY = Vista().m_fRotY;
    ASSERT_NE(fRotY, 0.0f);
    Comando(ID_VISTA_CENTRA);
    EXPECT_FLOAT_EQ(Vista().m_fRotX, fRotX);
    EXPECT_FLOAT_EQ(Vista().m_fRotY, fRotY);
    EXPECT_FLOAT_EQ(Vista().m_fTraslX, 0.0f);
    EXPECT_FLOAT_EQ(Vista().m_fTraslY, 0.0f);
    EXPECT_FLOAT_EQ(Vista().m_fTraslZ, -15.0f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroX, -6.0f);
    EXPECT_FLOAT_EQ(Vista().m_fCentroZ, -5.0f);
}

TEST(ComandiElimina, ConfermaEAnnulla)
{
    Ripristina();
    COggetto* pTavolo = Aggiungi(CATEGORIA_TAVOLI, 1, "Tavolo", 5.0f, 5.0f, 1.0f, 1.0f);
    COggetto* pSedia = Aggiungi(CATEGORIA_SEDIE, 0, "Sedia di pap\xE0", 2.0f, 2.0f, 0.5f, 0.5f);
    Aggiungi(CATEGORIA_SEDIE, 1, "Poltrona", 8.0f, 2.0f, 0.5f, 0.5f);
    Seleziona(pSedia);

    // Cancelled: nothing changes.
    wxString nome;
    wxTEST_DIALOG(Comando(ID_VISTA_ELIMINA), CRispostaElimina(wxID_CANCEL, nome));
    EXPECT_EQ(nome, wxString::FromUTF8("Sedia di papà"));
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 3);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), pSedia);
    EXPECT_FALSE(Documento().m_bModificato);

    // Confirmed: the chair goes, the others stay in order, nothing is
    // selected and the delete and modify commands grey.
    wxTEST_DIALOG(Comando(ID_VISTA_ELIMINA), CRispostaElimina(wxID_OK, nome));
    ASSERT_EQ(Documento().m_Oggetti.GetNumero(), 2);
    COggetto* p = nullptr;
    Documento().m_Oggetti.GetElemento(2, p);
    EXPECT_EQ(p, pTavolo);
    EXPECT_EQ(Vista().GetOggettoSelezionato(), nullptr);
    EXPECT_EQ(Vista().m_pOggettoSelezionato, nullptr);
    EXPECT_TRUE(Documento().m_bModificato);
    EXPECT_FALSE(StatoComando(ID_VISTA_ELIMINA).bAbilitato);
    EXPECT_FALSE(StatoComando(ID_VISTA_MODIFICA).bAbilitato);
    // No dialog opens for a command that has nothing to act on.
    Comando(ID_VISTA_ELIMINA);
}

TEST(ComandiElimina, OggettoSenzaNomeENonPiuNelContenitore)
{
    Ripristina();
    COggetto* pAnonimo = Aggiungi(CATEGORIA_ARMADI, 0, "", 2.0f, 2.0f, 1.0f, 1.0f);
    Seleziona(pAnonimo);
    wxString nome = "x";
    wxTEST_DIALOG(Comando(ID_VISTA_ELIMINA), CRispostaElimina(wxID_OK, nome));
    EXPECT_EQ(nome, "");
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 0);

    // A pointer the container no longer holds is never followed: the
    // label stays "-", nothing is removed, the document is still marked.
    Ripristina();
    Aggiungi(CATEGORIA_ARMADI, 0, "Resta", 2.0f, 2.0f, 1.0f, 1.0f);
    COggetto* pEstraneo = CreaOggetto(CATEGORIA_SEDIE, 0);
    pEstraneo->SetNome("Estraneo");
    Vista().m_pOggettoSelezionato = pEstraneo;
    Vista().SetOggettoSelezionato(true);
    {
        CConfermaEliminaDlg dlg;
        EXPECT_EQ(XRCCTRL(dlg, "IDC_NOME", wxStaticText)->GetLabel(), "-");
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        dlg.ProcessWindowEvent(ok);
        EXPECT_TRUE(dlg.m_bConfermato);
    }
    EXPECT_EQ(Documento().m_Oggetti.GetNumero(), 1);
    EXPECT_TRUE(Documento().m_bModificato);
    Vista().AnnullaSelezione();
    delete pEstraneo;
}

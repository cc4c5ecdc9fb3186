#include "furniture/Armadi1.h"
#include "furniture/Finestre.h"
#include "furniture/Porte.h"
#include "furniture/Sedie.h"
#include "furniture/Tavoli2.h"
#include "model/Contenitori.h"
#include "model/Luci.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(Oggetti, UnMobileNuovoHaIValoriPredefiniti)
{
    for (int nCategoria : {0, 2, 3})
        for (int nTipo : {0, 1})
        {
            std::unique_ptr<COggetto> p(CreaOggetto(nCategoria, nTipo));
            SCOPED_TRACE(p->GetRuntimeClass());
            EXPECT_EQ(p->GetAltezza(), 1.0f);
            EXPECT_EQ(p->GetLarghezza(), 1.0f);
            EXPECT_EQ(p->GetProfondita(), 1.0f);
            EXPECT_EQ(p->GetRotazione(), 0.0f);
            EXPECT_EQ(p->GetX(), 0.0f);
            EXPECT_EQ(p->GetY(), 0.0f);
            EXPECT_EQ(p->GetZ(), 0.0f);
            EXPECT_EQ(p->GetTexture(), 0);
            EXPECT_FALSE(p->IsSelezionato());
            const unsigned char* c1 = p->GetColore1();
            const unsigned char* c2 = p->GetColore2();
            EXPECT_EQ(std::string(c1, c1 + 4), std::string("\xFF\x00\x00\x50", 4));
            EXPECT_EQ(std::string(c2, c2 + 4), std::string("\xC8\x00\x32\x78", 4));
            EXPECT_EQ(p->GetAmbiente(), nullptr);
            EXPECT_EQ(p->GetParete(), 0);
            EXPECT_STREQ(p->GetNome(), "");
        }
}

TEST(Oggetti, PorteEFinestreStannoSullaParete)
{
    CPorte porta;
    CFinestre finestra;
    for (COggetto* p : {static_cast<COggetto*>(&porta), static_cast<COggetto*>(&finestra)})
    {
        EXPECT_EQ(p->GetParete(), 2);
        const unsigned char* c2 = p->GetColore2();
        EXPECT_EQ(std::string(c2, c2 + 4), std::string(4, '\xFF'));
        p->SetY(3.0f);
        p->SetRotazione(45.0f);
        p->SetProfondita(2.0f);
        EXPECT_EQ(p->GetY(), 0.0f);
        EXPECT_EQ(p->GetRotazione(), 0.0f);
        EXPECT_EQ(p->GetProfondita(), 0.0f);
        p->SetParete(4);
        EXPECT_EQ(p->GetParete(), 4);
    }
    porta.SetZ(1.5f);
    finestra.SetZ(1.5f);
    EXPECT_EQ(porta.GetZ(), 0.0f);
    EXPECT_EQ(finestra.GetZ(), 1.5f);
    EXPECT_STREQ(NomeTipo(porta.GetCategoria(), porta.GetTipo()), "Porta");
    EXPECT_STREQ(NomeTipo(finestra.GetCategoria(), finestra.GetTipo()), "Finestra");
}

TEST(Oggetti, UnaLuceRispondeSoloAlleOperazioniDelleLuci)
{
    CLuci luce;
    EXPECT_EQ(luce.GetCategoria(), -1);
    EXPECT_EQ(luce.GetTipo(), 0);
    EXPECT_EQ(luce.GetLarghezza(), 0.5f);
    EXPECT_EQ(luce.GetAltezza(), 0.0f);
    EXPECT_EQ(luce.GetProfondita(), 0.0f);
    EXPECT_EQ(luce.GetRotazione(), 0.0f);
    EXPECT_EQ(luce.GetTexture(), 0);
    EXPECT_EQ(luce.GetColore1(), nullptr);
    EXPECT_EQ(luce.GetColore2(), nullptr);
    EXPECT_TRUE(luce.GetAccesa());
    EXPECT_TRUE(luce.GetDirezionale());
    EXPECT_TRUE(luce.GetFissa());
    EXPECT_FALSE(luce.GetDisattivaAmbiente() || luce.GetDisattivaDiffusa() ||
                 luce.GetDisattivaSpeculare());
    EXPECT_EQ(luce.GetAmbiente()[3], 0.5f);
    EXPECT_EQ(luce.GetDiffusa()[0], 1.0f);
    const float aRosso[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    luce.SetSpeculare(aRosso);
    EXPECT_EQ(luce.GetSpeculare()[1], 0.0f);
    EXPECT_EQ(NomeTipo(-1, 0), nullptr);
    luce.SetY(2.0f);
    luce.SetZ(3.0f);
    EXPECT_EQ(luce.GetY(), 2.0f);
    EXPECT_EQ(luce.GetZ(), 3.0f);
}

TEST(Oggetti, IlNomeStaSempreIn50Byte)
{
    CSedie sedia;
    const std::string lungo49(49, 'a');
    sedia.SetNome(lungo49.c_str());
    EXPECT_EQ(sedia.GetNome(), lungo49);
    const std::string lungo80(80, 'b');
    sedia.SetNome(lungo80.c_str());
    EXPECT_EQ(std::string(sedia.GetNome()), std::string(49, 'b'));
    sedia.SetNome(nullptr);
    EXPECT_STREQ(sedia.GetNome(), "");
    sedia.SetNome("Sedia di pap\xE0");
    EXPECT_STREQ(sedia.GetNome(), "Sedia di pap\xE0");
}

TEST(Oggetti, IlTavoloTondoNonDerivaLaProfonditaDallaLarghezza)
{
    CTavoli2 tavolo;
    tavolo.SetProfondita(0.0f);
    tavolo.SetLarghezza(1.2f);
    EXPECT_EQ(tavolo.GetLarghezza(), 1.2f);
    EXPECT_EQ(tavolo.GetProfondita(), 0.0f);
    CArmadi1 mobiletto;
    const unsigned char aColore[4] = {1, 2, 3, 170};
    mobiletto.SetColore1(aColore);
    EXPECT_EQ(mobiletto.GetColore1()[3], 170);
    EXPECT_NE(mobiletto.GetColore1(), aColore);  // copied, not kept
}

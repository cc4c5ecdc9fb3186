#include "ScenaDiProva.h"

#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "model/Scena.h"

namespace scena_di_prova
{
COggetto* Mobile(int nCategoria, int nTipo, const char* pNome, float x, float y)
{
    COggetto* p = CreaOggetto(nCategoria, nTipo);
    p->SetNome(pNome);
    p->SetX(x);
    p->SetY(y);
    return p;
}

COggetto* Luce(const char* pNome, float x, float y, float z, bool bDirezionale)
{
    COggetto* p = CreaOggetto(CATEGORIA_LUCE, 0);
    p->SetNome(pNome);
    p->SetX(x);
    p->SetY(y);
    p->SetZ(z);
    p->SetDirezionale(bDirezionale);
    p->SetFissa(false);
    return p;
}

namespace
{
void Colori(COggetto* p, unsigned char r, unsigned char g, unsigned char b, unsigned char r2,
            unsigned char g2, unsigned char b2)
{
    const unsigned char a1[4] = {r, g, b, 170};
    const unsigned char a2[4] = {r2, g2, b2, 170};
    p->SetColore1(a1);
    p->SetColore2(a2);
}

void Dimensioni(COggetto* p, float w, float d, float h)
{
    p->SetLarghezza(w);
    p->SetProfondita(d);
    p->SetAltezza(h);
}
}  // namespace

void Dimostrativa(CScena& scena)
{
    CContenitori& o = scena.m_Oggetti;

    COggetto* pArmadio = Mobile(CATEGORIA_ARMADI, 1, "Armadio", 0.2f, 0.1f);
    Dimensioni(pArmadio, 2.0f, 0.6f, 2.4f);
    Colori(pArmadio, 150, 100, 60, 230, 200, 80);
    pArmadio->SetTexture(-1);
    o.Aggiungi(pArmadio);

    COggetto* pMobiletto = Mobile(CATEGORIA_ARMADI, 0, "Mobiletto", 3.0f, 0.1f);
    Dimensioni(pMobiletto, 1.2f, 0.5f, 0.9f);
    Colori(pMobiletto, 180, 140, 90, 40, 40, 40);
    pMobiletto->SetTexture(6);
    o.Aggiungi(pMobiletto);

    COggetto* pTavolo = Mobile(CATEGORIA_TAVOLI, 1, "Tavolo rettangolare", 5.0f, 4.0f);
    Dimensioni(pTavolo, 2.0f, 1.0f, 0.8f);
    Colori(pTavolo, 200, 170, 120, 90, 60, 30);
    o.Aggiungi(pTavolo);

    COggetto* pTondo = Mobile(CATEGORIA_TAVOLI, 0, "Tavolo tondo", 9.0f, 6.5f);
    Dimensioni(pTondo, 1.4f, 0.0f, 0.75f);
    Colori(pTondo, 230, 230, 230, 60, 60, 60);
    pTondo->SetTexture(3);
    o.Aggiungi(pTondo);

    const float aSedie[3][3] = {{5.4f, 3.2f, 0.0f}, {6.2f, 5.8f, 180.0f}, {8.0f, 5.0f, 30.0f}};
    for (const auto& s : aSedie)
    {
        COggetto* pSedia = Mobile(CATEGORIA_SEDIE, 0, "Sedia di pap\xE0", s[0], s[1]);
        Dimensioni(pSedia, 0.45f, 0.45f, 0.9f);
        pSedia->SetRotazione(s[2]);
        Colori(pSedia, 200, 40, 40, 80, 50, 20);
        o.Aggiungi(pSedia);
    }

    COggetto* pPoltrona = Mobile(CATEGORIA_SEDIE, 1, "Poltrona", 1.0f, 7.0f);
    Dimensioni(pPoltrona, 1.0f, 0.9f, 0.9f);
    pPoltrona->SetRotazione(45.0f);
    Colori(pPoltrona, 40, 90, 180, 40, 90, 180);
    o.Aggiungi(pPoltrona);

    COggetto* pPorta = Mobile(CATEGORIA_PORTE_FINESTRE, 0, "Porta", 1.0f, 0.0f);
    Dimensioni(pPorta, 0.9f, 0.0f, 2.1f);
    pPorta->SetParete(2);
    Colori(pPorta, 120, 80, 40, 240, 240, 240);
    pPorta->SetTexture(8);
    o.Aggiungi(pPorta);

    COggetto* pFinestra = Mobile(CATEGORIA_PORTE_FINESTRE, 1, "Finestra", 5.0f, 0.0f);
    Dimensioni(pFinestra, 1.6f, 0.0f, 1.4f);
    pFinestra->SetParete(1);
    pFinestra->SetZ(1.0f);
    Colori(pFinestra, 255, 255, 255, 140, 90, 50);
    o.Aggiungi(pFinestra);

    COggetto* pFinestra2 = Mobile(CATEGORIA_PORTE_FINESTRE, 1, "Finestra sud", 4.0f, 0.0f);
    Dimensioni(pFinestra2, 1.2f, 0.0f, 1.3f);
    pFinestra2->SetParete(3);
    pFinestra2->SetZ(1.1f);
    Colori(pFinestra2, 255, 255, 255, 140, 90, 50);
    o.Aggiungi(pFinestra2);

    scena.m_Luci.Aggiungi(Luce("Luce centrale", 6.0f, 5.0f, 3.0f, false));
    scena.m_Luci.Aggiungi(Luce("Luce finestra", 2.0f, 2.0f, 2.5f, true));
}

void Piena(CScena& scena)
{
    const float W = scena.m_Stanza.GetLarghezza(), D = scena.m_Stanza.GetProfondita();
    for (int i = 0; i < CContenitori::MASSIMO_ELEMENTI; ++i)
    {
        const int nCategoria = i % 4, nTipo = (i / 4) % 2;
        const float x = 0.5f + static_cast<float>((i * 7) % 20) * (W - 2.0f) / 20.0f;
        const float y = 0.5f + static_cast<float>((i * 3) % 16) * (D - 2.0f) / 16.0f;
        COggetto* p = Mobile(nCategoria, nTipo, "Pezzo", x, y);
        Dimensioni(p, 0.8f, 0.6f, 1.0f);
        p->SetRotazione(static_cast<float>((i * 37) % 360));
        p->SetParete(1 + i % 4);
        p->SetZ(1.0f);
        p->SetTexture(i % 3 == 0 ? -1 : i % 37);
        Colori(p, static_cast<unsigned char>(i), 120, static_cast<unsigned char>(255 - i), 60,
               60, 60);
        scena.m_Oggetti.Aggiungi(p);
    }
    for (int i = 0; i < 8; ++i)
        scena.m_Luci.Aggiungi(Luce("Luce", 1.0f + static_cast<float>(i), 5.0f, 3.0f, i % 2 == 0));
}
}  // namespace scena_di_prova

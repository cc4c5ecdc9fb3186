#include "model/Contenitori.h"

#include "furniture/Armadi1.h"
#include "furniture/Armadi2.h"
#include "furniture/Finestre.h"
#include "furniture/Poltrone.h"
#include "furniture/Porte.h"
#include "furniture/Sedie.h"
#include "furniture/Tavoli1.h"
#include "furniture/Tavoli2.h"
#include "model/Archivio.h"
#include "model/Luci.h"

#include <utility>

CContenitori::~CContenitori()
{
    Svuota();
}

bool CContenitori::Aggiungi(COggetto* pOggetto)
{
    if (!pOggetto || m_nNumero >= MASSIMO_ELEMENTI)
        return false;
    m_pTesta = new CNodo{pOggetto, m_pTesta};
    ++m_nNumero;
    return true;
}

void CContenitori::GetElemento(std::uint8_t nPosizione, COggetto*& pOggetto)
{
    pOggetto = nullptr;
    if (nPosizione == 0 || nPosizione > m_nNumero)
        return;
    CNodo* pNodo = m_pTesta;
    for (std::uint8_t i = 1; i < nPosizione; ++i)
        pNodo = pNodo->pSuccessivo;
    m_pNodoCorrente = pNodo;
    pOggetto = pNodo->pOggetto;
}

std::uint8_t CContenitori::Posizione(const COggetto* pOggetto) const
{
    std::uint8_t p = 1;
    for (const CNodo* pNodo = m_pTesta; pOggetto && pNodo; pNodo = pNodo->pSuccessivo, ++p)
        if (pNodo->pOggetto == pOggetto)
            return p;
    return 0;
}

void CContenitori::GetSuccessivo(COggetto*& pOggetto)
{
    pOggetto = nullptr;
    if (!m_pNodoCorrente)
        return;
    m_pNodoCorrente = m_pNodoCorrente->pSuccessivo;
    if (m_pNodoCorrente)
        pOggetto = m_pNodoCorrente->pOggetto;
}

void CContenitori::Rimuovi(std::uint8_t nPosizione)
{
    if (nPosizione == 0 || nPosizione > m_nNumero)
        return;
    CNodo** ppLink = &m_pTesta;
    for (std::uint8_t i = 1; i < nPosizione; ++i)
        ppLink = &(*ppLink)->pSuccessivo;
    CNodo* pNodo = *ppLink;
    *ppLink = pNodo->pSuccessivo;
    delete pNodo->pOggetto;
    delete pNodo;
    --m_nNumero;
    m_pNodoCorrente = m_pTesta;
}

void CContenitori::Svuota()
{
    while (m_pTesta)
    {
        CNodo* pNodo = m_pTesta;
        m_pTesta = pNodo->pSuccessivo;
        delete pNodo->pOggetto;
        delete pNodo;
    }
    m_nNumero = 0;
    m_pNodoCorrente = nullptr;
}

void CContenitori::Scambia(CContenitori& altro)
{
    std::swap(m_pTesta, altro.m_pTesta);
    std::swap(m_nNumero, altro.m_nNumero);
    std::swap(m_pNodoCorrente, altro.m_pNodoCorrente);
}

void CContenitori::Rovescia()
{
    CNodo* pPrecedente = nullptr;
    while (m_pTesta)
    {
        CNodo* pSuccessivo = m_pTesta->pSuccessivo;
        m_pTesta->pSuccessivo = pPrecedente;
        pPrecedente = m_pTesta;
        m_pTesta = pSuccessivo;
    }
    m_pTesta = pPrecedente;
    m_pNodoCorrente = m_pTesta;
}

void CContenitori::Serialize(CArchivio& ar)
{
    ar.ScriviByte(m_nNumero);
    for (CNodo* pNodo = m_pTesta; pNodo; pNodo = pNodo->pSuccessivo)
    {
        ar.ScriviInt32(pNodo->pOggetto->GetCategoria());
        ar.ScriviInt32(pNodo->pOggetto->GetTipo());
        pNodo->pOggetto->Serialize(ar);
    }
}

COggetto* CreaOggetto(int nCategoria, int nTipo)
{
    if (nCategoria == CATEGORIA_LUCE)
        return new CLuci;
    if (nTipo != 0 && nTipo != 1)
        return nullptr;
    switch (nCategoria)
    {
    case CATEGORIA_ARMADI:
        return nTipo == 0 ? static_cast<COggetto*>(new CArmadi1) : new CArmadi2;
    case CATEGORIA_PORTE_FINESTRE:
        return nTipo == 0 ? static_cast<COggetto*>(new CPorte) : new CFinestre;
    case CATEGORIA_SEDIE:
        return nTipo == 0 ? static_cast<COggetto*>(new CSedie) : new CPoltrone;
    case CATEGORIA_TAVOLI:
        return nTipo == 0 ? static_cast<COggetto*>(new CTavoli2) : new CTavoli1;
    default:
        return nullptr;
    }
}

// A value only a damaged file can put in a record: textures outside the set
// would index past the GL texture table, walls outside 1..4 past the room's.
std::string DannoRecord(const COggetto& o)
{
    if (o.GetCategoria() == CATEGORIA_LUCE)
        return {};
    if (o.GetTexture() < -1 || o.GetTexture() > 37)
        return FormattaTesto("ha l'indice di texture %d (ammessi da -1 a 37)", o.GetTexture());
    if (o.GetCategoria() == CATEGORIA_PORTE_FINESTRE && (o.GetParete() < 1 || o.GetParete() > 4))
        return FormattaTesto("\u00e8 sulla parete %d (ammesse da 1 a 4)", o.GetParete());
    return {};
}

bool CContenitori::Leggi(CArchivio& ar, bool bLuci, std::string& errore)
{
    Svuota();
    const char* const pBlocco = bLuci ? "delle luci" : "degli oggetti";
    const int nNumero = ar.LeggiByte();
    if (ar.IsFineInattesa())
    {
        errore = FormattaTesto("il file finisce prima del blocco %s", pBlocco);
        return false;
    }
    if (bLuci && nNumero > MASSIMO_LUCI)
    {
        errore = FormattaTesto("il file dichiara %d luci, ma una stanza ne ha al massimo %d",
                               nNumero, MASSIMO_LUCI);
        return false;
    }
    for (int i = 1; i <= nNumero; ++i)
    {
        const std::int32_t nCategoria = ar.LeggiInt32();
        const std::int32_t nTipo = ar.LeggiInt32();
        COggetto* pOggetto = nullptr;
        if (!ar.IsFineInattesa())
        {
            // The light block holds lights only and the object block none;
            // an unknown pair leaves no way to know the record's length.
            if (bLuci != (nCategoria == CATEGORIA_LUCE) ||
                !(pOggetto = CreaOggetto(nCategoria, nTipo)))
            {
                errore = FormattaTesto(
                    "l'elemento %d di %d del blocco %s ha i codici famiglia %d e tipo %d, che non "
                    "indicano %s",
                    i, nNumero, pBlocco, static_cast<int>(nCategoria), static_cast<int>(nTipo),
                    bLuci ? "una luce" : "alcun tipo di oggetto");
                return false;
            }
            pOggetto->Serialize(ar);
        }
        if (ar.IsFineInattesa())
        {
            delete pOggetto;
            errore = FormattaTesto(
                "il file finisce prima del previsto: il blocco %s dichiara %d elementi, ma "
                "l'elemento %d \u00e8 incompleto",
                pBlocco, nNumero, i);
            return false;
        }
        const std::string danno = DannoRecord(*pOggetto);
        if (!danno.empty())
        {
            errore = FormattaTesto("l'elemento %d di %d del blocco %s (\"%s\") %s", i, nNumero,
                                   pBlocco, NomeTipo(nCategoria, nTipo), danno.c_str());
            delete pOggetto;
            return false;
        }
        pOggetto->Deseleziona();
        Aggiungi(pOggetto);
    }
    return true;
}

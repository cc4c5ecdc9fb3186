#include "model/Catalogo.h"

#include "model/Appunti.h"
#include "model/Archivio.h"
#include "model/Contenitori.h"
#include "model/Limiti.h"
#include "model/NomeLibero.h"
#include "model/Oggetto.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace
{
constexpr unsigned char ALFA = 170;  // as a piece made with "Attributi"

struct CPezzoPronto
{
    int nGruppo;
    const char* pNome;  // Windows-1252; no trailing number, which would count
    int nCategoria, nTipo;
    float fLarghezza, fProfondita, fAltezza, fDaTerra;  // metres
    unsigned char aColore1[3], aColore2[3];
    int nTexture;  // -1: none
};

// Textures of the set used here.
constexpr int NOCE = 21, ROVERE = 22, FAGGIO = 19, MOGANO_SCURO = 17;

// Woods, fabrics and lacquers of real furniture. Seats: seat and back, then
// legs. Tables: top, then legs. Cabinets: body, then handles. Openings:
// leaf or sash, then frame.
const CPezzoPronto s_aPronti[] = {
    {GRUPPO_SEDUTE, "Sedia", CATEGORIA_SEDIE, 0, 0.45f, 0.50f, 0.90f, 0,
     {118, 78, 48}, {86, 56, 34}, -1},
    {GRUPPO_SEDUTE, "Sedia imbottita", CATEGORIA_SEDIE, 0, 0.48f, 0.55f, 0.95f, 0,
     {176, 92, 62}, {70, 48, 32}, -1},
    {GRUPPO_SEDUTE, "Sgabello da cucina", CATEGORIA_SEDIE, 0, 0.40f, 0.40f, 1.20f, 0,
     {168, 38, 40}, {120, 122, 128}, -1},
    {GRUPPO_SEDUTE, "Poltrona", CATEGORIA_SEDIE, 1, 0.85f, 0.85f, 0.90f, 0,
     {38, 92, 112}, {38, 92, 112}, -1},
    {GRUPPO_SEDUTE, "Poltroncina", CATEGORIA_SEDIE, 1, 0.70f, 0.75f, 0.80f, 0,
     {196, 150, 50}, {196, 150, 50}, -1},
    {GRUPPO_SEDUTE, "Divano a due posti", CATEGORIA_SEDIE, 1, 1.50f, 0.85f, 0.90f, 0,
     {104, 110, 120}, {104, 110, 120}, -1},
    {GRUPPO_SEDUTE, "Divano a tre posti", CATEGORIA_SEDIE, 1, 2.10f, 0.90f, 0.90f, 0,
     {150, 128, 96}, {150, 128, 96}, -1},
    {GRUPPO_TAVOLI, "Tavolo per quattro", CATEGORIA_TAVOLI, 1, 1.20f, 0.80f, 0.75f, 0,
     {186, 140, 88}, {120, 86, 52}, -1},
    {GRUPPO_TAVOLI, "Tavolo per sei", CATEGORIA_TAVOLI, 1, 1.60f, 0.90f, 0.75f, 0,
     {112, 74, 46}, {40, 40, 40}, -1},
    {GRUPPO_TAVOLI, "Tavolo rotondo", CATEGORIA_TAVOLI, 0, 1.00f, 0.0f, 0.75f, 0,
     {108, 82, 56}, {70, 50, 34}, NOCE},
    {GRUPPO_TAVOLI, "Tavolino rotondo", CATEGORIA_TAVOLI, 0, 0.50f, 0.0f, 0.55f, 0,
     {200, 160, 110}, {40, 40, 40}, ROVERE},
    {GRUPPO_TAVOLI, "Tavolino da salotto", CATEGORIA_TAVOLI, 1, 1.10f, 0.60f, 0.45f, 0,
     {70, 74, 80}, {50, 50, 52}, -1},
    {GRUPPO_TAVOLI, "Scrivania", CATEGORIA_TAVOLI, 1, 1.40f, 0.70f, 0.75f, 0,
     {205, 170, 120}, {60, 62, 66}, -1},
    {GRUPPO_MOBILI, "Mobiletto basso", CATEGORIA_ARMADI, 0, 0.90f, 0.45f, 0.80f, 0,
     {150, 168, 140}, {180, 180, 185}, -1},
    {GRUPPO_MOBILI, "Mobile TV", CATEGORIA_ARMADI, 0, 1.80f, 0.45f, 0.50f, 0,
     {96, 64, 42}, {30, 30, 30}, NOCE},
    {GRUPPO_MOBILI, "Credenza", CATEGORIA_ARMADI, 0, 1.60f, 0.45f, 0.85f, 0,
     {190, 150, 100}, {60, 50, 40}, ROVERE},
    {GRUPPO_MOBILI, "Comodino", CATEGORIA_ARMADI, 0, 0.45f, 0.40f, 0.50f, 0,
     {214, 172, 134}, {190, 160, 80}, FAGGIO},
    {GRUPPO_MOBILI, "Armadio a due ante", CATEGORIA_ARMADI, 1, 1.00f, 0.60f, 2.20f, 0,
     {176, 170, 160}, {70, 70, 72}, -1},
    {GRUPPO_MOBILI, "Armadio a tre ante", CATEGORIA_ARMADI, 1, 1.50f, 0.60f, 2.30f, 0,
     {118, 84, 56}, {200, 190, 170}, -1},
    {GRUPPO_MOBILI, "Libreria con anta", CATEGORIA_ARMADI, 1, 0.90f, 0.35f, 2.00f, 0,
     {180, 136, 86}, {60, 60, 60}, -1},
    {GRUPPO_APERTURE, "Porta", CATEGORIA_PORTE_FINESTRE, 0, 0.80f, 0.0f, 2.10f, 0,
     {170, 122, 76}, {120, 84, 50}, ROVERE},
    {GRUPPO_APERTURE, "Porta d'ingresso", CATEGORIA_PORTE_FINESTRE, 0, 0.90f, 0.0f, 2.10f, 0,
     {74, 50, 34}, {50, 36, 26}, MOGANO_SCURO},
    {GRUPPO_APERTURE, "Finestra", CATEGORIA_PORTE_FINESTRE, 1, 1.20f, 0.0f, 1.20f, 0.90f,
     {168, 124, 80}, {140, 100, 62}, -1},
    {GRUPPO_APERTURE, "Portafinestra", CATEGORIA_PORTE_FINESTRE, 1, 1.20f, 0.0f, 2.20f, 0.0f,
     {168, 124, 80}, {140, 100, 62}, -1},
};

std::unique_ptr<COggetto> CreaPronto(const CPezzoPronto& p)
{
    std::unique_ptr<COggetto> pPezzo(CreaOggetto(p.nCategoria, p.nTipo));
    pPezzo->SetNome(p.pNome);
    pPezzo->SetLarghezza(p.fLarghezza);
    pPezzo->SetProfondita(p.fProfondita);
    pPezzo->SetAltezza(p.fAltezza);
    pPezzo->SetZ(p.fDaTerra);
    pPezzo->SetParete(1);
    pPezzo->SetTexture(p.nTexture);
    const unsigned char a1[4] = {p.aColore1[0], p.aColore1[1], p.aColore1[2], ALFA};
    const unsigned char a2[4] = {p.aColore2[0], p.aColore2[1], p.aColore2[2], ALFA};
    pPezzo->SetColore1(a1);
    pPezzo->SetColore2(a2);
    return pPezzo;
}

// One letter of Windows-1252 in lower case and without its accent.
char SenzaAccento(unsigned char c)
{
    // The letters of 0xC0 to 0xDF, and of their lower case 0xE0 to 0xFF.
    static const char s_aLettere[] = "aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0\0";
    switch (c)
    {
    case 0x8A: case 0x9A: return 's';
    case 0x8E: case 0x9E: return 'z';
    case 0x9F: case 0xFF: return 'y';
    case 0xC6: case 0xD0: case 0xDE: return static_cast<char>(c | 0x20);  // no accent to drop
    default: break;
    }
    if (c >= 0xC0 && s_aLettere[(c - 0xC0) % 32])
        return s_aLettere[(c - 0xC0) % 32];
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
}

std::vector<std::string> Parole(const std::string& testo)
{
    std::vector<std::string> parole;
    std::size_t n = 0;
    while ((n = testo.find_first_not_of(' ', n)) != std::string::npos)
    {
        const std::size_t fine = testo.find(' ', n);
        parole.push_back(testo.substr(n, fine - n));
        n = fine;
    }
    return parole;
}

// The place beside file for it when it cannot be used: "catalogo.lav"
// becomes "catalogo-danneggiato.lav", or "-2", "-3"... when that exists.
int MettiDaParte(const std::string& file, std::string& nuovo)
{
    const bool bLav = file.size() > 4 && file.compare(file.size() - 4, 4, ".lav") == 0;
    const std::string base = bLav ? file.substr(0, file.size() - 4) : file;
    for (int n = 1; n < 100; ++n)
    {
        nuovo = base + "-danneggiato" + (n > 1 ? "-" + std::to_string(n) : "") + ".lav";
        struct stat st{};
        if (lstat(nuovo.c_str(), &st) == 0)
            continue;
        return std::rename(file.c_str(), nuovo.c_str()) == 0 ? 0 : errno;
    }
    return EEXIST;
}

CEsitoFile Fallito(const std::string& messaggio)
{
    CEsitoFile esito;
    esito.messaggio = messaggio;
    return esito;
}

std::string Cm(float f)
{
    return std::to_string(std::lround(f * 100.0f));
}
}  // namespace

const char* NomeGruppo(int nGruppo)
{
    static const char* const s_aNomi[NUMERO_GRUPPI] = {"Sedute", "Tavoli", "Mobili",
                                                       "Porte e finestre", "I miei mobili"};
    return nGruppo >= 0 && nGruppo < NUMERO_GRUPPI ? s_aNomi[nGruppo] : "";
}

CCatalogo::CCatalogo()
{
    for (const CPezzoPronto& p : s_aPronti)
    {
        m_aPronti.push_back(CreaPronto(p));
        m_aGruppiPronti.push_back(p.nGruppo);
    }
    Elenca();
}

CCatalogo::~CCatalogo() = default;

int CCatalogo::MassimoMiei()
{
    return CContenitori::MASSIMO_ELEMENTI;
}

void CCatalogo::Elenca()
{
    m_aVoci.clear();
    for (std::size_t i = 0; i < m_aPronti.size(); ++i)
        m_aVoci.push_back({m_aGruppiPronti[i], m_aPronti[i].get()});
    COggetto* p = nullptr;
    if (m_pMiei)
        for (m_pMiei->m_Oggetti.GetElemento(1, p); p; m_pMiei->m_Oggetti.GetSuccessivo(p))
            m_aVoci.push_back({GRUPPO_MIEI, p});
}

std::vector<std::size_t> CCatalogo::Cerca(const std::string& ricerca) const
{
    const std::vector<std::string> parole = Parole(ChiaveRicerca(ricerca));
    std::vector<std::size_t> trovate;
    for (std::size_t i = 0; i < m_aVoci.size(); ++i)
    {
        const std::string nome = ChiaveRicerca(m_aVoci[i].pPezzo->GetNome());
        bool bTutte = true;
        for (const std::string& parola : parole)
            bTutte = bTutte && nome.find(parola) != std::string::npos;
        if (bTutte)
            trovate.push_back(i);
    }
    return trovate;
}

std::string CCatalogo::CaricaMiei(const std::string& file)
{
    m_sFile = file;
    m_sBloccato.clear();
    m_pMiei.reset();
    Elenca();
    if (!IdentitaFile(file).bEsiste)
        return {};
    std::vector<std::uint8_t> dati;
    const CEsitoFile letto = LeggiFileIntero(file, CScena::DIMENSIONE_MASSIMA_FILE, dati);
    std::string motivo;
    if (letto.bRiuscito)
    {
        auto pLetti = std::make_unique<CScena>(false);
        if (pLetti->LeggiNellOrdine(dati.data(), dati.size(), motivo))
        {
            m_pMiei = std::move(pLetti);
            Elenca();
            return {};
        }
    }
    else
    {
        motivo = letto.nErrno ? DescriviErrno(letto.nErrno) : "non \u00e8 un file";
    }
    std::string nuovo;
    const int nErrno = MettiDaParte(file, nuovo);
    if (nErrno == 0)
        return FormattaTesto("\u00abI miei mobili\u00bb: il file \"%s\" non si poteva usare (%s) "
                             "ed \u00e8 stato messo da parte come \"%s\". I mobili pronti "
                             "restano disponibili.",
                             file.c_str(), motivo.c_str(), nuovo.c_str());
    m_sBloccato = FormattaTesto("\u00abI miei mobili\u00bb: il file \"%s\" non si pu\u00f2 usare "
                                "(%s) n\u00e9 mettere da parte (%s). I mobili pronti restano "
                                "disponibili; per conservare i propri spostare quel file.",
                                file.c_str(), motivo.c_str(), DescriviErrno(nErrno).c_str());
    return m_sBloccato;
}

std::unique_ptr<CScena> CCatalogo::CopiaMiei(std::string& errore) const
{
    auto pCopia = std::make_unique<CScena>(false);
    if (!m_pMiei)
        return pCopia;
    const std::vector<std::uint8_t> dati = m_pMiei->Scrivi();
    if (!pCopia->LeggiNellOrdine(dati.data(), dati.size(), errore))
        return nullptr;
    return pCopia;
}

CEsitoFile CCatalogo::AggiungiMio(COggetto& pezzo)
{
    if (!m_sBloccato.empty())
        return Fallito(m_sBloccato);
    if (!NomeTipo(pezzo.GetCategoria(), pezzo.GetTipo()))
        return Fallito("Solo i mobili, le porte e le finestre vanno nel catalogo.");
    std::string errore;
    std::unique_ptr<CScena> pNuova = CopiaMiei(errore);
    if (pNuova && pNuova->m_Oggetti.GetNumero() >= MassimoMiei())
        return Fallito(FormattaTesto("\u00abI miei mobili\u00bb contiene gi\u00e0 %d pezzi, il "
                                     "massimo: per aggiungerne un altro rimuoverne prima uno.",
                                     MassimoMiei()));
    const std::vector<std::uint8_t> dati = CodificaOggetto(pezzo);
    std::unique_ptr<COggetto> pCopia = DecodificaOggetto(dati.data(), dati.size(), errore);
    if (!pNuova || !pCopia)
        return Fallito("Impossibile aggiungere il pezzo al catalogo: " + errore + ".");
    // Kept as a kind of piece: where it stood and how it was turned go.
    pCopia->SetX(0.0f);
    pCopia->SetY(0.0f);
    pCopia->SetRotazione(0.0f);
    pCopia->Deseleziona();
    pNuova->m_Oggetti.Aggiungi(pCopia.release());
    return Scrivi(std::move(pNuova));
}

CEsitoFile CCatalogo::RimuoviMio(std::size_t nVoce)
{
    if (!IsMio(nVoce) || !m_pMiei)
        return Fallito("Solo i pezzi di \u00abI miei mobili\u00bb si possono rimuovere.");
    if (!m_sBloccato.empty())
        return Fallito(m_sBloccato);
    // The user's pieces follow the ready ones, in container order.
    const std::size_t nPosizione = nVoce - m_aPronti.size() + 1;
    std::string errore;
    std::unique_ptr<CScena> pNuova = CopiaMiei(errore);
    if (!pNuova)
        return Fallito("Impossibile rimuovere il pezzo dal catalogo: " + errore + ".");
    pNuova->m_Oggetti.Rimuovi(static_cast<std::uint8_t>(nPosizione));
    return Scrivi(std::move(pNuova));
}

CEsitoFile CCatalogo::Scrivi(std::unique_ptr<CScena> pNuova)
{
    const std::size_t nBarra = m_sFile.rfind('/');
    if (nBarra != std::string::npos && nBarra > 0)
        if (const int nErrno = CreaCartelleUtente(m_sFile.substr(0, nBarra)))
        {
            CEsitoFile esito = Fallito(FormattaTesto(
                "Impossibile creare la cartella di \"%s\": %s.", m_sFile.c_str(),
                DescriviErrno(nErrno).c_str()));
            esito.nErrno = nErrno;
            return esito;
        }
    const std::vector<std::uint8_t> dati = pNuova->Scrivi();
    const CEsitoFile esito = SalvaFileSicuro(m_sFile, dati.data(), dati.size());
    if (esito.bRiuscito)
    {
        m_pMiei = std::move(pNuova);
        Elenca();
    }
    return esito;
}

std::string ChiaveRicerca(const std::string& nome)
{
    std::string chiave;
    for (const char c : nome)
        chiave += SenzaAccento(static_cast<unsigned char>(c));
    return chiave;
}

std::string TestoMisure(const COggetto& p)
{
    const char* const PER = " \u00d7 ";
    if (p.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
    {
        std::string testo = Cm(p.GetLarghezza()) + PER + Cm(p.GetAltezza()) + " cm";
        if (p.GetZ() != 0.0f)
            testo += ", a " + Cm(p.GetZ()) + " cm da terra";
        return testo;
    }
    if (p.GetCategoria() == CATEGORIA_TAVOLI && p.GetTipo() == 0)
        return "\u00d8 " + Cm(p.GetLarghezza()) + PER + Cm(p.GetAltezza()) + " cm";
    return Cm(p.GetLarghezza()) + PER + Cm(p.GetProfondita()) + PER + Cm(p.GetAltezza()) + " cm";
}

bool PosizionaNuovo(COggetto& pezzo, float x, float y, float W, float D)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    const float fMezza = pezzo.GetLarghezza() / 2.0f;
    if (pezzo.GetCategoria() == CATEGORIA_PORTE_FINESTRE)
    {
        // Distances to the walls 1 "Nord" to 4 "Ovest", and the point's
        // place along each as the opening counts it (clockwise).
        const float aDistanze[4] = {y, W - x, D - y, x};
        const float aLungo[4] = {x, y, W - x, D - y};
        int nParete = 0;
        for (int i = 1; i < 4; ++i)
            if (aDistanze[i] < aDistanze[nParete])
                nParete = i;
        pezzo.SetParete(nParete + 1);
        pezzo.SetX(aLungo[nParete] - fMezza);
    }
    else
    {
        pezzo.SetRotazione(0.0f);
        // A round table stands on its centre, the rest on a corner.
        const bool bTondo = pezzo.GetCategoria() == CATEGORIA_TAVOLI && pezzo.GetTipo() == 0;
        pezzo.SetX(bTondo ? x : x - fMezza);
        pezzo.SetY(bTondo ? y : y - pezzo.GetProfondita() / 2.0f);
    }
    PortaNeiLimiti(pezzo, LimitiNellaStanza(pezzo, W, D));
    return true;
}

std::string NomeNuovo(const COggetto& modello, CContenitori& oggetti)
{
    std::string nome = modello.GetNome();
    if (nome.empty())
        if (const char* pTipo = NomeTipo(modello.GetCategoria(), modello.GetTipo()))
            nome = pTipo;
    // "Sedia" becomes "Sedia 1"; "Sedia 3" stays, its number counts on.
    const std::size_t nSpazio = nome.rfind(' ');
    const bool bNumerato = nSpazio != std::string::npos && nSpazio + 1 < nome.size() &&
                           nome.find_first_not_of("0123456789", nSpazio + 1) == std::string::npos;
    if (!bNumerato)
        nome = nome.substr(0, LUNGHEZZA_NOME - 3) + " 1";
    return NomeLibero(nome, oggetti);
}

#include "model/Scena.h"

#include "model/Archivio.h"
#include "model/Luci.h"
#include "model/Oggetto.h"

#include <GL/gl.h>
#include <cmath>

CScena* g_pDoc = nullptr;
std::function<void()> CScena::s_fnPezziRimossi;

CScena::CScena(bool bLeggiTexture) : m_Stanza(bLeggiTexture)
{
}

CScena::~CScena()
{
    if (g_pDoc == this)
        g_pDoc = nullptr;
}

void CScena::SvuotaScena(bool bGL)
{
    for (int n = m_Oggetti.GetNumero(); n > 0; --n)
        m_Oggetti.Rimuovi(1);
    if (s_fnPezziRimossi)
        s_fnPezziRimossi();
    const int nLuci = m_Luci.GetNumero();
    for (int i = 0; i < nLuci; ++i)
    {
        m_Luci.Rimuovi(1);
        if (bGL)
            glDisable(static_cast<GLenum>(GL_LIGHT0 + i));
    }
}

void CScena::ImpostaStanzaPredefinita()
{
    static const float aPavimento[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    static const float aSoffitto[4] = {0.753f, 0.753f, 0.753f, 1.0f};
    static const float aPareti[4] = {0.502f, 0.502f, 0.502f, 1.0f};
    m_Stanza.SetLarghezza(12.0f);
    m_Stanza.SetProfondita(10.0f);
    m_Stanza.SetAltezza(3.5f);
    m_Stanza.SetColorePavimento(aPavimento);
    m_Stanza.SetColoreSoffitto(aSoffitto);
    m_Stanza.SetColorePareti(aPareti);
    m_Stanza.SetTexturePareti(-1);
    m_Stanza.SetTexturePavimento(-1);
    m_Stanza.SetPrimaParete(4);
    m_Stanza.SetPareti(PARETI_TUTTE);
}

void CScena::ApplicaLuci()
{
    const int n = m_Luci.GetNumero();
    for (int p = 1; p <= n; ++p)
    {
        COggetto* pLuce = nullptr;
        m_Luci.GetElemento(static_cast<std::uint8_t>(p), pLuce);
        if (pLuce && n - p < MASSIMO_LUCI)
            ApplicaLuce(*pLuce, n - p);
    }
    for (int p = n; p < MASSIMO_LUCI; ++p)
        glDisable(static_cast<GLenum>(GL_LIGHT0 + p));
}

std::vector<std::uint8_t> CScena::Scrivi()
{
    CArchivio ar;
    m_Stanza.Serialize(ar);
    m_Oggetti.Serialize(ar);
    m_Luci.Serialize(ar);
    return ar.GetBuffer();
}

bool CScena::Leggi(const std::uint8_t* pDati, std::size_t nDimensione, std::string& errore)
{
    // Reads into this fresh scene only; the caller swaps it in once all of
    // it was read. Nothing here touches GL or the view.
    CArchivio ar(pDati, nDimensione);
    m_Stanza.Serialize(ar);
    if (ar.IsFineInattesa())
    {
        errore = FormattaTesto(
            "il file \u00e8 lungo %zu byte e finisce prima della fine dei dati della stanza "
            "(228 byte)",
            nDimensione);
        return false;
    }
    if (ar.IsDanneggiato())
    {
        errore = ar.GetDanno();
        return false;
    }
    if (!m_Oggetti.Leggi(ar, false, errore) || !m_Luci.Leggi(ar, true, errore))
        return false;
    if (ar.GetRestanti() > 0)
    {
        errore = FormattaTesto(
            "dopo l'ultima luce seguono altri %zu byte: il file non \u00e8 un documento di "
            "Lavedo98 oppure \u00e8 danneggiato",
            ar.GetRestanti());
        return false;
    }
    return true;
}

bool CScena::LeggiNellOrdine(const std::uint8_t* pDati, std::size_t nDimensione,
                             std::string& errore)
{
    if (!Leggi(pDati, nDimensione, errore))
        return false;
    m_Oggetti.Rovescia();
    m_Luci.Rovescia();
    return true;
}

void CScena::RegistraPasso(const char*, bool)
{
    SetModificato();
}

void CScena::Scambia(CScena& altra)
{
    m_Stanza.Scambia(altra.m_Stanza);
    m_Oggetti.Scambia(altra.m_Oggetti);
    m_Luci.Scambia(altra.m_Luci);
}

#include "view/StatoVista.h"

#include <cmath>

CStatoVista* g_pView = nullptr;

CStatoVista::CStatoVista()
{
    g_pView = this;
}

CStatoVista::~CStatoVista()
{
    if (g_pView == this)
        g_pView = nullptr;
}

void CStatoVista::AnnullaSelezione()
{
    m_bOggettoSelezionato = false;
    m_pOggettoSelezionato = nullptr;
    m_pCorrente = nullptr;
}

void CStatoVista::ApplicaRegolaScala(float W, float D)
{
    const float w = m_fLarghezzaFinestra, h = m_fAltezzaFinestra;
    if (!(w > 0.0f && h > 0.0f && W > 0.0f && D > 0.0f) || !std::isfinite(W) ||
        !std::isfinite(D))
        return;  // nothing sensible to fit: keep the last scale

    float fScala;
    if (w <= h)
    {
        m_bScalaDaProfondita = D > W;
        fScala = m_bScalaDaProfondita ? h / D : w / W;
    }
    else
    {
        m_bScalaDaProfondita = D >= W;
        fScala = m_bScalaDaProfondita ? h / D : w / W;
    }
    if (W * fScala > w)
    {
        fScala = w / W;
        m_bScalaDaProfondita = false;
    }
    if (D * fScala > h)
    {
        fScala = h / D;
        m_bScalaDaProfondita = true;
    }
    if (std::isfinite(fScala) && fScala > 0.0f)
        m_fScala = fScala;
}

#include "view/ListePezzi.h"

#include "model/Archivio.h"
#include "model/Oggetto.h"
#include "model/Scena.h"
#include "model/Texture.h"
#include "view/StatoVista.h"

#include <GL/glx.h>

namespace
{
template <class T>
void Aggiungi(std::vector<std::uint8_t>& a, const T& valore)
{
    const auto* p = reinterpret_cast<const std::uint8_t*>(&valore);
    a.insert(a.end(), p, p + sizeof valore);
}
}  // namespace

void CListePezzi::Chiave(COggetto& pezzo, std::vector<std::uint8_t>& aChiave) const
{
    CArchivio ar;
    pezzo.Serialize(ar);
    aChiave.assign(ar.GetBuffer().begin(), ar.GetBuffer().end());
    Aggiungi(aChiave, pezzo.GetRuntimeClass());
    Aggiungi(aChiave, pezzo.IsSelezionato());
    Aggiungi(aChiave, g_pView->m_bTextures);
    Aggiungi(aChiave, g_pView->m_bWireframe);
    const CStanza& stanza = g_pDoc->m_Stanza;
    Aggiungi(aChiave, stanza.GetLarghezza());
    Aggiungi(aChiave, stanza.GetProfondita());
    Aggiungi(aChiave, stanza.GetPareti());
    Aggiungi(aChiave, stanza.GetPrimaParete());
    Aggiungi(aChiave, g_aTexture);
}

void CListePezzi::Lega()
{
    const void* pContesto = glXGetCurrentContext();
    if (pContesto == m_pContesto)
        return;
    m_Voci.clear();
    m_pContesto = pContesto;
}

bool CListePezzi::IsNelContesto() const
{
    // Without GLX (an EGL window) there is no telling: no lists.
    return m_pContesto && glXGetCurrentContext() == m_pContesto;
}

void CListePezzi::Disegna(COggetto& pezzo)
{
    // The small cabinet comes out of a list a few pixels different from
    // drawn directly on Mesa's software renderer (along its wide seam
    // lines): it keeps being drawn directly.
    if (pezzo.GetCategoria() == CATEGORIA_ARMADI && pezzo.GetTipo() == 0)
    {
        pezzo.Disegna();
        return;
    }
    Chiave(pezzo, m_aChiave);
    CVoce& voce = m_Voci[&pezzo];
    voce.bUsata = true;
    if (voce.nLista == 0 || voce.aChiave != m_aChiave)
    {
        if (voce.nLista == 0)
            voce.nLista = glGenLists(1);
        if (voce.nLista == 0)
        {
            // No list to be had: draw directly.
            m_Voci.erase(&pezzo);
            pezzo.Disegna();
            return;
        }
        glNewList(voce.nLista, GL_COMPILE);
        pezzo.Disegna();
        glEndList();
        voce.aChiave.swap(m_aChiave);
    }
    glCallList(voce.nLista);
}

void CListePezzi::FineFotogramma()
{
    for (auto it = m_Voci.begin(); it != m_Voci.end();)
    {
        if (it->second.bUsata)
        {
            it->second.bUsata = false;
            ++it;
            continue;
        }
        glDeleteLists(it->second.nLista, 1);
        it = m_Voci.erase(it);
    }
}

void CListePezzi::Libera()
{
    for (const auto& [pPezzo, voce] : m_Voci)
        glDeleteLists(voce.nLista, 1);
    m_Voci.clear();
}

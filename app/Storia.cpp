#include "app/Storia.h"

CStoria::CStoria(std::function<bool(const CStato&)> fnInstalla)
    : wxCommandProcessor(MASSIMO_PASSI), m_fnInstalla(std::move(fnInstalla))
{
}

void CStoria::Azzera(CStato stato)
{
    ClearCommands();
    m_Corrente = std::move(stato);
    m_Salvato = m_Corrente;
    MarkAsSaved();
}

bool CStoria::Registra(const char* szNome, CStato dopo, bool bUnisci)
{
    // Nothing changed (a drag that ended where it began): no step.
    if (m_Corrente && *dopo == *m_Corrente)
        return false;
    auto* pUltimo = dynamic_cast<CPasso*>(GetCurrentCommand());
    // A run of presses joins its step, but never across a save.
    if (bUnisci && pUltimo && !CanRedo() && pUltimo->GetName() == szNome &&
        pUltimo->GetDopo() != m_Salvato)
        pUltimo->SetDopo(dopo);
    else
        Store(new CPasso(*this, szNome, m_Corrente, dopo));
    m_Corrente = std::move(dopo);
    return true;
}

void CStoria::Salvata(const std::vector<std::uint8_t>& dati)
{
    // The history stays; the state saved is the one undo comes back to
    // as unmodified.
    if (!m_Corrente || *m_Corrente != dati)
        m_Corrente = std::make_shared<const std::vector<std::uint8_t>>(dati);
    m_Salvato = m_Corrente;
    MarkAsSaved();
}

bool CStoria::IsDiversoDalSalvato(const std::vector<std::uint8_t>& stato) const
{
    // A restored room has no saved state in its history at all.
    return !m_Salvato || stato != *m_Salvato;
}

bool CStoria::Installa(const CStato& stato)
{
    if (!stato || !m_fnInstalla || !m_fnInstalla(stato))
        return false;
    m_Corrente = stato;
    return true;
}

wxCommand* CStoria::PassoSuccessivo()
{
    wxList& passi = GetCommands();
    wxCommand* pCorrente = GetCurrentCommand();
    wxList::compatibility_iterator pNodo = passi.GetFirst();
    if (pCorrente)
        if ((pNodo = passi.Find(pCorrente)))
            pNodo = pNodo->GetNext();
    return pNodo ? static_cast<wxCommand*>(pNodo->GetData()) : nullptr;
}

wxString CStoria::TestoVoce(bool bRipeti)
{
    wxCommand* pPasso = bRipeti ? (CanRedo() ? PassoSuccessivo() : nullptr)
                                : (CanUndo() ? GetCurrentCommand() : nullptr);
    const wxString nome = pPasso ? " " + pPasso->GetName() : wxString();
    return bRipeti ? "&Ripeti" + nome + "\tCtrl+Y" : "&Annulla" + nome + "\tCtrl+Z";
}

CPasso::CPasso(CStoria& storia, const char* szNome, CStato prima, CStato dopo)
    : wxCommand(true, szNome), m_Storia(storia), m_Prima(std::move(prima)), m_Dopo(std::move(dopo))
{
}

bool CPasso::Do()
{
    return m_Storia.Installa(m_Dopo);
}

bool CPasso::Undo()
{
    return m_Storia.Installa(m_Prima);
}

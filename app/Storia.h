#pragma once
// The undo history of the room. Every state is the room file's bytes whole:
// a step holds the state before and after its change, and undo and redo
// install one or the other. A state is shared by the two steps it lies
// between, so each is kept once.
#include <wx/cmdproc.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

using CStato = std::shared_ptr<const std::vector<std::uint8_t>>;

class CStoria : public wxCommandProcessor
{
public:
    // Steps kept; older ones are forgotten.
    static constexpr int MASSIMO_PASSI = 100;

    // fnInstalla puts a state in place of the room (undo and redo); false
    // when it cannot, and the room is then as it was.
    explicit CStoria(std::function<bool(const CStato&)> fnInstalla);

    // Forgets every step: stato is the room as it stands and as saved.
    void Azzera(CStato stato);
    // The room changed to dopo: a step named szNome, or, with bUnisci, the
    // continuation of the previous step of that name (never across a save
    // or an undo). False when dopo is the state it already was.
    bool Registra(const char* szNome, CStato dopo, bool bUnisci);
    // The room as it stands was saved as dati: undo back to it is
    // unmodified.
    void Salvata(const std::vector<std::uint8_t>& dati);
    // No state is the saved one (a restored recovery copy): every state,
    // this one too, is a change to keep.
    void SenzaSalvato() { m_Salvato.reset(); }
    // Whether a state differs from the one last saved or opened.
    bool IsDiversoDalSalvato(const std::vector<std::uint8_t>& stato) const;
    const CStato& GetCorrente() const { return m_Corrente; }

    // "&Annulla <step>\tCtrl+Z" or "&Ripeti <step>\tCtrl+Y", the step's
    // name left out when there is none to undo or redo.
    wxString TestoVoce(bool bRipeti);

    // Installs stato through fnInstalla; it is then the current one.
    bool Installa(const CStato& stato);

private:
    // The step redo would do again: the one after the current.
    wxCommand* PassoSuccessivo();

    std::function<bool(const CStato&)> m_fnInstalla;
    // The room as it stands and as last saved or opened.
    CStato m_Corrente;
    CStato m_Salvato;
};

// One step: the states before and after a change.
class CPasso : public wxCommand
{
public:
    CPasso(CStoria& storia, const char* szNome, CStato prima, CStato dopo);

    // Redo (the first time the change is already made: the step is stored,
    // never done).
    bool Do() override;
    bool Undo() override;

    const CStato& GetDopo() const { return m_Dopo; }
    // A later change joined to this step.
    void SetDopo(CStato dopo) { m_Dopo = std::move(dopo); }

private:
    CStoria& m_Storia;
    CStato m_Prima;
    CStato m_Dopo;
};

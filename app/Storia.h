#pragma once
// The undo history's steps: each holds the room file bytes before and after
// the change, and undo and redo install one or the other whole. A state is
// shared by the two steps it lies between, so each is kept once.
#include <wx/cmdproc.h>

#include <cstdint>
#include <memory>
#include <vector>

class CLavedoDoc;

using CStato = std::shared_ptr<const std::vector<std::uint8_t>>;

class CPasso : public wxCommand
{
public:
    CPasso(CLavedoDoc& doc, const char* szNome, CStato prima, CStato dopo);

    // Redo (the first time the change is already made: the step is stored,
    // never done).
    bool Do() override;
    bool Undo() override;

    const CStato& GetDopo() const { return m_Dopo; }
    // A later change joined to this step.
    void SetDopo(CStato dopo) { m_Dopo = std::move(dopo); }

private:
    CLavedoDoc& m_Doc;
    CStato m_Prima;
    CStato m_Dopo;
};

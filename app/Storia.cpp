#include "app/Storia.h"

#include "app/LavedoDoc.h"

CPasso::CPasso(CLavedoDoc& doc, const char* szNome, CStato prima, CStato dopo)
    : wxCommand(true, szNome), m_Doc(doc), m_Prima(std::move(prima)), m_Dopo(std::move(dopo))
{
}

bool CPasso::Do()
{
    return m_Doc.Installa(m_Dopo);
}

bool CPasso::Undo()
{
    return m_Doc.Installa(m_Prima);
}

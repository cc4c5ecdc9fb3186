#include "model/Lavedomento.h"

#include <cstring>

CLavedomento::CLavedomento() : m_pColore1(new unsigned char[4]{255, 0, 0, 80})
{
}

CLavedomento::~CLavedomento()
{
    delete[] m_pColore1;
}

void CLavedomento::SetColore1(const unsigned char* p)
{
    if (p)
        std::memcpy(m_pColore1, p, 4);
}

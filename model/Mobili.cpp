#include "model/Mobili.h"

#include "model/Archivio.h"
#include "model/Scena.h"
#include "view/StatoVista.h"

#include <GL/gl.h>
#include <cstring>

CMobili::CMobili() : m_pColore2(new unsigned char[4]{200, 0, 50, 120})
{
}

CMobili::~CMobili()
{
    delete[] m_pColore2;
}

void CMobili::SetColore2(const unsigned char* p)
{
    if (p)
        std::memcpy(m_pColore2, p, 4);
}

void CMobili::SerializeMobile(CArchivio& ar)
{
    SerializeNome(ar);
    if (ar.IsStoring())
    {
        ar.ScriviFloat(GetX());
        ar.ScriviFloat(GetAltezza());
        ar.ScriviFloat(GetLarghezza());
        ar.ScriviBytes(GetColore1(), 4);
        ar.ScriviInt32(GetTexture());
        ar.ScriviFloat(GetY());
        ar.ScriviFloat(GetRotazione());
        ar.ScriviFloat(GetProfondita());
        ar.ScriviBytes(GetColore2(), 4);
        return;
    }
    unsigned char aColore[4];
    SetX(ar.LeggiFloat());
    SetAltezza(ar.LeggiFloat());
    SetLarghezza(ar.LeggiFloat());
    ar.LeggiBytes(aColore, 4);
    SetColore1(aColore);
    SetTexture(ar.LeggiInt32());
    SetY(ar.LeggiFloat());
    SetRotazione(ar.LeggiFloat());
    SetProfondita(ar.LeggiFloat());
    ar.LeggiBytes(aColore, 4);
    SetColore2(aColore);
}

void CMobili::DisegnaImpronta() const
{
    const float s = g_pView->m_fScala;
    const float fProfonditaStanza = g_pDoc->m_Stanza.GetProfondita();
    glPushMatrix();
    glTranslatef(GetX() * s, (fProfonditaStanza - GetY()) * s, 0.0f);
    glRotatef(GetRotazione(), 0.0f, 0.0f, 1.0f);
    glColor4ubv(GetColore1());
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(GetLarghezza() * s, 0.0f);
    glVertex2f(GetLarghezza() * s, -GetProfondita() * s);
    glVertex2f(0.0f, -GetProfondita() * s);
    glEnd();
    glPopMatrix();
}

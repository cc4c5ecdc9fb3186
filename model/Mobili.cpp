#include "model/Mobili.h"

#include "model/Archivio.h"
#include "model/ContestoDisegno.h"
#include "model/Scena.h"

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
    SerializeComune(ar);
    if (ar.IsStoring())
    {
        ar.ScriviFloat(GetY());
        ar.ScriviFloat(GetRotazione());
        ar.ScriviFloat(GetProfondita());
    }
    else
    {
        SetY(ar.LeggiFloat());
        SetRotazione(ar.LeggiFloat());
        SetProfondita(ar.LeggiFloat());
    }
    SerializeColore2(ar);
}

void CMobili::DisegnaImpronta(const CContestoDisegno& contesto) const
{
    const float s = contesto.fScala;
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

#include "furniture/PorteEFinestre.h"

#include "model/Archivio.h"
#include "model/ContestoDisegno.h"
#include "model/Scena.h"

#include <GL/gl.h>
#include <cstring>

CPorteEFinestre::CPorteEFinestre() : m_pColore2(new unsigned char[4]{255, 255, 255, 255})
{
}

CPorteEFinestre::~CPorteEFinestre()
{
    delete[] m_pColore2;
}

void CPorteEFinestre::SetColore2(const unsigned char* p)
{
    if (p)
        std::memcpy(m_pColore2, p, 4);
}

void CPorteEFinestre::SerializeApertura(CArchivio& ar)
{
    SerializeComune(ar);
    if (ar.IsStoring())
        ar.ScriviInt32(GetParete());
    else
        SetParete(ar.LeggiInt32());
    SerializeColore2(ar);
}

bool CPorteEFinestre::IsVisibile3D(const CContestoDisegno& contesto) const
{
    const CStanza& stanza = g_pDoc->m_Stanza;
    const int m = stanza.GetParetiVisibili(contesto);
    if (m == PARETI_TUTTE)
        return true;
    if (m != PARETI_DUE)
        return false;
    // The room keeps the first of its two walls as wall number + 3.
    const int nPrima = CStanza::PrimaParete(contesto.fRotY) - 3;
    return m_nParete == nPrima || m_nParete == nPrima % 4 + 1;
}

void CPorteEFinestre::ApplicaSistemaParete(CRegistratore& r, float fElevazione) const
{
    // Local x along the wall (clockwise seen from above), y up, +z into the
    // room; the origin lies 0.04 m inside the wall's face. A turn about the
    // vertical, then the move in the turned frame: the collocation is the
    // move turned, then the turn.
    const CStanza& stanza = g_pDoc->m_Stanza;
    const float X = GetX(), RW = stanza.GetLarghezza(), RD = stanza.GetProfondita();
    switch (m_nParete)
    {
    case 1:
        r.Colloca(X, fElevazione, 0.04f, 0.0f);
        break;
    case 2:
        r.Colloca(RW - 0.04f, fElevazione, X, -90.0f);
        break;
    case 3:
        r.Colloca(RW - X, fElevazione, RD - 0.04f, 180.0f);
        break;
    case 4:
        r.Colloca(0.04f, fElevazione, RD - X, 90.0f);
        break;
    default:
        break;
    }
}

void CPorteEFinestre::DisegnaPiantina(const CContestoDisegno& contesto) const
{
    const CStanza& stanza = g_pDoc->m_Stanza;
    const float s = contesto.fScala;
    const float x = GetX() * s, w = GetLarghezza() * s, t = 0.15f * s;
    const float RW = stanza.GetLarghezza() * s, RD = stanza.GetProfondita() * s;
    // A strip 0.15 m deep against the inside of the wall.
    float aTraslazione[2];
    float aVertici[4][2];
    switch (m_nParete)
    {
    case 1:
        aTraslazione[0] = x;
        aTraslazione[1] = RD;
        aVertici[0][0] = 0, aVertici[0][1] = 0;
        aVertici[1][0] = w, aVertici[1][1] = 0;
        aVertici[2][0] = w, aVertici[2][1] = -t;
        aVertici[3][0] = 0, aVertici[3][1] = -t;
        break;
    case 2:
        aTraslazione[0] = RW;
        aTraslazione[1] = RD - x;
        aVertici[0][0] = 0, aVertici[0][1] = 0;
        aVertici[1][0] = 0, aVertici[1][1] = -w;
        aVertici[2][0] = -t, aVertici[2][1] = -w;
        aVertici[3][0] = -t, aVertici[3][1] = 0;
        break;
    case 3:
        aTraslazione[0] = RW - x;
        aTraslazione[1] = 0;
        aVertici[0][0] = 0, aVertici[0][1] = 0;
        aVertici[1][0] = -w, aVertici[1][1] = 0;
        aVertici[2][0] = -w, aVertici[2][1] = t;
        aVertici[3][0] = 0, aVertici[3][1] = t;
        break;
    case 4:
        aTraslazione[0] = 0;
        aTraslazione[1] = x;
        aVertici[0][0] = 0, aVertici[0][1] = 0;
        aVertici[1][0] = 0, aVertici[1][1] = w;
        aVertici[2][0] = t, aVertici[2][1] = w;
        aVertici[3][0] = t, aVertici[3][1] = 0;
        break;
    default:
        return;
    }
    glPushMatrix();
    glColor4ubv(GetColore1());
    glTranslatef(aTraslazione[0], aTraslazione[1], 0.0f);
    glBegin(GL_QUADS);
    for (const auto& v : aVertici)
        glVertex2fv(v);
    glEnd();
    glPopMatrix();
}

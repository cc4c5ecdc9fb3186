#pragma once
// Helpers shared by the interaction tests: real mouse events to the view's
// handlers, commands and command-state queries through the routing, and
// furniture placed in code.
#include "Ambiente.h"
#include "app/LavedoDoc.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"
#include "view/CanvasGL.h"
#include "view/LavedoView.h"

#include <wx/uiaction.h>

namespace aiuti
{
// One mouse event of the given type at client pixel (x, y) to the view.
inline void Mouse(wxEventType tipo, int x, int y)
{
    wxMouseEvent evento(tipo);
    evento.SetPosition(wxPoint(x, y));
    evento.SetEventObject(ambiente::Vista().GetCanvas());
    ambiente::Vista().OnMouse(evento);
}

// A whole drag with one button: press at (x0, y0), move in nPassi steps to
// (x1, y1), release.
inline void Trascina(bool bSinistro, int x0, int y0, int x1, int y1, int nPassi = 4)
{
    Mouse(bSinistro ? wxEVT_LEFT_DOWN : wxEVT_RIGHT_DOWN, x0, y0);
    for (int i = 1; i <= nPassi; ++i)
        Mouse(wxEVT_MOTION, x0 + (x1 - x0) * i / nPassi, y0 + (y1 - y0) * i / nPassi);
    Mouse(bSinistro ? wxEVT_LEFT_UP : wxEVT_RIGHT_UP, x1, y1);
}

// A command as a menu, a toolbar button or an accelerator sends it: to the
// frame, which offers it to the view first.
// Sends a command through the frame's routing. bPompa false leaves the
// pending events (a paint among them) unprocessed, for checks of the GL
// state the command itself sets: the next paint changes it again.
inline void Comando(int nId, bool bPompa = true)
{
    wxCommandEvent evento(wxEVT_MENU, nId);
    evento.SetEventObject(&ambiente::Cornice());
    ambiente::Cornice().GetEventHandler()->ProcessEvent(evento);
    if (bPompa)
        ambiente::Pompa();
}

struct CStatoComando
{
    bool bGestito;
    bool bAbilitato;
    bool bSpuntato;
};

// The command-state query the framework makes before showing a menu.
inline CStatoComando StatoComando(int nId)
{
    wxUpdateUIEvent evento(nId);
    evento.SetEventObject(&ambiente::Cornice());
    const bool bGestito = ambiente::Cornice().GetEventHandler()->ProcessEvent(evento);
    return {bGestito, !evento.GetSetEnabled() || evento.GetEnabled(),
            evento.GetSetChecked() && evento.GetChecked()};
}

// A furnishing added to the document (newest first), with its size.
inline COggetto* Aggiungi(int nCategoria, int nTipo, const char* pNome, float x, float y,
                          float fLarghezza, float fProfondita, float fRotazione = 0.0f)
{
    COggetto* p = CreaOggetto(nCategoria, nTipo);
    p->SetNome(pNome);
    p->SetX(x);
    p->SetY(y);
    p->SetLarghezza(fLarghezza);
    p->SetProfondita(fProfondita);
    p->SetAltezza(1.0f);
    p->SetRotazione(fRotazione);
    const unsigned char aColore[4] = {200, 40, 40, 255};
    p->SetColore1(aColore);
    p->SetColore2(aColore);
    ambiente::Documento().m_Oggetti.Aggiungi(p);
    return p;
}

// Makes an object the view's selection, as a pick does.
inline void Seleziona(COggetto* p)
{
    CLavedoView& v = ambiente::Vista();
    p->Seleziona();
    v.m_pOggettoSelezionato = p;
    v.SetOggettoSelezionato(true);
}

// Real pointer input through the window system, at client pixels of the
// GL window.
inline wxPoint SulloSchermo(int x, int y)
{
    return ambiente::Vista().GetCanvas()->ClientToScreen(wxPoint(x, y));
}

// One key press to the view; true when the view let it go on.
inline bool Tasto(int nCodice, bool bMaiusc = false)
{
    wxKeyEvent evento(wxEVT_KEY_DOWN);
    evento.m_keyCode = nCodice;
    evento.SetShiftDown(bMaiusc);
    evento.m_isRepeat = false;  // wxKeyEvent leaves it unset
    evento.SetEventObject(ambiente::Vista().GetCanvas());
    ambiente::Vista().OnKeyDown(evento);
    return evento.GetSkipped();
}

inline void Attendi(int nMillisecondi)
{
    const wxLongLong fine = wxGetLocalTimeMillis() + nMillisecondi;
    while (wxGetLocalTimeMillis() < fine)
    {
        ambiente::Pompa();
        wxMilliSleep(2);
    }
}
}  // namespace aiuti

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

#include <wx/eventfilter.h>
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

// Sends the pointer to a mark and waits until one of the program's windows
// sees it move there: input reaches the program in the order it was sent,
// so everything sent before has been handled too.
class CSegnale : public wxEventFilter
{
public:
    explicit CSegnale(const wxPoint& schermo) : m_schermo(schermo)
    {
        wxEvtHandler::AddFilter(this);
    }
    ~CSegnale() override { wxEvtHandler::RemoveFilter(this); }
    CSegnale(const CSegnale&) = delete;
    CSegnale& operator=(const CSegnale&) = delete;
    int FilterEvent(wxEvent& evento) override
    {
        if (evento.GetEventType() != wxEVT_MOTION)
            return Event_Skip;
        auto* pFinestra = dynamic_cast<wxWindow*>(evento.GetEventObject());
        const wxPoint punto = static_cast<wxMouseEvent&>(evento).GetPosition();
        if (pFinestra && pFinestra->ClientToScreen(punto) == m_schermo)
            m_bVisto = true;
        return Event_Skip;
    }
    bool IsVisto() const { return m_bVisto; }

private:
    wxPoint m_schermo;
    bool m_bVisto = false;
};

// A motion that comes while the toolkit waits on the clipboard can be
// dropped: after a while the mark is sent again.
inline bool InputArrivato(wxUIActionSimulator& simulatore)
{
    static int nSegnale = 0;
    for (int nProva = 0; nProva < 5; ++nProva)
    {
        const wxPoint schermo = SulloSchermo(3 + (++nSegnale % 2), 3);
        CSegnale segnale(schermo);
        simulatore.MouseMove(schermo);
        if (ambiente::AspettaChe([&] { return segnale.IsVisto(); }, 500))
            return true;
    }
    return false;
}

// A real click on the GL window, returning once the window has the focus
// that keys sent next must reach.
inline bool ClicSullaVista(wxUIActionSimulator& simulatore, int x, int y)
{
    simulatore.MouseMove(SulloSchermo(x, y));
    ambiente::Pompa();
    simulatore.MouseClick(wxMOUSE_BTN_LEFT);
    return ambiente::AspettaChe(
        [] { return wxWindow::FindFocus() == ambiente::Vista().GetCanvas(); });
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

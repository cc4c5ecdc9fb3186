#pragma once
// Filling in the program's dialogs as a user does, each step through the
// control's own event so the dialog's handlers run; CCompila answers a
// modal dialog under wxTEST_DIALOG with such steps.
#include <functional>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

namespace compila
{
inline void Invia(wxWindow* p, wxEventType tipo, int nValore = 0)
{
    wxCommandEvent evento(tipo, p->GetId());
    evento.SetEventObject(p);
    evento.SetInt(nValore);
    p->ProcessWindowEvent(evento);
}
inline void Premi(wxWindow& dlg, int nId) { Invia(dlg.FindWindow(nId), wxEVT_BUTTON); }
inline void Premi(wxWindow& dlg, const char* pNome) { Premi(dlg, XRCID(pNome)); }
inline wxTextCtrl& Edit(wxWindow& dlg, const char* pNome)
{
    return *XRCCTRL(dlg, pNome, wxTextCtrl);
}
inline void Scrivi(wxWindow& dlg, const char* pNome, const wxString& t)
{
    Edit(dlg, pNome).SetValue(t);
}
inline void Spunta(wxWindow& dlg, const char* pNome, bool b)
{
    XRCCTRL(dlg, pNome, wxCheckBox)->SetValue(b);
    Invia(XRCCTRL(dlg, pNome, wxCheckBox), wxEVT_CHECKBOX, b);
}
inline void Scegli(wxWindow& dlg, const char* pNome)
{
    XRCCTRL(dlg, pNome, wxRadioButton)->SetValue(true);
    Invia(XRCCTRL(dlg, pNome, wxRadioButton), wxEVT_RADIOBUTTON, 1);
}
inline void Seleziona(wxWindow& dlg, const char* pNome, int n)
{
    XRCCTRL(dlg, pNome, wxChoice)->SetSelection(n);
    Invia(XRCCTRL(dlg, pNome, wxChoice), wxEVT_CHOICE, n);
}

template <class T>
class CCompila : public wxExpectModalBase<T>
{
public:
    explicit CCompila(std::function<void(T&)> fnPassi) : m_fnPassi(std::move(fnPassi)) {}

protected:
    int OnInvoked(T* pDialogo) const override
    {
        m_fnPassi(*pDialogo);
        return pDialogo->GetReturnCode();
    }

private:
    std::function<void(T&)> m_fnPassi;
};
}  // namespace compila

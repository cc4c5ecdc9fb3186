#pragma once
// Answers for the program's own modal dialogs under wxTEST_DIALOG: the
// dialog is not shown; the answer presses one of its buttons, so the
// dialog's own OK or Cancel handling runs.
#include <wx/testing.h>

template <class T>
class CPremiPulsante : public wxExpectModalBase<T>
{
public:
    explicit CPremiPulsante(int nPulsante) : m_nPulsante(nPulsante) {}

protected:
    int OnInvoked(T* pDialogo) const override
    {
        wxCommandEvent evento(wxEVT_BUTTON, m_nPulsante);
        evento.SetEventObject(pDialogo);
        pDialogo->ProcessWindowEvent(evento);
        return pDialogo->GetReturnCode();
    }

private:
    int m_nPulsante;
};

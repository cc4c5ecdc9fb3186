#pragma once
#include <memory>
#include <wx/string.h>

class wxHtmlHelpController;
class wxWindow;

// The help book in wxWidgets' HTML help browser: contents, index and
// full-text search. The book is read on first use.
class CGuida
{
public:
    // file: the book (.htb); FileGuida() finds the installed one.
    CGuida(wxWindow* pGenitore, const wxString& file);
    ~CGuida();
    CGuida(const CGuida&) = delete;
    CGuida& operator=(const CGuida&) = delete;

    // Reads the book; when it cannot, tells the user and answers false.
    bool Carica();
    bool MostraArgomenti();
    bool MostraIndice();

    wxHtmlHelpController& GetController() { return *m_pController; }

private:
    bool Dimensiona(bool bMostrata);
    void AllargaSommario();

    wxWindow* m_pGenitore;
    wxString m_file;
    std::unique_ptr<wxHtmlHelpController> m_pController;
    bool m_bCaricata = false;
    bool m_bDimensionata = false;
};

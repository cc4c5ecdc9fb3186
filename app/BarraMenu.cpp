#include "app/BarraMenu.h"

#include "app/Comandi.h"

#include <wx/menu.h>

wxMenuBar* CreaBarraMenu(wxMenu*& pMenuFile)
{
    auto voce = [](wxMenu* pMenu, int nId, const char* pTesto, wxItemKind tipo = wxITEM_NORMAL) {
        return pMenu->Append(nId, wxString::FromUTF8(pTesto), PromptComando(nId), tipo);
    };

    pMenuFile = new wxMenu;
    voce(pMenuFile, wxID_NEW, "&Nuovo\tCtrl+N");
    voce(pMenuFile, wxID_OPEN, "&Apri...\tCtrl+A");
    voce(pMenuFile, wxID_SAVE, "&Salva\tCtrl+S");
    voce(pMenuFile, wxID_SAVEAS, "Sa&lva con nome...");
    voce(pMenuFile, ID_FILE_ESPORTA_IMMAGINE, "Esporta &immagine...");
    voce(pMenuFile, ID_FILE_ESPORTA_PIANTINA, "Esporta &piantina...");
    voce(pMenuFile, ID_FILE_ESPORTA_MODELLO, "Esporta m&odello 3D...");
    pMenuFile->AppendSeparator();
    voce(pMenuFile, ID_FILE_STAMPA, "Sta&mpa...\tCtrl+P");
    voce(pMenuFile, ID_FILE_ANTEPRIMA, "Anteprima di s&tampa");
    voce(pMenuFile, ID_FILE_IMPOSTA_PAGINA, "Imposta pa&gina...");
    pMenuFile->AppendSeparator();
    // Place of the recent-file list, greyed while the list is empty.
    voce(pMenuFile, wxID_FILE1, "Ultimo file usato")->Enable(false);
    pMenuFile->AppendSeparator();
    voce(pMenuFile, ID_ESCI, "&Esci");

    auto* pOggetto = new wxMenu;
    voce(pOggetto, ID_INSERISCI_SEDIA, "&Sedia o poltrona...");
    voce(pOggetto, ID_INSERISCI_TAVOLO, "&Tavolo...");
    voce(pOggetto, ID_INSERISCI_MOBILE, "&Mobile...");
    voce(pOggetto, ID_INSERISCI_PORTA_FINESTRA, "&Porta o finestra...");
    auto* pInserisci = new wxMenu;
    pInserisci->AppendSubMenu(pOggetto, "&Oggetto");
    voce(pInserisci, ID_INSERISCI_CATALOGO, "Dal &catalogo...\tCtrl+K");
    voce(pInserisci, ID_INSERISCI_LUCE, "&Illuminazione...");

    auto* pModifica = new wxMenu;
    voce(pModifica, ID_MODIFICA_ANNULLA, "&Annulla\tCtrl+Z");
    voce(pModifica, ID_MODIFICA_RIPETI, "&Ripeti\tCtrl+Y");
    pModifica->AppendSeparator();
    voce(pModifica, ID_MODIFICA_TAGLIA, "&Taglia\tCtrl+X");
    voce(pModifica, ID_MODIFICA_COPIA, "&Copia\tCtrl+C");
    voce(pModifica, ID_MODIFICA_INCOLLA, "I&ncolla\tCtrl+V");
    voce(pModifica, ID_MODIFICA_DUPLICA, "&Duplica\tCtrl+D");
    pModifica->AppendSeparator();
    voce(pModifica, ID_MODIFICA_AGGIUNGI_CATALOGO, "A&ggiungi al catalogo");
    voce(pModifica, ID_MODIFICA_RIMUOVI_CATALOGO, "Rim&uovi dal catalogo");
    pModifica->AppendSeparator();
    voce(pModifica, ID_MODIFICA_OGGETTO, "&Oggetto...");
    pModifica->AppendSeparator();
    voce(pModifica, ID_MODIFICA_LUCE, "&Illuminazione...");
    pModifica->AppendSeparator();
    voce(pModifica, ID_IMPOSTAZIONI, "I&mpostazioni...");

    auto* pVisualizza = new wxMenu;
    voce(pVisualizza, ID_VISTA_3D, "&Vista 3D", wxITEM_CHECK);
    voce(pVisualizza, ID_VISTA_PIANTINA, "&Piantina", wxITEM_CHECK);
    voce(pVisualizza, ID_VISTA_INTERNO, "Vista dall'&interno");
    pVisualizza->AppendSeparator();
    voce(pVisualizza, ID_VISTA_WIREFRAMES, "&Wireframes", wxITEM_CHECK);
    voce(pVisualizza, ID_VISTA_ANTIALIASING, "A&ntialiasing", wxITEM_CHECK);
    voce(pVisualizza, ID_VISTA_TEXTURES, "&Textures", wxITEM_CHECK);
    pVisualizza->AppendSeparator();
    voce(pVisualizza, ID_VISTA_QUOTE, "&Quote", wxITEM_CHECK);
    voce(pVisualizza, ID_VISTA_CALAMITA, "&Calamita", wxITEM_CHECK);
    pVisualizza->AppendSeparator();
    voce(pVisualizza, ID_VISTA_CATALOGO, "Catal&ogo", wxITEM_CHECK);
    voce(pVisualizza, ID_BARRA_STRUMENTI, "Barra degli st&rumenti", wxITEM_CHECK);
    voce(pVisualizza, ID_BARRA_STATO, "Barra di st&ato", wxITEM_CHECK);

    auto* pAiuto = new wxMenu;
    voce(pAiuto, ID_GUIDA_ARGOMENTI, "&Argomenti della Guida");
    pAiuto->AppendSeparator();
    voce(pAiuto, wxID_ABOUT, "Infor&mazioni su Lavedo...");

    auto* pBarra = new wxMenuBar;
    pBarra->Append(pMenuFile, "&File");
    pBarra->Append(pInserisci, "&Inserisci");
    pBarra->Append(pModifica, "&Modifica");
    pBarra->Append(pVisualizza, "&Visualizza");
    pBarra->Append(pAiuto, "&?");
    return pBarra;
}

#include "app/Comandi.h"

#include <wx/string.h>

namespace
{
// Status-bar prompt and tooltip of every command that has them.
const CTestoComando s_aTesti[] = {
    {wxID_NEW, "Crea un nuovo documento", "Nuovo"},
    {wxID_OPEN, "Apre un documento esistente", "Apri"},
    {wxID_SAVE, "Salva il documento attivo", "Salva"},
    {wxID_SAVEAS, "Salva il documento attivo con un nuovo nome", "Salva con nome"},
    {ID_FILE_ESPORTA_IMMAGINE, "Salva un'immagine PNG della vista 3D o della piantina",
     nullptr},
    {ID_FILE_ESPORTA_PIANTINA, "Salva la piantina in scala come documento PDF o disegno SVG",
     nullptr},
    {ID_FILE_ESPORTA_MODELLO,
     "Salva la stanza come modello 3D glTF (GLB) per visualizzatori e altri programmi", nullptr},
    {ID_FILE_STAMPA, "Stampa la piantina in scala", "Stampa"},
    {ID_FILE_ANTEPRIMA, "Mostra la pagina come sar\xC3\xA0 stampata", nullptr},
    {ID_FILE_IMPOSTA_PAGINA, "Sceglie il foglio, l'orientamento e i margini della stampa",
     nullptr},
    {wxID_FILE1, "Apre questo documento", nullptr},
    {ID_ESCI, "Esce dall'applicazione", "Esci"},
    {ID_INSERISCI_SEDIA, "Inserisce nella stanza una sedia o una poltrona", nullptr},
    {ID_INSERISCI_TAVOLO, "Inserisce nella stanza un tavolo", nullptr},
    {ID_INSERISCI_MOBILE, "Inserisce nella stanza un mobile", nullptr},
    {ID_INSERISCI_PORTA_FINESTRA, "Inserisce nella stanza una porta o una finestra", nullptr},
    {ID_INSERISCI_CATALOGO,
     "Inserisce un pezzo pronto del catalogo: cercarlo per nome, poi Invio o trascinarlo nella "
     "stanza",
     nullptr},
    {ID_INSERISCI_LUCE, "Inserisce una fonte di luce nella stanza", nullptr},
    {ID_MODIFICA_ANNULLA, "Annulla l'ultima modifica alla stanza", nullptr},
    {ID_MODIFICA_RIPETI, "Ripete la modifica annullata", nullptr},
    {ID_MODIFICA_TAGLIA, "Toglie dalla stanza l'oggetto selezionato e lo copia negli Appunti",
     nullptr},
    {ID_MODIFICA_COPIA, "Copia negli Appunti l'oggetto selezionato", nullptr},
    {ID_MODIFICA_INCOLLA, "Inserisce nella stanza l'oggetto copiato negli Appunti", nullptr},
    {ID_MODIFICA_DUPLICA, "Inserisce nella stanza una copia dell'oggetto selezionato", nullptr},
    {ID_MODIFICA_AGGIUNGI_CATALOGO,
     "Conserva l'oggetto selezionato in \xC2\xABI miei mobili\xC2\xBB, nel catalogo", nullptr},
    {ID_MODIFICA_RIMUOVI_CATALOGO,
     "Toglie da \xC2\xABI miei mobili\xC2\xBB il pezzo scelto nel catalogo", nullptr},
    {ID_MODIFICA_OGGETTO, "Elimina un oggetto o ne modifica gli attributi", nullptr},
    {ID_MODIFICA_LUCE, "Imposta le propriet\xC3\xA0 dell'illuminazione", nullptr},
    {ID_IMPOSTAZIONI, "Modifica le caratteristiche della stanza", nullptr},
    {ID_VISTA_3D, "Visualizza il rendering della stanza", "Vista3D"},
    {ID_VISTA_PIANTINA, "Visualizza la piantina della stanza e gli oggetti contenuti in essa",
     "Piantina"},
    {ID_VISTA_INTERNO,
     "Mostra la stanza dall'interno, all'altezza degli occhi, guardando verso la parete Nord",
     nullptr},
    {ID_VISTA_WIREFRAMES, "Visualizza la scena corrente in wireframes", "Wireframes"},
    {ID_VISTA_ANTIALIASING, "Visualizza la scena corrente con l'antialiasing", "Antialiasing"},
    {ID_VISTA_TEXTURES, "Abilita o disabilita le textures", "Textures"},
    {ID_VISTA_LUCI, "Attiva o disattiva l'illuminazione", "Luci"},
    {ID_VISTA_ROTAZIONE, "Ruota la vista corrente", "Rotazione"},
    {ID_VISTA_CENTRA, "Visualizza la stanza al centro della finestra", "Centra"},
    {ID_VISTA_SELEZIONA, "Seleziona un oggetto nella stanza", "Seleziona"},
    {ID_VISTA_ELIMINA, "Elimina l'oggetto selezionato", "Elimina"},
    {ID_VISTA_MODIFICA, "Modifica gli attributi dell'oggetto selezionato", "Modifica"},
    {ID_VISTA_ANTIALIASING2, "Abilita o disabilita l'antialiasing", "Antialiasing"},
    {ID_VISTA_QUOTE,
     "Mostra o nasconde nella piantina le distanze dai muri, le misure, i nomi e i fronti degli "
     "oggetti",
     "Quote"},
    {ID_VISTA_CALAMITA,
     "Accosta ai muri gli oggetti spostati vicino a essi e allinea le rotazioni a 15 gradi",
     "Calamita"},
    {ID_VISTA_CATALOGO, "Mostra o nasconde il catalogo dei pezzi pronti", nullptr},
    {ID_BARRA_STRUMENTI, "Mostra o nasconde la barra degli strumenti",
     "Mostra/nascondi barra degli strumenti"},
    {ID_BARRA_STATO, "Mostra o nasconde la barra di stato", "Mostra/nascondi barra di stato"},
    {ID_GUIDA_ARGOMENTI, "Elenca gli argomenti della Guida", "Argomenti della Guida"},
    {wxID_ABOUT,
     "Visualizza le informazioni sul programma, il numero di versione e il copyright",
     "Informazioni su..."},
};
}  // namespace

const CTestoComando& TestoComando(int nId)
{
    static const CTestoComando s_Nessuno = {0, nullptr, nullptr};
    for (const CTestoComando& t : s_aTesti)
        if (t.nId == nId)
            return t;
    return s_Nessuno;
}

wxString PromptComando(int nId)
{
    return wxString::FromUTF8(TestoComando(nId).pPrompt ? TestoComando(nId).pPrompt : "");
}

wxString TooltipComando(int nId)
{
    return wxString::FromUTF8(TestoComando(nId).pTooltip ? TestoComando(nId).pTooltip : "");
}

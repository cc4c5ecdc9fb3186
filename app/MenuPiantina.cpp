#include "app/MenuPiantina.h"

#include "app/Comandi.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <memory>

wxMenu* CreaMenuPiantina()
{
    auto* pMenu = new wxMenu;
    pMenu->Append(ID_VISTA_MODIFICA, "&Modifica...");
    pMenu->Append(ID_VISTA_ELIMINA, "&Elimina");
    pMenu->AppendSeparator();
    pMenu->Append(ID_MODIFICA_TAGLIA, "&Taglia\tCtrl+X");
    pMenu->Append(ID_MODIFICA_COPIA, "&Copia\tCtrl+C");
    pMenu->Append(ID_MODIFICA_INCOLLA, "I&ncolla\tCtrl+V");
    pMenu->Append(ID_MODIFICA_DUPLICA, "&Duplica\tCtrl+D");
    pMenu->AppendSeparator();
    pMenu->Append(ID_MODIFICA_AGGIUNGI_CATALOGO, "A&ggiungi al catalogo");
    return pMenu;
}

void MostraMenuPiantina(wxFrame& cornice, wxWindow& vista, const wxPoint& punto)
{
    // Popped up on the frame, so that its commands take the main menu's way
    // (the view, the document, the frame) and its entries their states.
    const std::unique_ptr<wxMenu> pMenu(CreaMenuPiantina());
    cornice.PopupMenu(pMenu.get(), cornice.ScreenToClient(vista.ClientToScreen(punto)));
}

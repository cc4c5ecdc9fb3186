#pragma once
// The File menu's pictures, plans, 3D model and printing: each asks what it needs,
// then writes or prints, and tells the user what went wrong.
class wxWindow;
class wxString;

namespace comandi_esportazione
{
void EsportaImmagine(wxWindow* pPadre);
void EsportaPiantina(wxWindow* pPadre);
void EsportaModello();
void Stampa(wxWindow* pPadre);
void Anteprima(wxWindow* pPadre);
void ImpostaPagina(wxWindow* pPadre);
// The open room's file name for captions and proposed names ("Lavedo"
// for a room never saved).
wxString NomeDocumento();
}  // namespace comandi_esportazione

#include "model/LavedoDoc.h"

#include "dialogs/ConfermaNuovoDlg.h"
#include "view/StatoVista.h"

#include <GL/gl.h>

wxIMPLEMENT_DYNAMIC_CLASS(CLavedoDoc, wxDocument);

wxBEGIN_EVENT_TABLE(CLavedoDoc, wxDocument)
    EVT_MENU(wxID_NEW, CLavedoDoc::OnFileNew)
wxEND_EVENT_TABLE()

CLavedoDoc::CLavedoDoc()
{
    g_pDoc = this;
}

CLavedoDoc::~CLavedoDoc()
{
    if (g_pDoc == static_cast<CScena*>(this))
        g_pDoc = nullptr;
}

bool CLavedoDoc::ConfermaPerdita()
{
    if (!m_bModificato)
        return true;
    CConfermaNuovoDlg dlg;
    dlg.ShowModal();
    return dlg.m_bConfermato;
}

bool CLavedoDoc::OnNewDocument()
{
    if (!ConfermaPerdita())
        return false;
    SvuotaScena();
    if (g_pView)
        g_pView->m_bLuci = false;
    glDisable(GL_LIGHTING);
    ImpostaStanzaPredefinita();
    CentraEAdatta();
    if (g_pView)
    {
        g_pView->m_bTextures = false;
        g_pView->Ridisegna();
    }
    m_bModificato = false;

    SetDocumentSaved(false);
    SetFilename(wxEmptyString, false);
    SetTitle(GetDocumentManager() ? GetDocumentManager()->MakeNewDocumentName() : "Lavedo");
    UpdateAllViews();
    for (wxView* pView : GetViewsVector())
        pView->OnChangeFilename();
    return true;
}

void CLavedoDoc::OnFileNew(wxCommandEvent&)
{
    OnNewDocument();
}

#include "Dialoghi.h"

#include "Ambiente.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace dialoghi
{
void VerificaImpaginazione(const wxDialog& dlg)
{
    const wxRect client(wxPoint(0, 0), dlg.GetClientSize());
    std::vector<const wxWindow*> controlli;
    for (const wxWindow* p : dlg.GetChildren())
    {
        const wxRect r = p->GetRect();
        wxSize migliore = p->GetBestSize();
        // A label that keeps its size may report the best size of an older
        // text: its own text is measured too.
        if (const auto* pTesto = dynamic_cast<const wxStaticText*>(p))
        {
            wxClientDC dc(const_cast<wxStaticText*>(pTesto));
            dc.SetFont(pTesto->GetFont());
            migliore.x = std::max(migliore.x, dc.GetMultiLineTextExtent(pTesto->GetLabelText()).x);
        }
        const bool bEdit = dynamic_cast<const wxTextCtrl*>(p) != nullptr;
        if (!bEdit)
        {
            EXPECT_GE(r.width, migliore.x) << dlg.GetTitle() << ": " << p->GetLabel();
        }
        EXPECT_GE(r.height, migliore.y) << dlg.GetTitle() << ": " << p->GetLabel();
        EXPECT_TRUE(client.Contains(r)) << dlg.GetTitle() << ": " << p->GetLabel();
        if (!dynamic_cast<const wxStaticBox*>(p))
            controlli.push_back(p);
    }
    for (size_t i = 0; i < controlli.size(); ++i)
        for (size_t j = i + 1; j < controlli.size(); ++j)
            EXPECT_FALSE(controlli[i]->GetRect().Intersects(controlli[j]->GetRect()))
                << dlg.GetTitle() << ": " << controlli[i]->GetLabel() << " / "
                << controlli[j]->GetLabel();

    const wxRect principale = ambiente::Cornice().GetScreenRect();
    const wxRect finestra = dlg.GetScreenRect();
    const wxPoint centro(finestra.x + finestra.width / 2, finestra.y + finestra.height / 2);
    const wxPoint atteso(principale.x + principale.width / 2, principale.y + principale.height / 2);
    EXPECT_NEAR(centro.x, atteso.x, 2) << dlg.GetTitle();
    EXPECT_NEAR(centro.y, atteso.y, 2) << dlg.GetTitle();
}

void PremiTasto(wxDialog& dlg, wxWindow* pFuoco, int nTasto, int nModificatori)
{
    if (!dlg.IsShown())
        dlg.Show();
    for (int i = 0; i < 50 && !dlg.IsActive(); ++i)
    {
        ambiente::Pompa();
        wxMilliSleep(5);
    }
    if (pFuoco)
        pFuoco->SetFocus();
    ambiente::Pompa();
    wxUIActionSimulator simulatore;
    simulatore.Char(nTasto, nModificatori);
    for (int i = 0; i < 5; ++i)
    {
        ambiente::Pompa();
        wxMilliSleep(5);
    }
}

void Fotografa(wxDialog& dlg, const char* pNome)
{
    const char* pCartella = std::getenv("LAVEDO_SCREENSHOTS");
    if (!pCartella)
        return;
    dlg.Show();
    dlg.Raise();
    for (int i = 0; i < 40; ++i)
    {
        ambiente::Pompa();
        wxMilliSleep(5);
    }
    // The window system's own picture of the screen (ImageMagick's import),
    // as a person sees the dialog.
    const wxRect r = dlg.GetScreenRect();
    const wxString percorso = wxFileName(pCartella, wxString(pNome) + ".png").GetFullPath();
    const wxString comando = wxString::Format("import -window root -crop %dx%d+%d+%d \"%s\"",
                                              r.width, r.height, r.x, r.y, percorso);
    EXPECT_EQ(wxExecute(comando, wxEXEC_SYNC), 0) << comando;
    dlg.Hide();
    for (int i = 0; i < 20; ++i)
    {
        ambiente::Pompa();
        wxMilliSleep(5);
    }
}
}  // namespace dialoghi

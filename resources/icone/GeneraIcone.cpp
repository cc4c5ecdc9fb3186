// Writes the program icon into a desktop icon theme tree:
//   genera_icone <folder>  ->  <folder>/<n>x<n>/apps/lavedo98.png
// It draws with the program's own code and needs no display.
#include "app/Icona.h"

#include <cstdio>
#include <wx/filename.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    wxInitializer inizializzazione;
    if (!inizializzazione.IsOk())
        return 1;
    wxImage::AddHandler(new wxPNGHandler);
    for (int nLato : {16, 22, 24, 32, 48, 64, 128, 256})
    {
        const wxString cartella = wxString::Format("%s/%dx%d/apps", argv[1], nLato, nLato);
        if (!wxFileName::Mkdir(cartella, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) ||
            !DisegnaIcona(nLato).SaveFile(cartella + "/lavedo98.png", wxBITMAP_TYPE_PNG))
        {
            std::fprintf(stderr, "cannot write the %d pixel icon in %s\n", nLato,
                         static_cast<const char*>(cartella.utf8_str()));
            return 1;
        }
    }
    return 0;
}

// Writes the program icon into a desktop icon theme tree, and the same PNG
// files as a C++ source that the program carries, so that it can hand the
// toolkit every size without drawing them at start-up:
//   genera_icone <folder> <source>  ->  <folder>/<n>x<n>/apps/lavedo98.png
// It draws with the program's own code and needs no display.
#include "app/Icona.h"

#include <cstdio>
#include <string>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/mstream.h>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s <output folder> <output source>\n", argv[0]);
        return 2;
    }
    wxInitializer inizializzazione;
    if (!inizializzazione.IsOk())
        return 1;
    wxImage::AddHandler(new wxPNGHandler);
    std::string sorgente =
        "// Written by resources/icone/GeneraIcone.cpp: the program icon as PNG files.\n"
        "#include \"app/IconeProgramma.h\"\n\nnamespace\n{\n";
    std::string elenco;
    for (int nLato : LATI_ICONA)
    {
        const wxString cartella = wxString::Format("%s/%dx%d/apps", argv[1], nLato, nLato);
        const wxImage immagine = DisegnaIcona(nLato);
        wxMemoryOutputStream png;
        if (!wxFileName::Mkdir(cartella, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) ||
            !immagine.SaveFile(cartella + "/lavedo98.png", wxBITMAP_TYPE_PNG) ||
            !immagine.SaveFile(png, wxBITMAP_TYPE_PNG))
        {
            std::fprintf(stderr, "cannot write the %d pixel icon in %s\n", nLato,
                         static_cast<const char*>(cartella.utf8_str()));
            return 1;
        }
        std::string dati(png.GetSize(), '\0');
        png.CopyTo(dati.data(), dati.size());
        sorgente += "const unsigned char s_a" + std::to_string(nLato) + "[] = {";
        for (size_t i = 0; i < dati.size(); ++i)
            sorgente += (i % 20 == 0 ? "\n    " : " ") +
                        std::to_string(static_cast<unsigned char>(dati[i])) + ",";
        sorgente += "\n};\n";
        elenco += "    {" + std::to_string(nLato) + ", s_a" + std::to_string(nLato) + ", sizeof s_a" +
                  std::to_string(nLato) + "},\n";
    }
    sorgente += "}  // namespace\n\nconst CIconaPng g_aIconePng[] = {\n" + elenco + "};\n";
    std::FILE* pFile = std::fopen(argv[2], "wb");
    bool bScritto =
        pFile && std::fwrite(sorgente.data(), 1, sorgente.size(), pFile) == sorgente.size();
    if (pFile)
        bScritto = std::fclose(pFile) == 0 && bScritto;
    if (!bScritto)
    {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

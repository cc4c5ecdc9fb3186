// Pictures, plans and the 3D model of the fullest scene (255 furnishings,
// 8 lights), and the file manager's preview of a sample room as a whole
// process. Every file is checked to be written with what was asked for.
#include "Misura.h"
#include "ScenaDiProva.h"
#include "app/ModelloGlb.h"
#include "app/PiantinaVettoriale.h"
#include "model/Scena.h"
#include "view/ImmaginePng.h"
#include "view/LavedoView.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <unistd.h>
#include <wx/image.h>

int main(int argc, char** argv)
{
    if (!misura::AvviaApplicazione(argc, argv, 1024, 768))
    {
        std::fprintf(stderr, "the editor's GL window did not start\n");
        return 1;
    }
    char aCartella[] = "/tmp/lavedo-bench-XXXXXX";
    const std::string cartella = mkdtemp(aCartella);
    scena_di_prova::Piena(*g_pDoc);
    misura::ImpostaVista(VISTA_3D);
    CLavedoView& v = *GetLavedoView();
    v.m_bLuci = v.m_bTextures = true;
    wxString errore;
    // Each file must be written, and show what was asked for; it is taken
    // away after the check, so the next call writes it again.
    const auto Scritto = [&](const std::string& nome, bool bRiuscito, const char* pInizio,
                             int nLato) {
        const std::string percorso = cartella + "/" + nome;
        std::string dati;
        if (std::FILE* f = std::fopen(percorso.c_str(), "rb"))
        {
            char a[1 << 16];
            for (std::size_t n; (n = std::fread(a, 1, sizeof a, f)) > 0;)
                dati.append(a, n);
            std::fclose(f);
        }
        if (!bRiuscito || dati.compare(0, std::strlen(pInizio), pInizio) != 0)
            misura::Fallisci(nome + " was not written: " + std::string(errore.utf8_str()));
        if (nLato)
        {
            const wxImage immagine(wxString::FromUTF8(percorso.c_str()), wxBITMAP_TYPE_PNG);
            const int nPixel = immagine.IsOk() ? immagine.GetWidth() * immagine.GetHeight() : 0;
            int nAccesi = 0;
            for (int i = 0; i < nPixel; ++i)
                nAccesi += immagine.GetData()[3 * i] + immagine.GetData()[3 * i + 1] > 0;
            if (std::max(immagine.GetWidth(), immagine.GetHeight()) != nLato ||
                nAccesi < nPixel / 100)
                misura::Fallisci(nome + " is not the picture asked for");
        }
        else if (dati.find("piena.lav - Scala 1:") == std::string::npos)
            misura::Fallisci(nome + " has no plan in it");
        std::remove(percorso.c_str());
    };
    bool bRiuscito = false;
    const double fPng = misura::MedianaMicrosecondi(
        [&] {
            bRiuscito = esportazione::EsportaImmagine(v, cartella + "/piena.png", VISTA_3D, 1920,
                                                     1080, errore);
        },
        5, 1, [&] { Scritto("piena.png", bRiuscito, "\x89PNG", 1920); });
    misura::Stampa("PNG 1920 x 1080, 3D, fullest room", fPng);
    const double fPdf = misura::MedianaMicrosecondi(
        [&] {
            esportazione::COpzioniPiantina opzioni;
            opzioni.nScala = 0;
            bRiuscito = esportazione::EsportaPiantina(v, cartella + "/piena.pdf", "piena.lav",
                                                     opzioni, errore);
        },
        5, 1, [&] { Scritto("piena.pdf", bRiuscito, "%PDF-", 0); });
    misura::Stampa("PDF plan, fullest room", fPdf);
    // The model is read back after each write: a whole GLB file, not an old one.
    const std::string glb = cartella + "/piena.glb";
    long nByte = 0;
    const double fGlb = misura::MedianaMicrosecondi(
        [&] { bRiuscito = esportazione::EsportaModello(*g_pDoc, v.ContestoDisegno(), glb, errore); },
        5, 1,
        [&] {
            std::ifstream f(glb, std::ios::binary);
            char aTesta[12] = {};
            f.read(aTesta, sizeof aTesta);
            std::uint32_t nLunghezza = 0;
            std::memcpy(&nLunghezza, aTesta + 8, 4);
            f.seekg(0, std::ios::end);
            nByte = static_cast<long>(f.tellg());
            if (!bRiuscito || std::memcmp(aTesta, "glTF", 4) != 0 || nLunghezza != nByte)
                misura::Fallisci("the 3D model written is not a whole GLB file");
            std::remove(glb.c_str());
        });
    misura::Stampa("GLB model, fullest room", fGlb);
    std::printf("  its size: %ld bytes\n", nByte);
    // The thumbnailer as a file manager runs it: a process of its own, whose
    // processor time is its own.
    const std::string programma = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1) + "lavedo";
    const std::string comando = "'" + programma + "' --miniatura esempi/soggiorno.lav '" +
                                cartella + "/miniatura.png' 256";
    std::vector<double> aCpu;
    const double fMiniatura = misura::MedianaMicrosecondi(
        [&] {
            rusage prima{}, dopo{};
            getrusage(RUSAGE_CHILDREN, &prima);
            bRiuscito = std::system(comando.c_str()) == 0;
            getrusage(RUSAGE_CHILDREN, &dopo);
            aCpu.push_back((dopo.ru_utime.tv_sec - prima.ru_utime.tv_sec + dopo.ru_stime.tv_sec -
                            prima.ru_stime.tv_sec) * 1e6 +
                           static_cast<double>(dopo.ru_utime.tv_usec - prima.ru_utime.tv_usec +
                                               dopo.ru_stime.tv_usec - prima.ru_stime.tv_usec));
        },
        5, 1, [&] { Scritto("miniatura.png", bRiuscito, "\x89PNG", 256); });
    std::sort(aCpu.begin() + 1, aCpu.end());
    misura::Stampa("thumbnail 256 px of soggiorno.lav, whole process", fMiniatura, aCpu[3]);
    std::printf("targets: PNG <= 1000000 us, PDF <= 500000 us, GLB <= 300000 us and 8 MB, "
                "thumbnail <= 500000 us: %s\n",
                fPng <= 1e6 && fPdf <= 5e5 && fGlb <= 3e5 && nByte <= 8 << 20 && fMiniatura <= 5e5
                    ? "met"
                    : "MISSED");
    std::system(("rm -rf '" + cartella + "'").c_str());
    g_pDoc->SvuotaScena();
    misura::ChiudiApplicazione();
    return 0;
}

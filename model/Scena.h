#pragma once
#include "model/Contenitori.h"
#include "model/Stanza.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The contents of the document without its window side: the room, the
// lights, the furniture and the modified flag, with the operations that
// new, open and save are made of. The document derives from it.
class CScena
{
public:
    // The longest file a document can be: the room, 255 furnishings of the
    // longest record and 8 lights.
    static constexpr std::size_t DIMENSIONE_MASSIMA_FILE = 228 + 1 + 255 * (8 + 86) + 1 + 8 * 142;

    // bLeggiTexture false: a scene that a file is read into before it
    // replaces the document's (the texture set is read once, at start-up).
    explicit CScena(bool bLeggiTexture = true);
    virtual ~CScena();
    CScena(const CScena&) = delete;
    CScena& operator=(const CScena&) = delete;

    void SetModificato() { m_bModificato = true; }
    // The change just made to the room is one step of the undo history,
    // named for the Annulla/Ripeti items ("inserimento", "modifica",
    // "eliminazione", "spostamento", "rotazione", "luce", "impostazioni",
    // "taglio", "incolla", "duplicazione"); it also marks the scene
    // modified. bUnisci: the change continues the previous step of the same
    // name (a run of key presses on one piece) and joins it. A scene without
    // a history (tests, tools) only marks itself modified.
    virtual void RegistraPasso(const char* szNome, bool bUnisci = false);

    // Removes every object and light, tells the view (which forgets its
    // selection) and switches off the GL lights the lights drove (unless bGL
    // is false: no GL context yet, whoever makes one applies the lights).
    void SvuotaScena(bool bGL = true);
    // Room defaults of a new document; the texture filters are kept.
    void ImpostaStanzaPredefinita();
    // Hands every light to OpenGL through the one light routine (the light
    // at position p of n drives GL_LIGHT0 + n - p) and switches off the GL
    // lights no light drives.
    void ApplicaLuci();

    // The whole file: room record, object block, light block.
    std::vector<std::uint8_t> Scrivi();
    // Reads a whole file into this scene, which must be fresh (made with
    // CScena(false)). On damage returns false with an Italian description of
    // what is wrong; the scene is then to be thrown away. Touches neither GL
    // nor the view, so a failed read leaves the open document as it was.
    bool Leggi(const std::uint8_t* pDati, std::size_t nDimensione, std::string& errore);
    // Leggi, with pieces and lights in the order the bytes list them (Leggi
    // alone reverses them), so that writing again gives the same bytes.
    bool LeggiNellOrdine(const std::uint8_t* pDati, std::size_t nDimensione, std::string& errore);
    // Exchanges room, objects and lights with another scene.
    void Scambia(CScena& altra);

    // What the scene tells the view that shows it, set by the view: the
    // model includes nothing of it. Empty without a view.
    static std::function<void()> s_fnPezziRimossi;

    CContenitori m_Luci;
    CContenitori m_Oggetti;
    CStanza m_Stanza;
    bool m_bModificato = false;
};

// The one document of the program.
extern CScena* g_pDoc;

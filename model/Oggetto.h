#pragma once
#include "model/Maglia.h"

class CArchivio;
struct CContestoDisegno;

// Family codes carried by every scene object.
enum : int
{
    CATEGORIA_LUCE = -1,
    CATEGORIA_ARMADI = 0,
    CATEGORIA_PORTE_FINESTRE = 1,
    CATEGORIA_SEDIE = 2,
    CATEGORIA_TAVOLI = 3
};

constexpr int LUNGHEZZA_NOME = 50;  // name buffer, terminator included

// Display name of a furnishing kind by [family][kind]; nullptr for a pair
// that names no kind (lights have no entry).
const char* NomeTipo(int nCategoria, int nTipo);

// Anything that can stand in the room. One virtual interface serves every
// kind, so the view, the dialogs, the container and the file code never need
// to know the concrete class. Getters of operations a class does not have
// answer 0 or nullptr; setters of those ignore their argument.
class COggetto
{
public:
    COggetto();
    COggetto(const COggetto&) = delete;
    COggetto& operator=(const COggetto&) = delete;

    // Slots 0 to 4: run-time class, destructor, record, diagnostics.
    virtual const char* GetRuntimeClass() const = 0;
    virtual ~COggetto();
    virtual void Serialize(CArchivio& ar) = 0;
    virtual bool AssertValid() const { return m_pNome != nullptr; }
    virtual void Dump() const {}

    // Slots 5 to 44.
    virtual float GetY() const { return 0.0f; }
    virtual float GetZ() const { return 0.0f; }
    virtual void SetY(float) {}
    virtual void SetZ(float) {}
    virtual float GetAltezza() const { return 0.0f; }
    virtual float GetLarghezza() const { return 0.0f; }
    virtual void SetAltezza(float) {}
    virtual void SetLarghezza(float) {}
    virtual const unsigned char* GetColore1() const { return nullptr; }
    virtual void SetColore1(const unsigned char*) {}
    // The plan symbol, in the plan's pixels (the context's scale).
    virtual void DisegnaPiantina(const CContestoDisegno& contesto) const = 0;
    virtual void SetParete(int) {}
    virtual int GetParete() const { return 0; }
    virtual void SetAmbiente(const float*) {}
    virtual void SetDiffusa(const float*) {}
    virtual void SetSpeculare(const float*) {}
    virtual float* GetAmbiente() { return nullptr; }
    virtual float* GetDiffusa() { return nullptr; }
    virtual float* GetSpeculare() { return nullptr; }
    virtual void SetDisattivaAmbiente(bool) {}
    virtual void SetDisattivaDiffusa(bool) {}
    virtual void SetDisattivaSpeculare(bool) {}
    virtual void SetAccesa(bool) {}
    virtual void SetDirezionale(bool) {}
    virtual bool GetDisattivaAmbiente() const { return false; }
    virtual bool GetDisattivaDiffusa() const { return false; }
    virtual bool GetDisattivaSpeculare() const { return false; }
    virtual bool GetAccesa() const { return false; }
    virtual bool GetDirezionale() const { return false; }
    virtual bool GetFissa() const { return false; }
    virtual void SetFissa(bool) {}
    virtual void SetProfondita(float) {}
    virtual void SetRotazione(float) {}
    virtual float GetProfondita() const { return 0.0f; }
    virtual float GetRotazione() const { return 0.0f; }
    virtual int GetTexture() const { return 0; }
    virtual void SetTexture(int) {}
    virtual const unsigned char* GetColore2() const { return nullptr; }
    virtual void SetColore2(const unsigned char*) {}

    // The piece's 3D geometry in its own frame, as the context draws it
    // (textures and wireframe change it); nothing for a light.
    virtual void CostruisciMaglia(CRegistratore& r, const CContestoDisegno& contesto) const
    {
        (void)r;
        (void)contesto;
    }
    // Whether the 3D view shows the piece: doors and windows only stand on
    // the walls the room draws.
    virtual bool IsVisibile3D(const CContestoDisegno& contesto) const
    {
        (void)contesto;
        return true;
    }
    // The geometry, built again only when the piece, the room's size or the
    // context's textures and wireframe have changed since the last call.
    const CMaglia& Maglia(const CContestoDisegno& contesto) const;
    // Grows by one at every rebuild: whoever keeps a copy knows it is stale.
    unsigned int GetVersioneMaglia() const { return m_nVersioneMaglia; }
    // Draws the piece alone into the current GL context (picking, pictures
    // of one piece): its own states set and put back.
    void Disegna(const CContestoDisegno& contesto) const;

    int GetCategoria() const { return m_nCategoria; }
    void SetCategoria(int n) { m_nCategoria = n; }
    int GetTipo() const { return m_nTipo; }
    void SetTipo(int n) { m_nTipo = n; }
    // The name holds Windows-1252 bytes, as the document files do.
    char* GetNome() { return m_pNome; }
    const char* GetNome() const { return m_pNome; }
    // Copies at most 49 bytes; a longer text is cut.
    void SetNome(const char* pNome);
    float GetX() const { return m_fX; }
    void SetX(float f) { m_fX = f; }
    void Seleziona() { m_bSelezionato = true; }
    void Deseleziona() { m_bSelezionato = false; }
    bool IsSelezionato() const { return m_bSelezionato; }

protected:
    // Name record shared by every kind: the 50 bytes of the buffer.
    void SerializeNome(CArchivio& ar);

    int m_nCategoria = 0;
    int m_nTipo = 0;
    char* m_pNome;
    float m_fX = 0.0f;
    bool m_bSelezionato = false;

private:
    // What the cached geometry was built from.
    static constexpr int VALORI_FIRMA = 24;
    void Firma(const CContestoDisegno& contesto, float* aFirma) const;
    mutable CMaglia m_Maglia;
    mutable float m_aFirma[VALORI_FIRMA] = {};
    mutable unsigned int m_nVersioneMaglia = 0;
};

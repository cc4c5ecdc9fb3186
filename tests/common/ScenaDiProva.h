#pragma once
// Scenes built in code for tests, screenshots, benchmarks and fuzz seeds.
class CScena;
class COggetto;

namespace scena_di_prova
{
// A furnishing of the given family and kind with a name and a place.
COggetto* Mobile(int nCategoria, int nTipo, const char* pNome, float x, float y);
// A light that is not fixed, at (x, y, z).
COggetto* Luce(const char* pNome, float x, float y, float z, bool bDirezionale);
// A furnished room holding every kind at least once (doors and windows on
// different walls, a turned piece, a textured cabinet and round table, names
// with accents in Windows-1252) and two lights that are not fixed.
void Dimostrativa(CScena& scena);
// The fullest scene a document can hold: 255 furnishings of every kind
// spread over the room, and 8 lights.
void Piena(CScena& scena);
}  // namespace scena_di_prova

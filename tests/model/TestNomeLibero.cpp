// The name a copy or a new piece takes beside the names already in a room.
#include "model/NomeLibero.h"

#include "ScenaDiProva.h"
#include "model/Contenitori.h"
#include "model/Oggetto.h"

#include <gtest/gtest.h>

TEST(NomeLibero, IlPrimoNumeroLiberoEntroIQuarantanoveByte)
{
    const std::string x49(49, 'x');
    const struct
    {
        std::string nome;
        std::vector<std::string> usati;
        std::string atteso;
    } aCasi[] = {
        {"Sedia 1", {"Sedia 1"}, "Sedia 2"},
        {"Sedia 1", {"Sedia 1", "Sedia 2", "Sedia 4"}, "Sedia 3"},
        {"Sedia 3", {"Sedia 1", "Sedia 3", "Sedia 4"}, "Sedia 5"},
        {"Divano", {"Divano"}, "Divano 2"},
        {"Divano", {"Divano", "Divano 2"}, "Divano 3"},
        {"Sedia 007", {"Sedia 007"}, "Sedia 8"},
        {"Sedia1", {"Sedia1"}, "Sedia1 2"},
        {"Anno 1234567890", {"Anno 1234567890"}, "Anno 1234567890 2"},
        {"Sedia 1", {"Tavolo 1"}, "Sedia 1"},  // cut and pasted: its own name is free
        {"", {""}, ""},
        {x49, {x49}, std::string(47, 'x') + " 2"},
        {std::string(47, 'x') + " 9", {std::string(47, 'x') + " 9"}, std::string(46, 'x') + " 10"},
    };
    for (const auto& c : aCasi)
    {
        SCOPED_TRACE(c.nome);
        const std::string nome = NomeLibero(c.nome, c.usati);
        EXPECT_EQ(nome, c.atteso);
        EXPECT_LE(nome.size(), 49u);
    }

    // The names of a room's pieces.
    CContenitori oggetti;
    for (const char* pNome : {"Sedia 1", "Sedia 2", "Tavolo"})
        oggetti.Aggiungi(scena_di_prova::Mobile(CATEGORIA_SEDIE, 0, pNome, 1, 1));
    EXPECT_EQ(NomeLibero("Sedia 1", oggetti), "Sedia 3");
    EXPECT_EQ(NomeLibero("Tavolo", oggetti), "Tavolo 2");
}

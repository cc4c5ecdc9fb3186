#pragma once
// A folder of the test's own under /tmp, removed with all it holds.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

class CCartellaTemporanea
{
public:
    explicit CCartellaTemporanea(const std::string& nome)
    {
        std::string modello = "/tmp/" + nome + "-XXXXXX";
        if (mkdtemp(modello.data()))
            m_percorso = modello;
    }
    ~CCartellaTemporanea()
    {
        std::error_code errore;
        if (!m_percorso.empty())
            std::filesystem::remove_all(m_percorso, errore);
    }
    CCartellaTemporanea(const CCartellaTemporanea&) = delete;
    CCartellaTemporanea& operator=(const CCartellaTemporanea&) = delete;

    const std::string& Percorso() const { return m_percorso; }
    std::string File(const std::string& nome) const { return m_percorso + "/" + nome; }

private:
    std::string m_percorso;
};

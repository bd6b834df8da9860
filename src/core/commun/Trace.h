#pragma once
// Trace de la procédure courante : le nom de la routine qui s'exécute,
// relevé par le journal des erreurs.
#include <array>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace pulsodex {

inline constexpr std::size_t TraceLongueurMax = 255;

// Texte court (255 caractères au plus), un par fil d'exécution : le fil de
// l'interface a le sien, les fils du serveur ne le touchent pas.
class TexteTrace {
public:
    void Fixer(std::string_view texte) noexcept;
    [[nodiscard]] std::string_view Lire() const noexcept { return {m_octets.data(), m_longueur}; }

private:
    std::array<char, TraceLongueurMax> m_octets{};
    std::size_t m_longueur = 0;
};

TexteTrace& Trace() noexcept;
inline std::string TraceCourante() {
    return std::string(Trace().Lire());
}
inline void FixerTrace(std::string_view texte) noexcept {
    Trace().Fixer(texte);
}

// Garde RAII : pose le nom à l'entrée, rend l'ancien à la sortie normale
// seulement ; une exception qui s'échappe laisse le nom le plus profond.
class TraceProcedure {
public:
    explicit TraceProcedure(std::string_view nom) noexcept;
    ~TraceProcedure();
    TraceProcedure(const TraceProcedure&) = delete;
    TraceProcedure& operator=(const TraceProcedure&) = delete;

private:
    TexteTrace m_sauvegarde;
    int m_exceptions;
};

} // namespace pulsodex

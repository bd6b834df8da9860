#include "core/app/ChronoPeinture.h"

#include <charconv>
#include <cstdint>

namespace pulsodex {

std::optional<Instant> LireInstant(std::string_view texte) {
    const std::size_t separateur = texte.find_first_of(".,");
    const std::string_view entiere = texte.substr(0, separateur);
    const std::string_view fraction =
        separateur == std::string_view::npos ? std::string_view{} : texte.substr(separateur + 1);
    std::int64_t secondes = 0;
    const auto [fin, erreur] = std::from_chars(entiere.data(), entiere.data() + entiere.size(), secondes);
    if (entiere.empty() || entiere.front() == '-' || erreur != std::errc{} ||
        fin != entiere.data() + entiere.size()) {
        return std::nullopt;
    }
    if (separateur != std::string_view::npos && fraction.empty()) {
        return std::nullopt;
    }
    // Les neuf premiers chiffres de la fraction : des nanosecondes.
    std::int64_t nanosecondes = 0;
    std::int64_t poids = 100'000'000;
    for (const char c : fraction) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        nanosecondes += (c - '0') * poids;
        poids /= 10;
    }
    if (secondes > std::chrono::duration_cast<std::chrono::seconds>(Instant::duration::max()).count() - 1) {
        return std::nullopt;
    }
    return Instant(std::chrono::duration_cast<Instant::duration>(std::chrono::seconds(secondes) +
                                                                 std::chrono::nanoseconds(nanosecondes)));
}

std::optional<double> ChronoPremierePeinture::Peinte() {
    if (!m_releve || m_mesure) {
        return std::nullopt;
    }
    m_mesure = std::chrono::duration<double, std::milli>(m_montre() - m_lancement).count();
    return m_mesure;
}

std::string LigneChrono(double millisecondes) {
    // to_chars ne suit pas la langue : toujours un point décimal.
    char nombre[320]; // assez pour tout double en notation fixe
    const auto fin =
        std::to_chars(nombre, nombre + sizeof nombre, millisecondes, std::chars_format::fixed, 1).ptr;
    return "pulsodex : première peinture des valeurs relevées à " + std::string(nombre, fin) +
           " ms du lancement\n";
}

} // namespace pulsodex

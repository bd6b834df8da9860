#include "Memoire.h"

#include "commun/Trace.h"

namespace pulsodex {

namespace {
// Valeur en kilo-octets de la ligne « Nom:   123 kB » ; rien si absente.
std::optional<std::int64_t> Champ(std::string_view texte, std::string_view nom) {
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) {
            return std::nullopt; // ligne tronquée : ignorée
        }
        const std::string_view ligne = texte.substr(debut, fin - debut);
        if (ligne.size() > nom.size() && ligne.starts_with(nom) && ligne[nom.size()] == ':') {
            std::size_t i = nom.size() + 1;
            while (i < ligne.size() && ligne[i] == ' ') {
                ++i;
            }
            std::int64_t valeur = 0;
            bool chiffre = false;
            for (; i < ligne.size() && ligne[i] >= '0' && ligne[i] <= '9'; ++i) {
                if (valeur > (INT64_MAX / 1024 - 9) / 10) {
                    return std::nullopt; // déraisonnable
                }
                valeur = valeur * 10 + (ligne[i] - '0');
                chiffre = true;
            }
            if (!chiffre) {
                return std::nullopt;
            }
            return valeur * 1024;
        }
        debut = fin + 1;
    }
    return std::nullopt;
}
} // namespace

std::optional<StatutMemoire> LireMeminfo(std::string_view texte) {
    const auto total = Champ(texte, "MemTotal");
    if (!total || *total <= 0) {
        return std::nullopt;
    }
    auto disponible = Champ(texte, "MemAvailable");
    if (!disponible) {
        // Noyaux d'avant 3.14 ; sans MemFree, le relevé est incomplet.
        const auto libre = Champ(texte, "MemFree");
        if (!libre) {
            return std::nullopt;
        }
        disponible = *libre + Champ(texte, "Buffers").value_or(0) + Champ(texte, "Cached").value_or(0);
    }
    if (*disponible > *total) {
        disponible = total;
    }
    const std::int64_t echange = Champ(texte, "SwapTotal").value_or(0);
    std::int64_t echangeLibre = Champ(texte, "SwapFree").value_or(0);
    if (echangeLibre > echange) {
        echangeLibre = echange;
    }
    StatutMemoire s;
    s.TotalPhys = *total;
    s.AvailPhys = *disponible;
    s.TotalPageFile = *total + echange;
    s.AvailPageFile = *disponible + echangeLibre;
    const double occupe = static_cast<double>(*total - *disponible) / static_cast<double>(*total);
    s.MemoryLoad = static_cast<std::uint8_t>(occupe * 100.0 + 0.5);
    return s;
}

std::uint8_t PourcentageArrondi(double part, double total) {
    const double p = part / total * 100.0;
    if (!(p > 0.5) || p > 100.0) {
        return 0;
    }
    return static_cast<std::uint8_t>(p + 0.5);
}

StatutMemoire SondesMemoire::Releve() {
    return m_source.Lire();
}

std::int64_t SondesMemoire::GetMaxMem() {
    TraceProcedure trace("GetMaxMem");
    return m_source.Lire().TotalPageFile;
}

std::int64_t SondesMemoire::GetMaxRealMem() {
    TraceProcedure trace("GetMaxRealMem");
    return m_source.Lire().TotalPhys;
}

std::int64_t SondesMemoire::GetCurrentMem() {
    TraceProcedure trace("GetCurrentMem");
    return m_source.Lire().AvailPageFile;
}

std::int64_t SondesMemoire::GetCurrentRealMem() {
    TraceProcedure trace("GetCurrentRealMem");
    return m_source.Lire().AvailPhys;
}

std::uint8_t SondesMemoire::GetMemoryLoad() {
    TraceProcedure trace("GetMemoryLoad");
    return m_source.Lire().MemoryLoad;
}

std::uint8_t SondesMemoire::GetMemPercent(std::int64_t memLibre, std::int64_t total) {
    TraceProcedure trace("GetMemPercent");
    return total > 0 ? PourcentageArrondi(static_cast<double>(memLibre), static_cast<double>(total)) : 0;
}

} // namespace pulsodex

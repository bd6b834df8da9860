#include "core/probes/Memoire.h"

#include <array>

#include "core/commun/Trace.h"

namespace pulsodex {

namespace {
// Les champs lus de meminfo, tous en un seul passage sur le texte.
enum Champ : std::size_t {
    MemTotal,
    MemAvailable,
    MemFree,
    Buffers,
    Cached,
    SwapTotal,
    SwapFree,
    NombreChamps
};
constexpr std::array<std::string_view, NombreChamps> NomsChamps{
    "MemTotal", "MemAvailable", "MemFree", "Buffers", "Cached", "SwapTotal", "SwapFree"};
using Valeurs = std::array<std::optional<std::int64_t>, NombreChamps>;

// Bien au-delà de toute machine, et assez bas pour que les sommes des champs
// (libre + tampons + cache, physique + échange) ne débordent jamais.
constexpr std::int64_t PlafondKo = INT64_MAX / 4 / 1024;

// Valeur en octets de ce qui suit « Nom: » (« 123 kB ») ; rien si illisible.
std::optional<std::int64_t> Valeur(std::string_view reste) {
    std::size_t i = 0;
    while (i < reste.size() && reste[i] == ' ') {
        ++i;
    }
    std::int64_t valeur = 0;
    bool chiffre = false;
    for (; i < reste.size() && reste[i] >= '0' && reste[i] <= '9'; ++i) {
        const int unite = reste[i] - '0';
        if (valeur > (PlafondKo - unite) / 10) {
            return std::nullopt; // déraisonnable
        }
        valeur = valeur * 10 + unite;
        chiffre = true;
    }
    if (!chiffre) {
        return std::nullopt;
    }
    return valeur * 1024;
}

// La première ligne de chaque nom décide ; une ligne tronquée est ignorée.
Valeurs LireChamps(std::string_view texte) {
    Valeurs valeurs;
    std::array<bool, NombreChamps> vus{};
    std::size_t restants = NombreChamps;
    std::size_t debut = 0;
    while (restants > 0 && debut < texte.size()) {
        const std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) {
            break;
        }
        const std::string_view ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        const std::size_t deuxPoints = ligne.find(':');
        if (deuxPoints == std::string_view::npos) {
            continue;
        }
        const std::string_view nom = ligne.substr(0, deuxPoints);
        for (std::size_t c = 0; c < NombreChamps; ++c) {
            if (!vus[c] && nom == NomsChamps[c]) {
                vus[c] = true;
                valeurs[c] = Valeur(ligne.substr(deuxPoints + 1));
                --restants;
                break;
            }
        }
    }
    return valeurs;
}
} // namespace

std::optional<StatutMemoire> LireMeminfo(std::string_view texte) {
    const Valeurs v = LireChamps(texte);
    const auto& total = v[MemTotal];
    if (!total || *total <= 0) {
        return std::nullopt;
    }
    auto disponible = v[MemAvailable];
    if (!disponible) {
        // Noyaux d'avant 3.14 ; sans MemFree, le relevé est incomplet.
        if (!v[MemFree]) {
            return std::nullopt;
        }
        disponible = *v[MemFree] + v[Buffers].value_or(0) + v[Cached].value_or(0);
    }
    if (*disponible > *total) {
        disponible = total;
    }
    const std::int64_t echange = v[SwapTotal].value_or(0);
    std::int64_t echangeLibre = v[SwapFree].value_or(0);
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

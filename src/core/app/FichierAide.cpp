#include "core/app/FichierAide.h"

#include <system_error>

namespace pulsodex {

std::string AncreSujet(int sujet) {
    switch (sujet) {
    case SujetTableauDeBord:
    case SujetConfiguration:
    case SujetFormats:
        return "sujet" + std::to_string(sujet);
    default:
        return {};
    }
}

std::vector<std::filesystem::path> EmplacementsAide(const std::filesystem::path& executable) {
    const std::filesystem::path dossier = executable.parent_path();
    return {
        (dossier / ".." / "share" / "pulsodex" / "aide" / NomFichierAide).lexically_normal(),
        dossier / "aide" / NomFichierAide,
    };
}

std::optional<std::filesystem::path> TrouverAide(const std::filesystem::path& executable) {
    for (const auto& chemin : EmplacementsAide(executable)) {
        std::error_code erreur;
        if (std::filesystem::is_regular_file(chemin, erreur)) {
            return chemin;
        }
    }
    return std::nullopt;
}

} // namespace pulsodex

#include "core/commun/Fichiers.h"

#include <fstream>
#include <sstream>

namespace pulsodex {

std::optional<std::string> LireFichier(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    if (!entree) {
        return std::nullopt;
    }
    std::ostringstream contenu;
    contenu << entree.rdbuf();
    return std::move(contenu).str();
}

} // namespace pulsodex

#pragma once
// Lecture d'un petit fichier de texte en entier.
#include <optional>
#include <string>

namespace pulsodex {

// Le contenu du fichier ; rien s'il ne s'ouvre pas.
std::optional<std::string> LireFichier(const std::string& chemin);

} // namespace pulsodex

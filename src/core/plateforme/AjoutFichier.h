#pragma once
// Ajout d'un texte à la fin d'un fichier, d'un seul bloc (journaux).
#include <string>
#include <string_view>

namespace pulsodex {

// Ouvre en ajout (crée au besoin) et écrit le texte en une seule écriture,
// pour que deux programmes ne mêlent jamais leurs lignes. Faux en cas d'échec.
bool AjouterAuFichier(const std::string& chemin, std::string_view texte) noexcept;

} // namespace pulsodex

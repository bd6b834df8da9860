#pragma once
// Ajout d'un texte à la fin d'un fichier, d'un seul bloc.
#include <string>
#include <string_view>

namespace pulsodex {

// Ouvre en ajout (crée au besoin) et écrit le texte en une seule écriture,
// pour que deux programmes ne mêlent jamais leurs lignes. Faux en cas d'échec.
bool AjouterAuFichier(const std::string& chemin, std::string_view texte) noexcept;

// Remplace retours chariot, sauts de ligne, tabulations verticales, sauts de
// page, caractères nuls et sauts de ligne d'Unicode (NEL, U+2028, U+2029) par
// des blancs : un texte venu de l'extérieur ne peut pas fabriquer de ligne.
std::string SurUneLigne(std::string_view texte);

inline constexpr std::string_view FinDeLigne = "\r\n";

} // namespace pulsodex

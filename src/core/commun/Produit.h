#pragma once
// Identité du programme : textes affichés et constantes de publication.
#include <string_view>

namespace pulsodex::produit {

inline constexpr std::string_view Titre = "Pulsodex XP V1.0 Béta 2";
inline constexpr std::string_view TitreApplication = "Pulsodex XP";
inline constexpr std::string_view Version = "1.0 Béta 2";
inline constexpr std::string_view FichierAide = "PulsodexXP.hlp";
inline constexpr std::string_view NomExecutable = "pulsodex";
// Adresse du site de l'éditeur (message de mise à jour, boîte « A propos »).
inline constexpr std::string_view SiteWeb = "http://www.pulsodex.org";
// Ligne d'identité de la boîte « A propos ».
inline constexpr std::string_view Identite = "Tableau de bord résident des ressources du système";

} // namespace pulsodex::produit

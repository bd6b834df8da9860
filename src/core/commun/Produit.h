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
// Serveur web de la page de mise à jour (PULSODEX_MAJ=hote:port en désigne un autre).
inline constexpr std::string_view HoteMiseAJour = "www.pulsodex.org";
inline constexpr unsigned short PortMiseAJour = 80;
inline constexpr std::string_view PageMiseAJour = "/maj.html";

} // namespace pulsodex::produit

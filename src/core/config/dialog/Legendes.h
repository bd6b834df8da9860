#pragma once
// Les légendes des deux listes du dialogue : règles d'avertissement et événements.
#include <cstdint>
#include <string>
#include <string_view>

namespace pulsodex {

class LocaleUtilisateur;

// « Disque C < 500 Mo », « Utilisation mémoire > 90 % »…
std::string Compile_Chaine_Ressource(std::uint8_t ressource, std::string_view disque, std::int32_t seuil,
                                     std::uint8_t unite);
// « Message tous les jours à 08:30 » ; jour et mois à -1 : aucun choix.
std::string Compile_Chaine_Evenement(std::uint8_t type, int jour, int mois, std::string_view heure,
                                     std::string_view minute, const LocaleUtilisateur& locale);

} // namespace pulsodex

#pragma once
// Les légendes des deux listes du dialogue : règles d'avertissement et événements.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/commun/Codes.h"

namespace pulsodex {

class LocaleUtilisateur;

// « Disque C < 500 Mo », « Utilisation mémoire > 90 % »…
std::string Compile_Chaine_Ressource(Ressource ressource, std::string_view disque, std::int32_t seuil,
                                     Unite unite);
// « Message tous les jours à 08:30 » ; jour et mois à -1 : aucun choix.
std::string Compile_Chaine_Evenement(TypeEvenement type, int jour, int mois, std::string_view heure,
                                     std::string_view minute, const LocaleUtilisateur& locale);

} // namespace pulsodex
